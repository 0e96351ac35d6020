// The naming commands end to end: a whole request, the chart and the score.

#include <gtest/gtest.h>

#include <unistd.h>

#include <set>

#include "cli_runner.h"

namespace lumivane::testing {
namespace {

// Lines of a TSV output, split into cells.
std::vector<std::vector<std::string>> Table(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::stringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        std::stringstream cellStream(line);
        std::string cell;
        while (std::getline(cellStream, cell, '\t'))
            cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

TEST(NameCommand, SimpleRequestPrintsUniqueRowsWithAllColumns) {
    CliRun run = RunCli({"name", "--family", "  王 ", "--seed", "11", "--tsv"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto table = Table(run.out);
    ASSERT_GT(table.size(), 1500u);  // 2000 drawn, few repeats
    ASSERT_LE(table.size(), 2001u);
    EXPECT_EQ(table[0][0], "name");
    std::set<std::string> codes;
    for (std::size_t i = 1; i < table.size(); ++i) {
        ASSERT_EQ(table[i].size(), 16u) << i;
        EXPECT_EQ(table[i][0].rfind("王", 0), 0u);
        EXPECT_EQ(table[i][15], "王");
        EXPECT_TRUE(codes.insert(table[i][14]).second) << "repeated code " << table[i][14];
    }
}

TEST(NameCommand, TheSameSeedRepeatsTheRequestAndAnotherDoesNot) {
    CliRun a = RunCli({"name", "--family", "李", "--sex", "女", "--seed", "42", "--tsv"});
    CliRun b = RunCli({"name", "--family", "李", "--sex", "女", "--seed", "42", "--tsv"});
    CliRun c = RunCli({"name", "--family", "李", "--sex", "女", "--seed", "43", "--tsv"});
    ASSERT_EQ(a.exitCode, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, c.out);
}

TEST(NameCommand, JsonCarriesChartCountsAndSortedRows) {
    CliRun run = RunCli({"name", "--family", "王", "--seed", "3", "--date", "2000-01-15", "--hour",
                         "12", "--sort", "格局评分", "--length", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Before 立春 2000 the year pillar is still 己卯.
    EXPECT_NE(run.out.find("\"pillars\": [\n   \"己卯\",\n   \"丁丑\",\n   \"壬申\",\n   \"丙午\""),
              std::string::npos);
    EXPECT_NE(run.out.find("\"mode\": \"simple\""), std::string::npos);
    // Sorted ascending by score: the first score is the smallest.
    auto first = run.out.find("\"score\": \"");
    auto last = run.out.rfind("\"score\": \"");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LE(run.out.substr(first + 10, 5), run.out.substr(last + 10, 5));
    // One-character names end in a blank.
    EXPECT_NE(run.out.find("\"name\": \"王"), std::string::npos);
    EXPECT_NE(run.out.find("-00\"", run.out.find("\"kangxiStrokes\"")), std::string::npos);
}

TEST(NameCommand, AdvancedRequestAppliesTheFilterFile) {
    char path[] = "/tmp/lumivane-filters-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    const std::string filters = R"({"chk1_1": 1, "edt1_1": " 建 ", "chk2_2": true, "chk2_23": 1})";
    ASSERT_EQ(write(fd, filters.data(), filters.size()), static_cast<ssize_t>(filters.size()));
    close(fd);
    CliRun run =
        RunCli({"name", "--family", "张", "--advanced", "--filters", path, "--seed", "9", "--tsv"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto table = Table(run.out);
    ASSERT_GT(table.size(), 1u);
    for (std::size_t i = 1; i < table.size(); ++i) {
        EXPECT_EQ(table[i][0].substr(0, 6), "张建") << table[i][0];
    }

    const std::string unknown = R"({"chk1_1": 1, "edt1_1": "丂"})";
    std::ofstream(path, std::ios::trunc) << unknown;
    CliRun rejected = RunCli({"name", "--family", "张", "--advanced", "--filters", path});
    EXPECT_EQ(rejected.exitCode, 2);
    EXPECT_NE(rejected.err.find("丂"), std::string::npos) << rejected.err;

    std::ofstream(path, std::ios::trunc) << R"({"chk9_9": 1})";
    CliRun badKey = RunCli({"name", "--family", "张", "--advanced", "--filters", path});
    EXPECT_EQ(badKey.exitCode, 2);
    EXPECT_NE(badKey.err.find("chk9_9"), std::string::npos);
    std::remove(path);
}

TEST(NameCommand, BadInputIsRefusedWithExitCode2) {
    struct Case {
        const char* label;
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {"blank family name", {"name", "--family", "   "}, "请输入姓氏!"},
        {"outside GBK", {"name", "--family", "\xF0\xA0\x80\x80"}, "GBK"},
        {"too long", {"name", "--family", "欧阳司马"}, "3 个汉字"},
        {"impossible date", {"name", "--family", "王", "--date", "2023-02-30"}, "不存在"},
        {"missing lunar date",
         {"name", "--family", "王", "--calendar", "lunar", "--date", "2023-02-30", "--leap"},
         "不存在"},
        {"year outside the lists", {"name", "--family", "王", "--date", "1900-05-01"}, "1949"},
        {"bad hour", {"name", "--family", "王", "--hour", "24"}, "--hour"},
        {"bad sex", {"name", "--family", "王", "--sex", "x"}, "--sex"},
        {"bad sort key", {"name", "--family", "王", "--sort", "x"}, "--sort"},
        {"unknown option", {"name", "--family", "王", "--colour"}, "unknown option"},
        {"filters without advanced",
         {"name", "--family", "王", "--filters", "x.json"},
         "--advanced"},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.label;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.label << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << c.label;
    }
}

TEST(ChartCommand, LunarLeapMonthInput) {
    CliRun run = RunCli(
        {"chart", "--calendar", "lunar", "--date", "2023-02-01", "--leap", "--family", "李"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"Label83\": \"2023年\""), std::string::npos);
    EXPECT_NE(run.out.find("\"Label84\": \"3月\""), std::string::npos);
    EXPECT_NE(run.out.find("\"Label85\": \"22日\""), std::string::npos);
    EXPECT_NE(run.out.find("\"Label88\": \"闰二月\""), std::string::npos);
    EXPECT_NE(run.out.find("\"Label36\": \"[李]姓的起源\""), std::string::npos);
}

TEST(ScoreAndDict, WorkedNamesAndBadCharacters) {
    CliRun score = RunCli({"score", "王", "明华"});
    ASSERT_EQ(score.exitCode, 0) << score.err;
    // 王 4, 明 8, 华 14 Kangxi strokes: 天格 5, 人格 12, 地格 22, 外格 15, 总格 26.
    for (const char* part : {"\"tianGe\": 5", "\"renGe\": 12", "\"diGe\": 22", "\"waiGe\": 15",
                             "\"zongGe\": 26", "\"pattern\": \"土木土\""}) {
        EXPECT_NE(score.out.find(part), std::string::npos) << part;
    }
    CliRun dict = RunCli({"dict", "坤"});
    ASSERT_EQ(dict.exitCode, 0);
    EXPECT_NE(dict.out.find("\"index\": 128"), std::string::npos);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"dict", ""},
                                                {"dict", "建华"},
                                                {"dict", "\xF0\x9F\x98\x80"},
                                                {"dict", "丂"},
                                                {"score", "王", "明华建"},
                                                {"score", "王", "丂"},
                                                {"score", ""}}) {
        CliRun run = RunCli(bad);
        EXPECT_EQ(run.exitCode, 2) << bad.back();
        EXPECT_FALSE(run.err.empty());
    }
}

}  // namespace
}  // namespace lumivane::testing

namespace lumivane::testing {
namespace {

TEST(NameCommand, WritesThePrintedListAsPdf) {
    char path[] = "/tmp/lumivane-list-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    CliRun bad = RunCli({"name", "--family", "王", "--pdf", path, "--layout", "wide"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("--layout"), std::string::npos);

    CliRun run =
        RunCli({"name", "--family", "王", "--seed", "1", "--pdf", path, "--layout", "simple"});
#if LUMIVANE_HAS_REPORT
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ifstream file(path, std::ios::binary);
    std::string head(5, '\0');
    file.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
#else
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("not built in"), std::string::npos) << run.err;
#endif
    EXPECT_TRUE(run.out.empty());
    std::remove(path);
}

}  // namespace
}  // namespace lumivane::testing
