// The name pages of the built-in site: the name form, the analysis of one
// full name, the dictionary record of a character and a family name's page.

#include <algorithm>
#include <array>
#include <tuple>

#include "core/data/family_names.h"
#include "core/data/kangxi_forms.h"
#include "core/data/name_corpora.h"
#include "core/data/radical_table.h"
#include "core/data/traditional_characters.h"
#include "core/naming/family_name.h"
#include "core/naming/numerology.h"
#include "core/site/name_sections.h"
#include "core/site/site_render.h"
#include "core/text/characters.h"

namespace lumivane::site {
namespace {

constexpr std::array<std::string_view, 5> kGridNames = {"天格", "人格", "地格", "外格", "总格"};

std::string Text(std::string_view text) {
    return Escape(text);
}

std::string Number(long long value) {
    return std::to_string(value);
}

// The readings as the dictionary holds them, usual first.
std::vector<std::string> Readings(std::uint32_t index) {
    return SplitReadingList(CharacterTonedReadings(index));
}

struct Usage {
    std::string_view words;  // 常用 较常用 少见
    std::uint32_t rank = 0;  // 1-based; 0 when the table does not list the character
};

// The rank of a character in one position table of a sex, in words: within
// the first two tiers the generators draw from it is 常用, within all four
// 较常用, else 少见.
Usage UsageIn(std::span<const PositionEntry> table, const RankBounds& bounds, std::uint32_t index) {
    for (std::size_t rank = 0; rank < table.size(); ++rank) {
        if (table[rank].CharIndex == index && table[rank].Count > 0) {
            const auto place = static_cast<std::uint32_t>(rank);
            if (place < bounds[1]) {
                return {"常用", place + 1};
            }
            if (place < bounds[3]) {
                return {"较常用", place + 1};
            }
            return {"少见", place + 1};
        }
    }
    return {"少见", 0};
}

std::string UsageText(const Usage& usage) {
    if (usage.rank == 0) {
        return std::string(usage.words);
    }
    return std::string(usage.words) + "（第 " + Number(usage.rank) + " 位）";
}

std::string_view SexWord(Sex sex) {
    return sex == Sex::Male ? "男孩" : "女孩";
}

// How often a character is given to children of a sex, in the first and the
// second place of two-character names.
std::string UsageLine(std::uint32_t index, Sex sex) {
    const WorkingSet set = SelectWorkingSet(sex);
    return std::string(SexWord(sex)) + "名首字：" +
           UsageText(UsageIn(set.FirstPosition, set.Bounds, index)) + "；次字：" +
           UsageText(UsageIn(set.SecondPosition, set.Bounds, index));
}

// The words' thresholds as the tables of each sex set them.
std::string UsageRule() {
    const auto rule = [](const RankBounds& bounds) {
        return "前 " + Number(bounds[1]) + " 位为常用，前 " + Number(bounds[3]) + " 位为较常用";
    };
    const RankBounds male = SelectWorkingSet(Sex::Male).Bounds;
    const RankBounds female = SelectWorkingSet(Sex::Female).Bounds;
    const std::string rules =
        male == female ? rule(male) : "男孩名" + rule(male) + "；女孩名" + rule(female);
    return "用法按全国姓名统计中各字在名字首字、次字的排位：" + rules + "，其余为少见。";
}

std::string RadicalText(std::uint32_t index) {
    const RadicalEntry radical = Radical(RadicalIndexOf(index));
    if (radical.RadicalName.empty()) {
        return "—";
    }
    return Text(radical.RadicalName) + "（" + std::string(radical.RadicalStrokes) + " 画）";
}

// The traditional form names use, whose strokes the Kangxi count takes, and
// the other forms OpenCC gives for other words (志 stays 志 in names; 誌 is
// another word). A character written alike with no other form shows a dash.
std::string TraditionalFormsText(std::uint32_t index) {
    const std::string form = KangxiFormOf(index);
    std::string others;
    for (const std::string& other : TraditionalFormsOf(index)) {
        if (other != form) {
            others += (others.empty() ? "" : "、") + Text(other);
        }
    }
    const bool own = form == CharacterText(index);
    if (own && others.empty()) {
        return "—";
    }
    return (own ? "名字用本字 " + Text(form) : Text(form)) +
           (others.empty() ? "" : "；另作 " + others);
}

std::optional<Sex> SexOfQuery(const Query& query) {
    std::optional<std::string> text = query.Get("xingbie");
    if (text == "男") {
        return Sex::Male;
    }
    if (text == "女") {
        return Sex::Female;
    }
    return std::nullopt;
}

// The birth date a form was opened with (nian, yue, ri, hh, fen, as the
// analysis address sends them) goes along with it, shown and kept in hidden
// fields.
std::string BirthFormFields(const Query& query) {
    const std::optional<int> year = query.Number("nian", 1, 9999);
    const std::optional<int> month = query.Number("yue", 1, 12);
    const std::optional<int> day = query.Number("ri", 1, 31);
    if (!year || !month || !day) {
        return {};
    }
    std::string shown =
        std::to_string(*year) + "年" + std::to_string(*month) + "月" + std::to_string(*day) + "日";
    std::string hidden;
    for (const auto& [key, low, high] :
         {std::tuple{"nian", 1, 9999}, std::tuple{"yue", 1, 12}, std::tuple{"ri", 1, 31},
          std::tuple{"hh", 0, 23}, std::tuple{"fen", 0, 59}}) {
        if (const std::optional<int> value = query.Number(key, low, high)) {
            hidden += "<input type=\"hidden\" name=\"" + std::string(key) + "\" value=\"" +
                      std::to_string(*value) + "\">";
        }
    }
    if (const std::optional<int> hour = query.Number("hh", 0, 23)) {
        shown += " " + std::to_string(*hour) + "时";
    }
    return hidden + "<label>出生 " + shown + "</label>";
}

std::string NameForm(std::string_view family = {}, std::string_view given = {},
                     std::optional<Sex> sex = std::nullopt, std::string_view birth = {}) {
    const bool female = sex == Sex::Female;
    return "<form method=\"get\" accept-charset=\"GBK\" action=\"" +
           Escape(SiteLink("sm/QimingTest.asp")) +
           "\"><label>姓氏 <input name=\"xing\" size=\"4\" maxlength=\"2\" value=\"" +
           Text(family) +
           "\"></label><label>名字 <input name=\"ming\" size=\"4\" maxlength=\"2\" value=\"" +
           Text(given) + "\"></label><label>性别 <select name=\"xingbie\"><option" +
           (female ? "" : " selected") + ">男</option><option" + (female ? " selected" : "") +
           ">女</option></select></label>" + std::string(birth) +
           "<button type=\"submit\">分析</button></form>\n";
}

// One row of the characters' table; family characters have no usage. The
// reading of the character's role comes first (单 shàn as a family name).
std::string CharacterRow(std::string_view text, std::uint32_t index, const std::string& usage,
                         const std::string& reading, std::string_view role = {}) {
    if (index >= DictionarySize) {
        return Row({Cell(Text(text)), Cell("字库未收此字，按 0 画计", false), Cell(""), Cell(""),
                    Cell(""), Cell(""), Cell(""), Cell("")});
    }
    return Row({Cell(Text(text)), Cell(ReadingsCell(index, reading, role)),
                Cell(Number(SimplifiedStrokesOf(index))), Cell(Number(KangxiStrokesOf(index))),
                Cell(RadicalText(index)), Cell(ElementsText(MeaningElementsOf(index))),
                Cell(ElementsText(RadicalElementsOf(index))), Cell(usage)});
}

// The rows of a family name's characters, read as the family name reads.
std::string FamilyRows(const FamilyName& name, const std::string& usage) {
    const std::array<std::string, 2> readings = FamilyCharacterReadings(name);
    // A compound family name's reading is that of the whole (万 mò only in 万俟).
    const std::string role =
        name.secondText.empty() ? "姓" : "复姓" + name.firstText + name.secondText;
    std::string rows = CharacterRow(name.firstText, name.firstIndex, usage, readings[0], role);
    if (!name.secondText.empty()) {
        rows += CharacterRow(name.secondText, name.secondIndex, usage, readings[1], role);
    }
    return rows;
}

std::string GridRow(std::string_view name, int number) {
    const std::string_view rating = NumberRating(number);
    const char* style = rating == "大吉" || rating == "吉" ? "good"
                        : rating == "半吉"                 ? "mid"
                                                           : "bad";
    const std::string_view element = number > 0 ? ElementOfNumber(number % 10) : "";
    return Row(
        {Cell(std::string(name), true), Cell(Number(number)),
         Cell(element.empty() ? "—" : std::string(element)),
         Cell("<span class=\"" + std::string(style) + "\">" + std::string(rating) + "</span>"),
         Cell(std::string(NumberExplanation(number)))});
}

constexpr std::uint32_t kFamilyNamesPerPage = 100;

// People as a parent reads them: 8846.6 万. The counts are estimates of the
// statistics, so below ten thousand only that is said.
std::string BearersText(std::uint32_t bearers) {
    if (bearers < 10000) {
        return "不足 1 万人";
    }
    const std::uint32_t tenths = (bearers + 500) / 1000;  // in 0.1 万
    return Number(tenths / 10) + "." + Number(tenths % 10) + " 万人";
}

std::string FamilyNameLink(std::string_view name) {
    return "<a href=\"" + Escape(SiteLink("sm/sm/sm.asp?sm=8&act=ok&xing=" + LinkValue(name))) +
           "\">" + Text(name) + "</a>";
}

std::string FamilyNameStrokes(std::string_view name) {
    std::uint32_t strokes = 0;
    for (const std::string& character : SplitCharacters(name)) {
        const std::uint32_t index = FindCharacter(character);
        if (index >= DictionarySize) {
            return "—";
        }
        strokes += KangxiStrokesOf(index);
    }
    return Number(strokes);
}

std::string StatisticsSource() {
    return Note(
        "人数出自全国户籍姓名统计（1930–2008 年出生人口，Bao 2023，CC BY-NC-SA），"
        "笔画为康熙笔画。");
}

}  // namespace

std::string ElementsText(ElementMask mask) {
    constexpr struct {
        ElementMask bit;
        std::string_view name;
    } kElements[] = {{kMetal, "金"}, {kWood, "木"}, {kWater, "水"}, {kFire, "火"}, {kEarth, "土"}};
    std::string out;
    for (const auto& element : kElements) {
        if ((mask & element.bit) != 0) {
            out += (out.empty() ? "" : "、") + std::string(element.name);
        }
    }
    return out.empty() ? "—" : out;
}

std::string TonedReadingsText(std::uint32_t index) {
    std::string out;
    for (const std::string& reading : Readings(index)) {
        out += (out.empty() ? "" : "、") + reading;
    }
    return out.empty() ? "—" : out;
}

std::string UsualReading(std::uint32_t index) {
    std::vector<std::string> readings = Readings(index);
    return readings.empty() ? "?" : readings.front();
}

SitePage NameFormPage(std::string_view title, const Query& query) {
    // Opened from the main window, the form holds its family name, sex and birth.
    return BuiltInPage(std::string(title),
                       "<p>输入姓氏、名字和性别，澜庭按五格数理与字库分析这个名字。</p>\n" +
                           NameForm(query.Get("xing").value_or(""), {}, SexOfQuery(query),
                                    BirthFormFields(query)));
}

SitePage NameAnalysisPage(const Query& query) {
    const std::string family = query.Get("xing").value_or("");
    const std::string given = query.Get("ming").value_or("");
    const std::optional<Sex> sex = SexOfQuery(query);
    if (family.empty() || given.empty()) {
        std::string missing = family.empty() && given.empty() ? "姓氏和名字"
                              : family.empty()                ? "姓氏"
                                                              : "名字";
        return BuiltInPage("姓名分析", MissingBox("分析一个名字需要" + missing + "。") +
                                           NameForm(family, given, sex, BirthFormFields(query)));
    }

    const FamilyName familyName = MakeFamilyName(family);
    const std::vector<std::string> givenCharacters = SplitCharacters(given);
    // A character outside the dictionary has no stroke count, so its grids and
    // score would be wrong: the analysis stops and says which one it is.
    // Traditional input is read as its simplified record, as for family names.
    const std::uint32_t first = FindFamilyCharacter(givenCharacters[0]);
    const std::uint32_t second =
        givenCharacters.size() > 1 ? FindFamilyCharacter(givenCharacters[1]) : kNoSecondCharacter;
    std::string unknown = UnknownFamilyCharacterMessage(familyName);
    for (std::size_t i = 0; i < givenCharacters.size() && i < 2 && unknown.empty(); ++i) {
        if ((i == 0 ? first : second) >= DictionarySize) {
            unknown =
                "名字中的“" + givenCharacters[i] + "”不在字库中，无法计算笔画。请改用常见的写法。";
        }
    }
    if (!unknown.empty()) {
        return BuiltInPage("姓名分析", MissingBox(Text(unknown) + "名字没有分析。") +
                                           NameForm(family, given, sex, BirthFormFields(query)));
    }
    const GivenNameCode code = MakeGivenNameCode(first, second);
    const FiveGrids grids = ComputeGrids(familyName, code);
    const std::string score = FormatGejuScore(
        GejuScore(grids, SanCaiValue(SanCaiPattern(grids.TianGe, grids.DiGe, grids.WaiGe))));

    std::string shownFamily = familyName.firstText + familyName.secondText;
    std::string shownGiven =
        givenCharacters[0] + (givenCharacters.size() > 1 ? givenCharacters[1] : "");
    std::string body;
    const std::string pinyin =
        FullNamePinyin(familyName, first, givenCharacters.size() > 1 ? second : DictionarySize);
    body += "<p class=\"big\">" + Text(shownFamily + shownGiven) + "</p><p class=\"pinyin\">" +
            Text(pinyin) + "</p>\n";
    if (CharacterCount(family) > 2 || givenCharacters.size() > 2) {
        body += Note("姓氏与名字各取前两个字分析。");
    }
    body += "<p>性别：" + (sex ? std::string(sex == Sex::Male ? "男" : "女") : "未给出") + "</p>\n";

    body +=
        "<h2>逐字</h2><table class=\"chars\">" +
        Row({Cell("字", true), Cell("拼音", true), Cell("简体笔画", true), Cell("康熙笔画", true),
             Cell("部首", true), Cell("字义五行", true), Cell("部首五行", true),
             Cell(sex ? "名字中的用法（" + std::string(SexWord(*sex)) + "）" : "名字中的用法",
                  true)});
    body += FamilyRows(familyName, "姓");
    for (std::size_t i = 0; i < givenCharacters.size() && i < 2; ++i) {
        const std::uint32_t index = i == 0 ? first : second;
        body += CharacterRow(givenCharacters[i], index,
                             sex ? UsageLine(index, *sex) : std::string("性别未给出"),
                             ReadingOf(index, ReadingRole::Given));
    }
    // The sections of their own take the second record only for a two-character name.
    const std::uint32_t secondShown = givenCharacters.size() > 1 ? second : DictionarySize;
    body += "</table>\n" + PolyphoneNotes(first, secondShown) +
            SoundSection(familyName, first, secondShown) + MeaningSection(first, secondShown);

    body += "<h2>五格</h2><table>" + Row({Cell("格", true), Cell("数", true), Cell("五行", true),
                                          Cell("吉凶", true), Cell("数理释义", true)});
    const std::array<int, 5> numbers = {grids.TianGe, grids.RenGe, grids.DiGe, grids.WaiGe,
                                        grids.ZongGe};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        body += GridRow(kGridNames[i], numbers[i]);
    }
    body += "</table>\n" +
            Note("五格由康熙笔画算出；吉凶取自各数的分值，释义是澜庭自己的说法，仅供参考。") +
            WaiGeNote(familyName, givenCharacters.size() == 1);

