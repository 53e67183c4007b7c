#pragma once
// Conversion between the bytes of a script and the UTF-16 text the engine works on, in
// the system's ANSI code page. The conversion must never change a line the tool promises
// to copy: bytes that do not decode, or whose character would not encode back to those
// same bytes, are kept in the text as lone surrogates U+DC80..U+DCFF, one per byte, and
// turned back into their bytes on the way out. An undecodable double-byte pair is kept as
// a pair, so its trail byte never reads as an ASCII letter.
//
// For a code page of one- and two-byte characters, the platform converter (iconv, or
// MultiByteToWideChar on Windows) is asked once per possible single byte and double-byte
// pair; the answers that survive the round trip make the tables that the hot loops then
// use. UTF-8, whose characters run to four bytes, is handed to the converter a line at a
// time instead, and only a line that does not convert whole is taken apart.

#include "PlatformConverter.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velb {

class CodePage {
public:
    /// The code page of this system: on Windows the ANSI code page; elsewhere the locale's
    /// charset when it is a legacy one, else 950. Throws UnsupportedCodePage.
    static const CodePage& system();
    /// Code page `number` (950, 1252, 65001 …). Throws UnsupportedCodePage.
    explicit CodePage(unsigned number);
    unsigned number() const { return m_number; }

    /// Writes the text of bytes from out on, at most bytes.size() characters, and returns
    /// the end of what it wrote; never fails, escaping what it cannot carry.
    char16_t* decode(std::string_view bytes, char16_t* out) const;
    /// Appends the text of bytes to out, as decode does.
    void decodeAppend(std::string_view bytes, std::u16string& out) const;
    /// Appends the bytes of text to out. Escapes become their bytes again; a character
    /// with no place in the code page becomes '?'.
    void encodeAppend(std::u16string_view text, std::string& out) const;
    std::string encode(std::u16string_view text) const;

private:
    char16_t* decodeUtf8(std::string_view bytes, char16_t* out) const;
    char16_t* decodeUtf8Line(std::string_view bytes, char16_t* out) const;
    char* encodeByTable(std::u16string_view text, char* bytes) const;
    void encodeUtf8(std::u16string_view text, std::string& out) const;

    unsigned m_number;
    // Set for UTF-8 only. The converter keeps state between calls, but each call starts it
    // afresh, so the code page stays the same value to its users.
    std::unique_ptr<PlatformConverter> m_utf8;
    static constexpr char16_t kNone = 0xFFFF; // no character decodes to this in any code page we accept
    std::array<char16_t, 256> m_single{};     // byte -> character, or kNone
    std::array<bool, 256> m_lead{};           // byte starts a double-byte pair
    std::vector<char16_t> m_pair;             // (lead << 8 | trail) -> character, or kNone
    std::vector<std::uint16_t> m_bytesOf;     // character -> its bytes (one byte: < 0x100), 0 = none
    bool m_asciiIsItself = false;             // every byte below 0x80 is that character, both ways
};

/// Text for the console: UTF-8, escaped bytes shown as U+FFFD.
std::string toUtf8(std::u16string_view text);

} // namespace velb
