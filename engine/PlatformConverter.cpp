#include "PlatformConverter.h"

#include <algorithm>
#include <array>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#include <iconv.h>
#include <langinfo.h>
#endif

namespace velb {

namespace {

// The code pages whose characters are one or two bytes, which the engine carries through its
// tables, and UTF-8, which it converts a line at a time; with the name iconv knows each by.
struct KnownCodePage {
    unsigned number;
    const char* iconvName;
};
constexpr std::array kKnownCodePages = {
    KnownCodePage{437, "CP437"},           KnownCodePage{737, "CP737"},         KnownCodePage{775, "CP775"},
    KnownCodePage{850, "CP850"},           KnownCodePage{852, "CP852"},         KnownCodePage{855, "CP855"},
    KnownCodePage{857, "CP857"},           KnownCodePage{860, "CP860"},         KnownCodePage{861, "CP861"},
    KnownCodePage{862, "CP862"},           KnownCodePage{863, "CP863"},         KnownCodePage{864, "CP864"},
    KnownCodePage{865, "CP865"},           KnownCodePage{866, "CP866"},         KnownCodePage{869, "CP869"},
    KnownCodePage{874, "CP874"},           KnownCodePage{932, "CP932"},         KnownCodePage{936, "CP936"},
    KnownCodePage{949, "CP949"},           KnownCodePage{950, "CP950"},         KnownCodePage{1250, "CP1250"},
    KnownCodePage{1251, "CP1251"},         KnownCodePage{1252, "CP1252"},       KnownCodePage{1253, "CP1253"},
    KnownCodePage{1254, "CP1254"},         KnownCodePage{1255, "CP1255"},       KnownCodePage{1256, "CP1256"},
    KnownCodePage{1257, "CP1257"},         KnownCodePage{1258, "CP1258"},       KnownCodePage{20866, "KOI8-R"},
    KnownCodePage{21866, "KOI8-U"},        KnownCodePage{28591, "ISO-8859-1"},  KnownCodePage{28592, "ISO-8859-2"},
    KnownCodePage{28593, "ISO-8859-3"},    KnownCodePage{28594, "ISO-8859-4"},  KnownCodePage{28595, "ISO-8859-5"},
    KnownCodePage{28596, "ISO-8859-6"},    KnownCodePage{28597, "ISO-8859-7"},  KnownCodePage{28598, "ISO-8859-8"},
    KnownCodePage{28599, "ISO-8859-9"},    KnownCodePage{28603, "ISO-8859-13"}, KnownCodePage{28605, "ISO-8859-15"},
    KnownCodePage{kUtf8CodePage, "UTF-8"},
};

const KnownCodePage& known(unsigned number) {
    const auto found = std::find_if(kKnownCodePages.begin(), kKnownCodePages.end(),
                                    [number](const KnownCodePage& page) { return page.number == number; });
    if (found == kKnownCodePages.end())
        throw UnsupportedCodePage(std::to_string(number));
    return *found;
}

} // namespace

#ifdef _WIN32

struct PlatformConverter::Handles {
    unsigned codePage;
};

PlatformConverter::PlatformConverter(unsigned number) : m_handles(std::make_unique<Handles>(Handles{number})) {
    known(number);
    if (!IsValidCodePage(number))
        throw UnsupportedCodePage(std::to_string(number));
}

PlatformConverter::~PlatformConverter() = default;

std::optional<std::u16string> PlatformConverter::decode(std::string_view bytes) {
    if (bytes.empty())
        return std::u16string();
    const int size = static_cast<int>(bytes.size());
    std::u16string text(bytes.size(), u'\0'); // a byte never gives more than one code unit
    const int n = MultiByteToWideChar(m_handles->codePage, MB_ERR_INVALID_CHARS, bytes.data(), size,
                                      reinterpret_cast<wchar_t*>(text.data()), size);
    if (n <= 0)
        return std::nullopt;
    text.resize(static_cast<std::size_t>(n));
    return text;
}

std::optional<std::string> PlatformConverter::encode(std::u16string_view text) {
    if (text.empty())
        return std::string();
    // UTF-8 takes neither flags nor a default character; it fails on a lone surrogate instead.
    const bool utf8 = m_handles->codePage == kUtf8CodePage;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    std::string bytes(text.size() * 4, '\0');
    BOOL usedDefault = FALSE;
    const int n =
        WideCharToMultiByte(m_handles->codePage, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS, wide, size,
                            bytes.data(), static_cast<int>(bytes.size()), nullptr, utf8 ? nullptr : &usedDefault);
    if (n <= 0 || usedDefault)
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(n));
    return bytes;
}

