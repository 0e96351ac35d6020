// The main window's birth inputs: the date lists and the birth chart.

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

DateLists TfrmMain::CurrentDateLists() const {
    DateLists lists;
    lists.years = ItemsOf(m_year);
    lists.months = ItemsOf(m_month);
    lists.days = ItemsOf(m_day);
    lists.yearIndex = m_year->currentIndex();
    lists.monthIndex = m_month->currentIndex();
    lists.dayIndex = m_day->currentIndex();
    return lists;
}

void TfrmMain::ApplyDateLists(const DateLists& lists) {
    SetItems(m_year, lists.years, lists.yearIndex);
    SetItems(m_month, lists.months, lists.monthIndex);
    SetItems(m_day, lists.days, lists.dayIndex);
}

DateInputs TfrmMain::CurrentDateInputs() const {
    DateInputs inputs;
    inputs.calendarType = m_calendarType->currentIndex();
    inputs.yearText = m_year->currentText().toStdString();
    inputs.monthText = m_month->currentText().toStdString();
    inputs.dayText = m_day->currentText().toStdString();
    inputs.dayIndex = m_day->currentIndex();
    inputs.hourIndex = m_hour->currentIndex();
    inputs.minuteIndex = std::max(0, m_minute->currentIndex());
    const QString longitude = m_longitude->text().trimmed();
    if (!longitude.isEmpty()) {
        bool ok = false;
        const double degrees = longitude.toDouble(&ok);
        // Text that is no number reaches the chart as a number out of range, which it refuses
        // with its message rather than charting in Beijing time unseen.
        inputs.longitude = ok ? degrees : kHighestLongitude + 1;
    }
    return inputs;
}

void TfrmMain::cmb_CalendarTypeChange() {
    const auto type = static_cast<CalendarType>(std::clamp(m_calendarType->currentIndex(), 0, 2));
    const bool unknown = type == CalendarType::Unknown;
    for (QComboBox* box : {m_year, m_month, m_day, m_hour, m_minute}) {
        box->setEnabled(!unknown);
    }
    m_longitude->setEnabled(!unknown);
    m_chart->setVisible(!unknown);
    ApplyDateLists(CalendarTypeChange(type, CurrentDateLists(), m_clock));
}

void TfrmMain::cmb_YearClick() {
    const auto type = static_cast<CalendarType>(std::clamp(m_calendarType->currentIndex(), 0, 2));
    ApplyDateLists(YearClick(type, CurrentDateLists(), m_year->currentIndex()));
}

void TfrmMain::cmb_MonthClick() {
    const auto type = static_cast<CalendarType>(std::clamp(m_calendarType->currentIndex(), 0, 2));
    ApplyDateLists(MonthClick(type, CurrentDateLists(), m_month->currentIndex()));
}

void TfrmMain::ClearBirthChart() {
    m_chart->ClearBirthChart();
}

bool TfrmMain::ShowBirthChart() {
    BirthChartResult result =
        ComputeBirthChart(CurrentDateInputs(), m_firstName->text().toStdString(), m_birth, m_clock);
    ClearBirthChart();
    m_favourableCondition.reset();
    if (!result.ok) {
        m_messages.Error(this, QString::fromStdString(result.error));
        return false;
    }
    m_chart->ShowChart(result.chart);
    m_favourableCondition = FavourableCondition(result.chart);
    return true;
}

}  // namespace lumivane::gui
