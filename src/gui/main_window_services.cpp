#include "gui/main_window_services.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/platform/clock.h"
#include "gui/main_window.h"
#include "gui/result_table_model.h"

namespace lumivane::gui {

QString MainWindowServicesState::LabelText(const char* name) const {
    const auto* label = m_window.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QString();
}

QString MainWindowServicesState::FamilyNameBoxText() const {
    const auto* box = m_window.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"));
    return box != nullptr ? box->text() : QString();
}

QString MainWindowServicesState::StarSignLabelText() const {
    return LabelText("Label108");
}

QString MainWindowServicesState::ZodiacLabelText() const {
    return LabelText("Label107");
}

int MainWindowServicesState::SexIndex() const {
    const auto* sex = m_window.findChild<QComboBox*>(QStringLiteral("cmb_Sex"));
    return sex != nullptr ? sex->currentIndex() : -1;
}

BirthFields MainWindowServicesState::Birth() const {
    return m_window.Birth();
}

BirthFields MainWindowServicesState::FormBirth() const {
    return m_window.BirthOfDateBoxes();
}

int MainWindowServicesState::CurrentYear() const {
    return m_clock.Now().year;
}

int MainWindowServicesState::ResultRowCount() const {
    return static_cast<int>(m_window.ResultModel()->Rows().size());
}

QString MainWindowServicesState::ResultRowCaption(int row) const {
    const auto& rows = m_window.ResultModel()->Rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) {
        return {};
    }
    return QString::fromStdString(rows[static_cast<std::size_t>(row)].Caption());
}

QString MainWindowServicesState::ResultRowFamilyText(int row) const {
    const auto& rows = m_window.ResultModel()->Rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) {
        return {};
    }
    return QString::fromStdString(rows[static_cast<std::size_t>(row)].columns[kColumnFamilyName]);
}

// The birth the date boxes hold now, resolved as a request's chart resolves
// it: a form opened after the boxes changed shows what the user sees.
BirthFields TfrmMain::BirthOfDateBoxes() const {
    BirthFields fields = m_birth;
    if (!ComputeBirthChart(CurrentDateInputs(), m_firstName->text().toStdString(), fields, m_clock)
             .ok) {
        fields.DateKnown = false;
    }
    return fields;
}

}  // namespace lumivane::gui
