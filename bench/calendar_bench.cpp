// Calendar conversions: per call and over every day of 1949-2050.

#include <benchmark/benchmark.h>

#include <vector>

#include "core/calendar/lunar_conversion.h"
#include "core/calendar/pillars.h"
#include "core/calendar/western_calendar.h"

namespace lumivane {
namespace {

// Every day of 1949-2050, so the calls see all months and lunations.
const std::vector<WesternDate>& Days() {
    static const std::vector<WesternDate> days = [] {
        std::vector<WesternDate> all;
        for (int n = DayNumber(1949, 1, 1); n <= DayNumber(2050, 12, 31); ++n) {
            all.push_back(*DateOfDayNumber(n));
        }
        return all;
    }();
    return days;
}

void BM_SolarToLunar(benchmark::State& state) {
    const auto& days = Days();
    std::size_t i = 0;
    for (auto _ : state) {
        const WesternDate& d = days[i];
        benchmark::DoNotOptimize(SolarToLunar(d.Year, d.Month, d.Day));
        i = (i + 7919) % days.size();
    }
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state) {
    std::vector<LunarDate> dates;
    for (const WesternDate& d : Days()) {
        dates.push_back(*SolarToLunar(d.Year, d.Month, d.Day));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const LunarDate& l = dates[i];
        benchmark::DoNotOptimize(LunarToSolar(l.Year, l.Month, l.Day, l.IsLeap));
        i = (i + 7919) % dates.size();
    }
}
BENCHMARK(BM_LunarToSolar);

void BM_FourPillars(benchmark::State& state) {
    const auto& days = Days();
    std::size_t i = 0;
    int hour = 0;
    for (auto _ : state) {
        const WesternDate& d = days[i];
        benchmark::DoNotOptimize(
            FourPillars(static_cast<std::uint16_t>(d.Year), static_cast<std::uint16_t>(d.Month),
                        static_cast<std::uint16_t>(d.Day), static_cast<std::uint16_t>(hour),
                        static_cast<std::uint16_t>(hour * 7 % 60)));
        i = (i + 7919) % days.size();
        hour = (hour + 5) % 24;
    }
}
BENCHMARK(BM_FourPillars);

// The whole span as `lumivane-cli lunar --from 1949-01-01 --to 2050-12-31` walks it.
void BM_SolarToLunarSweep1949To2050(benchmark::State& state) {
    const int first = DayNumber(1949, 1, 1);
    const int last = DayNumber(2050, 12, 31);
    for (auto _ : state) {
        int checksum = 0;
        for (int n = first; n <= last; ++n) {
            const WesternDate d = *DateOfDayNumber(n);
            checksum += SolarToLunar(d.Year, d.Month, d.Day)->Day;
        }
        benchmark::DoNotOptimize(checksum);
    }
    state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_SolarToLunarSweep1949To2050)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumivane
