#pragma once
// Rows of the detailed result list: a caption and 15 sub-items, all texts, so
// that sorting the zero-padded texts sorts the numbers.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/data/name_corpora.h"
#include "core/data/verse_table.h"
#include "core/naming/family_name.h"

namespace lumivane {

inline constexpr int kResultColumnCount = 16;
inline constexpr int kVisibleResultColumns = 10;

// Column indexes: 0 is the caption, k >= 1 sub-item k - 1.
enum ResultColumn : int {
    kColumnName = 0,
    kColumnScore = 1,
    kColumnElements = 2,
    kColumnSimplifiedStrokes = 3,
    kColumnKangxiStrokes = 4,
    kColumnTianGe = 5,
    kColumnRenGe = 6,
    kColumnDiGe = 7,
    kColumnWaiGe = 8,
    kColumnZongGe = 9,
    kColumnSimplifiedTotal = 10,
    kColumnKangxiTotal = 11,
    kColumnFirstRadicalElements = 12,
    kColumnSecondRadicalElements = 13,
    kColumnCode = 14,
    kColumnFamilyName = 15,
};

struct ResultRow {
    bool checked = false;
    std::array<std::string, kResultColumnCount> columns;
    // The family name the row was built with, packed as the favourites file
    // stores it (first index × 65536 + second), so that a favourite is written
    // back exactly as it was read, whatever its texts.
    std::uint32_t familyCode = 0;
    // GBK bytes of the columns holding Chinese text (0, 2, 15), for sorting;
    // made at the first sort that needs them, as most lists are never sorted
    // by those columns and the conversion is most of a row's cost.
    mutable std::string nameKey, elementsKey, familyKey;
    mutable bool gbkKeysMade = false;
    // The line a name from verse was taken from; empty for other sources.
    std::optional<VerseLine> verse;
    // Whether the given name supplies the chart's favourable elements (喜用神): 1 yes, 0 no,
    // -1 not judged (no chart, or the favourites view).
    int suppliesFavourable = -1;

    [[nodiscard]] GivenNameCode Code() const;
    [[nodiscard]] const std::string& Caption() const { return columns[kColumnName]; }
    // The bytes a sort compares for a column.
    [[nodiscard]] std::string_view SortKey(int column) const;
};

// Header texts of the ten shown columns and their widths.
struct ResultColumnHeader {
    std::string_view caption;
    int width;
    bool centred;
};
extern const std::array<ResultColumnHeader, kVisibleResultColumns> ResultColumnHeaders;

// "土" for 1, "火" 2, "水" 4, "木" 8, "金" 16; empty for 0 or several elements.
[[nodiscard]] std::string_view ElementNameOfMask(ElementMask mask);

// Between a verse line and its source; no name caption holds it.
inline constexpr std::string_view kVerseMark = "——";
// "思齐大任，文王之母。——《诗经·大雅·思齐》", or empty without a verse.
[[nodiscard]] std::string VerseTextOf(const ResultRow& row);
// The same with a line of more than maxCharacters characters cut to that many
// and "…", for the simple list and the printed lists, whose lines must fit the
// page (a passage of 孟子 runs to a hundred characters).
[[nodiscard]] std::string ShortVerseTextOf(const ResultRow& row, std::size_t maxCharacters = 36);

// The given-name characters of a code; a half outside the dictionary is one blank.
[[nodiscard]] std::string GivenNameText(GivenNameCode code);

// One row. familyText is the caption's family part: the trimmed input in the
// naming view, the family name's own texts in the favourites view.
[[nodiscard]] ResultRow BuildResultRow(const FamilyName& family, std::string_view familyText,
                                       GivenNameCode code);

}  // namespace lumivane
