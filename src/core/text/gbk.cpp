#include "core/text/gbk.h"

#include <iconv.h>

#include <cerrno>

#include "core/text/characters.h"

namespace lumivane {
namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (valid()) {
            iconv_close(m_cd);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    [[nodiscard]] bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    [[nodiscard]] iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// Opening a converter costs far more than converting a name, and rows are
// converted by the thousand, so each thread keeps one converter per direction.
IconvHandle& Converter(bool toGbk) {
    thread_local IconvHandle utf8ToGbk("GBK", "UTF-8");
    thread_local IconvHandle gbkToUtf8("UTF-8", "GBK");
    IconvHandle& cd = toGbk ? utf8ToGbk : gbkToUtf8;
    if (cd.valid()) {
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    }
    return cd;
}

ConversionResult Convert(std::string_view input, bool toGbk) {
    const char* from = toGbk ? "UTF-8" : "GBK";
    const char* to = toGbk ? "GBK" : "UTF-8";
    const char* sourceName = from;
    ConversionResult result;
    IconvHandle& cd = Converter(toGbk);
    if (!cd.valid()) {
        result.error = std::string("系统无法把 ") + from + " 转换为 " + to;
        return result;
    }
    std::string out;
    out.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t produced = 0;
    while (inLeft > 0) {
        char* outPtr = out.data() + produced;
        std::size_t outLeft = out.size() - produced;
        std::size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        produced = out.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        result.errorOffset = input.size() - inLeft;
        if (errno == EILSEQ) {
            result.error = std::string("第 ") + std::to_string(result.errorOffset) +
                           " 字节起不是有效的 " + sourceName + " 文字";
        } else {
            result.error = std::string("第 ") + std::to_string(result.errorOffset) + " 字节起的 " +
                           sourceName + " 文字不完整";
        }
        return result;
    }
    out.resize(produced);
    result.text = std::move(out);
    return result;
}

}  // namespace

ConversionResult Utf8ToGbk(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) {
        ConversionResult bad;
        bad.error = "文字不是有效的 UTF-8 编码。";
        return bad;
    }
    ConversionResult result = Convert(utf8, true);
    if (!result.ok()) {
        // Name the character GBK cannot hold so the user knows what to change.
        std::string_view rest = utf8.substr(result.errorOffset);
        std::size_t length = Utf8SequenceLength(rest);
        result.error = "“" + std::string(rest.substr(0, length)) + "”不是 GBK 字符，无法使用。";
    }
    return result;
}

ConversionResult GbkToUtf8(std::string_view gbk) {
    return Convert(gbk, false);
}

bool IsGbkEncodable(std::string_view utf8) {
    return Utf8ToGbk(utf8).ok();
}

std::string GbkRejectionMessage(std::string_view utf8) {
    return Utf8ToGbk(utf8).error;
}

namespace {

std::size_t CharacterGbkBytes(const std::string& character) {
    ConversionResult gbk = Utf8ToGbk(character);
    return gbk.ok() ? gbk.text.size() : 2;
}

}  // namespace

std::size_t GbkByteLength(std::string_view utf8) {
    std::size_t bytes = 0;
    for (const std::string& character : SplitCharacters(utf8)) {
        bytes += CharacterGbkBytes(character);
    }
    return bytes;
}

std::string GbkPrefixThatFits(std::string_view utf8, std::size_t maxBytes) {
    std::string kept;
    std::size_t bytes = 0;
    for (const std::string& character : SplitCharacters(utf8)) {
        bytes += CharacterGbkBytes(character);
        if (bytes > maxBytes) {
            break;
        }
        kept += character;
    }
    return kept;
}

}  // namespace lumivane
