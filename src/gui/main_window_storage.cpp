// The main window's two files: the favourites and the settings of the last request.

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <algorithm>

#include "core/app/data_folder.h"
#include "core/app/settings.h"
#include "core/app/window_placement.h"
#include "core/naming/filter_controls.h"
#include "core/platform/file_io.h"
#include "core/results/favorites_file.h"
#include "gui/chart_panel.h"
#include "gui/filter_dialog.h"
#include "gui/gui_icons.h"
#include "gui/main_window.h"
#include "gui/message_sink.h"
#include "gui/result_table_model.h"
#include "gui/show_page.h"
#include "report/print_service.h"

namespace lumivane::gui {

std::vector<Favorite> TfrmMain::RowFavorites(bool checked) const {
    return FavoritesOfRows(m_model->Rows(), checked);
}

void TfrmMain::sbtn_FavoritesClick() {
    if (m_busy) {
        return;
    }
    // Read the file before switching views: a damaged file must leave the
    // naming rows and the naming view as they were. The naming list is put
    // aside first, as the loading replaces the candidates.
    EnsureResultPages();
    KeepNamingList();
    FavoritesLoad load = LoadFavorites(FavoritesFilePath(), m_state.candidates);
    if (!load.ok() && load.damagedLines > 0 && SetAsideDamagedFavorites(load)) {
        load = LoadFavorites(FavoritesFilePath(), m_state.candidates);
    }
    if (!load.ok()) {
        if (load.damagedLines == 0) {
            m_messages.Error(this, QString::fromStdString(load.error));
        }
        if (!m_state.showingFavorites) {
            m_namingList.reset();
        }
        return;
    }
    m_busy = true;
    SetNamingEnabled(false);
    EnsureResultPages();
    m_inputStrip->setVisible(false);
    m_chart->setVisible(false);
    m_state.showingFavorites = true;
    setProperty(kAvoidCharactersProperty, QString());  // favourites were kept, not generated
    ShowPage(m_pcMain, 0);
    ShowPage(m_pcResult, 1);
    m_favoritesOnFile = load.All();
    m_favoritesNotShown = load.beyond.size();
    ShowRows(FillResultList(m_state, [this](std::size_t row) { FillProgressHook(row); }));
    ShowFavoritesCount();
    m_addFavorites->setIcon(CancelIcon());
    m_addFavorites->setText(QStringLiteral("移出收藏"));
    m_favoriteItem->setText(QStringLiteral("移出收藏夹"));
    m_lastRemoval.reset();
    UpdateUndo();
    SetNamingEnabled(true);
    m_busy = false;
}

void TfrmMain::ShowFavoritesCount() {
    QString text = QString::fromStdString(ResultCountText(m_model->Rows().size()));
    if (m_favoritesNotShown > 0) {
        text += QStringLiteral("，") +
                QString::fromStdString(FavoritesNotShownText(m_favoritesNotShown));
    }
    m_countLabel->setText(text);
}

void TfrmMain::btn_AddFavoritesClick() {
    if (m_state.showingFavorites) {
        RemoveTickedFavorites();
        return;
    }
    const std::size_t ticked = RowFavorites(true).size();
    if (ticked == 0) {
        SetStatusText(QStringLiteral("没有打勾的名字：先在名字前打勾，再加入收藏"));
        return;
    }
    FavoritesWrite written = AddFavorites(FavoritesFilePath(), RowFavorites(true));
    if (!written.ok() && written.errorLine > 0) {
        FavoritesLoad damaged = LoadFavorites(FavoritesFilePath());
        if (damaged.damagedLines > 0 && SetAsideDamagedFavorites(damaged)) {
            written = AddFavorites(FavoritesFilePath(), RowFavorites(true));
        } else {
            return;
        }
    }
    if (!written.ok()) {
        m_messages.Error(this, QString::fromStdString(written.error));
        return;
    }
    SetStatusText(QStringLiteral("加入收藏 %1 个").arg(ticked));
}

std::size_t TfrmMain::TickedNotInFavorites() const {
    if (m_state.showingFavorites || m_model == nullptr) {
        return 0;
    }
    const std::vector<Favorite> ticked = RowFavorites(true);
    if (ticked.empty()) {
        return 0;
    }
    const std::vector<Favorite> kept = LoadFavorites(FavoritesFilePath()).All();
    return static_cast<std::size_t>(std::count_if(
        ticked.begin(), ticked.end(),
        [&](const Favorite& f) { return std::find(kept.begin(), kept.end(), f) == kept.end(); }));
}

bool TfrmMain::SetAsideDamagedFavorites(const FavoritesLoad& load) {
    const std::filesystem::path path = FavoritesFilePath();
    const QString question =
        QString::fromStdString(load.error) +
        QStringLiteral(
            "\n\n收藏夹未改动。可以用文本编辑器修改这一行，"
            "也可以把无法识别的 %1 行原样移到 %2，其余的收藏照常使用。\n\n"
            "现在移出无法识别的行吗？")
            .arg(load.damagedLines)
            .arg(QString::fromStdString(DamagedLinesPath(path).filename().string()));
    if (!m_messages.Question(this, question)) {
        return false;
    }
    FavoritesRepair repair = SetAsideDamagedLines(path);
    if (!repair.ok()) {
        m_messages.Error(this, QString::fromStdString(repair.error));
        return false;
    }
    return true;
}

void TfrmMain::RemoveTickedFavorites() {
    const std::vector<Favorite> ticked = RowFavorites(true);
    FavoritesWrite written = RemoveFavorites(FavoritesFilePath(), ticked, m_favoritesOnFile);
    if (!written.ok()) {
        // Nothing was removed from the file, so the rows stay too.
        m_messages.Error(this, QString::fromStdString(written.error));
        return;
    }
    if (written.changedMeanwhile) {
        m_messages.Information(this,
                               QStringLiteral("收藏夹在显示之后被其他程序改动过。所选的名字已移出，"
                                              "现按收藏夹的当前内容重新显示。"));
        sbtn_FavoritesClick();
        return;
    }
    m_favoritesOnFile = std::move(written.content);
    // Every line of a ticked favourite left the file, so a repeat of it in a
    // hand-edited file leaves the view too.
    const std::vector<ResultRow>& rows = m_model->Rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (std::find(ticked.begin(), ticked.end(),
                      Favorite{rows[row].familyCode, rows[row].Code()}) != ticked.end()) {
            m_model->SetChecked(static_cast<int>(row), true);
        }
    }
    Removal removal;
    removal.favorites = ticked;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].checked) {
            removal.rows.emplace_back(static_cast<int>(row), rows[row]);
        }
    }
    const std::size_t removed = removal.rows.size();
    if (removed > 0) {
        m_lastRemoval = std::move(removal);
    } else {
        m_lastRemoval.reset();
    }
    m_model->RemoveCheckedRows();
    // Qt would select the row after the removed one; a later context-menu
    // command must not act on a row the user never picked.
    m_listview->clearSelection();
    m_listview->setCurrentIndex({});
    m_state.candidates.Clear();
    for (const ResultRow& row : m_model->Rows()) {
        m_state.candidates.codes.push_back(row.Code());
        m_state.candidates.familyCodes.push_back(row.familyCode);
    }
    ShowFavoritesCount();
    AfterSort();  // the memo follows the rows
    SetStatusText(removed > 0 ? QStringLiteral("已移出 %1 个").arg(removed)
                              : QStringLiteral("没有打勾的名字：先在名字前打勾，再移出收藏"));
    UpdateUndo();
}

