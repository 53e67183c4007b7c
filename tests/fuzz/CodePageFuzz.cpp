// libFuzzer target: whatever bytes a script holds, decoding and encoding them again gives
// back the very same bytes, and the console text of them can always be made.

#include "CodePage.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const velb::CodePage big5(950);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::u16string text;
    big5.decodeAppend(bytes, text);
    if (big5.encode(text) != bytes)
        std::abort();
    velb::toUtf8(text);
    return 0;
}
