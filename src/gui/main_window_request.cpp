// The main window's naming request and its result list: the filter dialog,
// the fill, sorting, the pages of the list, the keys and printing.

#include "gui/main_window.h"
#include "gui/main_window_parts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>

#include "core/app/favourable_condition.h"
#include "core/app/naming_request.h"
#include "core/app/services.h"
#include "core/app/settings.h"
#include "core/calendar/vocabulary.h"
#include "gui/about_dialog.h"
#include "gui/chart_panel.h"
#include "gui/filter_dialog.h"
#include "gui/gbk_length_validator.h"
#include "gui/gui_fonts.h"
#include "gui/gui_icons.h"
#include "gui/keyboard_access.h"
#include "gui/message_sink.h"
#include "gui/result_table_model.h"
#include "gui/show_page.h"
#include "report/print_service.h"

namespace lumivane::gui {

using namespace main_window_parts;

void TfrmMain::SetFilterDialog(TfrmSelect* dialog) {
    m_select = dialog;
    std::vector<RestoreStep> pending = std::exchange(m_pendingDialogSteps, {});
    if (m_select != nullptr) {
        for (const RestoreStep& step : pending) {
            ApplyRestoreStep(step);
        }
    }
}

void TfrmMain::SetFilterDialogFactory(std::function<TfrmSelect*()> make) {
    m_makeFilterDialog = std::move(make);
}

TfrmSelect* TfrmMain::FilterDialog() {
    if (m_select == nullptr && m_makeFilterDialog) {
        SetFilterDialog(m_makeFilterDialog());
    }
    return m_select;
}

QString TfrmMain::StatusText() const {
    return m_statusPanels[1]->text();
}

void TfrmMain::SetStatusText(const QString& text) {
    m_statusPanels[1]->setText(text);
}

int TfrmMain::SelectedRow() const {
    if (m_listview == nullptr) {
        return -1;
    }
    const QModelIndexList rows = m_listview->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// ---- naming request -------------------------------------------------------

void TfrmMain::btn_CreateNameClick() {
    RunRequest(sender() == m_selectName);
}

void TfrmMain::SetNamingEnabled(bool enabled) {
    m_createName->setEnabled(enabled);
    m_selectName->setEnabled(enabled);
    m_favoritesButton->setEnabled(enabled);
}

void TfrmMain::FillProgressHook(std::size_t row) {
    // The fill shows its progress and lets events run once at its start, then
    // at most every 50 ms: a list filled within a frame or two is not held up
    // by repainting its progress a dozen times, and a slow one stays responsive.
    constexpr qint64 kProgressIntervalMs = 50;
    if (m_sinceProgress.isValid() && m_sinceProgress.elapsed() < kProgressIntervalMs) {
        return;
    }
    m_sinceProgress.start();
    SetStatusText(QString::fromStdString(FillProgressText(row)));
    m_statusPanels[1]->repaint();
    QCoreApplication::processEvents();
}

void TfrmMain::RunRequest(bool advanced) {
    // The fill lets events run, so a second click could start another request
    // on the same state; the buttons stay disabled until this one ends.
    if (m_busy) {
        return;
    }
    m_busy = true;
    SetNamingEnabled(false);
    EnsureResultPages();

    NamingInputs inputs;
    inputs.familyNameText = m_firstName->text().toStdString();
    inputs.nameLengthIndex = m_nameLength->currentIndex();
    inputs.sexIndex = m_sex->currentIndex();
    inputs.advanced = advanced;
    inputs.source = m_source->currentIndex() == 1 ? NameSource::Poetry : NameSource::Common;
    inputs.verseGroup = VerseGroupOfItem(m_collection->currentIndex());
    inputs.keepFavourable = m_keepFavourable->isChecked();
    NamingHooks hooks;
    hooks.showBirthChart = [this] {
        // Past the family-name check: the trimmed name is in the box before the
        // chart reads it, and the favourites button now adds the checked rows.
        m_firstName->setText(QString::fromStdString(m_state.familyText));
        m_addFavorites->setText(QStringLiteral("收藏所选"));
        m_favoriteItem->setText(QStringLiteral("加入收藏夹"));
        return ShowBirthChart();
    };
    hooks.runFilterDialog = [this]() -> std::optional<FilterSet> {
        TfrmSelect* dialog = FilterDialog();
        if (dialog == nullptr) {
            return std::nullopt;
        }
        dialog->SetSingleCharacter(m_nameLength->currentIndex() == 0);
        dialog->SetFamilyName(QString::fromStdString(m_state.familyText));
        return dialog->Run();
    };
    hooks.favourableCondition = [this] { return m_favourableCondition; };
    hooks.avoidCharacters = [this] { return AvoidCharactersText(); };
    hooks.saveSettings = [this] { SaveSettings(); };
    m_sinceProgress.invalidate();
    hooks.progress = [this](std::size_t row) { FillProgressHook(row); };

    NamingResult result = RunNamingRequest(m_state, inputs, hooks);
    m_firstName->setText(QString::fromStdString(result.trimmedFamilyText));
    switch (result.outcome) {
        case NamingOutcome::EmptyFamilyName:
        case NamingOutcome::InvalidFamilyName:
        case NamingOutcome::MissingChoice:
        case NamingOutcome::NoMatchingNames:
            m_messages.Information(this, QString::fromStdString(result.message));
            break;
        case NamingOutcome::InvalidAvoidCharacters:
            m_messages.Information(
                this, QString::fromStdString(result.message) +
                          QStringLiteral("请在“高级起名”的筛选条件里改正“不用的字”。"));
            break;
        case NamingOutcome::ChartFailed:
        case NamingOutcome::FilterDialogClosed:
            break;
        case NamingOutcome::Filled:
            setProperty(kAvoidCharactersProperty, QString::fromStdString(m_state.avoid.Text()));
            ShowRows(std::move(result.rows));
            if (inputs.keepFavourable && !m_favourableCondition) {
                SetStatusText(QStringLiteral("没有出生日期就没有喜用神：这次未按“补喜用神”筛选"));
            }
            break;
    }
    SetNamingEnabled(true);
    m_busy = false;
}

void TfrmMain::ShowRows(std::vector<ResultRow> rows) {
    EnsureResultPages();
    if (m_pcResult->currentIndex() == kWelcomePage) {
        ShowPage(m_pcResult, kDetailedPage);
    }
    const std::size_t count = rows.size();
    m_model->SetRows(std::move(rows));
    m_listview->setColumnHidden(kVerseColumn, !m_model->HasVerses());
    ResetSortLists();
    m_countLabel->setText(QString::fromStdString(ResultCountText(count)));
    m_nameList->setPlainText(
        MemoText(RebuildNameMemo(m_model->Rows(), m_state.candidates.count())));
    SetStatusText(Utf8(kResultHintText));
    emit resultListFilled();
}

void TfrmMain::ResetSortLists() {
    // The rows are in generation (or header) order, not in a key's.
    m_sort1->setCurrentIndex(-1);
    m_sort2->setCurrentIndex(-1);
}

void TfrmMain::AfterSort() {
    EnsureResultPages();
    m_nameList->setPlainText(
        MemoText(RebuildNameMemo(m_model->Rows(), m_state.candidates.count())));
}

// ---- sorting and pages ------------------------------------------------------

void TfrmMain::listview_ResultColumnClick(int column) {
    if (column >= kResultColumnCount) {
        return;  // 出处 is no sort key
    }
    m_model->Reorder(
        [this, column](std::vector<ResultRow>& rows) { m_sorter.HeaderClick(rows, column); });
    ResetSortLists();
    AfterSort();
}

void TfrmMain::SortByKeyOf(QComboBox* combo) {
    const int key = combo->currentIndex();
    if (key < 0 || key >= static_cast<int>(SortColumnMap.size())) {
        return;
    }
    m_model->Reorder([this, key](std::vector<ResultRow>& rows) { m_sorter.SortByKey(rows, key); });
    AfterSort();
}

void TfrmMain::cmb_Sort1Click(int /*key*/) {
    auto* combo = qobject_cast<QComboBox*>(sender());
    SortByKeyOf(combo != nullptr ? combo : m_sort2);
}

void TfrmMain::N89Click() {
    auto* entry = qobject_cast<QAction*>(sender());
    if (entry == nullptr) {
        return;
    }
    EnsureResultPages();
    m_sort2->setCurrentIndex(entry->property(kTagProperty).toInt());
    SortByKeyOf(m_sort2);
}

void TfrmMain::btn_ShowNamePropertyClick() {
    EnsureResultPages();
    ShowPage(m_pcResult, kDetailedPage);
}

void TfrmMain::btn_ReturnSimpleClick() {
    EnsureResultPages();
    ShowPage(m_pcResult, kSimplePage);
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter presses the focused button (高级起名 opens the dialog), and in
        // the naming view anywhere else the default button 简单起名; at once,
        // without the animated click's delay, so the request starts as the
        // key goes down.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = focused != nullptr && focused->isVisible() ? focused
                              : m_inputStrip->isVisibleTo(this)          ? m_createName
                                                                         : nullptr;
        if (target != nullptr) {
            if (target->isEnabled()) {
                target->click();
            }
            event->accept();
            return;
        }
    }
    if (key == Qt::Key_Escape && m_pcResult->currentIndex() == kDetailedPage) {
        btn_ReturnSimpleClick();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---- views --------------------------------------------------------------------

void TfrmMain::sbtn_QimingClick() {
    EnsureResultPages();
    m_inputStrip->setVisible(true);
    m_chart->setVisible(true);
    m_state.showingFavorites = false;
    ShowPage(m_pcMain, 0);
    m_addFavorites->setIcon(m_favoritesButton->icon());
    m_addFavorites->setText(QStringLiteral("加入收藏"));
    m_favoriteItem->setText(QStringLiteral("加入收藏夹"));
}

void TfrmMain::N6Click() {
    sbtn_QimingClick();
}

void TfrmMain::RestoreInstance() {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

// ---- printing -------------------------------------------------------------------

PrintService* TfrmMain::PrintServiceOrNotice() {
    EnsureResultPages();
    if (m_print == nullptr) {
        m_messages.Information(this, QStringLiteral("打印功能尚未提供"));
    }
    return m_print;
}

void TfrmMain::btn_Print1Click() {
    if (PrintService* print = PrintServiceOrNotice()) {
        print->PrintSimpleList(this, m_nameList->toPlainText());
    }
}

void TfrmMain::btn_Print2Click() {
    if (PrintService* print = PrintServiceOrNotice()) {
        print->PrintDetailedList(this, m_model->Rows());
    }
}

void TfrmMain::btn_ExportPdf1Click() {
    if (PrintService* print = PrintServiceOrNotice()) {
        print->ExportSimpleListPdf(this, m_nameList->toPlainText());
    }
}

void TfrmMain::btn_ExportPdf2Click() {
    if (PrintService* print = PrintServiceOrNotice()) {
        print->ExportDetailedListPdf(this, m_model->Rows());
    }
}

}  // namespace lumivane::gui
