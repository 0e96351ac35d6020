// The naming commands end to end: a whole request, the chart and the score.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <regex>
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
    ASSERT_GT(table.size(), 500u);  // 2000 drawn; the common pairs repeat
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

TEST(NameCommand, PoetryRowsCarryTheirVerse) {
    CliRun json = RunCli({"name", "--family", "王", "--sex", "女", "--source", "诗词",
                          "--collection", "诗经", "--seed", "4", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("\"source\": \"诗词\""), std::string::npos);
    const std::regex verse(
        "\"verse\": \\{\\s*\"collection\": \"诗经\",\\s*\"title\": \"[^\"]+\",\\s*"
        "\"section\": \"[^\"]+\",\\s*\"author\": \"\",\\s*\"line\": \"[^\"]+\"");
    EXPECT_TRUE(std::regex_search(json.out, verse)) << json.out.substr(0, 2000);

    CliRun tsv = RunCli(
        {"name", "--family", "王", "--sex", "男", "--source", "诗词", "--seed", "4", "--tsv"});
    ASSERT_EQ(tsv.exitCode, 0) << tsv.err;
    auto table = Table(tsv.out);
    ASSERT_GT(table.size(), 100u);
    ASSERT_EQ(table[0].size(), 17u);
    EXPECT_EQ(table[0][16], "verse");
    for (std::size_t r = 1; r < table.size(); ++r) {
        ASSERT_EQ(table[r].size(), 17u) << r;
        EXPECT_NE(table[r][16].find("——"), std::string::npos) << table[r][0];
    }
    // The common names keep their sixteen columns.
    CliRun common = RunCli({"name", "--family", "王", "--seed", "4", "--tsv"});
    EXPECT_EQ(Table(common.out)[0].size(), 16u);
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

    // The fixed character is one to avoid: no name could pass.
    std::ofstream(path, std::ios::trunc) << filters;
    CliRun avoided =
        RunCli({"name", "--family", "张", "--advanced", "--filters", path, "--avoid", "建"});
    EXPECT_EQ(avoided.exitCode, 2);
    EXPECT_NE(avoided.err.find("“建”也在不用的字里"), std::string::npos) << avoided.err;

    std::ofstream(path, std::ios::trunc) << R"({"chk9_9": 1})";
    CliRun badKey = RunCli({"name", "--family", "张", "--advanced", "--filters", path});
    EXPECT_EQ(badKey.exitCode, 2);
    EXPECT_NE(badKey.err.find("chk9_9"), std::string::npos);

    // A damaged file is refused with the place of the fault, in Chinese.
    std::ofstream(path, std::ios::trunc) << R"({"chk1_1": 1,})";
    CliRun damaged = RunCli({"name", "--family", "张", "--advanced", "--filters", path});
    EXPECT_EQ(damaged.exitCode, 2);
    EXPECT_NE(damaged.err.find("第 13 字节：此处应为双引号括起的键名"), std::string::npos)
        << damaged.err;
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
        {"too long", {"name", "--family", "欧阳司马"}, "一个或两个汉字"},
        {"impossible date", {"name", "--family", "王", "--date", "2023-02-30"}, "不存在"},
        {"missing lunar date",
         {"name", "--family", "王", "--calendar", "lunar", "--date", "2023-02-30", "--leap"},
         "不存在"},
        {"year outside the lists", {"name", "--family", "王", "--date", "1900-05-01"}, "1949"},
        {"bad hour", {"name", "--family", "王", "--hour", "24"}, "--hour"},
        {"bad sex", {"name", "--family", "王", "--sex", "x"}, "--sex"},
        {"bad sort key", {"name", "--family", "王", "--sort", "x"}, "--sort"},
        {"unknown option", {"name", "--family", "王", "--colour"}, "未知的选项"},
        {"family character without a record", {"name", "--family", "王丂"}, "“丂”不在字库中"},
        {"filters without advanced",
         {"name", "--family", "王", "--filters", "x.json"},
         "--advanced"},
        {"unknown source", {"name", "--family", "王", "--source", "元曲"}, "--source"},
        {"unknown collection",
         {"name", "--family", "王", "--source", "诗词", "--collection", "元曲"},
         "--collection"},
        {"collection without poetry",
         {"name", "--family", "王", "--collection", "诗经"},
         "--source 诗词"},
        {"avoid a letter",
         {"name", "--family", "王", "--avoid", "佳a"},
         "--avoid：不用的字只能是汉字"},
        {"avoid outside GBK", {"name", "--family", "王", "--avoid", "\xF0\xA0\x80\x80"}, "GBK"},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.label;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.label << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << c.label;
    }
}

