#include <gtest/gtest.h>

#include "core/naming/numerology.h"
#include "core/results/result_list.h"
#include "core/results/result_row.h"
#include "core/text/characters.h"

namespace lumivane {
namespace {

GivenNameCode Code(const char* first, const char* second) {
    return MakeGivenNameCode(FindCharacter(first),
                             second ? FindCharacter(second) : kNoSecondCharacter);
}

ResultRow Row(const char* family, GivenNameCode code) {
    return BuildResultRow(MakeFamilyName(family), family, code);
}

std::string Padded2(std::uint32_t n) {
    char b[8];
    std::snprintf(b, sizeof b, "%02u", n);
    return b;
}

TEST(ResultRow, OneCharacterGivenNameUnderOneCharacterFamilyName) {
    ResultRow row = Row("王", Code("明", nullptr));
    EXPECT_EQ(row.Caption(), "王明 ");
    const std::uint32_t wang = FindCharacter("王"), ming = FindCharacter("明");
    EXPECT_EQ(
        row.columns[kColumnSimplifiedStrokes],
        Padded2(SimplifiedStrokesOf(wang)) + "-" + Padded2(SimplifiedStrokesOf(ming)) + "-00");
    EXPECT_EQ(row.columns[kColumnKangxiStrokes], "04-08-00");
    // One + one: 外格 is always 2.
    EXPECT_EQ(row.columns[kColumnWaiGe], "02");
    EXPECT_EQ(row.columns[kColumnCode], std::to_string(MakeGivenNameCode(ming, 0xFFFF)));
    EXPECT_EQ(row.Code(), MakeGivenNameCode(ming, 0xFFFF));
    EXPECT_EQ(row.columns[kColumnSecondRadicalElements], "0000");
    EXPECT_EQ(row.columns[kColumnFamilyName], "王");
}

TEST(ResultRow, ColumnsFollowTheDictionaryAndTheNumerology) {
    const GivenNameCode code = Code("明", "华");
    ResultRow row = Row("王", code);
    FamilyName family = MakeFamilyName("王");
    FiveGrids g = ComputeGrids(family, code);
    EXPECT_EQ(row.Caption(), "王明华");
    EXPECT_EQ(row.columns[kColumnTianGe], Padded2(static_cast<std::uint32_t>(g.TianGe)));
    EXPECT_EQ(row.columns[kColumnZongGe], Padded2(static_cast<std::uint32_t>(g.ZongGe)));
    EXPECT_EQ(row.columns[kColumnScore],
              FormatGejuScore(GejuScore(g, SanCaiValue(SanCaiPattern(g.TianGe, g.DiGe, g.WaiGe)))));
    // 明 火, 华 水 by meaning; 王's own element leads.
    std::string elements =
        std::string(ElementNameOfMask(MeaningElementsOf(FindCharacter("王")))) + "火水";
    EXPECT_EQ(row.columns[kColumnElements], elements);
    std::uint32_t kangxi = KangxiStrokesOf(FindCharacter("王")) + 8 + 14;
    EXPECT_EQ(row.columns[kColumnKangxiTotal],
              std::string(kangxi < 10 ? "000" : "00") + std::to_string(kangxi));
    EXPECT_EQ(row.columns[kColumnFirstRadicalElements], "0002");  // 明: 日 is 火
}

TEST(ResultRow, CompoundFamilyNamesAddAStrokeGroupOnlyWhenKnown) {
    ResultRow compound = Row("欧阳", Code("明", "华"));
    EXPECT_EQ(compound.Caption(), "欧阳明华");
    EXPECT_EQ(SplitCharacters(compound.columns[kColumnKangxiStrokes]).size(), 11u);  // 4 groups
    EXPECT_EQ(compound.columns[kColumnFamilyName], "欧阳");

    // A second character outside the dictionary adds no group and no strokes.
    const char* unknown = "王丂";  // 丂 is in GBK but not a name character
    ASSERT_EQ(FindCharacter("丂"), DictionarySize);
    ResultRow row = BuildResultRow(MakeFamilyName(unknown), unknown, Code("明", "华"));
    EXPECT_EQ(row.columns[kColumnKangxiStrokes], "04-08-14");
    EXPECT_EQ(row.columns[kColumnTianGe], Row("王", Code("明", "华")).columns[kColumnTianGe]);
}

TEST(ElementNameOfMask, OnlySingleElementsHaveNames) {
    EXPECT_EQ(ElementNameOfMask(1), "土");
    EXPECT_EQ(ElementNameOfMask(2), "火");
    EXPECT_EQ(ElementNameOfMask(4), "水");
    EXPECT_EQ(ElementNameOfMask(8), "木");
    EXPECT_EQ(ElementNameOfMask(16), "金");
    EXPECT_EQ(ElementNameOfMask(0), "");
    EXPECT_EQ(ElementNameOfMask(10), "");
    EXPECT_EQ(GivenNameText(0xFFFFFFFF), "  ");
}

std::vector<ResultRow> RowsWithZongGe(std::initializer_list<const char*> zongGe) {
    std::vector<ResultRow> rows;
    for (const char* z : zongGe) {
        ResultRow row = Row("王", Code("明", nullptr));
        row.columns[kColumnZongGe] = z;
        row.columns[kColumnName] = std::string("王") + z;
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> Column(const std::vector<ResultRow>& rows, int column) {
    std::vector<std::string> out;
    for (const ResultRow& r : rows)
        out.push_back(r.columns[static_cast<std::size_t>(column)]);
    return out;
}

TEST(ResultSorting, PaddedNumbersSortNumericallyAndWiderOnesAsText) {
    auto rows = RowsWithZongGe({"27", "09", "100", "11", "19"});
    SortResultRows(rows, kColumnZongGe, true);
    EXPECT_EQ(Column(rows, kColumnZongGe),
              (std::vector<std::string>{"09", "100", "11", "19", "27"}));
}

TEST(ResultSorting, HeaderClicksAlternateStartingDescending) {
    auto rows = RowsWithZongGe({"27", "09", "19"});
    ResultSorter sorter;
    sorter.HeaderClick(rows, kColumnZongGe);
    EXPECT_EQ(Column(rows, kColumnZongGe), (std::vector<std::string>{"27", "19", "09"}));
    sorter.HeaderClick(rows, kColumnZongGe);
    EXPECT_EQ(Column(rows, kColumnZongGe), (std::vector<std::string>{"09", "19", "27"}));
    // A combo sorts ascending, and the next header click ascending once more.
    sorter.SortByKey(rows, 5);  // 总格
    EXPECT_EQ(Column(rows, kColumnZongGe), (std::vector<std::string>{"09", "19", "27"}));
    sorter.HeaderClick(rows, kColumnZongGe);
    EXPECT_EQ(Column(rows, kColumnZongGe), (std::vector<std::string>{"09", "19", "27"}));
    sorter.HeaderClick(rows, kColumnZongGe);
    EXPECT_EQ(Column(rows, kColumnZongGe), (std::vector<std::string>{"27", "19", "09"}));
}

TEST(ResultSorting, KeysMapToColumnsAndNamesSortInGbkOrder) {
    EXPECT_EQ(SortColumnMap[6], kColumnScore);
    EXPECT_EQ(SortColumnMap[10], kColumnFirstRadicalElements);
    EXPECT_EQ(SortKeyCaptions[6], "格局评分");
    std::vector<ResultRow> rows{Row("王", Code("一", nullptr)), Row("王", Code("啊", nullptr))};
    if (FindCharacter("一") == DictionarySize || FindCharacter("啊") == DictionarySize) {
        GTEST_SKIP() << "characters not in the dictionary";
    }
    ResultSorter sorter;
    sorter.SortByKey(rows, 0);
    // 啊 (B0A1) sorts before 一 (D2BB) in GBK, the other way round in Unicode.
    EXPECT_EQ(rows[0].Caption(), "王啊 ");
}

TEST(NameMemo, TenCaptionsToALineThenBlankAndCountLines) {
    std::vector<ResultRow> rows;
    for (int k = 0; k < 25; ++k)
        rows.push_back(Row("王", Code("明", "华")));
    std::string memo = RebuildNameMemo(rows, 25);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t pos; (pos = memo.find("\r\n", start)) != std::string::npos; start = pos + 2) {
        lines.push_back(memo.substr(start, pos - start));
    }
    lines.push_back(memo.substr(start));
    ASSERT_EQ(lines.size(), 5u);
    std::string ten;
    for (int k = 0; k < 10; ++k)
        ten += "王明华  ";
    EXPECT_EQ(lines[0], ten);
    EXPECT_EQ(lines[1], ten);
    EXPECT_EQ(lines[2], ten.substr(0, ten.size() / 2));
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(lines[4], "查询共取得 25 个名字");

    EXPECT_EQ(RebuildNameMemo({}, 0), " \r\n查询共取得 0 个名字");
    EXPECT_EQ(RebuildNameMemo({Row("王", Code("明", nullptr))}, 1),
              "王明   \r\n \r\n查询共取得 1 个名字");
}

TEST(ResultTexts, CountAndProgress) {
    EXPECT_EQ(ResultCountText(0), "查询一共获得 0 个名字");
    EXPECT_EQ(ResultCountText(1493), "查询一共获得 1493 个名字");
    const std::size_t expected[10] = {0, 2, 4, 6, 8, 10, 12, 14, 1, 3};
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(CharacterCount(FillProgressText(k * 100)), expected[k]) << k * 100;
    }
    EXPECT_EQ(FillProgressText(700), "正在计算数据， 请稍等...");
}

TEST(FillResultList, FavouritesTakeTheirFamilyNamesRowByRow) {
    NamingState state{RandomSource(1)};
    state.showingFavorites = true;
    const std::uint32_t wang = FindCharacter("王");
    const std::uint32_t ou = FindCharacter("欧"), yang = FindCharacter("阳");
    state.candidates.codes = {Code("明", "华"), Code("建", nullptr)};
    state.candidates.familyCodes = {MakeGivenNameCode(wang, DictionarySize),
                                    MakeGivenNameCode(ou, yang)};
    std::vector<std::size_t> progress;
    auto rows = FillResultList(state, [&](std::size_t i) { progress.push_back(i); });
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Caption(), "王明华");
    EXPECT_EQ(rows[1].Caption(), "欧阳建 ");
    EXPECT_EQ(state.familyName.secondText, "阳");
    EXPECT_EQ(progress, (std::vector<std::size_t>{0}));
}

}  // namespace
}  // namespace lumivane

