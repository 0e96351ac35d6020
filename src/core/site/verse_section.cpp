// The 出处 section of a name's analysis: the classical lines in which its two
// given-name characters stand together, in that order, within one sentence.

#include <algorithm>

#include "core/data/verse_table.h"
#include "core/site/site_render.h"

namespace lumivane::site {
namespace {

constexpr std::size_t kShownLines = 3;

// The stanza with the found line in bold.
std::string StanzaHtml(std::string_view stanza, std::string_view line) {
    const std::size_t at = stanza.find(line);
    if (at == std::string_view::npos) {
        return Escape(stanza);
    }
    return Escape(stanza.substr(0, at)) + "<b>" + Escape(line) + "</b>" +
           Escape(stanza.substr(at + line.size()));
}

std::string SourceText(const VerseStanza& stanza) {
    std::string text = std::string(stanza.collection);
    for (std::string_view part : {stanza.section, stanza.title}) {
        if (!part.empty()) {
            text += "·" + std::string(part);
        }
    }
    if (!stanza.author.empty()) {
        text += "（" + std::string(stanza.author) + "）";
    }
    return text;
}

}  // namespace

std::string VerseSourceSection(std::string_view first, std::string_view second) {
    std::string html = "<h2>出处</h2>";
    if (second.empty()) {
        return html + "<p>单字名不查两字同句的出处。</p>\n";
    }
    // Lines a parent can tell come first (思远: 载驰's 我思不远 before 甫田's
    // 无思远人，劳心忉忉), then the others, each group best collection first.
    std::vector<VerseLine> lines = FindVerseLines(first, second, 4 * kShownLines);
    std::stable_partition(lines.begin(), lines.end(),
                          [](const VerseLine& line) { return VerseStanzaAt(line.stanza).fit; });
    lines.resize(std::min(lines.size(), kShownLines));
    if (lines.empty()) {
        return html + "<p>在所收的诗经、楚辞、论语与四书、唐诗、宋词中，没有找到“" + Escape(first) +
               "”与“" + Escape(second) + "”依次同在一句的诗文。</p>\n";
    }
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const VerseStanza stanza = VerseStanzaAt(lines[k].stanza);
        // The best line shows its whole stanza, the others their line.
        const std::string text =
            k == 0 ? StanzaHtml(stanza.text, lines[k].line) : Escape(lines[k].line);
        html += "<blockquote><p>" + text + "</p><p>——" + Escape(SourceText(stanza)) +
                "</p></blockquote>\n";
    }
    return html +
           Note("“" + Escape(first) + Escape(second) +
                "”两字依次同在一句的诗文，按诗经、楚辞、论语与四书、唐诗三百首、宋词三百首、"
                "千家诗、全唐诗、全宋词的次序，每首诗至多一句；不言哀伤、战乱等的诗句在前。");
}

}  // namespace lumivane::site
