// Almanac vocabulary: names and look-ups of the sexagenary cycle, the five elements
// (五行), hidden stems (藏干), NaYin (纳音), the zodiac and the lunar month and day names,
// as the traditional Chinese almanac gives them.

#include "core/calendar/vocabulary.h"

#include "core/text/characters.h"

namespace lumivane {
namespace {

// Positive remainder for the cycle arithmetic.
int PositiveMod(int value, int modulus) {
    const int r = value % modulus;
    return r < 0 ? r + modulus : r;
}

template <std::size_t N>
std::string NameAt(const std::array<std::string_view, N>& names, int index) {
    if (index < 0 || index >= static_cast<int>(N)) {
        return {};
    }
    return std::string(names[static_cast<std::size_t>(index)]);
}

}  // namespace

const std::array<std::string, 60>& GanZhiNames() {
    static const std::array<std::string, 60> names = [] {
        std::array<std::string, 60> built;
        for (int i = 0; i < 60; ++i) {
            built[static_cast<std::size_t>(i)] =
                std::string(StemNames[static_cast<std::size_t>(i % 10)]) +
                std::string(BranchNames[static_cast<std::size_t>(i % 12)]);
        }
        return built;
    }();
    return names;
}

std::string GanZhiName(int cycleIndex) {
    if (cycleIndex < 0 || cycleIndex > 59) {
        return {};
    }
    return GanZhiNames()[static_cast<std::size_t>(cycleIndex)];
}

std::string ZodiacName(int zodiacIndex) {
    return NameAt(ZodiacNames, zodiacIndex);
}

std::string StarSignName(int starSignIndex) {
    return NameAt(StarSignNames, starSignIndex);
}

std::string ElementName(int elementIndex) {
    return NameAt(ElementNames, elementIndex);
}

std::string LunarMonthName(int lunarMonth, bool leap) {
    if (lunarMonth < 1 || lunarMonth > 12) {
        return {};
    }
    return (leap ? std::string(LeapMonthMark) : std::string()) +
           std::string(LunarMonthNames[static_cast<std::size_t>(lunarMonth - 1)]);
}

std::string LunarDayName(int lunarDay) {
    if (lunarDay < 1 || lunarDay > 30) {
        return {};
    }
    int units = lunarDay % 10;
    int tens = lunarDay / 10;
    if (units == 0) {
        // 初十, 二十 and 三十 are written with their own prefixes.
        units = 10;
        tens = tens == 1 ? 0 : tens + 2;
    }
    return std::string(LunarDayPrefixes[static_cast<std::size_t>(tens)]) +
           std::string(LunarDayNumerals[static_cast<std::size_t>(units)]);
}

std::string NaYinName(int cycleIndex) {
    if (cycleIndex < 0 || cycleIndex > 59) {
        cycleIndex = 0;
    }
    return std::string(NaYinNames[static_cast<std::size_t>(cycleIndex / 2)]);
}

int GanZhiOf(int stemIndex, int branchIndex) {
    if (stemIndex < 0 || stemIndex > 9 || branchIndex < 0 || branchIndex > 11) {
        return -1;
    }
    for (int candidate = stemIndex; candidate < 60; candidate += 10) {
        if (candidate % 12 == branchIndex) {
            return candidate;
        }
    }
    return -1;
}

std::optional<StemBranch> SplitGanZhi(int cycleIndex) {
    if (cycleIndex < 0 || cycleIndex > 59) {
        return std::nullopt;
    }
    return StemBranch{cycleIndex % 10, cycleIndex % 12};
}

int ElementOfStem(int stemIndex) {
    static constexpr int kElements[5] = {1, 3, 4, 0, 2};  // 木 火 土 金 水 by stem pair
    if (stemIndex < 0 || stemIndex > 9) {
        return -1;
    }
    return kElements[stemIndex / 2];
}

int ElementOfBranch(int branchIndex) {
    static constexpr int kElements[12] = {2, 4, 1, 1, 4, 3, 3, 4, 0, 0, 4, 2};
    if (branchIndex < 0 || branchIndex > 11) {
        return -1;
    }
    return kElements[branchIndex];
}

int ZodiacOfYear(int year) {
    return PositiveMod(year > 0 ? year - 4 : year - 3, 12);
}

int ZodiacOfYearPillar(int cycleIndex) {
    // 鼠 is 子, 牛 丑 … 猪 亥.
    return cycleIndex < 0 || cycleIndex > 59 ? -1 : cycleIndex % 12;
}

int StarSignOf(int month, int day) {
    const int key = 100 * month + day;
    if (key < StarSignStartDates[0]) {
        return 9;  // 摩羯 until 01-19
    }
    int last = 0;
    for (int i = 0; i < 12; ++i) {
        if (StarSignStartDates[static_cast<std::size_t>(i)] <= key) {
            last = i;
        }
    }
    return (last + 10) % 12;
}

std::string HiddenStemElements(int branchIndex) {
    if (branchIndex < 0 || branchIndex > 11) {
        branchIndex = 0;
    }
    std::string text;
    for (char digit : HiddenStems[static_cast<std::size_t>(branchIndex)]) {
        text += ElementName(ElementOfStem(digit - '0'));
    }
    return text;
}

std::string PillarElements(int cycleIndex) {
    return ElementName(ElementOfStem(cycleIndex % 10)) +
           ElementName(ElementOfBranch(cycleIndex % 12));
}

std::string PillarElementsWithHidden(int cycleIndex) {
    return ElementName(ElementOfStem(cycleIndex % 10)) + "," + HiddenStemElements(cycleIndex % 12);
}

int LunarMonthNumberOfName(std::string_view name) {
    std::string text(name);
    if (const std::size_t at = text.find(LeapMonthMark); at != std::string::npos) {
        text.erase(at, LeapMonthMark.size());
    }
    for (std::size_t i = 0; i < LunarMonthNames.size(); ++i) {
        if (text == LunarMonthNames[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return 1;
}

int StarSignIndexOfName(std::string_view name) {
    static constexpr std::string_view kSignMark = "座";
    std::string text(name);
    for (std::size_t at = text.find(kSignMark); at != std::string::npos;
         at = text.find(kSignMark, at)) {
        text.erase(at, kSignMark.size());
    }
    text = TrimBlanks(text);
    for (std::size_t i = 0; i < StarSignNames.size(); ++i) {
        if (text == StarSignNames[i]) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

}  // namespace lumivane