#include "core/results/favorites_file.h"

namespace lumivane {
namespace {

TEST(FavoritesOfRows, RowsGiveBackTheFamilyCodesTheyWereBuiltWith) {
    NamingState state{RandomSource(1)};
    state.showingFavorites = true;
    const std::uint32_t wang = FindCharacter("王");
    // A stored second half outside the dictionary has no text; it must still
    // be written back as it was read.
    const std::uint32_t odd = MakeFamilyNameCode(wang, 9000);
    const std::uint32_t plain = MakeFamilyNameCode(wang, DictionarySize);
    state.candidates.codes = {Code("明", "华"), Code("明", "华"), Code("建", nullptr)};
    state.candidates.familyCodes = {odd, plain, plain};
    auto rows = FillResultList(state);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Caption(), rows[1].Caption());
    rows[1].checked = true;
    EXPECT_EQ(FavoritesOfRows(rows, true), (std::vector<Favorite>{{plain, Code("明", "华")}}));
    EXPECT_EQ(FavoritesOfRows(rows, false),
              (std::vector<Favorite>{{odd, Code("明", "华")}, {plain, Code("建", nullptr)}}));

    // Rows of a request carry the request's family name.
    NamingState request{RandomSource(2)};
    request.familyText = "欧阳";
    request.familyName = MakeFamilyName("欧阳");
    request.candidates.codes = {Code("明", "华")};
    auto built = FillResultList(request);
    EXPECT_EQ(built[0].familyCode, MakeFamilyNameCode(FindCharacter("欧"), FindCharacter("阳")));
}

}  // namespace
}  // namespace lumivane
