// The progress line velb-batch draws on a terminal, here drawn on a file instead.

#include "ConsoleView.h"

#include <gtest/gtest.h>

#include <cstdio>

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

} // namespace
} // namespace velb
