// velb-batch on scripts of today's header forms: --any-dialog, the word it gives on scripts
// that only the option would read, and the changes file of --changes; on small scripts of our
// own against golden files, and on real scripts of public projects.

#include "BatchRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>
#include <vector>

namespace velb {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

Lines linesOf(std::string text) {
    std::erase(text, '\r');
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Every dialog header rewritten to "NAME DIALOG FIXED IMPURE coordinates", the blanks around
// the keyword kept: how the -fixed copies were made.
std::string withOldFormHeaders(const std::string& script) {
    static const std::regex header("^([^ \t,\r\n]+[ \t]+)DIALOG(EX)?((?:[ \t]+(?:DISCARDABLE|MOVEABLE|FIXED|PURE|"
                                   "IMPURE|PRELOAD|LOADONCALL|SHARED|NONSHARED))*)([ \t]+[-+(0-9A-Za-z])");
    std::string rewritten;
    for (const std::string& line : linesOf(script))
        rewritten += std::regex_replace(line, header, "$1DIALOG FIXED IMPURE$4") + "\r\n";
    return rewritten;
}

class AnyDialogTest : public BatchRun {
protected:
    void copyScripts(const fs::path& from) {
        for (const char* name : {"old_en.rc", "old_zh.rc", "new_en.rc"})
            fs::copy_file(from / name, m_dir / name, fs::copy_options::overwrite_existing);
    }

    // Applies each diff of the changes file with GNU patch to the old English body standing at
    // its own lines (those in front hold a byte no script holds, so no context matches there):
    // each must give the new English body, with no line searched for. Returns how many there were.
    int applyDiffs(const std::string& changes, const fs::path& oldScript, const fs::path& newScript) {
        const Lines oldLines = linesOf(contents(oldScript)), newLines = linesOf(contents(newScript));
        const Lines lines = linesOf(changes);
        int diffs = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!lines[i].starts_with("--- "))
                continue;
            // "--- old_en.rc<TAB>640-668", "+++ new_en.rc<TAB>650-679"
            std::size_t oldFirst = 0, oldLast = 0, newFirst = 0, newLast = 0;
            std::sscanf(lines[i].c_str() + lines[i].rfind('\t'), "\t%zu-%zu", &oldFirst, &oldLast);
            std::sscanf(lines[i + 1].c_str() + lines[i + 1].rfind('\t'), "\t%zu-%zu", &newFirst, &newLast);
            std::string diff, body, expected;
            for (; i < lines.size() && !lines[i].empty() && lines[i].find_first_of("-+@ ") == 0; ++i)
                diff += lines[i] + "\n";
            for (std::size_t k = 1; k < oldFirst; ++k)
                body += "\x7F\n";
            expected = body;
            for (std::size_t k = oldFirst; k <= oldLast; ++k)
                body += oldLines[k - 1] + "\n";
            for (std::size_t k = newFirst; k <= newLast; ++k)
                expected += newLines[k - 1] + "\n";
            std::ofstream(m_dir / "body.rc", std::ios::binary) << body;
            std::ofstream(m_dir / "dialog.diff", std::ios::binary) << diff;
            const std::string patch = "cd " + quoted(m_dir) + " && patch --fuzz=0 -o new.rc body.rc dialog.diff >log";
            EXPECT_EQ(std::system(patch.c_str()), 0) << output("log");
            EXPECT_EQ(output("log").find("offset"), std::string::npos) << output("log");
            EXPECT_EQ(written("new.rc"), expected) << diff;
            ++diffs;
        }
        return diffs;
    }
};