unsigned systemCodePageNumber() {
    return GetACP();
}

#else

namespace {

iconv_t invalid() {
    return reinterpret_cast<iconv_t>(-1);
}

// Converts all of `in`, or gives nothing when any of it does not convert.
std::optional<std::string> convert(iconv_t cd, std::string_view in) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // Twice the input always has room: a byte of a code page we accept gives at most one
    // UTF-16 unit (two bytes), and a UTF-16 unit at most three bytes of UTF-8.
    std::string out(in.size() * 2 + 16, '\0');
    auto* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0 ||
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

// The code-page number of a legacy locale's charset, as glibc names it.
struct LocaleCharset {
    const char* charset;
    unsigned number;
};
constexpr std::array kLocaleCharsets = {
    LocaleCharset{"BIG5", 950},   LocaleCharset{"GBK", 936},       LocaleCharset{"GB2312", 936},
    LocaleCharset{"EUC-KR", 949}, LocaleCharset{"SHIFT_JIS", 932}, LocaleCharset{"TIS-620", 874},
};

} // namespace

// A pair of iconv descriptors between the code page and UTF-16LE.
struct PlatformConverter::Handles {
    iconv_t decoder = invalid();
    iconv_t encoder = invalid();

    ~Handles() {
        if (decoder != invalid())
            iconv_close(decoder);
        if (encoder != invalid())
            iconv_close(encoder);
    }
};

PlatformConverter::PlatformConverter(unsigned number) : m_handles(std::make_unique<Handles>()) {
    const char* name = known(number).iconvName;
    m_handles->decoder = iconv_open("UTF-16LE", name);
    m_handles->encoder = iconv_open(name, "UTF-16LE");
    if (m_handles->decoder == invalid() || m_handles->encoder == invalid())
        throw UnsupportedCodePage(std::to_string(number));
}

PlatformConverter::~PlatformConverter() = default;

std::optional<std::u16string> PlatformConverter::decode(std::string_view bytes) {
    const std::optional<std::string> out = convert(m_handles->decoder, bytes);
    if (!out)
        return std::nullopt;
    std::u16string text(out->size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>((*out)[2 * i]) |
                                        static_cast<unsigned char>((*out)[2 * i + 1]) << 8);
    return text;
}

std::optional<std::string> PlatformConverter::encode(std::u16string_view text) {
    std::string le(text.size() * 2, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        le[2 * i] = static_cast<char>(text[i] & 0xFF);
        le[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return convert(m_handles->encoder, le);
}

unsigned systemCodePageNumber() {
    std::string charset;
    if (locale_t locale = newlocale(LC_CTYPE_MASK, "", nullptr)) {
        charset = nl_langinfo_l(CODESET, locale);
        freelocale(locale);
    }
    // A UTF-8 or plain ASCII locale says nothing about the scripts' code page.
    if (charset.empty() || charset == "UTF-8" || charset == "ANSI_X3.4-1968")
        return 950;
    for (const LocaleCharset& known : kLocaleCharsets) {
        if (charset == known.charset)
            return known.number;
    }
    for (const KnownCodePage& page : kKnownCodePages) {
        if (charset == page.iconvName)
            return page.number;
    }
    throw UnsupportedCodePage(charset);
}

#endif

} // namespace velb
