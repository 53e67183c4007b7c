// Reading scripts: line ends whatever pieces the file arrives in, header lines and names, and
// cutting real-world shapes of script (blocks ending in END before the first dialog, stray
// and unfinished dialogs).

#include "ScriptText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

using Lines = std::vector<std::string>;

// The lines of bytes, which must not depend on where the file's pieces happen to end.
Lines linesOf(std::string_view bytes) {
    Lines wholeRead;
    for (const std::size_t readSize : {SIZE_MAX, std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
        ResourceScript script;
        testing::QuietView view;
        testing::StringFile file{std::string(bytes), readSize};
        loadLines(file, testing::big5(), script, view);
        EXPECT_EQ(view.pumps, script.lineCount());
        EXPECT_EQ(toUtf8(script.lines(1, script.lineCount())), toUtf8(script.text));
        Lines lines;
        for (int i = 1; i <= script.lineCount(); ++i)
            lines.push_back(toUtf8(script.line(i)));
        if (readSize == SIZE_MAX)
            wholeRead = lines;
        EXPECT_EQ(lines, wholeRead) << "read " << readSize << " bytes at a time";
    }
    return wholeRead;
}

TEST(LoadLines, EachTerminatorEndsOneLineAndNoneAddsAnEmptyLast) {
    EXPECT_EQ(linesOf(""), Lines{});
    EXPECT_EQ(linesOf("a\r\n"), Lines{"a"});
    EXPECT_EQ(linesOf("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf("a\rb\nc\r\n"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(linesOf("\n\r\n\r"), (Lines{"", "", ""}));
    EXPECT_EQ(linesOf("a\n\rb"), (Lines{"a", "", "b"}));                   // LF then CR: two terminators
    EXPECT_EQ(linesOf("\xB4\x4E\r\r\n\xA7"), (Lines{"就", "", "\uFFFD"})); // a lead byte alone at the end
}

TEST(LoadLines, ScriptsLargerThanAReadAndLinesLongerThanOneGiveTheSameLines) {
    // Every terminator, across the ends of the reader's pieces, then one line longer than a piece.
    const char* const ends[] = {"\r\n", "\n", "\r"};
    Lines expected;
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < 200'000; ++i) {
        expected.push_back("就 " + std::to_string(i));
        bytes += testing::big5Bytes(expected.back()) + ends[i % std::size(ends)];
    }
    expected.push_back(std::string(300'000, 'x'));
    bytes += expected.back();
    EXPECT_EQ(linesOf(bytes), expected);
}

struct CutCase {
    const char* script;
    const char* cut; // each dialog as "name|body", one after the other
    int headEnd;
    int tailStart;
};

TEST(CutDialogs, EveryLineLandsInADialogOrTheFrame) {
    const CutCase cases[] = {
        // END lines of other blocks close nothing, nor do END lines with blanks around them.
        {"// head\nIDR_MENU MENU\nBEGIN\n    END\nEND\n"
         "IDD_A DIALOG FIXED IMPURE 0, 0, 1, 1\nEND\n// between\n"
         "IDD_B DIALOG FIXED IMPURE\n    LTEXT \"就\"\nEND \n  END\nEND\nSTRINGTABLE\nBEGIN\nEND\n",
         "IDD_A |IDD_A DIALOG FIXED IMPURE 0, 0, 1, 1\r\nEND\r\n"
         "IDD_B |IDD_B DIALOG FIXED IMPURE\r\n    LTEXT \"就\"\r\nEND \r\n  END\r\nEND\r\n",
         5, 14},
        // A second header before END starts the dialog afresh.
        {"IDD_A DIALOG FIXED IMPURE\nBEGIN\nIDD_B DIALOG FIXED IMPURE\nEND\n",
         "IDD_B |IDD_B DIALOG FIXED IMPURE\r\nEND\r\n", 2, 5},
        // A dialog left open at the end stays in the tail.
        {"IDD_A DIALOG FIXED IMPURE\nEND\nIDD_B DIALOG FIXED IMPURE\nBEGIN\n",
         "IDD_A |IDD_A DIALOG FIXED IMPURE\r\nEND\r\n", 0, 3},
        // The name is everything up to the blank before DIALOG, blanks included; a tab is no blank.
        {" IDD_A  DIALOG FIXED IMPURE 0, 0\nEND\nIDD_B\tDIALOG FIXED IMPURE\nEND\n",
         " IDD_A  | IDD_A  DIALOG FIXED IMPURE 0, 0\r\nEND\r\n|IDD_B\tDIALOG FIXED IMPURE\r\nEND\r\n", 0, 5},
        // Other cases and spacings of the words make no header line.
        {"IDD_A dialog fixed impure\nEND\nIDD_B DIALOG  FIXED IMPURE\nEND\nIDD_C DIALOGEX 0, 0\nEND\n", "", 0, 1},
        // Without a complete dialog the whole script is tail.
        {"END\n", "", 0, 1},
        {"a\nIDD_A DIALOG FIXED IMPURE\nBEGIN\n", "", 0, 1},
    };
    for (const CutCase& c : cases) {
        LoadedScript loaded;
        testing::cutScript(c.script, loaded);
        std::string cut;
        for (const Dialog& dialog : loaded.dialogs)
            cut += toUtf8(dialog.name) + "|" + toUtf8(dialog.body);
        EXPECT_EQ(cut, c.cut) << c.script;
        EXPECT_EQ(loaded.frame.headEnd, c.headEnd) << c.script;
        EXPECT_EQ(loaded.frame.tailStart, c.tailStart) << c.script;
    }
}

} // namespace
} // namespace velb
