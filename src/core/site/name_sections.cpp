// The sections of the name pages that stand on their own (see name_sections.h).

#include "core/site/name_sections.h"

#include <vector>

#include "core/data/character_dictionary.h"
#include "core/data/meanings.h"
#include "core/naming/name_sound.h"
#include "core/naming/same_name.h"
#include "core/naming/san_cai.h"
#include "core/site/site_render.h"

namespace lumivane::site {
namespace {

std::string JoinReadings(const std::vector<std::string>& readings) {
    std::string out;
    for (const std::string& reading : readings) {
        out += (out.empty() ? "" : "、") + Escape(reading);
    }
    return out;
}

}  // namespace

std::string ReadingsCell(std::uint32_t index, const std::string& chosen, std::string_view role) {
    if (index >= DictionarySize) {
        return "—";
    }
    std::string out = "<b>" + Escape(chosen) + "</b>" +
                      (role.empty() ? std::string() : "（" + Escape(role) + "）");
    std::vector<std::string> others;
    for (const std::string& reading : CommonReadingsOf(index)) {
        if (reading != chosen) {
            others.push_back(reading);
        }
    }
    if (!others.empty()) {
        out += "、" + JoinReadings(others);
    }
    return out;
}

std::string DictionaryReadingsCell(std::uint32_t index) {
    const std::string surname = SurnameReadingOf(index);
    const std::string name = NameReadingOf(index);
    const std::vector<std::string> common = CommonReadingsOf(index);
    std::string out;
    for (const std::string& reading : common) {
        // The name reading is marked only where there is a choice.
        std::string marks = reading == surname ? "姓" : "";
        if (reading == name && common.size() > 1) {
            marks += std::string(marks.empty() ? "" : "、") + "名";
        }
        out += (out.empty() ? "" : "、") + Escape(reading) +
               (marks.empty() ? std::string() : "（" + marks + "）");
    }
    const std::vector<std::string> rare = RareReadingsOf(index);
    if (!rare.empty()) {
        out += "；少用：" + JoinReadings(rare);
    }
    return out.empty() ? "—" : out;
}

std::string PolyphoneNotes(std::uint32_t first, std::uint32_t second) {
    std::string out;
    for (std::uint32_t index : {first, second}) {
        if (index < DictionarySize) {
            if (std::string note = PolyphoneNote(index); !note.empty()) {
                out += Note(Escape(note));
            }
        }
    }
    return out;
}

std::string SanCaiSection(const FiveGrids& grids) {
    const StandardSanCai standard = StandardSanCaiOf(grids);
    const std::string pattern = SanCaiPattern(grids.TianGe, grids.DiGe, grids.WaiGe);
    const int value = SanCaiValue(pattern);
    const PatternStanding standing = StandingOfPatternValue(value);
    std::string out =
        "<h2>三才</h2><p>天格、人格、地格的五行：<b>" + Escape(standard.Pattern) + "</b>";
    if (!standard.Verdict.empty()) {
        out += "，" + Escape(standard.Relation) + "，<b>" + Escape(standard.Verdict) + "</b>";
    }
    out += "。</p>\n" +
           Note(
               "这是常说的三才：相邻两格比和或相生为顺，相克为逆；没有相克为吉，一处相克为半吉，"
               "两处相克为凶。") +
           "<p>格局评分所用的配置（天格、地格、外格）：<b>" + Escape(pattern) + "</b>，配置值 " +
           std::to_string(value) + "，<b>" + standing.Words +
           "</b>（配置值 4 至 32，越高越好；高于 125 种配置中的 " + std::to_string(standing.Below) +
           " 种）。</p>\n";
    return out;
}

std::string WaiGeNote(const FamilyName& family, bool oneCharacterGiven) {
    if (!family.secondText.empty() || !oneCharacterGiven) {
        return {};
    }
    return Note(
        "单姓配单字名时，外格按算法总是 "
        "2（大凶），每个这样的名字都一样，并不是这个名字特有的缺点。");
}

std::string SameNameSection(const FamilyName& family, std::uint32_t first, std::uint32_t second,
                            std::optional<Sex> sex) {
    const SameNameEstimate estimate = EstimateSameName(family, first, second, sex);
    std::string out = "<h2>重名</h2><p>" + Escape(estimate.Words) +
                      (sex ? std::string() : "，男女合计") + "。</p>\n";
    if (!estimate.TrendWords.empty()) {
        out += "<p>" + Escape(estimate.TrendWords) + "</p>\n";
    }
    if (!estimate.DecadeWords.empty()) {
        out += "<p>" + Escape(estimate.DecadeWords) + "</p>\n";
    }
    return out + Note(Escape(estimate.Basis) +
                      "姓氏人数按男女人口比例分开；估计假定姓氏与名字互不相关。");
}

std::string SoundSection(const FamilyName& family, std::uint32_t first, std::uint32_t second) {
    const ToneReport tones = TonesOfName(family, first, second);
    std::string syllables;
    for (const Syllable& syllable : tones.Syllables) {
        syllables += (syllables.empty() ? "" : " ") + syllable.Toned;
    }
    std::string out = "<h2>声律</h2><p>" + Escape(syllables) + "：" + Escape(tones.PingZe) + "，" +
                      Escape(tones.Verdict) + "。</p>\n";
    const std::vector<SoundAlike> alikes = SoundAlikesOf(family, first, second);
    if (alikes.empty()) {
        out += "<p>没有发现与名人、品牌同音或与词语谐音，名字也不是常用词。</p>\n";
    } else {
        out += "<ul>";
        for (const SoundAlike& alike : alikes) {
            out += "<li>" + Escape(alike.Words) + "</li>";
        }
        out += "</ul>\n";
    }
    return out + Note(
                     "一、二声为平，三、四声为仄。名人与词语取自结巴分词词典：名人为以常见姓氏"
                     "开头、在语料中出现至少 50 次的三字人名，另加 CC-CEDICT "
                     "汉英词典中注有生卒年的同类人名；常用词为出现至少 1000 "
                     "次的词，三个字的全名另与三字词语比较。贬义词与品牌取自 CC-CEDICT "
                     "汉英词典：贬义词为英文释义标为粗俗、贬义，或释义为骂人话、屎尿、"
                     "猪狗鸡驴的词，全名或两字名字与之同音、或全名听来是单字贬义词加一个词时提示；"
                     "品牌为释义称为品牌或公司的两字专名。都按不计声调的读音比较。");
}

namespace {

std::string WordsText(const CharacterMeaning& meaning) {
    std::string out;
    for (const std::string& word : meaning.Words) {
        out += (out.empty() ? "" : "、") + Escape(word);
    }
    return out.empty() ? "—" : out;
}

std::string GlossText(const CharacterMeaning& meaning) {
    return meaning.Gloss.empty() ? "—" : "<span lang=\"en\">" + Escape(meaning.Gloss) + "</span>";
}

}  // namespace

std::string MeaningSection(std::uint32_t first, std::uint32_t second) {
    std::string out = "<h2>字义</h2><table>" +
                      Row({Cell("字", true), Cell("含这个字的常用词", true),
                           Cell("Unicode 英文释义", true), Cell("古诗文中的一句", true)});
    for (std::uint32_t index : {first, second}) {
        if (index < DictionarySize) {
            const CharacterMeaning meaning = MeaningOf(CharacterText(index));
            const std::string line = VerseLineHolding(CharacterText(index));
            out += Row({Cell(Escape(CharacterText(index))), Cell(WordsText(meaning)),
                        Cell(GlossText(meaning)), Cell(line.empty() ? "—" : Escape(line))});
        }
    }
    return out + "</table>\n" +
           Note(
               "常用词取自结巴分词词典，按使用次数排列；英文释义是 Unicode 汉字数据库"
               "（Unihan）的 kDefinition，不是澜庭的解释；古诗文是澜庭诗词表中第一处用到"
               "这个字、又不言哀伤战乱的句子。");
}

std::string MeaningRows(std::uint32_t index) {
    const CharacterMeaning meaning = MeaningOf(CharacterText(index));
    return Row({Cell("常用词", true), Cell(WordsText(meaning))}) +
           Row({Cell("Unicode 英文释义", true), Cell(GlossText(meaning))});
}

}  // namespace lumivane::site
