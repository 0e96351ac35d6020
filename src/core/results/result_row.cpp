#include "core/results/result_row.h"

#include "core/naming/numerology.h"
#include "core/text/gbk_order.h"

namespace lumivane {
namespace {

std::uint32_t InDictionary(std::uint32_t index) {
    return index < DictionarySize ? index : DictionarySize;
}

// Zero-padded decimal ("%0*ld"), written by hand: rows are built by the
// thousand and printf dominated the fill.
std::string Padded(long value, int width) {
    char buffer[24];
    char* end = buffer + sizeof buffer;
    char* p = end;
    bool negative = value < 0;
    unsigned long magnitude =
        negative ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    int digits = static_cast<int>(end - p) + (negative ? 1 : 0);
    while (digits < width && p > buffer + 1) {
        *--p = '0';
        ++digits;
    }
    if (negative) {
        *--p = '-';
    }
    return std::string(p, end);
}

template <typename Strokes>
std::string StrokeCombination(const FamilyName& family, std::uint32_t first, std::uint32_t second,
                              Strokes strokes) {
    std::string text = Padded(strokes(InDictionary(family.firstIndex)), 2);
    if (family.secondIndex < DictionarySize) {
        text += "-" + Padded(strokes(family.secondIndex), 2);
    }
    text += "-" + Padded(strokes(first), 2);
    text += "-" + Padded(strokes(second), 2);
    return text;
}

}  // namespace

const std::array<ResultColumnHeader, kVisibleResultColumns> ResultColumnHeaders = {{
    {"姓名", 100, false},
    {"格局评分", 70, true},
    {"五行格局", 75, true},
    {"笔画组合[简]", 85, true},
    {"笔画组合[繁]", 85, true},
    {"天格", 50, true},
    {"人格", 50, true},
    {"地格", 50, true},
    {"外格", 50, true},
    {"总格", 50, true},
}};

GivenNameCode ResultRow::Code() const {
    return static_cast<GivenNameCode>(std::stol(columns[kColumnCode]));
}

std::string_view ResultRow::SortKey(int column) const {
    if (!gbkKeysMade &&
        (column == kColumnName || column == kColumnElements || column == kColumnFamilyName)) {
        nameKey = GbkSortKey(columns[kColumnName]);
        elementsKey = GbkSortKey(columns[kColumnElements]);
        familyKey = GbkSortKey(columns[kColumnFamilyName]);
        gbkKeysMade = true;
    }
    switch (column) {
        case kColumnName:
            return nameKey;
        case kColumnElements:
            return elementsKey;
        case kColumnFamilyName:
            return familyKey;
        default:
            return column > 0 && column < kResultColumnCount
                       ? std::string_view(columns[static_cast<std::size_t>(column)])
                       : std::string_view();
    }
}

std::string_view ElementNameOfMask(ElementMask mask) {
    switch (mask) {
        case 1:
            return "土";
        case 2:
            return "火";
        case 4:
            return "水";
        case 8:
            return "木";
        case 16:
            return "金";
        default:
            return {};
    }
}

std::string GivenNameText(GivenNameCode code) {
    std::string text;
    for (std::uint32_t index : {FirstIndexOf(code), SecondIndexOf(code)}) {
        text += index < DictionarySize ? std::string(CharacterText(index)) : std::string(" ");
    }
    return text;
}

ResultRow BuildResultRow(const FamilyName& family, std::string_view familyText,
                         GivenNameCode code) {
    const std::uint32_t first = InDictionary(FirstIndexOf(code));
    const std::uint32_t second = InDictionary(SecondIndexOf(code));
    const std::uint32_t familyFirst = InDictionary(family.firstIndex);
    const std::uint32_t familySecond = InDictionary(family.secondIndex);

    FiveGrids grids = ComputeGrids(family, code);
    double score =
        GejuScore(grids, SanCaiValue(SanCaiPattern(grids.TianGe, grids.DiGe, grids.WaiGe)));

    ResultRow row;
    auto& c = row.columns;
    c[kColumnName] = std::string(familyText) + GivenNameText(code);
    c[kColumnScore] = FormatGejuScore(score);
    for (std::uint32_t index : {familyFirst, familySecond, first, second}) {
        c[kColumnElements] += ElementNameOfMask(MeaningElementsOf(index));
    }
    c[kColumnSimplifiedStrokes] = StrokeCombination(family, first, second, SimplifiedStrokesOf);
    c[kColumnKangxiStrokes] = StrokeCombination(family, first, second, KangxiStrokesOf);
    c[kColumnTianGe] = Padded(grids.TianGe, 2);
    c[kColumnRenGe] = Padded(grids.RenGe, 2);
    c[kColumnDiGe] = Padded(grids.DiGe, 2);
    c[kColumnWaiGe] = Padded(grids.WaiGe, 2);
    c[kColumnZongGe] = Padded(grids.ZongGe, 2);
    long simplifiedTotal = 0;
    long kangxiTotal = 0;
    for (std::uint32_t index : {familyFirst, familySecond, first, second}) {
        simplifiedTotal += SimplifiedStrokesOf(index);
        kangxiTotal += KangxiStrokesOf(index);
    }
    c[kColumnSimplifiedTotal] = Padded(simplifiedTotal, 4);
    c[kColumnKangxiTotal] = Padded(kangxiTotal, 4);
    c[kColumnFirstRadicalElements] = Padded(RadicalElementsOf(first), 4);
    c[kColumnSecondRadicalElements] = Padded(RadicalElementsOf(second), 4);
    // The code as a signed 32-bit decimal, as the list always carried it.
    c[kColumnCode] = std::to_string(static_cast<std::int32_t>(code));
    c[kColumnFamilyName] = family.firstText + family.secondText;
    row.familyCode = FamilyCodeOf(family);

    return row;
}

}  // namespace lumivane
