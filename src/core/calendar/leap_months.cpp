// Leap months of the Chinese calendar.
//
// 1900-2100: the leap months of the published calendar of the mainland (Purple
// Mountain Observatory), new moons and solar terms for UTC+8.
//
// -849-1899: no historical table is carried. These years hold a placeholder that
// only keeps the running totals, which the month numbering of every later year
// depends on: 710 leap months (each after month 6) spread evenly over the 2749
// years, so that the totals of the years in use come out as the month numbering
// needs them. Dates of those years are outside the supported days (see
// lunar_conversion.h): the chart never asks for them and the commands refuse them.

#include "core/calendar/leap_months.h"

namespace lumivane {
namespace {

constexpr int kTableLength = kLastCalendarYear - kFirstCalendarYear + 1;  // 2950, with year 0
constexpr int kFirstPublishedYear = 1900;

// Years 1900 to 2100 of the published calendar.
constexpr std::string_view kPublishedLeapMonths =
    "800500400206005002070050040020600500307006004002070050030800600400307005004080060040a0060050"
    "03080050040020700500409006004002060050030b00600500207005003080060040030700500408006004003070"
    "05004080060040020";
static_assert(kPublishedLeapMonths.size() == kLastCalendarYear - kFirstPublishedYear + 1);

constexpr int kPlaceholderYears = kFirstPublishedYear - kFirstCalendarYear - 1;  // without year 0
constexpr int kPlaceholderLeapMonths = 710;

constexpr std::array<char, kTableLength> MakeTable() {
    std::array<char, kTableLength> table{};
    int yearIndex = 0;  // over the placeholder years, year 0 skipped
    for (int year = kFirstCalendarYear; year < kFirstPublishedYear; ++year) {
        char c = '0';
        if (year != 0) {
            const long long before = 1LL * yearIndex * kPlaceholderLeapMonths / kPlaceholderYears;
            const long long after =
                1LL * (yearIndex + 1) * kPlaceholderLeapMonths / kPlaceholderYears;
            c = after > before ? '6' : '0';
            ++yearIndex;
        }
        table[year - kFirstCalendarYear] = c;
    }
    for (int year = kFirstPublishedYear; year <= kLastCalendarYear; ++year) {
        table[year - kFirstCalendarYear] = kPublishedLeapMonths[year - kFirstPublishedYear];
    }
    return table;
}

constexpr std::array<char, kTableLength> kTable = MakeTable();

constexpr int DigitOf(char c) {
    if (c >= '1' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'c') {
        return c - 'a' + 10;
    }
    return 0;
}

constexpr int TotalsIndex(int year) {
    if (year == 0) {
        year = -1;
    }
    return year < 0 ? year - kFirstCalendarYear : year - kFirstCalendarYear - 1;
}

constexpr std::array<std::int32_t, 2949> MakeTotals() {
    std::array<std::int32_t, 2949> totals{};
    std::int32_t running = 0;
    for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year) {
        if (kTable[year - kFirstCalendarYear] != '0') {
            ++running;
        }
        if (year == 0) {
            continue;
        }
        // The years 1200-1499 each add one more, as the era offsets of the month
        // numbering expect.
        const int eraBonus = year < 1200 ? 0 : (year > 1499 ? 300 : year - 1199);
        totals[TotalsIndex(year)] = running + eraBonus;
    }
    return totals;
}

constexpr std::array<std::int32_t, 2949> kTotals = MakeTotals();

static_assert(kTotals[TotalsIndex(1948)] == 1028, "leap months before 1949");
static_assert(kTotals[TotalsIndex(1949)] == 1029, "the leap seventh month of 1949");
static_assert(kTotals[TotalsIndex(2050)] == 1066, "leap months up to 2050");
static_assert(kTotals[TotalsIndex(2100)] == 1084, "leap months up to 2100");

}  // namespace

const std::string_view LeapMonthTable(kTable.data(), kTable.size());
const std::array<std::int32_t, 2949> LeapMonthTotals = kTotals;

int LeapMonthOf(int year) {
    if (year < kFirstCalendarYear || year > kLastCalendarYear) {
        return 0;
    }
    return DigitOf(kTable[year - kFirstCalendarYear]);
}

int LeapMonthTotal(int year) {
    if (year < kFirstCalendarYear) {
        year = kFirstCalendarYear;
    } else if (year > kLastCalendarYear) {
        year = kLastCalendarYear;
    }
    return kTotals[TotalsIndex(year)];
}

}  // namespace lumivane
