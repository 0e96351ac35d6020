// GBK <-> UTF-8: any bytes convert or fail cleanly, and whatever converts
// converts back to the same bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/gbk.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    lumivane::ConversionResult fromGbk = lumivane::GbkToUtf8(bytes);
    if (fromGbk.ok()) {
        lumivane::ConversionResult back = lumivane::Utf8ToGbk(fromGbk.text);
        FUZZ_CHECK(back.ok());
        FUZZ_CHECK(back.text == bytes);
    } else {
        FUZZ_CHECK(fromGbk.text.empty());
        FUZZ_CHECK(fromGbk.errorOffset < size);
    }

    lumivane::ConversionResult toGbk = lumivane::Utf8ToGbk(bytes);
    FUZZ_CHECK(lumivane::IsGbkEncodable(bytes) == toGbk.ok());
    FUZZ_CHECK(lumivane::GbkRejectionMessage(bytes).empty() == toGbk.ok());
    if (toGbk.ok()) {
        lumivane::ConversionResult back = lumivane::GbkToUtf8(toGbk.text);
        FUZZ_CHECK(back.ok());
        FUZZ_CHECK(back.text == bytes);
    } else {
        FUZZ_CHECK(toGbk.text.empty());
        FUZZ_CHECK(toGbk.errorOffset < size);
    }
    return 0;
}
