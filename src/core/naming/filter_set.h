#pragma once
// The advanced filter conditions: a snapshot of every stored control of the
// filter dialog, named by the controls, and the tests the generators ask.
// The dialog copies its controls into a FilterSet when it closes with OK; the
// settings file stores and restores the same fields by the same names.

#include <cstdint>
#include <string>
#include <vector>

#include "core/data/character_dictionary.h"
#include "core/data/name_corpora.h"

namespace lumivane {

enum class StrokeKind { Simplified, Kangxi };  // rg_Jiti, rg_fanti

struct FilterSet {
    // 指定文字: fixed first / second given character, character the name must contain.
    bool chk1_1 = false, chk1_2 = false, chk1_3 = false;
    std::string edt1_1, edt1_2, edt1_3;

    // 五行(字意): row boxes and element boxes 金 木 水 火 土.
    bool chk2_1 = false, chk2_2 = false, chk2_3 = false;
    bool chk2_11 = false, chk2_12 = false, chk2_13 = false, chk2_14 = false, chk2_15 = false;
    bool chk2_21 = false, chk2_22 = false, chk2_23 = false, chk2_24 = false, chk2_25 = false;
    bool chk2_31 = false, chk2_32 = false, chk2_33 = false, chk2_34 = false, chk2_35 = false;

    // 五行(部首).
    bool chk3_1 = false, chk3_2 = false, chk3_3 = false;
    bool chk3_11 = false, chk3_12 = false, chk3_13 = false, chk3_14 = false, chk3_15 = false;
    bool chk3_21 = false, chk3_22 = false, chk3_23 = false, chk3_24 = false, chk3_25 = false;
    bool chk3_31 = false, chk3_32 = false, chk3_33 = false, chk3_34 = false, chk3_35 = false;

    // 指定拼音.
    bool chk4_1 = false, chk4_2 = false, chk4_3 = false;
    std::string edt4_1, edt4_2, edt4_3;

    // 指定笔画数: inclusive bounds, and the stroke kind for all three rows.
    bool chk5_1 = false, chk5_2 = false, chk5_3 = false;
    int sedt5_11 = 0, sedt5_12 = 0, sedt5_21 = 0, sedt5_22 = 0, sedt5_31 = 0, sedt5_32 = 0;
    StrokeKind strokeKind = StrokeKind::Simplified;

    // 指定部首: position in the stroke-count list (0 = 一画) and in the radical
    // list of that stroke count; -1 means nothing selected.
    bool chk6_1 = false, chk6_2 = false, chk6_3 = false;
    int cmb6_1A = 0, cmb6_1B = 0, cmb6_2A = 0, cmb6_2B = 0, cmb6_3A = 0, cmb6_3B = 0;
};

// Sum of 16 金, 8 木, 4 水, 2 火, 1 土 over the ticked boxes.
[[nodiscard]] ElementMask CheckedElementMask(bool metal, bool wood, bool water, bool fire,
                                             bool earth);

// Conditions on the first given character (row 1), the second (row 2) and the
// whole given name (row 3). Kind 1 and 2 read the low 16 bits of value.
[[nodiscard]] bool FirstCharacterTest(const FilterSet& filters, std::uint32_t index);
[[nodiscard]] bool SecondCharacterTest(const FilterSet& filters, std::uint32_t index);
[[nodiscard]] bool WholeNameTest(const FilterSet& filters, GivenNameCode code);
[[nodiscard]] bool PassesFilter(const FilterSet& filters, std::uint32_t value, int kind);

// The radical chosen in a row: entry radicalPosition of the list of stroke count
// strokePosition + 1. A list never filled, or nothing selected, names no
// radical, which FindRadical answers with 0 (丨).
[[nodiscard]] std::uint32_t SelectedRadical(int strokePosition, int radicalPosition);

// The same tests, prepared once per request (masks summed, radicals and texts
// looked up), for the generators that ask them many thousands of times.
// Answers equal those of the free functions above.
class FilterTests {
public:
    explicit FilterTests(const FilterSet& filters);
    [[nodiscard]] bool PassesFilter(std::uint32_t value, int kind) const;
    [[nodiscard]] const FilterSet& Filters() const { return m_filters; }

private:
    // Per character index (the empty record last): whether row 1 / row 2
    // passes, and which of the row-3 "either character" conditions hold.
    enum : std::uint8_t {
        kTextHolds = 1,
        kMeaningHolds = 2,
        kRadicalElementsHolds = 4,
        kReadingHolds = 8,
        kRadicalHolds = 16
    };
    [[nodiscard]] static std::uint32_t Slot(std::uint32_t index) {
        return index < DictionarySize ? index : DictionarySize;
    }
    [[nodiscard]] bool NamePasses(GivenNameCode code) const;

    FilterSet m_filters;
    bool m_firstAlways = true, m_secondAlways = true, m_nameAlways = true;
    std::vector<std::uint8_t> m_firstPasses, m_secondPasses;
    std::vector<std::uint8_t> m_nameBits;
    std::vector<std::uint8_t> m_strokes;
    std::uint8_t m_nameRequired = 0;
    bool m_strokesOn = false;
    int m_strokeLow = 0, m_strokeHigh = 0;
};

}  // namespace lumivane
