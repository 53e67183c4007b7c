#pragma once
// Text in the Windows front end is UTF-16 throughout: the tables' UTF-8 captions are turned
// into it once, and the run's std::u16string is the same code units as a std::wstring here.

#include <windows.h>

#include <string>
#include <string_view>

namespace velb::win32 {

std::wstring widen(std::string_view utf8);

inline std::wstring_view asWide(std::u16string_view text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

/// The whole text of a window or control.
std::wstring windowText(HWND window);

} // namespace velb::win32
