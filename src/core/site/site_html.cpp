#include "core/site/site_html.h"

#include "core/app/web_addresses.h"
#include "core/data/character_dictionary.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane::site {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// "+" is a blank in a form's query; a "%" without two hex digits stays as it is.
std::string PercentDecode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
                   HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

// How many of the text's characters the dictionary holds.
int DictionaryHits(std::string_view utf8) {
    int hits = 0;
    for (const std::string& character : SplitCharacters(utf8)) {
        hits += FindCharacter(character) < DictionarySize ? 1 : 0;
    }
    return hits;
}

// The program's addresses and the pages' forms send GBK; an address typed by
// hand may hold UTF-8. Chinese in UTF-8 is often valid GBK as well (明华 reads
// as 鏄庡), so when both readings work the one whose characters the
// dictionary knows better wins, and GBK on a tie.
std::optional<std::string> DecodeValue(std::string_view bytes) {
    ConversionResult gbk = GbkToUtf8(bytes);
    const bool utf8 = IsValidUtf8(bytes);
    if (gbk.ok() && utf8) {
        return DictionaryHits(bytes) > DictionaryHits(gbk.text) ? std::string(bytes) : gbk.text;
    }
    if (gbk.ok()) {
        return gbk.text;
    }
    if (utf8) {
        return std::string(bytes);
    }
    return std::nullopt;
}

// Keeps the first `count` characters of UTF-8 text.
void CutToCharacters(std::string& text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && seen++ == count) {
            text.resize(at);
            return;
        }
    }
}

}  // namespace

Query::Query(std::string_view query) {
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view{} : query.substr(end + 1);
        const std::size_t equals = pair.find('=');
        const std::string key = PercentDecode(pair.substr(0, equals));
        if (key.empty() || equals == std::string_view::npos) {
            continue;
        }
        if (std::optional<std::string> value =
                DecodeValue(PercentDecode(pair.substr(equals + 1)))) {
            // No page uses more of a value than a few characters (a name, a
            // date, a word); a longer one is cut so it costs nothing.
            CutToCharacters(*value, kQueryValueMaxCharacters);
            m_values.emplace_back(key, std::move(*value));
        }
    }
}

std::optional<std::string> Query::Get(std::string_view key) const {
    for (const auto& [name, value] : m_values) {
        if (name == key) {
            std::string trimmed(TrimBlanks(value));
            if (trimmed.empty()) {
                return std::nullopt;
            }
            return trimmed;
        }
    }
    return std::nullopt;
}

std::optional<int> Query::Number(std::string_view key, int low, int high) const {
    std::optional<std::string> text = Get(key);
    if (!text || text->empty() || text->size() > 9) {
        return std::nullopt;
    }
    std::size_t at = 0;
    const bool negative = (*text)[0] == '-';
    if (negative) {
        at = 1;
    }
    if (at == text->size()) {
        return std::nullopt;
    }
    int value = 0;
    for (; at < text->size(); ++at) {
        const char c = (*text)[at];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<SiteAddress> SplitSiteAddress(std::string_view address) {
    if (!address.starts_with(kSiteRootAddress)) {
        return std::nullopt;
    }
    address.remove_prefix(kSiteRootAddress.size());
    address = address.substr(0, address.find('#'));
    const std::size_t question = address.find('?');
    SiteAddress out;
    out.path = std::string(address.substr(0, question));
    if (question != std::string_view::npos) {
        out.query = std::string(address.substr(question + 1));
    }
    return out;
}

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            case '\t':
            case '\n':
            case '\r':
                out += c;
                break;
            default:
                // A NUL or other control character has no place in a page.
                if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
                    out += c;
                }
        }
    }
    return out;
}

std::string EscapeAddressPart(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string printable;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= 0x20 || c >= 0x7F) {
            printable += '%';
            printable += kHex[c >> 4];
            printable += kHex[c & 0x0F];
        } else {
            printable += ch;
        }
    }
    return Escape(printable);
}

