#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/data/character_dictionary.h"
#include "core/data/meanings.h"
#include "core/data/verse_table.h"

namespace lumivane {
namespace {

std::string Join(const std::vector<std::string_view>& parts) {
    std::string out;
    for (std::string_view part : parts) {
        out += std::string(out.empty() ? "" : "|") + std::string(part);
    }
    return out;
}

TEST(VerseTable, LinesAndSentences) {
    struct Case {
        const char* label;
        const char* text;
        const char* lines;
    };
    for (const Case& c : {
             Case{"two lines", "青青子衿，悠悠我心。纵我不往，子宁不嗣音？",
                  "青青子衿，悠悠我心。|纵我不往，子宁不嗣音？"},
             Case{"closing quotes stay with their line", "子曰：“学而时习之。”有朋自远方来；",
                  "子曰：“学而时习之。”|有朋自远方来；"},
             Case{"a rest without an end mark", "思夫君兮太息，极劳心兮忡忡",
                  "思夫君兮太息，极劳心兮忡忡"},
             Case{"empty", "", ""},
         }) {
        EXPECT_EQ(Join(VerseLinesOf(c.text)), c.lines) << c.label;
    }
    EXPECT_EQ(Join(VerseSentencesOf("子曰：“学而时习之，不亦说乎？”")), "子曰|学而时习之|不亦说乎");
}

TEST(VerseTable, PairWithinOneSentenceInOrder) {
    struct Case {
        const char* first;
        const char* second;
        bool holds;
    };
    const std::string line = "思齐大任，文王之母。";
    for (const Case& c : {Case{"思", "齐", true}, Case{"思", "任", true}, Case{"齐", "思", false},
                          Case{"任", "文", false}, Case{"文", "母", true}, Case{"思", "", false}}) {
        EXPECT_EQ(LineHoldsPair(line, c.first, c.second), c.holds) << c.first << c.second;
    }
}

// Spot values of the source files (chinese-poetry 2.0.1), one per kind of
// collection: the line, title, section and author as the files give them.
TEST(VerseTable, LinesOfTheSourceFiles) {
    struct Case {
        const char* first;
        const char* second;
        const char* line;
        const char* collection;
        const char* title;
        const char* section;
        const char* author;
        const char* citation;
    };
    for (const Case& c : {
             Case{"子", "衿", "青青子衿，悠悠我心。", "诗经", "子衿", "郑风", "",
                  "《诗经·郑风·子衿》"},
             Case{"思", "齐", "思齐大任，文王之母，思媚周姜，京室之妇。", "诗经", "思齐", "大雅",
                  "", "《诗经·大雅·思齐》"},
             Case{"灵", "均", "名余曰正则兮，字余曰灵均。", "楚辞", "离骚", "", "屈原",
                  "屈原《楚辞·离骚》"},
             Case{"时", "习", "子曰：“学而时习之，不亦说乎？", "论语", "学而篇", "", "",
                  "《论语·学而篇》"},
             Case{"床", "光", "床前看月光，疑是地上霜。", "唐诗三百首", "静夜思", "", "李白",
                  "李白《静夜思》"},
             Case{"明", "几", "明月几时有，把酒问青天。", "宋词三百首", "水调歌头", "", "苏轼",
                  "苏轼《水调歌头》"},
         }) {
        const std::vector<VerseLine> found = FindVerseLines(c.first, c.second);
        ASSERT_FALSE(found.empty()) << c.line;
        const VerseStanza stanza = VerseStanzaAt(found[0].stanza);
        EXPECT_EQ(found[0].line, c.line);
        EXPECT_EQ(stanza.collection, c.collection) << c.line;
        EXPECT_EQ(stanza.title, c.title) << c.line;
        EXPECT_EQ(stanza.section, c.section) << c.line;
        EXPECT_EQ(stanza.author, c.author) << c.line;
        EXPECT_EQ(VerseCitation(stanza), c.citation) << c.line;
    }
}

TEST(VerseTable, FindsAtMostThreeLinesOnePerPoemBestCollectionFirst) {
    const std::vector<VerseLine> found = FindVerseLines("明", "月");
    ASSERT_EQ(found.size(), 3u);
    std::set<std::string> poems;
    std::uint32_t previous = 0;
    for (const VerseLine& line : found) {
        EXPECT_TRUE(LineHoldsPair(line.line, "明", "月")) << line.line;
        EXPECT_TRUE(poems.insert(VerseCitation(VerseStanzaAt(line.stanza))).second);
        EXPECT_GE(line.stanza, previous);
        previous = line.stanza;
    }
    EXPECT_TRUE(FindVerseLines("𠀀", "月").empty());
    EXPECT_TRUE(FindVerseLines("月", "").empty());
    EXPECT_EQ(VerseStanzaAt(static_cast<std::uint32_t>(VerseStanzaCount())).text, "");
}

// Every name of the tables: its line holds both characters in order within one
// sentence, and it is found again by its code.
TEST(VerseTable, EveryNameHoldsItsCharactersInItsLine) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const auto names = VerseNames(sex);
        EXPECT_GT(names.size(), 300u);
        for (const VerseName& name : names) {
            const auto line = VerseOfName(sex, name.code);
            ASSERT_TRUE(line.has_value());
            EXPECT_EQ(line->stanza, name.stanza);
            EXPECT_TRUE(VerseStanzaAt(name.stanza).fit);  // a name's line is one to tell
            EXPECT_TRUE(LineHoldsPair(line->line, CharacterText(FirstIndexOf(name.code)),
                                      CharacterText(SecondIndexOf(name.code))))
                << CharacterText(FirstIndexOf(name.code)) << CharacterText(SecondIndexOf(name.code))
                << " " << line->line;
        }
    }
    EXPECT_FALSE(VerseOfName(Sex::Female, MakeGivenNameCode(0, 0)).has_value());
}

