// The main window's naming request and its result list: the filter dialog,
// the fill, sorting, the pages of the list, the keys and printing.

#include "gui/main_window.h"
#include "gui/main_window_parts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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
#include <QTextBlock>
#include <QTextCursor>
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
#include "gui/column_widths.h"
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
    // A new list replaces the ticks, the parent's picks: offer to keep the
    // ones not yet among the favourites first.
    if (const std::size_t unsaved = TickedNotInFavorites(); unsaved > 0) {
        const QString question =
            QStringLiteral(
                "当前名单中有 %1 个打勾的名字还没有加入收藏，新的名单会替换它们。\n\n"
                "先把它们加入收藏吗？")
                .arg(unsaved);
        if (m_messages.Question(this, question)) {
            btn_AddFavoritesClick();
        }
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
            } else if (!m_state.avoid.Text().empty()) {
                // The avoided characters are kept between sessions and apply to
                // every request, so the list says that it left them out.
                SetStatusText(QStringLiteral("已按“不用的字”除去含 ") +
                              QString::fromStdString(m_state.avoid.Text()) +
                              QStringLiteral(" 的名字（在“高级起名”的筛选条件里更改）"));
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
    ShareListColumns();
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
    ShowSortIndicator(-1, true);
}

void TfrmMain::ShowSortIndicator(int column, bool ascending) {
    m_sortColumn = column;
    m_sortAscending = ascending;
    QHeaderView* header = m_listview->horizontalHeader();
    const bool shown = column >= 0 && !m_listview->isColumnHidden(column);
    // Qt's arrow for ascending order on the compared texts.
    header->setSortIndicator(shown ? column : -1,
                             ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TfrmMain::ShareListColumns() {
    if (m_listview == nullptr) {
        return;
    }
    std::vector<int> columns;
    std::vector<int> base;
    for (int column = 0; column <= kVerseColumn; ++column) {
        if (m_listview->isColumnHidden(column)) {
            continue;
        }
        columns.push_back(column);
        base.push_back(column == kVerseColumn
                           ? 420
                           : ResultColumnHeaders[static_cast<std::size_t>(column)].width);
    }
    // 姓名 and 五行格局 first: their texts are the ones that get cut.
    std::vector<int> first;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (columns[k] == kColumnName || columns[k] == kColumnElements) {
            first.push_back(static_cast<int>(k));
        }
    }
    const std::vector<int> widths = ShareColumnWidths(base, first, m_listview->viewport()->width());
    for (std::size_t k = 0; k < columns.size(); ++k) {
        m_listview->setColumnWidth(columns[k], widths[k]);
    }
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
    const bool ascending = m_sorter.SortAscending();
    m_model->Reorder(
        [this, column](std::vector<ResultRow>& rows) { m_sorter.HeaderClick(rows, column); });
    ResetSortLists();
    ShowSortIndicator(column, ascending);
    AfterSort();
}

void TfrmMain::SortByKeyOf(QComboBox* combo) {
    const int key = combo->currentIndex();
    if (key < 0 || key >= static_cast<int>(SortColumnMap.size())) {
        return;
    }
    m_model->Reorder([this, key](std::vector<ResultRow>& rows) { m_sorter.SortByKey(rows, key); });
    ShowSortIndicator(SortColumnMap[static_cast<std::size_t>(key)], true);
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
        // Enter presses the focused button (高级起名 opens the dialog); in the
        // detailed list it opens the selected name, as a double-click does;
        // in the input strip it starts 简单起名. Elsewhere it does nothing, so
        // a list the user is working through is never thrown away by a key.
        // The click is at once, without the animated click's delay.
        QWidget* focus = focusWidget();
        QPushButton* target = nullptr;
        if (auto* button = qobject_cast<QPushButton*>(focus);
            button != nullptr && button->isVisible()) {
            target = button;
        } else if (focus != nullptr && m_inputStrip->isVisibleTo(this) &&
                   m_inputStrip->isAncestorOf(focus)) {
            target = m_createName;
        } else if (m_listview != nullptr && focus == m_listview) {
            const int row = SelectedRow();
            if (row >= 0) {
                emit nameAnalysisRequested(row);
            }
            event->accept();
            return;
        }
        if (target != nullptr && target->isEnabled()) {
            target->click();
        }
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape && m_pcResult->currentIndex() == kDetailedPage) {
        btn_ReturnSimpleClick();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

int TfrmMain::MemoNameRow(const QTextCursor& cursor) const {
    // A name is a run without blanks; names stand apart by two blanks or more.
    const QString line = cursor.block().text();
    int at = cursor.positionInBlock();
    const auto isName = [&line](int k) { return k >= 0 && k < line.size() && !line[k].isSpace(); };
    if (!isName(at)) {
        --at;  // right behind a name
    }
    if (!isName(at)) {
        return -1;
    }
    int begin = at;
    while (isName(begin - 1)) {
        --begin;
    }
    int end = at;
    while (isName(end + 1)) {
        ++end;
    }
    const std::vector<ResultRow>& rows = m_model->Rows();
    const auto find = [&rows](const QString& name) {
        const std::string wanted = name.toStdString();
        for (std::size_t k = 0; k < rows.size(); ++k) {
            std::string caption = rows[k].Caption();
            while (!caption.empty() && caption.back() == ' ') {
                caption.pop_back();
            }
            if (caption == wanted) {
                return static_cast<int>(k);
            }
        }
        return -1;
    };
    int row = find(line.mid(begin, end - begin + 1));
    if (row < 0 && m_model->HasVerses()) {
        // A verse line: one name, then its verse.
        row = find(line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty));
    }
    return row;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (m_nameList != nullptr && watched == m_nameList->viewport() &&
        event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int row = MemoNameRow(m_nameList->cursorForPosition(mouse->position().toPoint()));
        if (row >= 0) {
            emit nameAnalysisRequested(row);
            return true;
        }
    } else if (watched == m_nameList && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        if ((press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter) &&
            press->modifiers() == Qt::NoModifier) {
            const int row = MemoNameRow(m_nameList->textCursor());
            if (row >= 0) {
                emit nameAnalysisRequested(row);
                return true;
            }
        }
    } else if (m_listview != nullptr && watched == m_listview->viewport() &&
               event->type() == QEvent::Resize) {
        ShareListColumns();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- views --------------------------------------------------------------------

void TfrmMain::KeepNamingList() {
    if (m_state.showingFavorites || m_pcResult->currentIndex() == kWelcomePage) {
        return;  // no naming list yet, or it is already kept
    }
    NamingListKept kept;
    kept.rows = m_model->Rows();
    kept.candidates = m_state.candidates;
    kept.familyName = m_state.familyName;
    kept.familyText = m_state.familyText;
    kept.verseList = m_state.verseList;
    kept.memo = m_nameList->toPlainText();
    kept.count = m_countLabel->text();
    kept.sort1 = m_sort1->currentIndex();
    kept.sort2 = m_sort2->currentIndex();
    kept.sortColumn = m_sortColumn;
    kept.sortAscending = m_sortAscending;
    kept.page = m_pcResult->currentIndex();
    m_namingList = std::move(kept);
}

void TfrmMain::ReturnToNamingList() {
    if (!m_namingList) {
        // Nothing was named before the favourites: the welcome page again.
        m_model->SetRows({});
        m_state.candidates.Clear();
        m_nameList->clear();
        m_countLabel->clear();
        ResetSortLists();
        ShowPage(m_pcResult, kWelcomePage);
        return;
    }
    NamingListKept kept = std::move(*m_namingList);
    m_namingList.reset();
    m_state.candidates = std::move(kept.candidates);
    m_state.familyName = kept.familyName;
    m_state.familyText = kept.familyText;
    m_state.verseList = kept.verseList;
    m_model->SetRows(std::move(kept.rows));
    m_listview->setColumnHidden(kVerseColumn, !m_model->HasVerses());
    ShareListColumns();
    m_nameList->setPlainText(kept.memo);
    m_countLabel->setText(kept.count);
    m_sort1->setCurrentIndex(kept.sort1);
    m_sort2->setCurrentIndex(kept.sort2);
    ShowSortIndicator(kept.sortColumn, kept.sortAscending);
    ShowPage(m_pcResult, kept.page);
    SetStatusText(Utf8(kResultHintText));
}

void TfrmMain::sbtn_QimingClick() {
    EnsureResultPages();
    if (m_state.showingFavorites) {
        ReturnToNamingList();
    }
    m_inputStrip->setVisible(true);
    m_chart->setVisible(true);
    m_state.showingFavorites = false;
    ShowPage(m_pcMain, 0);
    m_addFavorites->setIcon(m_favoritesButton->icon());
    m_addFavorites->setText(QStringLiteral("加入收藏"));
    m_favoriteItem->setText(QStringLiteral("加入收藏夹"));
    m_lastRemoval.reset();
    UpdateUndo();
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
        const QString path = print->ExportSimpleListPdf(this, m_nameList->toPlainText());
        if (!path.isEmpty()) {
            SetStatusText(QStringLiteral("已导出 PDF：") + QDir::toNativeSeparators(path));
        }
    }
}

void TfrmMain::btn_ExportPdf2Click() {
    if (PrintService* print = PrintServiceOrNotice()) {
        const QString path = print->ExportDetailedListPdf(this, m_model->Rows());
        if (!path.isEmpty()) {
            SetStatusText(QStringLiteral("已导出 PDF：") + QDir::toNativeSeparators(path));
        }
    }
}

}  // namespace lumivane::gui
