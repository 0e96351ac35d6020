#pragma once
// The filter dialog TfrmSelect of advanced naming: six pages of three rows.
// Its widgets hold the filter state; every rule (row coupling, shown and
// enabled controls, reset, radical lists, what OK accepts) is the core's, over
// a FilterSet read from and written back to the widgets.

#include <QDialog>
#include <QHash>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/naming/filter_controls.h"
#include "core/naming/filter_dialog_rules.h"
#include "core/naming/filter_set.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace lumivane::gui {

class MessageSink;

class TfrmSelect final : public QDialog {
    Q_OBJECT
public:
    TfrmSelect(MessageSink& messages, QWidget* parent = nullptr);

    // Shows the dialog modally; the filters when it closed with 确定.
    [[nodiscard]] std::optional<FilterSet> Run();

    [[nodiscard]] FilterSet Snapshot() const;
    // Writes the values into the widgets; radical lists are not refilled.
    void Apply(const FilterSet& filters);
    // The stored control of that name (see FilterControls(), and edt_Avoid), or nullptr.
    [[nodiscard]] QWidget* StoredControl(std::string_view name) const;
    [[nodiscard]] QTabWidget* Pages() const { return m_pages; }
    // The request asks for a one-character given name: rows 2 and 3 play no
    // part and are disabled, with a line saying so.
    void SetSingleCharacter(bool single);
    [[nodiscard]] bool SingleCharacter() const { return m_singleCharacter; }
    // The family name of the request: the tooltips of the position rows say
    // which character of the given name they mean for it.
    void SetFamilyName(const QString& familyText);
    // 不用的字 (edt_Avoid): the characters no name may hold, as typed. Every
    // request honours it, simple ones too; OK refuses what is not usable.
    [[nodiscard]] std::string AvoidText() const;

public slots:
    // A row box reacted to its tick (sender: the box's name).
    void chk1_1Click(const QString& sender);
    // A stroke-count list was picked: its row's radical list is refilled.
    void cmb6_1AClick(const QString& sender);
    void btn_ResetClick();
    void btn_OKClick();
    void btn_CancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildTextPage(int page);
    QWidget* BuildElementPage(int page);
    QWidget* BuildStrokePage();
    QWidget* BuildRadicalPage();
    // A ticked row box hands the focus to the first control of its row.
    void FocusRowField(const QString& rowBox);
    void ApplyAppearance(const std::vector<ControlAppearance>& controls);
    void ApplyReaction(const DialogReaction& reaction);
    // The dialog's named controls, looked up once: every click and restore
    // reads and writes dozens of them, and a tree search each time made the
    // first showing of the main window slow.
    template <typename Widget>
    [[nodiscard]] Widget* Control(const QString& name) const;
    template <typename Widget>
    [[nodiscard]] Widget* Stored(const FilterControl& control) const;

    MessageSink& m_messages;
    mutable QHash<QString, QWidget*> m_controls;
    // The widgets of FilterControls(), by their position in that table.
    std::vector<QWidget*> m_stored;
    QRadioButton* m_kangxi = nullptr;
    QRadioButton* m_simplified = nullptr;
    QTabWidget* m_pages = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_singleNote = nullptr;
    QLineEdit* m_avoid = nullptr;
    bool m_singleCharacter = false;
    bool m_accepted = false;
};

}  // namespace lumivane::gui
