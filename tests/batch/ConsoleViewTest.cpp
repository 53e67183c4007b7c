// The progress line velb-batch draws on a terminal, here drawn on a file instead.

#include "ConsoleView.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace velb {
namespace {

TEST(ConsoleView, DrawsTheProgressLineAtTheFirstPumpAndClearsItAtTheEnd) {
    std::FILE* line = std::tmpfile();
    ASSERT_NE(line, nullptr);
    ConsoleView view({}, line);
    view.setStatus(u"讀取中...");
    view.setBarMaximum(Bar::OldChinese, 4);
    view.setBarPosition(Bar::OldChinese, 3);
    EXPECT_TRUE(view.pumpEvents());
    view.showCompletion();
    std::rewind(line);
    char drawn[200] = {};
    std::fread(drawn, 1, sizeof drawn - 1, line);
    std::fclose(line);
    EXPECT_STREQ(drawn, "\r\033[K讀取中... [######################        ] 3/4\r\033[K");
}

} // namespace
} // namespace velb