    body += SanCaiSection(grids) + SameNameSection(familyName, first, secondShown, sex);
    body += "<h2>格局评分</h2><p class=\"score\">" + score + "</p>\n" +
            Note(
                "评分 = 上面天格、地格、外格的配置值 ÷ 4 + 天格与外格分值的十分之一 + "
                "人格、地格、总格的分值，再加 50；常说的三才（天格、人格、地格）不计入评分。");

    body += VerseSourceSection(givenCharacters[0],
                               givenCharacters.size() > 1 ? givenCharacters[1] : std::string());

    const auto year = query.Number("nian", 1, 9999);
    const auto month = query.Number("yue", 1, 12);
    const auto day = query.Number("ri", 1, 31);
    const auto hour = query.Number("hh", 0, 23);
    body += "<h2>生辰</h2>";
    // rq=0: the request had no date (未知日期), so the date keys are not a birth; sc=0: the
    // hour was 未知 (hh then says 12); fen: the minute, when given.
    const bool dateKnown = query.Get("rq").value_or("") != "0";
    const bool hourKnown = query.Get("sc").value_or("") != "0";
    const int minute = query.Number("fen", 0, 59).value_or(-1);
    std::optional<BirthChart> chart;
    if (dateKnown && year && month && day && hour) {
        chart = ChartOfBirth(*year, *month, *day, hourKnown ? *hour : -1, hourKnown ? minute : -1);
    }
    if (chart) {
        body += ChartTable(*chart);
    } else {
        body += "<p>没有出生日期，未排八字。起名之后双击名字，会带上那次起名的出生日期。</p>\n";
    }
    if (chart) {
        body += FavourableSection(*chart, code);
    }
    body += "<p><a href=\"" + Escape(SiteLink("xhzd/")) + "\">在新华字典中查字</a></p>\n";
    return BuiltInPage("姓名分析：" + shownFamily + shownGiven, body);
}