// A character's example line comes from a stanza fit to tell: 雨 is first in
// 燕燕's 泣涕如雨 (a parting in tears), and 死 stands in no fit stanza at all.
TEST(VerseTable, ExampleLinesOfCharactersAreFitToTell) {
    const std::string rain = VerseLineHolding("雨");
    EXPECT_NE(rain.find("雨"), std::string::npos);
    EXPECT_EQ(rain.find("泣涕"), std::string::npos) << rain;
    EXPECT_EQ(VerseLineHolding("死"), "");
    EXPECT_NE(VerseLineHolding("思"), "");
    // A name character's example is not denied in its sentence: 载驰's 既不我嘉
    // ("you do not approve of me") stands first in the table but is no example of 嘉.
    const std::string jia = VerseLineHolding("嘉");
    EXPECT_NE(jia.find("嘉"), std::string::npos);
    EXPECT_EQ(jia.find("不我嘉"), std::string::npos) << jia;
    ASSERT_TRUE(VerseExampleOf(FindCharacter("嘉")).has_value());
    EXPECT_FALSE(VerseExampleOf(FindCharacter("死")).has_value());
}

TEST(VerseTable, CollectionNames) {
    struct Case {
        const char* name;
        std::optional<VerseGroup> group;
    };
    for (const Case& c : {Case{"全部", VerseGroup::All}, Case{"诗经", VerseGroup::Shijing},
                          Case{"楚辞", VerseGroup::Chuci}, Case{"唐诗", VerseGroup::Tang},
                          Case{"宋词", VerseGroup::Song}, Case{"论语", VerseGroup::Lunyu},
                          Case{"论语·四书", VerseGroup::Lunyu}, Case{"元曲", std::nullopt},
                          Case{"", std::nullopt}}) {
        EXPECT_EQ(VerseGroupOfName(c.name), c.group) << c.name;
    }
    for (int item = 0; item < static_cast<int>(kVerseGroupItems.size()); ++item) {
        EXPECT_EQ(ItemOfVerseGroup(VerseGroupOfItem(item)), item);
    }
    EXPECT_EQ(VerseGroupOfItem(99), VerseGroup::All);
}

}  // namespace
}  // namespace lumivane
