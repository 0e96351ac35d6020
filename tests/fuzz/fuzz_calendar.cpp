// The calendar over any integers: conversions fail outside their years rather
// than misbehave, every answer is a real date, and answers convert back.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>

#include "core/calendar/lunar_conversion.h"
#include "core/calendar/pillars.h"
#include "core/calendar/western_calendar.h"
#include "fuzz_check.h"

namespace {

constexpr int kFirstYear = -849;
constexpr int kLastYear = 2100;
// Conversions go both ways only where the leap months are the published ones;
// before 1900 the months come from the mean new moons alone.
constexpr int kFirstPublishedYear = 1900;

bool IsRealDate(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= lumivane::MonthLength(year, month) &&
           lumivane::CalendarKindOf(year, month, day) != 0;
}

// Mostly years near the supported range, where the interesting answers are,
// and now and then any integer at all.
int Year(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(kFirstYear - 60, kLastYear + 60)
                               : input.ConsumeIntegral<int>();
}
int Small(FuzzedDataProvider& input, int high) {
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-1, high + 1)
                               : input.ConsumeIntegral<int>();
}

void CheckSolarToLunar(int year, int month, int day) {
    std::optional<lumivane::LunarDate> lunar = lumivane::SolarToLunar(year, month, day);
    if (year < kFirstYear || year > kLastYear) {
        FUZZ_CHECK(!lunar.has_value());
        return;
    }
    if (!IsRealDate(year, month, day))
        return;  // no promise beyond not failing
    FUZZ_CHECK(lunar.has_value());
    FUZZ_CHECK(lunar->Month >= 1 && lunar->Month <= 12);
    FUZZ_CHECK(lunar->Day >= 1 && lunar->Day <= 30);
    FUZZ_CHECK(lunar->Year == year || lunar->Year == year - 1);
    if (year < kFirstPublishedYear)
        return;
    std::optional<lumivane::WesternDate> back =
        lumivane::LunarToSolar(lunar->Year, lunar->Month, lunar->Day, lunar->IsLeap);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK((*back == lumivane::WesternDate{year, month, day}));
}

void CheckLunarToSolar(int year, int month, int day, bool leap) {
    std::optional<lumivane::WesternDate> solar = lumivane::LunarToSolar(year, month, day, leap);
    if (!solar)
        return;
    FUZZ_CHECK(IsRealDate(solar->Year, solar->Month, solar->Day));
    FUZZ_CHECK(solar->Year >= kFirstYear && solar->Year <= kLastYear);
    if (year < kFirstPublishedYear)
        return;
    std::optional<lumivane::LunarDate> back =
        lumivane::SolarToLunar(solar->Year, solar->Month, solar->Day);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK((*back == lumivane::LunarDate{year, month, day, leap}));
}

void CheckFourPillars(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                      std::uint16_t hour, std::uint16_t minute) {
    std::optional<lumivane::Pillars> pillars =
        lumivane::FourPillars(year, month, day, hour, minute);
    const bool moves = hour == 23;
    if (moves && (year < 1 || year > 9999 || !IsRealDate(year, month, day))) {
        FUZZ_CHECK(!pillars.has_value());
        return;
    }
    if (!moves && !IsRealDate(year, month, day))
        return;
    FUZZ_CHECK(pillars.has_value());
    for (int cycle : {pillars->Year, pillars->Month, pillars->Day, pillars->Hour}) {
        FUZZ_CHECK(cycle >= 0 && cycle < 60);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange(0, 2)) {
            case 0: {
                const int year = Year(input);
                const int month = Small(input, 12);
                CheckSolarToLunar(year, month, Small(input, 31));
                break;
            }
            case 1: {
                const int year = Year(input);
                const int month = Small(input, 12);
                const int day = Small(input, 30);
                CheckLunarToSolar(year, month, day, input.ConsumeBool());
                break;
            }
            default: {
                const bool any = input.ConsumeBool();
                auto part = [&](std::uint16_t high) {
                    return any ? input.ConsumeIntegral<std::uint16_t>()
                               : input.ConsumeIntegralInRange<std::uint16_t>(0, high);
                };
                const std::uint16_t year = part(10000);
                const std::uint16_t month = part(13);
                const std::uint16_t day = part(32);
                const std::uint16_t hour = part(24);
                CheckFourPillars(year, month, day, hour, part(60));
                break;
            }
        }
    }
    return 0;
}
