// The verse tables generated from data/verse-stanzas.tsv and data/verse-names.tsv.

#include "core/data/verse_table.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/data/generated_types.h"

namespace lumivane {
namespace generated {
#include "core/data/verse_tables.inc"
}  // namespace generated

namespace {

// In the order of the collection numbers of the generated stanzas.
constexpr std::array<std::string_view, 11> kCollections = {
    "诗经",       "楚辞",       "论语",   "大学",   "中庸",  "孟子",
    "唐诗三百首", "宋词三百首", "千家诗", "全唐诗", "全宋词"};
// 唐诗三百首 and the collections after it gather poems of many poets.
constexpr std::ptrdiff_t kFirstAnthology = 6;
// Group numbers of the generated stanzas: 0 none, then 诗经 楚辞 论语 唐诗 宋词.
constexpr std::array<VerseGroup, 6> kGroups = {VerseGroup::All,   VerseGroup::Shijing,
                                               VerseGroup::Chuci, VerseGroup::Lunyu,
                                               VerseGroup::Tang,  VerseGroup::Song};

std::string_view Blob(std::uint32_t offset, std::uint16_t length) {
    return {generated::kGeneratedVerseBlob + offset, length};
}

// The code point at `pos` and the length of its UTF-8 sequence.
std::pair<char32_t, std::size_t> CodePointAt(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    length = std::min(length, text.size() - pos);
    char32_t value = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        value = (value << 6) | (static_cast<unsigned char>(text[pos + k]) & 0x3F);
    }
    return {value, length};
}

bool EndsLine(char32_t c) {
    return c == U'。' || c == U'！' || c == U'？' || c == U'；';
}

bool IsClosingQuote(char32_t c) {
    return c == U'”' || c == U'’' || c == U'」' || c == U'』';
}

bool SplitsSentence(char32_t c) {
    static constexpr std::u32string_view kMarks =
        U"，。；：？！、“”‘’「」『』《》（）()〈〉·—…,.;:?! \u3000";
    return kMarks.find(c) != std::u32string_view::npos;
}

std::span<const generated::GeneratedVerseName> GeneratedNames(Sex sex) {
    if (sex == Sex::Male) {
        return generated::kGeneratedMaleVerseNames;
    }
    return generated::kGeneratedFemaleVerseNames;
}

// The names of a sex as VerseName, and their positions ordered by code for
// look-ups; made at the first use of that sex.
struct NameIndex {
    std::vector<VerseName> names;
    std::vector<std::uint32_t> byCode;
};

NameIndex MakeIndex(Sex sex) {
    NameIndex index;
    for (const auto& entry : GeneratedNames(sex)) {
        index.names.push_back({entry.code, entry.stanza, entry.line});
    }
    index.byCode.resize(index.names.size());
    for (std::uint32_t k = 0; k < index.byCode.size(); ++k) {
        index.byCode[k] = k;
    }
    std::sort(index.byCode.begin(), index.byCode.end(), [&](std::uint32_t a, std::uint32_t b) {
        return index.names[a].code < index.names[b].code;
    });
    return index;
}

const NameIndex& IndexOf(Sex sex) {
    if (sex == Sex::Male) {
        static const NameIndex male = MakeIndex(Sex::Male);
        return male;
    }
    static const NameIndex female = MakeIndex(Sex::Female);
    return female;
}

}  // namespace

VerseGroup VerseGroupOfItem(int item) {
    static constexpr std::array<VerseGroup, 6> kItems = {VerseGroup::All,   VerseGroup::Shijing,
                                                         VerseGroup::Chuci, VerseGroup::Tang,
                                                         VerseGroup::Song,  VerseGroup::Lunyu};
    return item >= 0 && item < static_cast<int>(kItems.size())
               ? kItems[static_cast<std::size_t>(item)]
               : VerseGroup::All;
}

int ItemOfVerseGroup(VerseGroup group) {
    for (int item = 0; item < static_cast<int>(kVerseGroupItems.size()); ++item) {
        if (VerseGroupOfItem(item) == group) {
            return item;
        }
    }
    return 0;
}

std::optional<VerseGroup> VerseGroupOfName(std::string_view name) {
    if (name == "论语") {
        return VerseGroup::Lunyu;
    }
    for (int item = 0; item < static_cast<int>(kVerseGroupItems.size()); ++item) {
        if (kVerseGroupItems[static_cast<std::size_t>(item)] == name) {
            return VerseGroupOfItem(item);
        }
    }
    return std::nullopt;
}

std::size_t VerseStanzaCount() {
    return std::size(generated::kGeneratedVerseStanzas);
}

VerseStanza VerseStanzaAt(std::uint32_t id) {
    if (id >= VerseStanzaCount()) {
        return {};
    }
    const generated::GeneratedVerseStanza& s = generated::kGeneratedVerseStanzas[id];
    VerseStanza stanza;
    stanza.collection = s.collection < kCollections.size() ? kCollections[s.collection] : "";
    stanza.group = s.group < kGroups.size() ? kGroups[s.group] : VerseGroup::All;
    stanza.title = Blob(s.titleOffset, s.titleLength);
    stanza.section = Blob(s.sectionOffset, s.sectionLength);
    stanza.author = Blob(s.authorOffset, s.authorLength);
    stanza.text = Blob(s.textOffset, s.textLength);
    stanza.fit = s.fit;
    return stanza;
}