void TfrmMain::btn_UndoRemoveClick() {
    if (!m_state.showingFavorites || !m_lastRemoval) {
        return;
    }
    FavoritesWrite written = AddFavorites(FavoritesFilePath(), m_lastRemoval->favorites);
    if (!written.ok()) {
        // The names stay out of the file and the list; the undo stays offered.
        m_messages.Error(this, QString::fromStdString(written.error));
        return;
    }
    const Removal removal = std::move(*m_lastRemoval);
    m_lastRemoval.reset();
    m_favoritesOnFile = std::move(written.content);
    // Back where they stood, in ascending places, with their ticks.
    std::vector<ResultRow> rows = m_model->Rows();
    for (const auto& [place, row] : removal.rows) {
        const auto at = std::min<std::size_t>(static_cast<std::size_t>(place), rows.size());
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), row);
    }
    m_model->SetRows(std::move(rows));
    m_state.candidates.Clear();
    for (const ResultRow& row : m_model->Rows()) {
        m_state.candidates.codes.push_back(row.Code());
        m_state.candidates.familyCodes.push_back(row.familyCode);
    }
    ShowFavoritesCount();
    AfterSort();
    SetStatusText(QStringLiteral("已放回 %1 个").arg(removal.rows.size()));
    UpdateUndo();
}

void TfrmMain::UpdateUndo() {
    const bool offered = m_state.showingFavorites && m_lastRemoval.has_value();
    if (m_undoRemove != nullptr) {
        m_undoRemove->setVisible(offered);
    }
    m_undoAction->setEnabled(offered);
}

void TfrmMain::N9Click() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    m_model->SetChecked(row, true);
    btn_AddFavoritesClick();
}

void TfrmMain::SaveSettings() {
    MainInputs inputs;
    inputs.firstName = m_firstName->text().toStdString();
    inputs.NameLength = m_nameLength->currentIndex();
    inputs.Sex = m_sex->currentIndex();
    inputs.CalendarType = m_calendarType->currentIndex();
    inputs.Year = m_year->currentIndex();
    inputs.Month = m_month->currentIndex();
    inputs.Day = m_day->currentIndex();
    inputs.Hour = m_hour->currentIndex();
    inputs.Minute = m_minute->currentIndex();
    inputs.KeepFavourable = m_keepFavourable->isChecked();
    inputs.Longitude = m_longitude->text().trimmed().toStdString();
    // Without the dialog there is no filter state to store; keep the file's.
    TfrmSelect* dialog = FilterDialog();
    if (dialog == nullptr) {
        return;
    }
    // The request goes on either way; the user hears once that the inputs
    // will not be there next time, not at every request.
    std::string error = lumivane::SaveSettings(inputs, dialog->Snapshot());
    if (const std::filesystem::path path = SettingsFilePath(); error.empty() && !path.empty()) {
        error = SaveNameSourceTo(path, {m_source->currentIndex(), m_collection->currentIndex()});
        if (error.empty()) {
            error = SaveAvoidCharactersTo(path, dialog->AvoidText());
        }
    }
    if (!error.empty() && !m_settingsSaveReported) {
        m_settingsSaveReported = true;
        statusBar()->showMessage(QStringLiteral("设置未能保存（下次启动不会恢复）：") +
                                 QString::fromStdString(error));
    }
}

