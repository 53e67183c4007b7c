#include "PlatformConverter.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#include <iconv.h>
#include <langinfo.h>
#endif

namespace velb {

#ifdef _WIN32

struct PlatformConverter::Handles {
    unsigned codePage;
};

PlatformConverter::PlatformConverter(const std::string& name)
    : m_handles(std::make_unique<Handles>(Handles{static_cast<unsigned>(std::stoul(name))})) {}

PlatformConverter::~PlatformConverter() = default;

std::u16string PlatformConverter::decode(std::string_view bytes) {
    wchar_t wide[4];
    const int n = MultiByteToWideChar(m_handles->codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                      static_cast<int>(bytes.size()), wide, 4);
    return n <= 0 ? std::u16string() : std::u16string(reinterpret_cast<const char16_t*>(wide), n);
}

std::string PlatformConverter::encode(char16_t c) {
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(m_handles->codePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(&c),
                                      1, bytes, 8, nullptr, &usedDefault);
    return n <= 0 || usedDefault ? std::string() : std::string(bytes, n);
}

std::string systemCodePageName() {
    return std::to_string(GetACP());
}

#else

namespace {

iconv_t invalid() {
    return reinterpret_cast<iconv_t>(-1);
}

// Converts all of `in`, or gives the empty string when any of it does not convert.
std::string convert(iconv_t cd, std::string_view in) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[16];
    auto* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return {};
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
        return {};
    return std::string(buffer, outPtr);
}

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

PlatformConverter::PlatformConverter(const std::string& name) : m_handles(std::make_unique<Handles>()) {
    m_handles->decoder = iconv_open("UTF-16LE", name.c_str());
    m_handles->encoder = iconv_open(name.c_str(), "UTF-16LE");
    if (m_handles->decoder == invalid() || m_handles->encoder == invalid())
        throw std::invalid_argument("unknown code page " + name);
}

PlatformConverter::~PlatformConverter() = default;

std::u16string PlatformConverter::decode(std::string_view bytes) {
    const std::string out = convert(m_handles->decoder, bytes);
    std::u16string text(out.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(out[2 * i]) |
                                        static_cast<unsigned char>(out[2 * i + 1]) << 8);
    return text;
}

std::string PlatformConverter::encode(char16_t c) {
    const char le[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return convert(m_handles->encoder, std::string_view(le, 2));
}

std::string systemCodePageName() {
    std::string name = "CP950";
    if (locale_t locale = newlocale(LC_CTYPE_MASK, "", nullptr)) {
        const std::string charset = nl_langinfo_l(CODESET, locale);
        freelocale(locale);
        // A UTF-8 or plain ASCII locale says nothing about the scripts' code page.
        if (charset != "UTF-8" && charset != "ANSI_X3.4-1968" && !charset.empty())
            name = charset;
    }
    return name;
}

#endif

} // namespace velb