SitePage DictionaryPage(const Query& query) {
    const std::string form = "<form method=\"get\" accept-charset=\"GBK\" action=\"" +
                             Escape(SiteLink("xhzd/")) +
                             "\"><label>汉字 <input name=\"zi\" size=\"4\" maxlength=\"1\" "
                             "value=\"" +
                             Text(query.Get("zi").value_or("")) +
                             "\"></label><button type=\"submit\">查字</button></form>\n";
    const std::optional<std::string> text = query.Get("zi");
    if (!text) {
        return BuiltInPage("新华字典",
                           "<p>输入一个汉字，查看它的读音、笔画、部首和五行。</p>\n" + form);
    }
    const std::string character = CharacterAt(*text, 0);
    const std::uint32_t index = FindCharacter(character);
    if (index >= DictionarySize) {
        return BuiltInPage("新华字典", MissingBox("字库中没有“" + Text(character) +
                                                  "”。澜庭的字库收有 7227 个起名用字。") +
                                           form);
    }
    std::string body = form + "<p class=\"big\">" + Text(character) + "</p>\n<table>";
    body += Row({Cell("读音", true), Cell(DictionaryReadingsCell(index))});
    body += Row({Cell("简体笔画", true), Cell(Number(SimplifiedStrokesOf(index)))});
    body += Row({Cell("康熙笔画", true), Cell(Number(KangxiStrokesOf(index)))});
    body += Row({Cell("部首", true), Cell(RadicalText(index))});
    body += Row({Cell("繁体", true), Cell(TraditionalFormsText(index))});
    body += Row({Cell("字义五行", true), Cell(ElementsText(MeaningElementsOf(index)))});
    body += Row({Cell("部首五行", true), Cell(ElementsText(RadicalElementsOf(index)))});
    body += MeaningRows(index);
    body += Row({Cell("男孩名中", true), Cell(UsageLine(index, Sex::Male))});
    body += Row({Cell("女孩名中", true), Cell(UsageLine(index, Sex::Female))});
    body += "</table>\n" + Note(UsageRule());
    return BuiltInPage("新华字典：" + character, body);
}