void TfrmMain::RestoreSettings() {
    const std::filesystem::path path = SettingsFilePath();
    (void)EnsureFileExists(path);
    for (const RestoreStep& step : RestoreSequence(LoadSettingsFrom(path, m_clock.Now().year))) {
        ApplyRestoreStep(step);
    }
    const NameSourceChoice choice = LoadNameSourceFrom(path);
    m_source->setCurrentIndex(choice.Source);
    m_collection->setCurrentIndex(choice.Collection);
    ApplyRestoreStep({kAvoidControlName, RestoreStep::Kind::Text, LoadAvoidCharactersFrom(path)});
}

std::string TfrmMain::AvoidCharactersText() {
    TfrmSelect* dialog = FilterDialog();
    return dialog != nullptr ? dialog->AvoidText() : std::string();
}

void TfrmMain::ApplyRestoreStep(const RestoreStep& step) {
    if (m_select == nullptr && m_makeFilterDialog &&
        (FindFilterControl(step.control) != nullptr || step.control == kAvoidControlName)) {
        m_pendingDialogSteps.push_back(step);  // for the dialog, once it is made
        return;
    }
    const QString name =
        QString::fromUtf8(step.control.data(), static_cast<qsizetype>(step.control.size()));
    // The dialog's stored controls by table, the main window's few by name.
    QWidget* widget = m_select != nullptr ? m_select->StoredControl(step.control) : nullptr;
    if (widget == nullptr) {
        widget = findChild<QWidget*>(name);
    }
    if (widget == nullptr) {
        return;
    }
    switch (step.kind) {
        case RestoreStep::Kind::Text:
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                edit->setText(QString::fromStdString(step.text));
            }
            break;
        case RestoreStep::Kind::Tick:
            if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                const QSignalBlocker blocker(box);
                box->setChecked(step.value != 0);
            }
            break;
        case RestoreStep::Kind::Value:
            if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
                spin->setValue(step.value);
            }
            break;
        case RestoreStep::Kind::ItemIndex:
            if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                const QSignalBlocker blocker(combo);
                combo->setCurrentIndex(step.value >= 0 && step.value < combo->count() ? step.value
                                                                                      : -1);
            }
            break;
    }
    switch (step.then) {
        case RestoreStep::Then::Nothing:
            break;
        case RestoreStep::Then::CalendarTypeChange:
            cmb_CalendarTypeChange();
            break;
        case RestoreStep::Then::YearClick:
            cmb_YearClick();
            break;
        case RestoreStep::Then::RowBoxClick:
            if (m_select != nullptr) {
                m_select->chk1_1Click(name);
            }
            break;
        case RestoreStep::Then::StrokeCountClick:
            if (m_select != nullptr) {
                m_select->cmb6_1AClick(name);
            }
            break;
    }
    // The day list follows the month, so the stored day lands in the right
    // list. A stored month the list does not have selects nothing, and the
    // month handler would pick the first one instead.
    if (name == QLatin1String("cmb_Month") && widget->isEnabled() && m_month->currentIndex() >= 0) {
        cmb_MonthClick();
    }
}

void TfrmMain::RestoreWindowPlacement() {
    const std::optional<WindowPlacement> stored = LoadWindowPlacementFrom(SettingsFilePath());
    if (!stored) {
        return;  // the start's own size and place
    }
    std::vector<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect free = screen->availableGeometry();
        screens.push_back({free.x(), free.y(), free.width(), free.height()});
    }
    if (const std::optional<WindowPlacement> fitted = FitToScreens(*stored, screens)) {
        setGeometry(fitted->X, fitted->Y, fitted->Width, fitted->Height);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Its place is lost; its size, as far as the screen holds it, is not.
        const QRect free = screen->availableGeometry();
        QRect frame(QPoint(), QSize(stored->Width, stored->Height).boundedTo(free.size()));
        frame.moveCenter(free.center());
        setGeometry(frame);
    }
    if (stored->Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void TfrmMain::SaveWindowPlacement() {
    // The size a maximised window returns to, not the screen's.
    const QRect normal =
        isMaximized() && normalGeometry().isValid() ? normalGeometry() : geometry();
    const std::filesystem::path path = SettingsFilePath();
    if (path.empty()) {
        return;
    }
    // Closing is no moment for a message; the next start then uses its own size.
    (void)SaveWindowPlacementTo(
        path, {normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()});
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    SaveWindowPlacement();
    QMainWindow::closeEvent(event);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        RestoreSettings();
    }
}

}  // namespace lumivane::gui
