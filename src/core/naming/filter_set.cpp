#include "core/naming/filter_set.h"

#include <string_view>
#include <vector>

#include "core/data/radical_table.h"

namespace lumivane {
namespace {

// One row of the five pages, with the element masks already summed.
struct RowConditions {
    bool elementsOn, radicalElementsOn, readingOn, strokesOn, radicalOn;
    ElementMask elements, radicalElements;
    std::string_view reading;
    int low, high;
    int strokePosition, radicalPosition;
};

RowConditions RowOf(const FilterSet& f, int row) {
    switch (row) {
        case 1:
            return {f.chk2_1,
                    f.chk3_1,
                    f.chk4_1,
                    f.chk5_1,
                    f.chk6_1,
                    CheckedElementMask(f.chk2_11, f.chk2_12, f.chk2_13, f.chk2_14, f.chk2_15),
                    CheckedElementMask(f.chk3_11, f.chk3_12, f.chk3_13, f.chk3_14, f.chk3_15),
                    f.edt4_1,
                    f.sedt5_11,
                    f.sedt5_12,
                    f.cmb6_1A,
                    f.cmb6_1B};
        case 2:
            return {f.chk2_2,
                    f.chk3_2,
                    f.chk4_2,
                    f.chk5_2,
                    f.chk6_2,
                    CheckedElementMask(f.chk2_21, f.chk2_22, f.chk2_23, f.chk2_24, f.chk2_25),
                    CheckedElementMask(f.chk3_21, f.chk3_22, f.chk3_23, f.chk3_24, f.chk3_25),
                    f.edt4_2,
                    f.sedt5_21,
                    f.sedt5_22,
                    f.cmb6_2A,
                    f.cmb6_2B};
        default:
            return {f.chk2_3,
                    f.chk3_3,
                    f.chk4_3,
                    f.chk5_3,
                    f.chk6_3,
                    CheckedElementMask(f.chk2_31, f.chk2_32, f.chk2_33, f.chk2_34, f.chk2_35),
                    CheckedElementMask(f.chk3_31, f.chk3_32, f.chk3_33, f.chk3_34, f.chk3_35),
                    f.edt4_3,
                    f.sedt5_31,
                    f.sedt5_32,
                    f.cmb6_3A,
                    f.cmb6_3B};
    }
}

int StrokesOf(StrokeKind kind, std::uint32_t index) {
    return static_cast<int>(kind == StrokeKind::Simplified ? SimplifiedStrokesOf(index)
                                                           : KangxiStrokesOf(index));
}

// An empty pinyin matches no character, not even the empty record whose
// reading is empty too.
bool ReadingMatches(std::uint32_t index, std::string_view syllable) {
    return !syllable.empty() && HasReading(index, syllable);
}

bool CharacterMeetsRow(const RowConditions& row, StrokeKind kind, std::uint32_t radical,
                       std::uint32_t index) {
    if (row.elementsOn && (MeaningElementsOf(index) & row.elements) == 0) {
        return false;
    }
    if (row.radicalElementsOn && (RadicalElementsOf(index) & row.radicalElements) == 0) {
        return false;
    }
    if (row.readingOn && !ReadingMatches(index, row.reading)) {
        return false;
    }
    if (row.strokesOn) {
        int strokes = StrokesOf(kind, index);
        if (strokes < row.low || strokes > row.high) {
            return false;
        }
    }
    if (row.radicalOn && RadicalIndexOf(index) != radical) {
        return false;
    }
    return true;
}

bool CharacterRowTest(const FilterSet& filters, int row, std::uint32_t index) {
    RowConditions conditions = RowOf(filters, row);
    std::uint32_t radical = conditions.radicalOn ? SelectedRadical(conditions.strokePosition,
                                                                   conditions.radicalPosition)
                                                 : 0;
    return CharacterMeetsRow(conditions, filters.strokeKind, radical, index);
}

// An empty row-3 text matches nothing: the empty record's text is empty too.
bool TextMatches(std::uint32_t index, std::string_view text) {
    return !text.empty() && CharacterText(index) == text;
}

}  // namespace

ElementMask CheckedElementMask(bool metal, bool wood, bool water, bool fire, bool earth) {
    return static_cast<ElementMask>((metal ? kMetal : 0) | (wood ? kWood : 0) |
                                    (water ? kWater : 0) | (fire ? kFire : 0) |
                                    (earth ? kEarth : 0));
}

bool FirstCharacterTest(const FilterSet& filters, std::uint32_t index) {
    // A fixed first character is enforced by the generators, not here.
    return filters.chk1_1 || CharacterRowTest(filters, 1, index);
}

bool SecondCharacterTest(const FilterSet& filters, std::uint32_t index) {
    return filters.chk1_2 || CharacterRowTest(filters, 2, index);
}

bool WholeNameTest(const FilterSet& filters, GivenNameCode code) {
    const std::uint32_t h = FirstIndexOf(code);
    const std::uint32_t l = SecondIndexOf(code);
    RowConditions row = RowOf(filters, 3);
    if (filters.chk1_3 && !TextMatches(h, filters.edt1_3) && !TextMatches(l, filters.edt1_3)) {
        return false;
    }
    if (row.elementsOn && (MeaningElementsOf(h) & row.elements) == 0 &&
        (MeaningElementsOf(l) & row.elements) == 0) {
        return false;
    }
    if (row.radicalElementsOn && (RadicalElementsOf(h) & row.radicalElements) == 0 &&
        (RadicalElementsOf(l) & row.radicalElements) == 0) {
        return false;
    }
    if (row.readingOn && !ReadingMatches(h, row.reading) && !ReadingMatches(l, row.reading)) {
        return false;
    }
    if (row.strokesOn) {
        int sum = StrokesOf(filters.strokeKind, h) + StrokesOf(filters.strokeKind, l);
        if (sum < row.low || sum > row.high) {
            return false;
        }
    }
    if (row.radicalOn) {
        std::uint32_t radical = SelectedRadical(row.strokePosition, row.radicalPosition);
        if (RadicalIndexOf(h) != radical && RadicalIndexOf(l) != radical) {
            return false;
        }
    }
    return true;
}

bool PassesFilter(const FilterSet& filters, std::uint32_t value, int kind) {
    switch (kind) {
        case 1:
            return FirstCharacterTest(filters, value & 0xFFFF);
        case 2:
            return SecondCharacterTest(filters, value & 0xFFFF);
        case 3:
            return WholeNameTest(filters, value);
        default:
            return true;
    }
}

FilterTests::FilterTests(const FilterSet& filters) : m_filters(filters) {
    const std::uint32_t slots = DictionarySize + 1;
    auto prepareCharacterRow = [&](int row, bool fixed, bool& always,
                                   std::vector<std::uint8_t>& passes) {
        RowConditions conditions = RowOf(filters, row);
        always = fixed || !(conditions.elementsOn || conditions.radicalElementsOn ||
                            conditions.readingOn || conditions.strokesOn || conditions.radicalOn);
        if (always) {
            return;
        }
        std::uint32_t radical = conditions.radicalOn ? SelectedRadical(conditions.strokePosition,
                                                                       conditions.radicalPosition)
                                                     : 0;
        passes.resize(slots);
        for (std::uint32_t i = 0; i < slots; ++i) {
            passes[i] = CharacterMeetsRow(conditions, filters.strokeKind, radical, i) ? 1 : 0;
        }
    };
    prepareCharacterRow(1, filters.chk1_1, m_firstAlways, m_firstPasses);
    prepareCharacterRow(2, filters.chk1_2, m_secondAlways, m_secondPasses);

    RowConditions row = RowOf(filters, 3);
    m_nameRequired = static_cast<std::uint8_t>(
        (filters.chk1_3 ? kTextHolds : 0) | (row.elementsOn ? kMeaningHolds : 0) |
        (row.radicalElementsOn ? kRadicalElementsHolds : 0) | (row.readingOn ? kReadingHolds : 0) |
        (row.radicalOn ? kRadicalHolds : 0));
    m_strokesOn = row.strokesOn;
    m_strokeLow = row.low;
    m_strokeHigh = row.high;
    m_nameAlways = m_nameRequired == 0 && !m_strokesOn;
    if (m_nameAlways) {
        return;
    }
    std::uint32_t radical =
        row.radicalOn ? SelectedRadical(row.strokePosition, row.radicalPosition) : 0;
    m_nameBits.resize(slots);
    if (m_strokesOn) {
        m_strokes.resize(slots);
    }
    for (std::uint32_t i = 0; i < slots; ++i) {
        std::uint8_t bits = 0;
        if (filters.chk1_3 && TextMatches(i, filters.edt1_3)) {
            bits |= kTextHolds;
        }
        if (row.elementsOn && (MeaningElementsOf(i) & row.elements) != 0) {
            bits |= kMeaningHolds;
        }
        if (row.radicalElementsOn && (RadicalElementsOf(i) & row.radicalElements) != 0) {
            bits |= kRadicalElementsHolds;
        }
        if (row.readingOn && ReadingMatches(i, row.reading)) {
            bits |= kReadingHolds;
        }
        if (row.radicalOn && RadicalIndexOf(i) == radical) {
            bits |= kRadicalHolds;
        }
        m_nameBits[i] = bits;
        if (m_strokesOn) {
            m_strokes[i] = static_cast<std::uint8_t>(StrokesOf(filters.strokeKind, i));
        }
    }
}

bool FilterTests::NamePasses(GivenNameCode code) const {
    if (m_nameAlways) {
        return true;
    }
    const std::uint32_t h = Slot(FirstIndexOf(code));
    const std::uint32_t l = Slot(SecondIndexOf(code));
    if (((m_nameBits[h] | m_nameBits[l]) & m_nameRequired) != m_nameRequired) {
        return false;
    }
    if (m_strokesOn) {
        int sum = m_strokes[h] + m_strokes[l];
        return sum >= m_strokeLow && sum <= m_strokeHigh;
    }
    return true;
}

bool FilterTests::PassesFilter(std::uint32_t value, int kind) const {
    switch (kind) {
        case 1:
            return m_firstAlways || m_firstPasses[Slot(value & 0xFFFF)] != 0;
        case 2:
            return m_secondAlways || m_secondPasses[Slot(value & 0xFFFF)] != 0;
        case 3:
            return NamePasses(value);
        default:
            return true;
    }
}

std::uint32_t SelectedRadical(int strokePosition, int radicalPosition) {
    std::vector<std::string_view> names = RadicalsOfStrokeCount(strokePosition + 1);
    if (radicalPosition < 0 || static_cast<std::size_t>(radicalPosition) >= names.size()) {
        return FindRadical("");
    }
    return FindRadical(names[static_cast<std::size_t>(radicalPosition)]);
}

}  // namespace lumivane