TEST_F(AnyDialogTest, ScriptsOfEveryHeaderFormMatchTheGoldenFiles) {
    copyScripts(fs::absolute(VELB_TEST_DATA) / "anydialog");
    ASSERT_EQ(run("--any-dialog --changes changes.txt old_en.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    for (const char8_t* name : {u8"new_已翻譯.rc", u8"new_未翻譯.rc", u8"Velb報告.txt", u8"changes.txt"})
        EXPECT_EQ(written(name), golden(fs::path(u8"anydialog") / name));
    EXPECT_EQ(output("stdout"), "IDD_OPTIONS  →未替換\nIDD_GOTO\t →未替換\nIDD_PROGRESS  →未替換\n");
    EXPECT_EQ(output("stderr"), "已寫入 new_已翻譯.rc\n已寫入 new_未翻譯.rc\n已寫入 " + utf8(m_dir / u8"Velb報告.txt") +
                                    "\n已寫入 changes.txt\n");
    // With "-" the changes go to standard output in place of the list.
    ASSERT_EQ(run("--any-dialog --no-report --changes - old_en.rc old_zh.rc new_en.rc new.rc"), 0);
    EXPECT_EQ(output("stdout"), golden("anydialog/changes.txt"));
}

TEST_F(AnyDialogTest, WithoutTheOptionAScriptOfOtherHeaderFormsIsToldOncePerScript) {
    // The old Chinese script's three dialogs are all of other forms; the new English script
    // has one "DIALOG FIXED IMPURE" dialog and is not told.
    copyScripts(fs::absolute(VELB_TEST_DATA) / "anydialog");
    ASSERT_EQ(run("--no-report old_zh.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    const std::string told = "「old_zh.rc」中沒有 DIALOG FIXED IMPURE 形式的對話框，但有 3 "
                             "行是其他形式的對話框標頭；加上 --any-dialog 就會讀取這些對話框。\n";
    EXPECT_EQ(output("stderr"), told + told + "已寫入 new_已翻譯.rc\n已寫入 new_未翻譯.rc\n");
    // Scripts of the old form read the same with the option as without.
    copyScripts(fs::absolute(VELB_EXAMPLES));
    ASSERT_EQ(run("--any-dialog old_en.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    for (const char8_t* name : {u8"new_已翻譯.rc", u8"new_未翻譯.rc", u8"Velb報告.txt"})
        EXPECT_EQ(written(name), golden(fs::path(u8"separate") / name));
}

TEST_F(AnyDialogTest, CorpusRawScriptsWithTheOptionReadAsTheirFixedCopiesWithout) {
    const fs::path corpus = fs::absolute(VELB_CORPUS);
    if (!fs::exists(corpus))
        GTEST_SKIP() << "the public scripts are not at " << corpus;
    for (const CorpusTriple& triple : kCorpus) {
        ASSERT_EQ(run("--any-dialog --changes changes.txt " + scripts(corpus / triple.name) + " raw.rc"), 0)
            << output("stderr");
        EXPECT_TRUE(written("changes.txt").ends_with(triple.counts)) << triple.name;
        std::u16string report;
        CodePage(950).decodeAppend(written(u8"Velb報告.txt"), report);
        EXPECT_NE(toUtf8(report).find(triple.oldCounts), std::string::npos) << triple.name;
        fs::rename(m_dir / u8"Velb報告.txt", m_dir / "raw report.txt");

        ASSERT_EQ(run(scripts(corpus / (std::string(triple.name) + "-fixed")) + " fixed.rc"), 0);
        EXPECT_EQ(written(u8"Velb報告.txt"), written("raw report.txt")) << triple.name;
        for (const std::string part : {"_已翻譯.rc", "_未翻譯.rc"})
            EXPECT_EQ(written("fixed" + part), withOldFormHeaders(written("raw" + part))) << triple.name << part;
    }
}

TEST_F(AnyDialogTest, EveryDiffOfTheChangesFileAppliesWithGnuPatch) {
    if (std::system("patch --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "GNU patch is not installed";
    copyScripts(fs::absolute(VELB_TEST_DATA) / "anydialog");
    std::vector<std::pair<fs::path, int>> folders = {{m_dir, 1}};
    for (const CorpusTriple& triple : kCorpus) {
        if (const fs::path folder = fs::absolute(VELB_CORPUS) / triple.name; fs::exists(folder))
            folders.emplace_back(folder, triple.changed);
    }
    for (const auto& [folder, changed] : folders) {
        ASSERT_EQ(run("--any-dialog --changes - " + scripts(folder) + " out.rc"), 0) << output("stderr");
        EXPECT_EQ(applyDiffs(output("stdout"), folder / "old_en.rc", folder / "new_en.rc"), changed) << folder;
    }
}

} // namespace
} // namespace velb
