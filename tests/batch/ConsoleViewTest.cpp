// The progress line velb-batch draws on a terminal, here drawn on a file instead; and on
// Windows, text written to a real console.

#include "ConsoleView.h"
#include "ConsoleText.h"

#include <gtest/gtest.h>

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace velb {
namespace {

// What a view draws of one bar at its first pump, and when the run completes.
std::string drawn(int maximum, int position) {
    std::FILE* line = std::tmpfile();
    ConsoleView view({}, line);
    view.setStatus(u"讀取中...");
    view.setBarPosition(Bar::OldChinese, position);
    view.setBarPosition(Bar::OldEnglish, 1);
    view.setBarMaximum(Bar::OldChinese, maximum); // from now on the line follows this bar
    EXPECT_TRUE(view.pumpEvents());
    view.showCompletion();
    std::rewind(line);
    char text[200] = {};
    std::fread(text, 1, sizeof text - 1, line);
    std::fclose(line);
    return text;
}

TEST(ConsoleView, DrawsTheProgressLineAtTheFirstPumpAndClearsItAtTheEnd) {
    EXPECT_EQ(drawn(4, 3), "\r\033[K讀取中... [######################        ] 3/4\r\033[K");
    EXPECT_EQ(drawn(0, 0), "\r\033[K讀取中... [                              ] 0/0\r\033[K");
}

#ifdef _WIN32
TEST(ConsoleText, AConsoleIsGivenUtf16WhateverItsCodePage) {
    // A console of the test's own, its screen read back after the write.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    std::FILE* console = _fdopen(_open_osfhandle(reinterpret_cast<intptr_t>(screen), 0), "w");
    // The console's code page is not UTF-8 (950 here), so bytes would be shown wrong.
    if (DWORD mode = 0; !GetConsoleMode(screen, &mode))
        GTEST_SKIP() << "no console can be had here (Wine without a display)";
    ASSERT_TRUE(writeConsoleText(console, u"已寫入 新版.rc"));
    std::wstring shown(11, L'\0');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, shown.data(), static_cast<DWORD>(shown.size()), COORD{0, 0}, &read);
    EXPECT_EQ(shown.substr(0, read).find(L"已寫入"), 0) << read;
    std::fclose(console);
    FreeConsole();
}
#endif

} // namespace
} // namespace velb
