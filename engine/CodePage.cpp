#include "CodePage.h"

#include "PlatformConverter.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace velb {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;       // an escaped byte b is kEscapeBase | b
constexpr char16_t kReplacement = 0xFFFD;      // an escape shown on the console
constexpr std::uint16_t kNoBytes = 0;          // m_bytesOf: the character has no bytes
constexpr std::uint16_t kSingleByteOffset = 1; // m_bytesOf: one byte b is stored as b + 1

bool isSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}
bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
bool isEscape(char16_t c) {
    return (c & 0xFF00) == kEscapeBase;
}
// The trail bytes of a double-byte pair; an undecodable pair is escaped whole.
bool isTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE);
}

} // namespace

CodePage::CodePage(unsigned number) : m_number(number) {
    auto converter = std::make_unique<PlatformConverter>(number);
    if (number == kUtf8CodePage) {
        m_utf8 = std::move(converter);
        return;
    }
    m_pair.assign(0x10000, kNone);
    m_bytesOf.assign(0x10000, kNoBytes);
    // A byte sequence is taken into the tables only when it decodes to one character that
    // encodes back to the very same bytes; everything else will be escaped.
    auto roundTrip = [&converter](std::string_view bytes) -> char16_t {
        const std::optional<std::u16string> text = converter->decode(bytes);
        if (!text || text->size() != 1 || isSurrogate((*text)[0]) || (*text)[0] == kNone)
            return kNone;
        return converter->encode(*text) == bytes ? (*text)[0] : kNone;
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
    static const CodePage codePage(systemCodePageNumber());
    return codePage;
}

void CodePage::decodeAppend(std::string_view bytes, std::u16string& text) const {
    if (m_utf8) {
        decodeUtf8(bytes, text);
        return;
    }
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
    if (m_utf8) {
        encodeUtf8(text, out);
        return;
    }
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

void CodePage::decodeUtf8(std::string_view bytes, std::u16string& text) const {
    // Most lines of a script are ASCII, which is the same in UTF-8 and UTF-16: such a line
    // needs no converter.
    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; })) {
        text.append(bytes.begin(), bytes.end());
        return;
    }
    // A piece is taken as the converter reads it only when it converts back to the same bytes;
    // the converter refuses a lone surrogate, so none can pass for an escape.
    const auto exact = [this](std::string_view piece) -> std::optional<std::u16string> {
        std::optional<std::u16string> decoded = m_utf8->decode(piece);
        if (!decoded || m_utf8->encode(*decoded) != piece)
            return std::nullopt;
        return decoded;
    };
    if (const std::optional<std::u16string> whole = exact(bytes)) {
        text += *whole;
        return;
    }
    // Otherwise character by character: the shortest piece of one to four bytes that is a
    // character, else the byte is escaped.
    constexpr std::size_t kLongestCharacter = 4;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t length = 1;
        std::optional<std::u16string> character;
        for (; length <= kLongestCharacter && i + length <= bytes.size(); ++length) {
            if ((character = exact(bytes.substr(i, length))))
                break;
        }
        if (character) {
            text += *character;
            i += length;
        } else {
            text += static_cast<char16_t>(kEscapeBase | static_cast<unsigned char>(bytes[i]));
            ++i;
        }
    }
}

void CodePage::encodeUtf8(std::u16string_view text, std::string& out) const {
    // Runs of characters go to the converter whole; an escape becomes its byte, and a lone
    // surrogate that is no escape, which has no UTF-8 form, becomes '?'.
    std::size_t runStart = 0;
    auto flushRun = [&](std::size_t end) {
        const std::u16string_view run = text.substr(runStart, end - runStart);
        // Surrogates are taken out of the run, so every run converts.
        out += m_utf8->encode(run).value_or(std::string(run.size(), '?'));
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
            continue;
        }
        if (!isSurrogate(c))
            continue;
        flushRun(i);
        out += isEscape(c) ? static_cast<char>(c & 0xFF) : '?';
        runStart = i + 1;
    }
    flushRun(text.size());
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
        const bool highWithLow = isHighSurrogate(clean[i]) && i + 1 < clean.size() && isLowSurrogate(clean[i + 1]);
        if (highWithLow)
            ++i;
        else if (isSurrogate(clean[i]))
            clean[i] = kReplacement;
    }
    const std::u8string utf8 = std::filesystem::path(clean).u8string();
    return std::string(utf8.begin(), utf8.end());
}

} // namespace velb