std::string LinkValue(std::string_view text) {
    return PercentEncodeQueryValue(text);
}

std::string SiteLink(std::string_view path) {
    return std::string(kSiteRootAddress) + std::string(path);
}

namespace {

// One small sheet for every page: the window's own face, a readable measure,
// quiet tables. Nothing is loaded from outside.
constexpr std::string_view kStyleSheet = R"css(
body { font-family: "Noto Sans CJK SC", "WenQuanYi Micro Hei", sans-serif; font-size: 15px;
       color: #222; background: #fbfaf7; margin: 0; }
header { background: #8c2f1b; color: #fff; padding: 10px 24px; }
header a { color: #fff; text-decoration: none; margin-right: 18px; }
main { max-width: 920px; margin: 0 auto; padding: 8px 24px 32px; }
h1 { font-size: 24px; color: #8c2f1b; margin: 18px 0 10px; }
h2 { font-size: 18px; border-bottom: 1px solid #d9cbb8; padding-bottom: 4px; margin-top: 26px; }
table { border-collapse: collapse; margin: 8px 0; }
th, td { border: 1px solid #d9cbb8; padding: 5px 10px; text-align: left; vertical-align: top; }
th { background: #f1e9dc; font-weight: normal; color: #5a3b22; white-space: nowrap; }
.chars td { white-space: nowrap; } .chars td:last-child { white-space: normal; }
.big { font-size: 34px; letter-spacing: 4px; }
.pinyin { color: #666; font-size: 17px; }
.score { font-size: 28px; color: #8c2f1b; }
.note { color: #666; font-size: 13px; }
.lines { white-space: pre-line; }
.missing { background: #fff4e0; border: 1px solid #e3c38a; padding: 8px 12px; }
.good { color: #1d6b2f; } .bad { color: #a02020; } .mid { color: #8a6d00; }
form { background: #f4efe6; padding: 10px 14px; margin: 10px 0; }
form label { margin-right: 14px; }
input, select, button { font: inherit; }
.month td { width: 110px; height: 64px; }
.month .other { color: #bbb; }
.month .term { color: #1d6b2f; }
.month .day { font-size: 18px; }
)css";

constexpr std::string_view kNavigation[][2] = {
    {"", "首页"},
    {"sm/", "姓名测试"},
    {"xhzd/", "新华字典"},
    {"sm/paipan/pp_bazi.asp", "八字排盘"},
    {"sm/24jq.asp", "二十四节气"},
    {"sm/yuce/wnl.asp", "万年历"},
    {"sm/sm/bjx.asp", "百家姓"},
    {"support/help/index.asp", "使用帮助"},
};

}  // namespace

std::string PageFrame(std::string_view title, std::string_view body) {
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
        // No script, frame or outside resource: should an echo ever slip
        // through unescaped, it still could not run or fetch anything.
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
        "style-src 'unsafe-inline'; form-action lumivane:\">"
        "<title>" +
        Escape(title) + "</title><style>" + std::string(kStyleSheet) +
        "</style></head>\n<body><header>";
    for (const auto& [path, caption] : kNavigation) {
        html += "<a href=\"" + Escape(SiteLink(path)) + "\">" + std::string(caption) + "</a>";
    }
    html += "</header>\n<main><h1>" + Escape(title) + "</h1>\n" + std::string(body) +
            "\n</main></body></html>\n";
    return html;
}

std::string Cell(std::string_view html, bool header) {
    const char* tag = header ? "th" : "td";
    return std::string("<") + tag + ">" + std::string(html) + "</" + tag + ">";
}

std::string Row(std::initializer_list<std::string_view> cellsHtml) {
    std::string out = "<tr>";
    for (std::string_view cell : cellsHtml) {
        out += cell;
    }
    return out + "</tr>\n";
}

std::string Note(std::string_view html) {
    return "<p class=\"note\">" + std::string(html) + "</p>\n";
}

}  // namespace lumivane::site
