#pragma once
// Text for the console, readable on every platform: a Windows console is given UTF-16
// through WriteConsoleW, since its code page is seldom UTF-8; anything else (a terminal, a
// pipe, a file) gets UTF-8, escaped bytes shown as U+FFFD.

#include <cstdio>
#include <string_view>

namespace velb {

/// Writes text to stream and flushes it; false when it could not be written whole.
bool writeConsoleText(std::FILE* stream, std::u16string_view text);

/// Readies stream for the progress line, which redraws itself with the terminal escapes
/// "\r" and "ESC[K"; false when the stream cannot show them (an old Windows console).
bool enableProgressEscapes(std::FILE* stream);

} // namespace velb
