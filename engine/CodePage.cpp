#include "CodePage.h"

#include "PlatformConverter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
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

// The length of the run of ASCII that units start with. Scripts are mostly ASCII, and where a
// code page keeps it as it is, a run is copied whole, in a loop the compiler turns into vector
// instructions; it is measured a 64-bit word at a time, a word holding a unit above ASCII
// exactly when one of the bits above 0x7F of its units is set.
template <typename Unit> std::size_t asciiRun(const Unit* units, std::size_t n) {
    constexpr std::uint64_t kAboveAscii = UINT64_MAX / static_cast<Unit>(-1) * static_cast<Unit>(~0x7F);
    constexpr std::size_t kPerWord = sizeof(std::uint64_t) / sizeof(Unit);
    std::size_t i = 0;
    for (std::uint64_t word; n - i >= kPerWord; i += kPerWord) {
        std::memcpy(&word, units + i, sizeof word);
        if ((word & kAboveAscii) != 0)
            break;
    }
    while (i < n && units[i] < 0x80)
        ++i;
    return i;
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
    bool doubleByte = false;
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
            doubleByte = true;
        }
    }
    // A code page of single bytes has no lead bytes: a byte of no character there is escaped on
    // its own, and the character after it read as itself.
    if (!doubleByte)
        m_lead.fill(false);
    m_asciiIsItself = true;
    for (unsigned b = 0; b < 0x80; ++b)
        m_asciiIsItself = m_asciiIsItself && m_single[b] == b && m_bytesOf[b] == b + kSingleByteOffset;
}

const CodePage& CodePage::system() {
    static const CodePage codePage(systemCodePageNumber());
    return codePage;
}

char16_t* CodePage::decode(std::string_view bytes, char16_t* out) const {
    if (m_utf8)
        return decodeUtf8(bytes, out);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        if (m_asciiIsItself) {
            const std::size_t run = asciiRun(p + i, n - i);
            out = std::copy_n(p + i, run, out);
            i += run;
            if (i == n)
                break;
        }
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
    return out;
}

void CodePage::decodeAppend(std::string_view bytes, std::u16string& text) const {
    // Each byte gives at most one character, so the text is grown once and written in place.
    const std::size_t start = text.size();
    text.resize(start + bytes.size());
    text.resize(static_cast<std::size_t>(decode(bytes, text.data() + start) - text.data()));
}

void CodePage::encodeAppend(std::u16string_view text, std::string& out) const {
    if (m_utf8) {
        encodeUtf8(text, out);
        return;
    }
    // The text may be most of a script: it is encoded a piece at a time into a buffer of its
    // own and appended, so out grows by what is written only, and never past what its caller
    // reserved. Every character is encoded on its own, so the pieces may end anywhere.
    constexpr std::size_t kPiece = 4096;
    char bytes[2 * kPiece]; // each character gives at most two bytes
    for (std::size_t at = 0; at < text.size(); at += kPiece) {
        const char* const end = encodeByTable(text.substr(at, kPiece), bytes);
        out.append(bytes, static_cast<std::size_t>(end - bytes));
    }
}

char* CodePage::encodeByTable(std::u16string_view text, char* bytes) const {
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        if (m_asciiIsItself) {
            const std::size_t run = asciiRun(text.data() + i, n - i);
            bytes = std::copy_n(text.data() + i, run, bytes);
            i += run;
            if (i == n)
                break;
        }
        const char16_t c = text[i++];
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
    return bytes;
}

char16_t* CodePage::decodeUtf8(std::string_view bytes, char16_t* out) const {
    // A line at a time, so that a byte that is no character sends only its own line the slow
    // way. No character spans a line end: every byte of a longer one is 0x80 or above.
    while (!bytes.empty()) {
        const std::size_t lineEnd = std::min(bytes.find('\n'), bytes.size() - 1) + 1;
        out = decodeUtf8Line(bytes.substr(0, lineEnd), out);
        bytes.remove_prefix(lineEnd);
    }
    return out;
}

char16_t* CodePage::decodeUtf8Line(std::string_view bytes, char16_t* out) const {
    // Most lines of a script are ASCII, which is the same in UTF-8 and UTF-16: such a line
    // needs no converter.
    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; }))
        return std::copy(bytes.begin(), bytes.end(), out);
    // A piece is taken as the converter reads it only when it converts back to the same bytes;
    // the converter refuses a lone surrogate, so none can pass for an escape.
    const auto exact = [this](std::string_view piece) -> std::optional<std::u16string> {
        std::optional<std::u16string> decoded = m_utf8->decode(piece);
        if (!decoded || m_utf8->encode(*decoded) != piece)
            return std::nullopt;
        return decoded;
    };
    if (const std::optional<std::u16string> whole = exact(bytes))
        return std::copy(whole->begin(), whole->end(), out);
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
            out = std::copy(character->begin(), character->end(), out);
            i += length;
        } else {
            *out++ = static_cast<char16_t>(kEscapeBase | static_cast<unsigned char>(bytes[i]));
            ++i;
        }
    }
    return out;
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
