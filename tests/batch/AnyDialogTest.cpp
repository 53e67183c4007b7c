// velb-batch on scripts of today's header forms: --any-dialog, the word it gives on scripts
// that only the option would read, and the changes file of --changes; on small scripts of our
// own against golden files, and on real scripts of public projects.

#include "BatchRun.h"

#include <gtest/gtest.h>

#include <regex>

namespace velb {
namespace {

using namespace testing;
// Every dialog header rewritten to "NAME DIALOG FIXED IMPURE coordinates", the blanks around
// the keyword kept: how the -fixed copies were made.
std::string withOldFormHeaders(const std::string& script) {
    static const std::regex header("^([^ \t,\r\n]+[ \t]+)DIALOG(EX)?((?:[ \t]+(?:DISCARDABLE|MOVEABLE|FIXED|PURE|"
                                   "IMPURE|PRELOAD|LOADONCALL|SHARED|NONSHARED))*)([ \t]+[-+(0-9A-Za-z])");
    return crLfLines(
        script, [](const std::string& line) { return std::regex_replace(line, header, "$1DIALOG FIXED IMPURE$4"); });
}

class AnyDialogTest : public BatchRun {
protected:
    void copyScripts(const fs::path& from) {
        for (const char* name : {"old_en.rc", "old_zh.rc", "new_en.rc"})
            fs::copy_file(from / name, m_dir / name, fs::copy_options::overwrite_existing);
    }
};

TEST_F(AnyDialogTest, ScriptsOfEveryHeaderFormMatchTheGoldenFiles) {
    copyScripts(fs::absolute(VELB_TEST_DATA) / "anydialog");
    run("--any-dialog --changes changes.txt old_en.rc old_zh.rc new_en.rc new.rc");
    expectTranscripts("anydialog", transcript());
    for (const char8_t* name : {u8"new_已翻譯.rc", u8"new_未翻譯.rc", u8"Velb報告.txt", u8"changes.txt"})
        EXPECT_EQ(written(name), golden(fs::path(u8"anydialog") / name));
    // With "-" the changes go to standard output in place of the list.
    ASSERT_EQ(run("--any-dialog --no-report --changes - old_en.rc old_zh.rc new_en.rc new.rc"), 0);
    EXPECT_EQ(output("stdout"), golden("anydialog/changes.txt"));
}

TEST_F(AnyDialogTest, WithoutTheOptionAScriptOfOtherHeaderFormsIsToldOncePerScript) {
    // The old Chinese script's three dialogs are all of other forms; the new English script
    // has one "DIALOG FIXED IMPURE" dialog and is not told.
    copyScripts(fs::absolute(VELB_TEST_DATA) / "anydialog");
    run("--no-report old_zh.rc old_zh.rc new_en.rc new.rc");
    expectTranscripts("other_header_forms", transcript());
    // Scripts of the old form read the same with the option as without.
    copyScripts(fs::absolute(VELB_EXAMPLES));
    ASSERT_EQ(run("--any-dialog old_en.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    for (const char8_t* name : {u8"new_已翻譯.rc", u8"new_未翻譯.rc", u8"Velb報告.txt"})
        EXPECT_EQ(written(name), golden(fs::path(u8"separate") / name));
}

// The changes file's last line counts the dialogs each leaves to translate.
TEST_F(AnyDialogTest, CorpusRawScriptsWithTheOptionReadAsTheirFixedCopiesWithout) {
    const fs::path corpus = fs::absolute(VELB_CORPUS);
    if (!fs::exists(corpus))
        GTEST_SKIP() << "the public scripts are not at " << corpus;
    std::string counts;
    for (const std::string name : kCorpus) {
        ASSERT_EQ(run("--any-dialog --changes changes.txt " + scripts(corpus / name) + " raw.rc"), 0)
            << output("stderr");
        const std::string changes = written("changes.txt");
        counts += name + ": " + changes.substr(changes.rfind('\n', changes.size() - 2) + 1);
        fs::rename(m_dir / u8"Velb報告.txt", m_dir / "raw report.txt");

        ASSERT_EQ(run(scripts(corpus / (name + "-fixed")) + " fixed.rc"), 0);
        EXPECT_EQ(written(u8"Velb報告.txt"), written("raw report.txt")) << name;
        for (const std::string part : {"_已翻譯.rc", "_未翻譯.rc"})
            EXPECT_EQ(written("fixed" + part), withOldFormHeaders(written("raw" + part))) << name << part;
    }
    expectTranscripts("corpus_counts", counts);
}

} // namespace
} // namespace velb
