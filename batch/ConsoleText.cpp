#include "ConsoleText.h"

#include "CodePage.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace velb {

namespace {

bool writeUtf8(std::FILE* stream, std::u16string_view text) {
    const std::string bytes = toUtf8(text);
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && std::fflush(stream) == 0;
}

#ifdef _WIN32
// The console behind stream, or null when the stream goes elsewhere.
HANDLE consoleOf(std::FILE* stream) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}
#endif

} // namespace

#ifdef _WIN32

bool writeConsoleText(std::FILE* stream, std::u16string_view text) {
    HANDLE console = consoleOf(stream);
    if (!console)
        return writeUtf8(stream, text);
    std::fflush(stream);
    DWORD written = 0;
    return WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

bool enableProgressEscapes(std::FILE* stream) {
    HANDLE console = consoleOf(stream);
    DWORD mode = 0;
    return console && GetConsoleMode(console, &mode) &&
           SetConsoleMode(console, mode | ENABLE_PROCESSED_OUTPUT | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

#else

bool writeConsoleText(std::FILE* stream, std::u16string_view text) {
    return writeUtf8(stream, text);
}

bool enableProgressEscapes(std::FILE*) {
    return true;
}

#endif

} // namespace velb
