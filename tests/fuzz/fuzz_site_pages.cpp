// The built-in site's pages: any path and query below the site root renders
// a whole UTF-8 page without a crash, and no input can add markup of its own:
// every tag in the page is one the pages write themselves.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/web_addresses.h"
#include "core/site/site_pages.h"
#include "core/text/characters.h"
#include "fuzz_check.h"

namespace {

constexpr std::string_view kTags[] = {
    "html", "head", "meta", "title", "style", "body",   "header",    "main",
    "h1",   "h2",   "p",    "table", "tr",    "th",     "td",        "span",
    "b",    "br",   "form", "label", "input", "select", "option",    "button",
    "ul",   "ol",   "li",   "code",  "pre",   "a",      "blockquote"};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool KnownTagAt(std::string_view html, std::size_t at) {
    std::size_t end = at;
    while (end < html.size() && (IsLetter(html[end]) || (html[end] >= '0' && html[end] <= '9'))) {
        ++end;
    }
    const std::string_view name = html.substr(at, end - at);
    for (std::string_view tag : kTags) {
        if (name == tag) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string address = std::string(lumivane::kSiteRootAddress) +
                                std::string(reinterpret_cast<const char*>(data), size);
    const lumivane::FixedClock clock({2025, 6, 1, 12, 0, 0});
    const lumivane::SitePage page = lumivane::RenderSitePage(address, clock);
    FUZZ_CHECK(page.html.rfind("<!DOCTYPE html>", 0) == 0);
    FUZZ_CHECK(lumivane::IsValidUtf8(page.html));
    for (std::size_t at = page.html.find('<'); at != std::string::npos;
         at = page.html.find('<', at + 1)) {
        const std::size_t name = at + 1 + (at + 1 < page.html.size() && page.html[at + 1] == '/');
        if (name < page.html.size() && IsLetter(page.html[name])) {
            FUZZ_CHECK(KnownTagAt(page.html, name));
        }
    }
    return 0;
}
