// velb-batch on scripts of today's header forms: --any-dialog, the word it gives on scripts
// that only the option would read, and the changes file of --changes; on small scripts of our
// own against golden files, and on real scripts of public projects.

#include "BatchRun.h"
#include "CodePage.h"

#include <algorithm>
#include <regex>
#include <sstream>
#include <vector>

namespace velb::testing {
namespace {

using Lines = std::vector<std::string>;

// The lines of text, whatever their ends.
Lines linesOf(std::string text) {
    std::erase(text, '\r');
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A diff's "--- old_en.rc<TAB>640-668": its first and last line.
std::pair<std::size_t, std::size_t> rangeOf(const std::string& fileLine) {
    const std::size_t from = fileLine.rfind('\t') + 1, dash = fileLine.find('-', from);
    return {std::stoul(fileLine.substr(from, dash - from)), std::stoul(fileLine.substr(dash + 1))};
}

// A dialog header of every form rewritten to "NAME DIALOG FIXED IMPURE coordinates", keeping the
// blanks around the keyword: how the corpus's -fixed copies were made.
std::string withOldFormHeaders(const std::string& script) {
    static const std::regex header("^([^ \t,\r\n]+[ \t]+)DIALOG(EX)?((?:[ \t]+(?:DISCARDABLE|MOVEABLE|FIXED|PURE|"
                                   "IMPURE|PRELOAD|LOADONCALL|SHARED|NONSHARED))*)([ \t]+[-+(0-9A-Za-z])");
    std::string rewritten;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);)
        rewritten += std::regex_replace(line, header, "$1DIALOG FIXED IMPURE$4") + "\n";
    return rewritten;
}

class AnyDialogTest : public BatchRun {
protected:
    void copyScripts(const fs::path& from) {
        for (const char* name : {"old_en.rc", "old_zh.rc", "new_en.rc"})
            fs::copy_file(from / name, m_dir / name, fs::copy_options::overwrite_existing);
    }

    // Every diff of the changes file, applied by GNU patch to the old English body standing at
    // its own lines of the script, gives the new English body exactly, with no line searched
    // for; returns how many diffs there were.
    int expectDiffsApply(const std::string& changes, const fs::path& oldScript, const fs::path& newScript) {
        const Lines oldLines = linesOf(contents(oldScript)), newLines = linesOf(contents(newScript));
        const Lines lines = linesOf(changes);
        int diffs = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!lines[i].starts_with("--- "))
                continue;
            const std::string fromLine = lines[i];
            const auto [oldFirst, oldLast] = rangeOf(fromLine);
            const auto [newFirst, newLast] = rangeOf(lines[i + 1]);
            std::ofstream diff(m_dir / "dialog.diff", std::ios::binary);
            for (; i < lines.size() && !lines[i].empty() &&
                   std::string_view("-+@ ").find(lines[i][0]) != std::string_view::npos;
                 ++i)
                diff << lines[i] << '\n';
            diff.close();
            // The lines in front of the body hold a byte no script line holds, so that no
            // context can match there.
            std::ofstream body(m_dir / "body.rc", std::ios::binary);
            for (std::size_t k = 1; k <= oldLast; ++k)
                body << (k < oldFirst ? "\x7F" : oldLines[k - 1]) << '\n';
            body.close();
            const std::string command =
                "cd " + quoted(m_dir) + " && patch --fuzz=0 -o patched.rc body.rc dialog.diff >patch.log 2>&1";
            EXPECT_EQ(std::system(command.c_str()), 0) << output("patch.log");
            EXPECT_EQ(output("patch.log").find("offset"), std::string::npos) << output("patch.log");
            const Lines patched = linesOf(output("patched.rc"));
            EXPECT_EQ(Lines(patched.begin() + static_cast<long>(oldFirst) - 1, patched.end()),
                      Lines(newLines.begin() + static_cast<long>(newFirst) - 1,
                            newLines.begin() + static_cast<long>(newLast)))
                << fromLine;
            ++diffs;
        }
        return diffs;
    }
};

// The corpus (see ../shared/corpus/SOURCES.md): raw scripts of public projects across releases,
// with copies whose dialog headers were all rewritten to the old form.
struct Triple {
    const char* name;
    int oldEnglish, oldChinese;
    const char* counts; // the changes file's last line
    int changed;
};
constexpr Triple kTriples[] = {
    {"winmerge-2.5.4-2.6.0", 36, 36, "carried over 25, new 0, changed 11, not translated 0\n", 11},
    {"winmerge-2.1.0.1-2.1.4.0", 15, 15, "carried over 5, new 4, changed 10, not translated 0\n", 10},
    {"notepad3-5.20.915.1-5.21.227.1", 37, 37, "carried over 21, new 0, changed 16, not translated 0\n", 16},
};

std::string scriptsOf(const fs::path& folder) {
    return quoted(folder / "old_en.rc") + " " + quoted(folder / "old_zh.rc") + " " + quoted(folder / "new_en.rc");
}

