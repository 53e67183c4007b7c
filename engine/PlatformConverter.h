#pragma once
// The platform's own code-page converter (iconv, or MultiByteToWideChar on Windows). A code
// page is named by its number on every platform (950, 1252, 65001 …); the name the converter
// knows it by is derived here, so that each platform's calls stand in one place.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velb {

/// A code page whose text the engine cannot carry exactly: one with characters of more than
/// two bytes other than UTF-8 (GB18030, EUC-TW …), or one the converter does not know.
class UnsupportedCodePage : public std::runtime_error {
public:
    /// `name` is the code page's number, or the charset a locale names without one.
    explicit UnsupportedCodePage(const std::string& name) : std::runtime_error(name), m_name(name) {}
    const std::string& name() const { return m_name; }

private:
    std::string m_name;
};

/// The number of the UTF-8 code page.
constexpr unsigned kUtf8CodePage = 65001;

class PlatformConverter {
public:
    /// Code page `number`. Throws UnsupportedCodePage unless its characters are one or two
    /// bytes long, or it is UTF-8, and the platform knows it.
    explicit PlatformConverter(unsigned number);
    ~PlatformConverter();
    PlatformConverter(const PlatformConverter&) = delete;
    PlatformConverter& operator=(const PlatformConverter&) = delete;

    /// The text of bytes, or nothing when any of them does not convert.
    std::optional<std::u16string> decode(std::string_view bytes);
    /// The bytes of text, or nothing when any of it has no bytes in the code page.
    std::optional<std::string> encode(std::u16string_view text);

private:
    struct Handles;
    std::unique_ptr<Handles> m_handles;
};

/// The number of this system's code page: on Windows the ANSI code page; elsewhere the
/// locale's charset when it is a legacy one, else 950. Throws UnsupportedCodePage for a
/// locale charset that has no code-page number.
unsigned systemCodePageNumber();

} // namespace velb
