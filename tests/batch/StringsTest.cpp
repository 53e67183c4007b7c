// velb-batch --strings: a changed dialog carried string by string, on small scripts of our own
// against golden files, and the promise that holds on every script: the English given as its
// own translation comes back unchanged.

#include "BatchRun.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace velb {
namespace {

using namespace testing;

class StringsTest : public BatchRun {
protected:
    static constexpr const char* kOptions = "--code-page 950 --any-dialog --strings ";
};

TEST_F(StringsTest, SmallScriptsMatchTheGoldenFiles) {
    const std::string inputs = scripts(fs::absolute(VELB_TEST_DATA) / "strings");
    ASSERT_EQ(run(kOptions + std::string("--changes changes.txt ") + inputs + " new.rc"), 0) << output("stderr");
    EXPECT_EQ(output("stdout"), golden("strings/stdout.txt"));
    ASSERT_EQ(run(kOptions + std::string("--merged --no-report ") + inputs + " merged.rc"), 0) << output("stderr");
    for (const char8_t* name : {u8"new_已翻譯.rc", u8"new_未翻譯.rc", u8"Velb報告.txt", u8"changes.txt", u8"merged.rc"})
        EXPECT_EQ(written(name), golden(fs::path(u8"strings") / name)) << utf8(name);
}

// On our scripts, and those of the corpus (../shared/corpus) that are there.
TEST_F(StringsTest, TheEnglishAsItsOwnTranslationGivesTheNewEnglishBack) {
    std::vector<fs::path> folders = {fs::absolute(VELB_TEST_DATA) / "strings",
                                     fs::absolute(VELB_TEST_DATA) / "compile"};
    for (const char* name : kCorpus)
        folders.push_back(fs::absolute(VELB_CORPUS) / name);
    for (const fs::path& folder : folders) {
        if (!fs::exists(folder))
            continue;
        const std::string english = quoted(folder / "old_en.rc");
        ASSERT_EQ(run(kOptions + std::string("--merged --no-report ") + english + " " + english + " " +
                      quoted(folder / "new_en.rc") + " out.rc"),
                  0)
            << output("stderr");
        EXPECT_EQ(written("out.rc"), crLfLines(fileBytes(folder / "new_en.rc"), std::identity{})) << folder;
    }
}

// The translated script exists to be compiled: the resource compiler must read the carried
// menus, string tables and dialogs as Traditional Chinese under the Chinese language.
TEST_F(StringsTest, TheResourceCompilerReadsTheCarriedTextsAsTraditionalChinese) {
    // It runs on the build machine: under Wine, or where it is not installed, the test is skipped.
    const std::string windres = "x86_64-w64-mingw32-windres";
    if (std::system((windres + " --version >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << windres << " is not at hand";
    for (const fs::path& file : fs::directory_iterator(fs::absolute(VELB_TEST_DATA) / "compile"))
        fs::copy_file(file, m_dir / file.filename());
    ASSERT_EQ(run(kOptions + std::string("--merged --no-report old_en.rc old_zh.rc new_en.rc out.rc")), 0);
    const std::string compile = kChangeFolder + quoted(m_dir) + " && " + windres + " -i new_en.rc -o en.res && " +
                                windres + " -i out.rc -o out.res && " + windres + " -i out.res -O rc -o out.txt";
    ASSERT_EQ(std::system(compile.c_str()), 0);
    EXPECT_EQ(written("out.txt"), golden("compile/out.txt"));
}

} // namespace
} // namespace velb
