#pragma once
// The main window TfrmMain: the tool bar, the input strip Panel2, the
// birth-chart panel Panel4, the result pages of pc_Result and the status bar.
// It owns widgets and binds them to the core; every decision is the core's.
//
// Every menu item, tool button and link carries its design name as objectName
// (N22, N35, sbtn_onlineSM, Label32 …) and the name of its handler in the
// property "handler" (items that share a handler, such as the two 姓名测算
// entries, share it), and the Tag of an item in the property "tag", so the
// online services can connect to them by name.

#include <QElapsedTimer>
#include <QMainWindow>
#include <functional>
#include <optional>
#include <vector>

#include "core/chart/birth_chart.h"
#include "core/naming/element_condition.h"
#include "core/naming/filter_set.h"
#include "core/naming/naming_state.h"
#include "core/results/favorites_file.h"
#include "core/results/result_list.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableView;
class QTextCursor;
class QToolButton;

namespace lumivane {
struct RestoreStep;
}

namespace lumivane::gui {

class ChartPanel;
class MessageSink;
class PrintService;
class ResultTableModel;
class TfrmSelect;

inline constexpr const char* kHandlerProperty = "handler";

class TfrmMain final : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(NamingState& state, const Clock& clock, MessageSink& messages,
             QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The filter dialog is created after the main window, as at start-up.
    void SetFilterDialog(TfrmSelect* dialog);
    // Or when it is first needed (an advanced request, the settings save): it
    // is not on screen at start, and its six pages were a tenth of the start.
    // Settings restored before then reach it when it is made.
    void SetFilterDialogFactory(std::function<TfrmSelect*()> make);
    // The dialog, made now if a factory waits; null without either.
    [[nodiscard]] TfrmSelect* FilterDialog();
    [[nodiscard]] bool HasFilterDialog() const { return m_select != nullptr; }
    // Null until the report engine is installed.
    void SetPrintService(PrintService* service) { m_print = service; }

    // The controls of the simple and detailed list pages. Neither page is on
    // screen at start, so they are made right after the window's first
    // painting, or earlier when something needs them.
    void EnsureResultPages();
    [[nodiscard]] bool HasResultPages() const { return m_listview != nullptr; }

    [[nodiscard]] NamingState& State() { return m_state; }
    [[nodiscard]] const BirthFields& Birth() const { return m_birth; }
    [[nodiscard]] BirthFields BirthOfDateBoxes() const;
    [[nodiscard]] ResultTableModel* ResultModel() const { return m_model; }
    [[nodiscard]] bool ShowingFavorites() const { return m_state.showingFavorites; }
    [[nodiscard]] QString StatusText() const;
    // The selected row of the detailed list, -1 when none.
    [[nodiscard]] int SelectedRow() const;

    // Chart panel.
    bool ShowBirthChart();
    void ClearBirthChart();

    // Settings of the last request: written at every accepted request, read at
    // the first showing of the window.
    void SaveSettings();
    // 不用的字 of the filter dialog, as typed; empty without the dialog.
    [[nodiscard]] std::string AvoidCharactersText();
    void RestoreSettings();

    // Size, place and maximised state in config.ini's [Window] section: put
    // back before the window is first shown, kept when it closes. A damaged
    // or lost place (a screen that is gone) centres the window instead.
    void RestoreWindowPlacement();
    void SaveWindowPlacement();

    // Whether the last removal from the favourites can be taken back.
    [[nodiscard]] bool CanUndoRemoval() const { return m_lastRemoval.has_value(); }

public slots:
    void btn_CreateNameClick();
    void sbtn_QimingClick();
    void N6Click();
    void sbtn_FavoritesClick();
    void btn_AddFavoritesClick();
    void N9Click();
    void btn_ShowNamePropertyClick();
    void btn_ReturnSimpleClick();
    void listview_ResultColumnClick(int column);
    void cmb_Sort1Click(int key);
    void N89Click();
    void cmb_CalendarTypeChange();
    void cmb_YearClick();
    void cmb_MonthClick();
    void btn_Print1Click();
    void btn_Print2Click();
    void btn_ExportPdf1Click();
    void btn_ExportPdf2Click();
    // 撤销 (Ctrl+Z) in the favourites view: the last removed names go back
    // into the file and into the list where they stood.
    void btn_UndoRemoveClick();
    // WM_RESTORE_INSTANCE: restore when minimised, else bring to the front.
    void RestoreInstance();

signals:
    // A double-click on a row of the detailed list, or its item 查看名字属性 (N8).
    void nameAnalysisRequested(int row);
    // A naming request filled the lists, or the favourites were shown.
    void resultListFilled();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The print service, or null after telling the user printing is missing.
    PrintService* PrintServiceOrNotice();
    void BuildToolBar();
    void BuildMenus();
    // The strip without its two line edits, which measure text as they are
    // made; AddInputStripEdits puts them in their places.
    QWidget* BuildInputStrip();
    void AddInputStripEdits();
    void BuildSimplePage(QWidget* page);
    void BuildDetailedPage(QWidget* page);
    QWidget* BuildWelcomePage();
    void BuildStatusBar();
    void BuildContextMenu();

    void RunRequest(bool advanced);
    void SetNamingEnabled(bool enabled);
    void ShowRows(std::vector<ResultRow> rows);
    void AfterSort();
    void ResetSortLists();
    void SortByKeyOf(QComboBox* combo);
    void SetStatusText(const QString& text);
    void FillProgressHook(std::size_t row);
    [[nodiscard]] DateLists CurrentDateLists() const;
    void ApplyDateLists(const DateLists& lists);
    [[nodiscard]] DateInputs CurrentDateInputs() const;
    [[nodiscard]] std::vector<Favorite> RowFavorites(bool checked) const;
    // Ticked rows of the naming list that the favourites do not hold.
    [[nodiscard]] std::size_t TickedNotInFavorites() const;
    // The favourites view's "移出收藏": the ticked rows out of the file as it
    // is now; a file changed by another program meanwhile is shown again.
    void RemoveTickedFavorites();
    // Offers to move the lines a damaged favourites file cannot be read with
    // to a copy beside it; true when that was done.
    bool SetAsideDamagedFavorites(const FavoritesLoad& load);
    // The count label of the favourites view, with the lines it cannot show.
    void ShowFavoritesCount();
    void ApplyRestoreStep(const RestoreStep& step);
    // The row of the name at a place in the simple list, -1 for none.
    [[nodiscard]] int MemoNameRow(const QTextCursor& cursor) const;
    // The detailed list's columns across its width.
    void ShareListColumns();
    // Qt's sort arrow on the column the rows were sorted by, none for a
    // column not shown or rows in generation order (column -1).
    void ShowSortIndicator(int column, bool ascending);
    // The naming list put aside while the favourites are shown, and back.
    void KeepNamingList();
    void ReturnToNamingList();
    void UpdateUndo();
    // First start: the design's size, or more on a large screen.
    void PlaceAtStart();

    NamingState& m_state;
    const Clock& m_clock;
    MessageSink& m_messages;
    TfrmSelect* m_select = nullptr;
    std::function<TfrmSelect*()> m_makeFilterDialog;
    std::vector<RestoreStep> m_pendingDialogSteps;
    PrintService* m_print = nullptr;
    BirthFields m_birth;
    ResultSorter m_sorter;
    // The favourites file as the view was filled from it (every line, in file
    // order), to tell whether another program changed it meanwhile.
    std::vector<Favorite> m_favoritesOnFile;
    bool m_settingsSaveReported = false;  // a failed save is told once
    std::size_t m_favoritesNotShown = 0;
    bool m_busy = false;
    // Since the fill last let events run; invalid before the first time.
    QElapsedTimer m_sinceProgress;
    bool m_shownOnce = false;

    // The naming list as it stood when the favourites were opened: its rows
    // with their ticks and order, the request state they belong to, the
    // simple list's text (the user may have typed into it) and the sort shown.
    struct NamingListKept {
        std::vector<ResultRow> rows;
        CandidateList candidates;
        FamilyName familyName;
        std::string familyText;
        bool verseList = false;
        QString memo;
        QString count;
        int sort1 = -1;
        int sort2 = -1;
        int sortColumn = -1;
        bool sortAscending = true;
        int page = 0;
    };
    std::optional<NamingListKept> m_namingList;
    int m_sortColumn = -1;  // of the rows shown, -1 in generation order
    bool m_sortAscending = true;
    // The rows the last removal took, each with its place, and their favourites.
    struct Removal {
        std::vector<std::pair<int, ResultRow>> rows;
        std::vector<Favorite> favorites;
    };
    std::optional<Removal> m_lastRemoval;
    QPushButton* m_undoRemove = nullptr;
    QAction* m_undoAction = nullptr;

    ResultTableModel* m_model = nullptr;
    ChartPanel* m_chart = nullptr;
    QWidget* m_inputStrip = nullptr;
    QStackedWidget* m_pcMain = nullptr;
    QStackedWidget* m_pcResult = nullptr;
    QLineEdit* m_firstName = nullptr;
    QComboBox* m_nameLength = nullptr;
    QComboBox* m_sex = nullptr;
    QComboBox* m_source = nullptr;      // cmb_Source: 常用名, 诗词
    QComboBox* m_collection = nullptr;  // cmb_Collection: the collections of 诗词
    QComboBox* m_calendarType = nullptr;
    QComboBox* m_year = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_day = nullptr;
    QComboBox* m_hour = nullptr;
    QComboBox* m_minute = nullptr;          // cmb_Minute: 未知, 00 … 59
    QCheckBox* m_keepFavourable = nullptr;  // chk_KeepFavourable: 补喜用神
    QLineEdit* m_longitude = nullptr;       // edt_Longitude: the birthplace, east degrees
    // The last chart's favourable elements as a condition on names; none without a date.
    std::optional<ElementCondition> m_favourableCondition;
    QPushButton* m_createName = nullptr;
    QPushButton* m_selectName = nullptr;
    QWidget* m_simplePage = nullptr;
    QWidget* m_detailedPage = nullptr;
    bool m_pagesPending = true;
    QPlainTextEdit* m_nameList = nullptr;
    QComboBox* m_sort1 = nullptr;
    QComboBox* m_sort2 = nullptr;
    QPushButton* m_showNameProperty = nullptr;
    QPushButton* m_print1 = nullptr;
    QTableView* m_listview = nullptr;
    QLabel* m_countLabel = nullptr;
    QPushButton* m_returnSimple = nullptr;
    QPushButton* m_print2 = nullptr;
    QPushButton* m_addFavorites = nullptr;
    QToolButton* m_favoritesButton = nullptr;
    QMenu* m_popup = nullptr;
    QAction* m_favoriteItem = nullptr;  // N9: 加入收藏夹, or 移出收藏夹 in the favourites view
    QLabel* m_statusPanels[3] = {nullptr, nullptr, nullptr};
};

}  // namespace lumivane::gui
