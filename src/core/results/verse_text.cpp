// The verse texts of a result row. Kept apart from the row's scoring so that
// the print module, which links only what it calls, needs no more than the
// verse table.

#include "core/results/result_row.h"

namespace lumivane {

std::string VerseTextOf(const ResultRow& row) {
    return row.verse ? VerseLineWithCitation(*row.verse) : std::string();
}

std::string ShortVerseTextOf(const ResultRow& row, std::size_t maxCharacters) {
    if (!row.verse) {
        return {};
    }
    const std::string_view line = row.verse->line;
    // The byte where character maxCharacters starts: UTF-8 continuation bytes
    // are 10xxxxxx.
    std::size_t characters = 0;
    std::size_t cut = 0;
    for (; cut < line.size(); ++cut) {
        if ((static_cast<unsigned char>(line[cut]) & 0xC0) != 0x80 &&
            characters++ == maxCharacters) {
            break;
        }
    }
    if (cut >= line.size()) {
        return VerseTextOf(row);
    }
    return std::string(line.substr(0, cut)) + "…" + std::string(kVerseMark) +
           VerseCitation(VerseStanzaAt(row.verse->stanza));
}

}  // namespace lumivane
