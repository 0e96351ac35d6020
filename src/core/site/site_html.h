#pragma once
// What every page of the built-in site shares: the query of an address, the
// escaping of everything a page echoes back, and the frame of a page with its
// one small style sheet.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumivane::site {

// The values of a query, decoded: "+" and percent escapes to bytes, then the
// bytes read as GBK (as the program sends them) or UTF-8 (as typed by hand).
// A value that is neither is dropped, as if the key were not there; a value
// longer than kQueryValueMaxCharacters keeps its first characters.
// Characters of a query value a page sees at most.
inline constexpr std::size_t kQueryValueMaxCharacters = 64;

class Query {
public:
    explicit Query(std::string_view query);
    // The first value of the key, trimmed of blanks; none when absent or empty.
    [[nodiscard]] std::optional<std::string> Get(std::string_view key) const;
    // The value as a whole number within the bounds; none otherwise.
    [[nodiscard]] std::optional<int> Number(std::string_view key, int low, int high) const;

private:
    std::vector<std::pair<std::string, std::string>> m_values;
};

// The address split into its path below the site root and its query; the
// fragment is dropped.
struct SiteAddress {
    std::string path;   // "sm/QimingTest.asp"
    std::string query;  // without "?"
};
[[nodiscard]] std::optional<SiteAddress> SplitSiteAddress(std::string_view address);

// Text for HTML content and attribute values: & < > " ' escaped.
[[nodiscard]] std::string Escape(std::string_view text);

// Part of an address as a page shows it: bytes outside printable ASCII
// percent-encoded, as a browser shows them, then escaped for HTML.
[[nodiscard]] std::string EscapeAddressPart(std::string_view text);

// A query value as a built-in page's link writes it: percent-encoded GBK, as
// the program's own addresses are.
[[nodiscard]] std::string LinkValue(std::string_view text);

// An address on the built-in site from a path below its root.
[[nodiscard]] std::string SiteLink(std::string_view path);

// A whole page: the title as the heading, the body as given (already HTML).
[[nodiscard]] std::string PageFrame(std::string_view title, std::string_view body);

// Small builders for the pages' tables.
[[nodiscard]] std::string Cell(std::string_view html, bool header = false);
[[nodiscard]] std::string Row(std::initializer_list<std::string_view> cellsHtml);
[[nodiscard]] std::string Note(std::string_view html);  // a paragraph in the note style

}  // namespace lumivane::site