// The messages for bad input are in Chinese, the exit codes as before; only
// option names, paths and the characters given stay as they were typed.
TEST(CliMessages, BadInputIsToldInChinese) {
    char home[] = "/tmp/lumivane-cli-home-XXXXXX";
    ASSERT_NE(mkdtemp(home), nullptr);
    const std::string environment = std::string("XDG_DATA_HOME=") + home;
    struct Case {
        const char* label;
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {"unknown command", {"colour"}, 2},
        {"unknown option", {"dict", "华", "--colour"}, 2},
        {"option without its value", {"name", "--family"}, 2},
        {"flag given a value", {"name", "--family", "王", "--json=1"}, 2},
        {"too many arguments", {"dict", "华", "生"}, 2},
        {"dict: empty", {"dict", ""}, 2},
        {"dict: two characters", {"dict", "建华"}, 2},
        {"dict: not in the dictionary", {"dict", "丂"}, 2},
        {"dict: not UTF-8", {"dict", "\xFF"}, 2},
        {"score: three given characters", {"score", "王", "明华建"}, 2},
        {"score: unknown given character", {"score", "王", "丂"}, 2},
        {"score: unknown family character", {"score", "丂", "明"}, 2},
        {"name: no family", {"name"}, 2},
        {"name: bad sex", {"name", "--family", "王", "--sex", "x"}, 2},
        {"name: bad length", {"name", "--family", "王", "--length", "3"}, 2},
        {"name: json and tsv", {"name", "--family", "王", "--json", "--tsv"}, 2},
        {"name: bad seed", {"name", "--family", "王", "--seed", "-1"}, 2},
        {"name: missing filter file",
         {"name", "--family", "王", "--advanced", "--filters", "/nonexistent/filters.json"},
         2},
        {"name: pdf into a missing folder",
         {"name", "--family", "王", "--pdf", "/nonexistent/list.pdf", "--layout", "simple"},
         1},
        {"favorites: unknown action", {"favorites", "sort"}, 2},
        {"favorites: add without names", {"favorites", "add", "王"}, 2},
        {"favorites: unknown family character", {"favorites", "add", "丂", "明"}, 2},
        {"favorites: unknown given character", {"favorites", "add", "王", "丂"}, 2},
        {"favorites: remove what is not there", {"favorites", "remove", "王", "明"}, 2},
        // One rule for every command: what one refuses, none cuts or takes.
        {"score: three family characters", {"score", "欧阳修", "明"}, 2},
        {"name: three family characters", {"name", "--family", "王王王"}, 2},
        {"chart: a family name GBK cannot hold", {"chart", "--family", "\xF0\x9F\x98\x80"}, 2},
        {"page: a day the month does not have",
         {"page", "lumivane://site/sm/yuce/wnl.asp", "--today", "2024-02-31"},
         2},
        {"an option given twice", {"name", "--family", "王", "--family", "李"}, 2},
        {"a flag given twice", {"name", "--family", "王", "--json", "--json"}, 2},
        {"name: filters from an endless device",
         {"name", "--family", "王", "--advanced", "--filters", "/dev/zero"},
         2},
        {"name: filters from a folder",
         {"name", "--family", "王", "--advanced", "--filters", "/"},
         2},
    };
    const std::regex english(
        R"(\b(is|are|must|not|needs?|expected|unknown|cannot|takes|the|of)\b)");
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args, environment);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.label << ": " << run.err;
        // The program's line (Qt may warn before it); usage lines may follow.
        const std::size_t at = run.err.find("lumivane-cli");
        ASSERT_NE(at, std::string::npos) << c.label << ": " << run.err;
        const std::string message = run.err.substr(at, run.err.find('\n', at) - at);
        EXPECT_FALSE(std::regex_search(message, english)) << c.label << ": " << message;
        // Lead bytes of the UTF-8 sequences of the common CJK ideographs.
        EXPECT_TRUE(std::any_of(message.begin(), message.end(),
                                [](char b) {
                                    auto u = static_cast<unsigned char>(b);
                                    return u >= 0xE4 && u <= 0xE9;
                                }))
            << c.label << " has no Chinese: " << message;
    }
    std::filesystem::remove_all(home);
}

std::string WriteTemporary(const std::string& text) {
    char path[] = "/tmp/lumivane-filters-XXXXXX";
    int fd = mkstemp(path);
    if (fd >= 0) {
        (void)!write(fd, text.data(), text.size());
        close(fd);
    }
    return path;
}

