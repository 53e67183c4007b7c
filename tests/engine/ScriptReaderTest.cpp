// Reading scripts: line ends whatever pieces the file arrives in, header lines and names, and
// cutting real-world shapes of script (blocks ending in END before the first dialog, stray
// and unfinished dialogs).

#include "Golden.h"
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

// Each script of tests/data/cuts.txt, after its line "#### what it shows", cut: its dialogs, and
// where the head ends and the tail starts.
TEST(CutDialogs, EveryLineLandsInADialogOrTheFrame) {
    const std::string cases = testing::fileBytes(std::filesystem::path(VELB_TEST_DATA) / "cuts.txt");
    std::string seen;
    for (std::size_t at = 0; at < cases.size();) {
        const std::size_t script = cases.find('\n', at) + 1, next = std::min(cases.find("####", script), cases.size());
        LoadedScript loaded;
        testing::cutScript(std::string_view(cases).substr(script, next - script), loaded);
        seen += cases.substr(at, script - at);
        for (const Dialog& dialog : loaded.dialogs)
            seen += toUtf8(dialog.name) + "|" + toUtf8(dialog.body);
        seen += "head ends " + std::to_string(loaded.frame.headEnd) + ", tail starts " +
                std::to_string(loaded.frame.tailStart) + "\n";
        at = next;
    }
    EXPECT_EQ(seen, testing::golden(std::filesystem::path(VELB_TEST_DATA) / "golden/cuts.txt", seen));
}

} // namespace
} // namespace velb
