// velb-batch on scripts of today's header forms: --any-dialog and the word it gives on scripts
// that only the option would read; on small scripts of our own against golden files, and on
// real scripts of public projects.

#include "BatchRun.h"
#include "CodePage.h"

#include <algorithm>
#include <regex>
#include <sstream>

namespace velb::testing {
namespace {

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
};

// The corpus (see ../shared/corpus/SOURCES.md): raw scripts of public projects across releases,
// with copies whose dialog headers were all rewritten to the old form.
struct Triple {
    const char* name;
    int oldEnglish, oldChinese, newEnglish, carriedOver;
};
constexpr Triple kTriples[] = {
    {"winmerge-2.5.4-2.6.0", 36, 36, 36, 25},
    {"winmerge-2.1.0.1-2.1.4.0", 15, 15, 19, 5},
    {"notepad3-5.20.915.1-5.21.227.1", 37, 37, 37, 21},
};

std::string scriptsOf(const fs::path& folder) {
    return quoted(folder / "old_en.rc") + " " + quoted(folder / "old_zh.rc") + " " + quoted(folder / "new_en.rc");
}

TEST_F(AnyDialogTest, ScriptsOfEveryHeaderFormMatchTheGoldenFiles) {
    copyScripts(VELB_TEST_DATA "/anydialog");
    ASSERT_EQ(run("--any-dialog old_en.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    for (const char* name : {"new_已翻譯.rc", "new_未翻譯.rc", "Velb報告.txt"})
        EXPECT_EQ(output(name), golden(fs::path("anydialog") / name)) << name;
    EXPECT_EQ(output("stdout"), "IDD_OPTIONS  →未替換\nIDD_GOTO\t →未替換\nIDD_PROGRESS  →未替換\n");
    EXPECT_EQ(output("stderr"),
              "已寫入 new_已翻譯.rc\n已寫入 new_未翻譯.rc\n已寫入 " + (m_dir / "Velb報告.txt").string() + "\n");
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
        ASSERT_EQ(run("--any-dialog " + scriptsOf(corpus / triple.name) + " raw.rc"), 0) << output("stderr");
        const std::string list = output("stdout");
        EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), triple.newEnglish - triple.carriedOver) << triple.name;
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

} // namespace
} // namespace velb::testing