TEST(NameCommand, FilterValuesGoByTheDialogsRanges) {
    struct Case {
        const char* label;
        std::string json;
        std::string length;
        int exitCode;
    } cases[] = {
        {"stroke-count position far beyond the list", R"({"chk6_1": 1, "cmb6_1A": 2147483647})",
         "2", 2},
        {"negative stroke-count position", R"({"cmb6_1A": -2147483647})", "2", 2},
        {"radical position beyond its list", R"({"cmb6_1A": 0, "cmb6_1B": 500})", "2", 2},
        {"bound beyond any name", R"({"chk5_3": 1, "sedt5_31": 1, "sedt5_32": 100000})", "2", 2},
        {"negative bound", R"({"sedt5_11": -5})", "2", 2},
        {"bounds in range", R"({"chk5_3": 1, "sedt5_31": 10, "sedt5_32": 30})", "2", 0},
        // Rows 2 and 3 play no part in a one-character name, as in the dialog.
        {"empty fixed third character, 单字", R"({"chk1_2": 1})", "1", 0},
        {"empty fixed third character, 双字", R"({"chk1_2": 1})", "2", 2},
    };
    for (const Case& c : cases) {
        const std::string path = WriteTemporary(c.json);
        CliRun run = RunCli({"name", "--family", "王", "--seed", "3", "--advanced", "--length",
                             c.length, "--filters", path, "--tsv"});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.label << ": " << run.err;
        std::remove(path.c_str());
    }
}

TEST(NameCommand, FiltersFromAFifoAreRefusedWithoutWaiting) {
    const std::string path = std::string("/tmp/lumivane-fifo-") + std::to_string(getpid());
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    CliRun run = RunCli({"name", "--family", "王", "--advanced", "--filters", path});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("不是普通文件"), std::string::npos) << run.err;
    std::remove(path.c_str());
}

TEST(NameCommand, AnEmptyResultSaysWhyAndExitsZero) {
    const std::string path = WriteTemporary(R"({"chk5_3": 1, "sedt5_31": 20, "sedt5_32": 5})");
    CliRun run =
        RunCli({"name", "--family", "王", "--seed", "3", "--advanced", "--filters", path, "--tsv"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Table(run.out).size(), 1u) << "the header line only";
    EXPECT_NE(run.err.find("没有符合条件的名字"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("20 至 5"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("下限大于上限"), std::string::npos) << run.err;
    std::remove(path.c_str());
}

TEST(CliInput, NamesAreTrimmedByEveryCommand) {
    CliRun score = RunCli({"score", " 王 ", " 明 "});
    EXPECT_EQ(score.exitCode, 0) << score.err;
    CliRun dict = RunCli({"dict", " 明 "});
    EXPECT_EQ(dict.exitCode, 0) << dict.err;
    EXPECT_NE(dict.out.find("明"), std::string::npos);
}

TEST(ScoreCommand, ScoresAreWrittenAsTheirShortestText) {
    CliRun run = RunCli({"score", "王", "明"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::regex score(R"re("score": (-?[0-9.e+-]+))re");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(run.out, match, score)) << run.out;
    // "%.17g" would print e.g. 29.649999999999999 for 29.65.
    const std::string text = match[1].str();
    EXPECT_LE(text.size(), 8u) << text;
    EXPECT_EQ(text.find("9999"), std::string::npos) << text;
    EXPECT_EQ(text.find("0000"), std::string::npos) << text;
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

TEST(NameCommand, AvoidKeepsOutEveryNameHoldingThoseCharacters) {
    struct Case {
        const char* label;
        std::vector<std::string> extra;
    } cases[] = {
        {"simple", {}}, {"one-character", {"--length", "1"}}, {"poetry", {"--source", "诗词"}}};
    for (const Case& c : cases) {
        std::vector<std::string> args{"name",   "--family", "王",    "--sex",   "女",
                                      "--seed", "5",        "--tsv", "--avoid", "子 佳、欣"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        CliRun run = RunCli(args);
        ASSERT_EQ(run.exitCode, 0) << c.label << ": " << run.err;
        auto table = Table(run.out);
        ASSERT_GT(table.size(), 50u) << c.label;
        for (std::size_t i = 1; i < table.size(); ++i) {
            const std::string given = table[i][0].substr(std::string("王").size());
            for (const char* avoided : {"子", "佳", "欣"}) {
                ASSERT_EQ(given.find(avoided), std::string::npos) << c.label << ": " << table[i][0];
            }
        }
    }
    CliRun json = RunCli({"name", "--family", "王", "--seed", "5", "--avoid", "佳子"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("\"avoid\": \"佳子\""), std::string::npos);
}

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
    EXPECT_NE(run.err.find("PDF 输出功能"), std::string::npos) << run.err;
#endif
    EXPECT_TRUE(run.out.empty());
    std::remove(path);
}

}  // namespace
}  // namespace lumivane::testing