TEST_F(AnyDialogTest, ScriptsOfEveryHeaderFormMatchTheGoldenFiles) {
    copyScripts(VELB_TEST_DATA "/anydialog");
    ASSERT_EQ(run("--any-dialog --changes changes.txt old_en.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    for (const char* name : {"new_已翻譯.rc", "new_未翻譯.rc", "Velb報告.txt", "changes.txt"})
        EXPECT_EQ(output(name), golden(fs::path("anydialog") / name)) << name;
    EXPECT_EQ(output("stdout"), "IDD_OPTIONS  →未替換\nIDD_GOTO\t →未替換\nIDD_PROGRESS  →未替換\n");
    EXPECT_EQ(output("stderr"), "已寫入 new_已翻譯.rc\n已寫入 new_未翻譯.rc\n已寫入 " +
                                    (m_dir / "Velb報告.txt").string() + "\n已寫入 changes.txt\n");
    // With "-" the changes go to standard output in place of the list.
    ASSERT_EQ(run("--any-dialog --no-report --changes - old_en.rc old_zh.rc new_en.rc new.rc"), 0);
    EXPECT_EQ(output("stdout"), golden("anydialog/changes.txt"));
}

TEST_F(AnyDialogTest, WithoutTheOptionAScriptOfOtherHeaderFormsIsToldOncePerScript) {
    // The old Chinese script's three dialogs are all of other forms; the new English script
    // has one "DIALOG FIXED IMPURE" dialog and is not told.
    copyScripts(VELB_TEST_DATA "/anydialog");
    ASSERT_EQ(run("--no-report old_zh.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    const std::string told = "「old_zh.rc」中沒有 DIALOG FIXED IMPURE 形式的對話框，但有 3 "
                             "行是其他形式的對話框標頭；加上 --any-dialog 就會讀取這些對話框。\n";
    EXPECT_EQ(output("stderr"), told + told + "已寫入 new_已翻譯.rc\n已寫入 new_未翻譯.rc\n");
    // Scripts of the old form read the same with the option as without.
    copyScripts(VELB_EXAMPLES);
    ASSERT_EQ(run("--any-dialog old_en.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    for (const char* name : {"new_已翻譯.rc", "new_未翻譯.rc", "Velb報告.txt"})
        EXPECT_EQ(output(name), golden(fs::path("separate") / name)) << name;
}

TEST_F(AnyDialogTest, CorpusOfPublicProjectsIsReadWithTheOptionAsItsFixedCopiesWithout) {
    const fs::path corpus = VELB_CORPUS;
    if (!fs::exists(corpus))
        GTEST_SKIP() << "the public scripts are not at " << corpus;
    for (const Triple& triple : kTriples) {
        ASSERT_EQ(run("--any-dialog --changes changes.txt " + scriptsOf(corpus / triple.name) + " raw.rc"), 0)
            << output("stderr");
        EXPECT_TRUE(output("changes.txt").ends_with(triple.counts)) << triple.name;
        std::u16string report;
        CodePage(950).decodeAppend(output("Velb報告.txt"), report);
        EXPECT_NE(toUtf8(report).find("舊版英文讀入: " + std::to_string(triple.oldEnglish) +
                                      " 個\r\n舊版中文讀入: " + std::to_string(triple.oldChinese) + " 個\r\n"),
                  std::string::npos)
            << triple.name;
        fs::rename(m_dir / "Velb報告.txt", m_dir / "raw report.txt");

        ASSERT_EQ(run(scriptsOf(corpus / (std::string(triple.name) + "-fixed")) + " fixed.rc"), 0);
        EXPECT_EQ(output("Velb報告.txt"), output("raw report.txt")) << triple.name;
        for (const std::string part : {"_已翻譯.rc", "_未翻譯.rc"})
            EXPECT_EQ(output("fixed" + part), withOldFormHeaders(output("raw" + part))) << triple.name << part;
    }
}

TEST_F(AnyDialogTest, EveryDiffOfTheChangesFileAppliesWithGnuPatch) {
    if (std::system("patch --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "GNU patch is not installed";
    copyScripts(VELB_TEST_DATA "/anydialog");
    ASSERT_EQ(run("--any-dialog --changes - old_en.rc old_zh.rc new_en.rc new.rc"), 0);
    EXPECT_EQ(expectDiffsApply(output("stdout"), m_dir / "old_en.rc", m_dir / "new_en.rc"), 1);
    const fs::path corpus = VELB_CORPUS;
    if (!fs::exists(corpus))
        return;
    for (const Triple& triple : kTriples) {
        ASSERT_EQ(run("--any-dialog --changes - " + scriptsOf(corpus / triple.name) + " new.rc"), 0);
        EXPECT_EQ(
            expectDiffsApply(output("stdout"), corpus / triple.name / "old_en.rc", corpus / triple.name / "new_en.rc"),
            triple.changed)
            << triple.name;
    }
}

} // namespace
} // namespace velb::testing
