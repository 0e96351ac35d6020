#pragma once
// Classical verse behind given names: the stanzas of the collections, the
// names each sex takes from them with their best line, and the search for the
// lines in which any two characters stand together. Built by
// tools/data/generate_verses.py (data/README.md); the indexes over the tables
// are made at the first call, not at start.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/name_corpora.h"

namespace lumivane {

// The collection choice of a poetry request.
enum class VerseGroup : std::uint8_t { All, Shijing, Chuci, Lunyu, Tang, Song };

// Captions of the choice in VerseGroup order: "全部", "诗经", "楚辞", "唐诗",
// "宋词", "论语·四书" are the window's items, in that order (see VerseGroupOfItem).
inline constexpr std::array<std::string_view, 6> kVerseGroupItems = {"全部", "诗经", "楚辞",
                                                                     "唐诗", "宋词", "论语·四书"};
[[nodiscard]] VerseGroup VerseGroupOfItem(int item);
[[nodiscard]] int ItemOfVerseGroup(VerseGroup group);
// The command line's names: 诗经 楚辞 唐诗 宋词 论语 (and 全部); nullopt for others.
[[nodiscard]] std::optional<VerseGroup> VerseGroupOfName(std::string_view name);

struct VerseStanza {
    std::string_view collection;  // 诗经, 楚辞, 论语, 大学, 中庸, 孟子, 唐诗三百首, …
    VerseGroup group = VerseGroup::All;  // All: shown only under 全部
    std::string_view title;
    std::string_view section;  // 郑风, 大雅, 九歌; may be empty
    std::string_view author;   // may be empty
    std::string_view text;     // the whole stanza
    // Its lines may be told to parents: neither the poem nor the stanza speaks
    // of grief, war, death, slander or vice (data/README.md).
    bool fit = false;
};

// One line of a stanza (ended by 。！？；) with the stanza it stands in.
struct VerseLine {
    std::uint32_t stanza = 0;
    std::uint16_t lineNumber = 0;
    std::string_view line;
};

// A name from verse and where its best line stands.
struct VerseName {
    GivenNameCode code = 0;
    std::uint32_t stanza = 0;
    std::uint16_t lineNumber = 0;
};

[[nodiscard]] std::size_t VerseStanzaCount();
// The stanza of an id below VerseStanzaCount(); an empty stanza otherwise.
[[nodiscard]] VerseStanza VerseStanzaAt(std::uint32_t id);
// The lines of a text, each with its end mark; a rest without one is a line.
[[nodiscard]] std::vector<std::string_view> VerseLinesOf(std::string_view stanza);
// The sentences of a line: its pieces between punctuation marks.
[[nodiscard]] std::vector<std::string_view> VerseSentencesOf(std::string_view line);
// Whether `first` stands before `second` within one sentence of the line.
[[nodiscard]] bool LineHoldsPair(std::string_view line, std::string_view first,
                                 std::string_view second);

// The names of a sex in the order of their best lines (best collection first).
[[nodiscard]] std::span<const VerseName> VerseNames(Sex sex);
// The best line of a name of that sex's table; nullopt if the table lacks it.
[[nodiscard]] std::optional<VerseLine> VerseOfName(Sex sex, GivenNameCode code);

// A name character's example line: its first line in a stanza fit to tell, in
// the collections' order, where its sentence neither denies it nor binds it to
// another word (既不我嘉 gives no example of 嘉). None for a character that no
// name table offers or no such line holds.
[[nodiscard]] std::optional<VerseLine> VerseExampleOf(std::uint32_t characterIndex);

// Up to `limit` lines in which the two characters stand together in that
// order within one sentence, best collection first, one line per poem.
[[nodiscard]] std::vector<VerseLine> FindVerseLines(std::string_view first, std::string_view second,
                                                    std::size_t limit = 3);

// "《诗经·大雅·思齐》", "《楚辞·九歌·湘夫人》 屈原": the source as a line cites it.
[[nodiscard]] std::string VerseCitation(const VerseStanza& stanza);
// "思齐大任，文王之母。——《诗经·大雅·思齐》".
[[nodiscard]] std::string VerseLineWithCitation(const VerseLine& line);

}  // namespace lumivane