std::vector<std::string_view> VerseLinesOf(std::string_view stanza) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < stanza.size();) {
        auto [c, length] = CodePointAt(stanza, pos);
        pos += length;
        if (EndsLine(c)) {
            // 子曰：“…。” : the closing marks after the end belong to the line.
            while (pos < stanza.size()) {
                auto [next, nextLength] = CodePointAt(stanza, pos);
                if (!IsClosingQuote(next)) {
                    break;
                }
                pos += nextLength;
            }
            lines.push_back(stanza.substr(start, pos - start));
            start = pos;
        }
    }
    if (start < stanza.size()) {
        lines.push_back(stanza.substr(start));
    }
    return lines;
}

std::vector<std::string_view> VerseSentencesOf(std::string_view line) {
    std::vector<std::string_view> sentences;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < line.size();) {
        auto [c, length] = CodePointAt(line, pos);
        if (SplitsSentence(c)) {
            if (pos > start) {
                sentences.push_back(line.substr(start, pos - start));
            }
            start = pos + length;
        }
        pos += length;
    }
    if (start < line.size()) {
        sentences.push_back(line.substr(start));
    }
    return sentences;
}

bool LineHoldsPair(std::string_view line, std::string_view first, std::string_view second) {
    if (first.empty() || second.empty()) {
        return false;
    }
    // UTF-8 finds a whole character only at a character's start.
    for (std::string_view sentence : VerseSentencesOf(line)) {
        const std::size_t at = sentence.find(first);
        if (at != std::string_view::npos &&
            sentence.find(second, at + first.size()) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

std::span<const VerseName> VerseNames(Sex sex) {
    return IndexOf(sex).names;
}

std::optional<VerseLine> VerseOfName(Sex sex, GivenNameCode code) {
    const NameIndex& index = IndexOf(sex);
    auto it =
        std::lower_bound(index.byCode.begin(), index.byCode.end(), code,
                         [&](std::uint32_t k, GivenNameCode c) { return index.names[k].code < c; });
    if (it == index.byCode.end() || index.names[*it].code != code) {
        return std::nullopt;
    }
    const VerseName& name = index.names[*it];
    const std::vector<std::string_view> lines = VerseLinesOf(VerseStanzaAt(name.stanza).text);
    if (name.lineNumber >= lines.size()) {
        return std::nullopt;
    }
    return VerseLine{name.stanza, name.lineNumber, lines[name.lineNumber]};
}

std::optional<VerseLine> VerseExampleOf(std::uint32_t characterIndex) {
    const std::uint32_t key = (characterIndex << 16) | characterIndex;
    const auto& rows = generated::kGeneratedVerseExamples;
    const auto* it = std::lower_bound(
        std::begin(rows), std::end(rows), key,
        [](const generated::GeneratedVerseName& row, std::uint32_t k) { return row.code < k; });
    if (it == std::end(rows) || it->code != key) {
        return std::nullopt;
    }
    const std::vector<std::string_view> lines = VerseLinesOf(VerseStanzaAt(it->stanza).text);
    if (it->line >= lines.size()) {
        return std::nullopt;
    }
    return VerseLine{it->stanza, it->line, lines[it->line]};
}

std::vector<VerseLine> FindVerseLines(std::string_view first, std::string_view second,
                                      std::size_t limit) {
    std::vector<VerseLine> found;
    if (first.empty() || second.empty() || limit == 0) {
        return found;
    }
    std::vector<std::string> poems;
    for (std::uint32_t id = 0; id < VerseStanzaCount() && found.size() < limit; ++id) {
        const VerseStanza stanza = VerseStanzaAt(id);
        const std::size_t at = stanza.text.find(first);
        if (at == std::string_view::npos ||
            stanza.text.find(second, at + first.size()) == std::string_view::npos) {
            continue;
        }
        const std::string poem = VerseCitation(stanza);
        if (std::find(poems.begin(), poems.end(), poem) != poems.end()) {
            continue;
        }
        const std::vector<std::string_view> lines = VerseLinesOf(stanza.text);
        for (std::size_t k = 0; k < lines.size(); ++k) {
            if (LineHoldsPair(lines[k], first, second)) {
                found.push_back({id, static_cast<std::uint16_t>(k), lines[k]});
                poems.push_back(poem);
                break;
            }
        }
    }
    return found;
}

std::string VerseCitation(const VerseStanza& stanza) {
    // A book is cited by its own name (《诗经·大雅·思齐》); a poem of an
    // anthology by its poet and title (李白《静夜思》).
    const bool anthology = std::find(kCollections.begin() + kFirstAnthology, kCollections.end(),
                                     stanza.collection) != kCollections.end();
    std::string out(stanza.author);
    out += "《";
    if (anthology) {
        out += stanza.title;
    } else {
        out += stanza.collection;
        for (std::string_view part : {stanza.section, stanza.title}) {
            if (!part.empty()) {
                out += "·";
                out += part;
            }
        }
    }
    out += "》";
    return out;
}

std::string VerseLineWithCitation(const VerseLine& line) {
    return std::string(line.line) + "——" + VerseCitation(VerseStanzaAt(line.stanza));
}

}  // namespace lumivane
