#include "CodePage.h"

#include "PlatformConverter.h"

#include <filesystem>
#include <stdexcept>

namespace velb {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;       // an escaped byte b is kEscapeBase | b
constexpr char16_t kReplacement = 0xFFFD;      // an escape shown on the console
constexpr std::uint16_t kNoBytes = 0;          // m_bytesOf: the character has no bytes
constexpr std::uint16_t kSingleByteOffset = 1; // m_bytesOf: one byte b is stored as b + 1

bool isSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}
bool isEscape(char16_t c) {
    return (c & 0xFF00) == kEscapeBase;
}
// The trail bytes of a double-byte pair; an undecodable pair is escaped whole.
bool isTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE);
}

} // namespace

CodePage::CodePage(const std::string& name) : m_pair(0x10000, kNone), m_bytesOf(0x10000, kNoBytes) {
    PlatformConverter converter(name);
    // A byte sequence is taken into the tables only when it decodes to one character that
    // encodes back to the very same bytes; everything else will be escaped.
    auto roundTrip = [&converter](std::string_view bytes) -> char16_t {
        const std::u16string text = converter.decode(bytes);
        if (text.size() != 1 || isSurrogate(text[0]) || text[0] == kNone)
            return kNone;
        return converter.encode(text[0]) == bytes ? text[0] : kNone;
    };
    for (unsigned b = 0; b < 0x100; ++b) {
        const char byte = static_cast<char>(b);
        m_single[b] = roundTrip(std::string_view(&byte, 1));
        if (m_single[b] != kNone)
            m_bytesOf[m_single[b]] = static_cast<std::uint16_t>(b + kSingleByteOffset);
        m_lead[b] = b >= 0x80 && m_single[b] == kNone;
    }
    for (unsigned lead = 0x80; lead < 0x100; ++lead) {
        if (!m_lead[lead])
            continue;
        for (unsigned trail = 0x40; trail < 0xFF; ++trail) {
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            const char16_t c = roundTrip(std::string_view(bytes, 2));
            if (c == kNone)
                continue;
            const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
            m_pair[code] = c;
            m_bytesOf[c] = code;
        }
    }
}

const CodePage& CodePage::system() {
    static const CodePage codePage = [] {
        try {
            return CodePage(systemCodePageName());
        } catch (const std::invalid_argument&) {
            return CodePage("CP950");
        }
    }();
    return codePage;
}

void CodePage::decodeAppend(std::string_view bytes, std::u16string& text) const {
    // Each byte gives at most one character, so the text is grown once and written in place.
    const std::size_t start = text.size();
    text.resize(start + bytes.size());
    char16_t* out = text.data() + start;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = p[i];
        if (m_single[b] != kNone) {
            *out++ = m_single[b];
            ++i;
        } else if (m_lead[b] && i + 1 < n && m_pair[b << 8 | p[i + 1]] != kNone) {
            *out++ = m_pair[b << 8 | p[i + 1]];
            i += 2;
        } else if (m_lead[b] && i + 1 < n && isTrailByte(p[i + 1])) {
            *out++ = kEscapeBase | b;
            *out++ = kEscapeBase | p[i + 1];
            i += 2;
        } else {
            *out++ = kEscapeBase | b;
            ++i;
        }
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
}

void CodePage::encodeAppend(std::u16string_view text, std::string& out) const {
    // Each character gives at most two bytes, so the bytes are grown once and written in place.
    const std::size_t start = out.size();
    out.resize(start + 2 * text.size());
    char* bytes = out.data() + start;
    for (const char16_t c : text) {
        const std::uint16_t code = m_bytesOf[c];
        if (isEscape(c))
            *bytes++ = static_cast<char>(c & 0xFF);
        else if (code == kNoBytes)
            *bytes++ = '?';
        else if (code <= 0xFF + kSingleByteOffset)
            *bytes++ = static_cast<char>(code - kSingleByteOffset);
        else {
            *bytes++ = static_cast<char>(code >> 8);
            *bytes++ = static_cast<char>(code & 0xFF);
        }
    }
    out.resize(static_cast<std::size_t>(bytes - out.data()));
}

std::string CodePage::encode(std::u16string_view text) const {
    std::string out;
    out.reserve(text.size() * 2);
    encodeAppend(text, out);
    return out;
}

std::string toUtf8(std::u16string_view text) {
    std::u16string clean(text);
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const bool highWithLow = clean[i] >= 0xD800 && clean[i] <= 0xDBFF && i + 1 < clean.size() &&
                                 clean[i + 1] >= 0xDC00 && clean[i + 1] <= 0xDFFF;
        if (highWithLow)
            ++i;
        else if (isSurrogate(clean[i]))
            clean[i] = kReplacement;
    }
    const std::u8string utf8 = std::filesystem::path(clean).u8string();
    return std::string(utf8.begin(), utf8.end());
}

} // namespace velb