SitePage FamilyNamePage(const Query& query) {
    const std::string form =
        "<form method=\"get\" accept-charset=\"GBK\" action=\"" + Escape(SiteLink("sm/sm/sm.asp")) +
        "\"><input type=\"hidden\" name=\"sm\" value=\"8\">"
        "<input type=\"hidden\" name=\"act\" value=\"ok\">"
        "<label>姓氏 <input name=\"xing\" size=\"4\" maxlength=\"2\" value=\"" +
        Text(query.Get("xing").value_or("")) +
        "\"></label><button type=\"submit\">查看</button></form>\n";
    const std::optional<std::string> family = query.Get("xing");
    if (!family) {
        return BuiltInPage("姓氏",
                           "<p>输入姓氏，查看澜庭所知的这个姓的笔画、读音和五行。</p>\n" + form);
    }
    const FamilyName name = MakeFamilyName(*family);
    std::string body =
        form + "<p class=\"big\">" + Text(name.firstText + name.secondText) + "</p>\n<table>" +
        Row({Cell("字", true), Cell("读音", true), Cell("简体笔画", true), Cell("康熙笔画", true),
             Cell("部首", true), Cell("字义五行", true), Cell("部首五行", true), Cell("", true)});
    body += FamilyRows(name, "");
    body += "</table>\n";
    if (std::optional<FamilyNameStatistic> statistic =
            FindFamilyName(name.firstText + name.secondText)) {
        body += "<p>在 1930–2008 年出生的人中，姓" + Text(statistic->Text) + "的" +
                (statistic->Bearers < 10000 ? "" : "约有 ") + BearersText(statistic->Bearers) +
                "，在统计的 " + Number(FamilyNameCount()) + " 个姓氏中排第 " +
                Number(statistic->Rank) + " 位。</p>\n" + StatisticsSource();
    } else {
        body += "<p>全国姓名统计中没有这个姓氏。</p>\n";
    }
    body += Note("这里只写澜庭数据中的事实；姓氏的源流与历史需要在线站点。") + "<p><a href=\"" +
            Escape(SiteLink("sm/")) + "\">为这个姓起的名字做姓名分析</a></p>\n";
    return BuiltInPage("姓氏：" + name.firstText + name.secondText, body);
}

