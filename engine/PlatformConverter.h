#pragma once
// The platform's own code-page converter (iconv, or MultiByteToWideChar on Windows), asked
// one character at a time while CodePage builds its tables. Kept apart from the tables so
// that each platform's calls stand in one place.

#include <memory>
#include <string>
#include <string_view>

namespace velb {

class PlatformConverter {
public:
    /// A code page as the platform names it ("CP950", "BIG5", … or on Windows its number).
    /// Throws std::invalid_argument when the platform does not know it.
    explicit PlatformConverter(const std::string& name);
    ~PlatformConverter();
    PlatformConverter(const PlatformConverter&) = delete;
    PlatformConverter& operator=(const PlatformConverter&) = delete;

    /// The text of bytes, or empty when they do not convert whole.
    std::u16string decode(std::string_view bytes);
    /// The bytes of one UTF-16 code unit, or empty when it has none in the code page.
    std::string encode(char16_t c);

private:
    struct Handles;
    std::unique_ptr<Handles> m_handles;
};

/// The name of this system's code page: on Windows the ANSI code page; elsewhere the
/// locale's charset when it is a legacy one, else CP950.
std::string systemCodePageName();

} // namespace velb
