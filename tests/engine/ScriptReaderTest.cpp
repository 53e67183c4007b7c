// Reading scripts: line ends, header lines and names, and cutting real-world shapes of
// script (blocks ending in END before the first dialog, stray and unfinished dialogs).

#include "ScriptText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

using testing::big5;
using testing::cutScript;
using testing::utf8;

// The lines of bytes, which must not depend on where the file's pieces happen to end.
std::vector<std::string> linesOf(std::string_view bytes) {
    std::vector<std::string> wholeRead;
    for (const std::size_t readSize : {SIZE_MAX, std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
        ResourceScript script;
        testing::RecordingView view;
        testing::StringFile file{std::string(bytes), readSize};
        LoadLines(file, big5(), script, view);
        EXPECT_EQ(view.pumps, script.lineCount());
        EXPECT_EQ(script.text.size(), script.lineStart.back());
        std::vector<std::string> lines;
        for (int i = 1; i <= script.lineCount(); ++i)
            lines.push_back(utf8(script.line(i)));
        if (readSize == SIZE_MAX)
            wholeRead = lines;
        EXPECT_EQ(lines, wholeRead) << "read " << readSize << " bytes at a time";
    }
    return wholeRead;
}

using Lines = std::vector<std::string>;

TEST(LoadLines, EachTerminatorEndsOneLineAndNoneAddsAnEmptyLast) {
    EXPECT_EQ(linesOf(""), Lines{});
    EXPECT_EQ(linesOf("a"), Lines{"a"});
    EXPECT_EQ(linesOf("a\r\n"), Lines{"a"});
    EXPECT_EQ(linesOf("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf("a\rb\nc\r\n"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(linesOf("\n\r\n\r"), (Lines{"", "", ""}));
    EXPECT_EQ(linesOf("a\n\rb"), (Lines{"a", "", "b"}));                   // LF then CR: two terminators
    EXPECT_EQ(linesOf("\xB4\x4E\r\r\n\xA7"), (Lines{"就", "", "\uFFFD"})); // a lead byte alone at the end
}

TEST(LoadLines, EveryLineIsFollowedByCrLfInTheBuffer) {
    ResourceScript script;
    testing::RecordingView view;
    testing::StringFile file("x\ny\rz");
    LoadLines(file, big5(), script, view);
    EXPECT_EQ(script.text, u"x\r\ny\r\nz\r\n");
    EXPECT_EQ(script.lines(2, 3), u"y\r\nz\r\n");
    EXPECT_EQ(script.lines(3, 2), u"");
}

struct NameCase {
    const char* line;
    bool isDialog;
    const char* name;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.line;
}

class DialogName : public ::testing::TestWithParam<NameCase> {};

TEST_P(DialogName, IsEverythingUpToTheBlankBeforeDialog) {
    const NameCase& c = GetParam();
    LoadedScript loaded;
    cutScript(std::string(c.line) + "\nEND\n", loaded);
    ASSERT_EQ(loaded.dialogs.size(), c.isDialog ? 1u : 0u);
    if (c.isDialog) {
        EXPECT_EQ(utf8(loaded.dialogs[0].name), c.name);
    }
}

INSTANTIATE_TEST_SUITE_P(HeaderLines, DialogName,
                         ::testing::Values(NameCase{"IDD_A DIALOG FIXED IMPURE 0, 0, 1, 1", true, "IDD_A "},
                                           NameCase{"IDD_A  DIALOG FIXED IMPURE 0, 0", true, "IDD_A  "},
                                           NameCase{" IDD_A DIALOG FIXED IMPURE", true, " IDD_A "},
                                           NameCase{"DIALOG FIXED IMPURE 0, 0", true, ""},
                                           NameCase{"IDD_A\tDIALOG FIXED IMPURE", true, ""},
                                           NameCase{"// IDD_A DIALOG FIXED IMPURE", true, "// IDD_A "},
                                           NameCase{"對話 DIALOG FIXED IMPURE", true, "對話 "},
                                           NameCase{"IDD_A dialog fixed impure", false, ""},
                                           NameCase{"IDD_A DIALOG  FIXED IMPURE", false, ""},
                                           NameCase{"IDD_A DIALOGEX 0, 0, 1, 1", false, ""}));

TEST(CutDialogs, EndLinesOfOtherBlocksBeforeTheFirstDialogCloseNothing) {
    LoadedScript loaded;
    cutScript("// head\n"
              "IDR_MENU MENU\n"
              "BEGIN\n"
              "    POPUP \"&File\"\n"
              "    BEGIN\n"
              "    END\n"
              "END\n"
              "IDD_A DIALOG FIXED IMPURE 0, 0, 1, 1\n"
              "BEGIN\n"
              "END\n"
              "// between\n"
              "IDD_B DIALOG FIXED IMPURE 0, 0, 2, 2\n"
              "BEGIN\n"
              "    LTEXT \"就\",1,2,3,4,5\n"
              "END \n"
              "  END\n"
              "END\n"
              "STRINGTABLE\n"
              "BEGIN\n"
              "END\n",
              loaded);
    ASSERT_EQ(loaded.dialogs.size(), 2u);
    EXPECT_EQ(utf8(loaded.dialogs[0].name), "IDD_A ");
    EXPECT_EQ(utf8(loaded.dialogs[0].body), "IDD_A DIALOG FIXED IMPURE 0, 0, 1, 1\r\nBEGIN\r\nEND\r\n");
    EXPECT_EQ(utf8(loaded.dialogs[1].name), "IDD_B ");
    EXPECT_EQ(utf8(loaded.dialogs[1].body),
              "IDD_B DIALOG FIXED IMPURE 0, 0, 2, 2\r\nBEGIN\r\n    LTEXT \"就\",1,2,3,4,5\r\n"
              "END \r\n  END\r\nEND\r\n");
    EXPECT_EQ(loaded.frame.headEnd, 7);
    EXPECT_EQ(loaded.frame.tailStart, 18);
}

struct FrameCase {
    const char* script;
    const char* bodies; // every dialog's body, one after the other
    int headEnd;
    int tailStart;
};

TEST(CutDialogs, UnusualShapesKeepEveryLineInADialogOrTheFrame) {
    const FrameCase cases[] = {
        // A second header before END starts the dialog afresh.
        {"IDD_A DIALOG FIXED IMPURE\nBEGIN\nIDD_B DIALOG FIXED IMPURE\nEND\n", "IDD_B DIALOG FIXED IMPURE\r\nEND\r\n",
         2, 5},
        // A dialog left open at the end stays in the tail.
        {"IDD_A DIALOG FIXED IMPURE\nEND\nIDD_B DIALOG FIXED IMPURE\nBEGIN\n", "IDD_A DIALOG FIXED IMPURE\r\nEND\r\n",
         0, 3},
        // Without a complete dialog the whole script is tail.
        {"", "", 0, 1},
        {"END\n", "", 0, 1},
        {"a\nIDD_A DIALOG FIXED IMPURE\nBEGIN\n", "", 0, 1},
    };
    for (const FrameCase& c : cases) {
        LoadedScript loaded;
        cutScript(c.script, loaded);
        std::string bodies;
        for (const Dialog& dialog : loaded.dialogs)
            bodies += utf8(dialog.body);
        EXPECT_EQ(bodies, c.bodies) << c.script;
        EXPECT_EQ(loaded.frame.headEnd, c.headEnd) << c.script;
        EXPECT_EQ(loaded.frame.tailStart, c.tailStart) << c.script;
    }
}

} // namespace
} // namespace velb