SitePage FamilyNameListPage(const Query& query) {
    const std::uint32_t count = static_cast<std::uint32_t>(FamilyNameCount());
    const std::optional<int> from = query.Number("from", 1, static_cast<int>(count));
    const std::uint32_t first = from ? static_cast<std::uint32_t>(*from) : 1;
    const std::uint32_t last = std::min(count, first + kFamilyNamesPerPage - 1);
    std::string body;
    if (query.Get("from") && !from) {
        body += MissingBox("没有这个排名：统计共有 " + Number(count) + " 个姓氏。");
    }
    body += "<p>按人数排列的姓氏，第 " + Number(first) + " 至 " + Number(last) + " 位，共 " +
            Number(count) + " 个。点姓氏可看它的详情。</p>\n<table>" +
            Row({Cell("排名", true), Cell("姓氏", true), Cell("拼音", true), Cell("康熙笔画", true),
                 Cell("人数", true)});
    for (std::uint32_t rank = first; rank <= last; ++rank) {
        const FamilyNameStatistic name = *FamilyNameOfRank(rank);
        body += Row({Cell(Number(rank)), Cell(FamilyNameLink(name.Text)),
                     Cell(Text(FamilyNameReadingOf(MakeFamilyName(name.Text)))),
                     Cell(FamilyNameStrokes(name.Text)), Cell(BearersText(name.Bearers))});
    }
    body += "</table>\n<p>";
    const auto pageLink = [](std::uint32_t start, std::string_view caption) {
        return "<a href=\"" + Escape(SiteLink("sm/sm/bjx.asp?from=" + Number(start))) + "\">" +
               std::string(caption) + "</a> ";
    };
    if (first > 1) {
        body +=
            pageLink(first > kFamilyNamesPerPage ? first - kFamilyNamesPerPage : 1, "‹ 前 100 位");
    }
    if (last < count) {
        body += pageLink(last + 1, "后 100 位 ›");
    }
    body += "</p>\n" + StatisticsSource();
    return BuiltInPage("百家姓", body);
}

}  // namespace lumivane::site
