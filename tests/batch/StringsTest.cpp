// velb-batch --strings: a changed dialog carried string by string, on small scripts of our own
// against golden files, and the promises that hold on every script: the English given as its
// own translation comes back unchanged, and every line written comes from an input.

#include "BatchRun.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <vector>

namespace velb {
namespace {

using namespace testing;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A line with its strings and numbers blotted out: what is left is the statement's shape.
std::string shapeOf(const std::string& line) {
    static const std::regex literal(R"("([^"]|"")*"|[0-9]+)");
    return std::regex_replace(line, literal, "#");
}

class StringsTest : public BatchRun {
protected:
    // The folders of the corpus (../shared/corpus) that are there, and ours.
    static std::vector<fs::path> tripleFolders() {
        std::vector<fs::path> folders = {fs::absolute(VELB_TEST_DATA) / "strings",
                                         fs::absolute(VELB_TEST_DATA) / "compile"};
        for (const CorpusTriple& triple : kCorpus) {
            if (const fs::path folder = fs::absolute(VELB_CORPUS) / triple.name; fs::exists(folder))
                folders.push_back(folder);
        }
        return folders;
    }
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

TEST_F(StringsTest, TheEnglishAsItsOwnTranslationGivesTheNewEnglishBack) {
    for (const fs::path& folder : tripleFolders()) {
        const std::string english = quoted(folder / "old_en.rc");
        ASSERT_EQ(run(kOptions + std::string("--merged --no-report ") + english + " " + english + " " +
                      quoted(folder / "new_en.rc") + " out.rc"),
                  0)
            << output("stderr");
        std::string expected;
        for (const std::string& line : linesOf(contents(folder / "new_en.rc")))
            expected += line + "\r\n";
        EXPECT_EQ(written("out.rc"), expected) << folder;
    }
}

TEST_F(StringsTest, EveryLineWrittenIsALineOfTheInputsWithItsStringsOrNumbersCarried) {
    for (const fs::path& folder : tripleFolders()) {
        ASSERT_EQ(run(kOptions + std::string("--merged --no-report ") + scripts(folder) + " out.rc"), 0);
        std::set<std::string> shapes;
        for (const char* input : {"new_en.rc", "old_zh.rc"}) {
            for (const std::string& line : linesOf(contents(folder / input)))
                shapes.insert(shapeOf(line));
        }
        const std::vector<std::string> lines = linesOf(written("out.rc"));
        for (const std::string& line : lines)
            EXPECT_TRUE(shapes.contains(shapeOf(line))) << folder << ": " << line;
        // Each dialog comes out in place of its English one, so the lines keep their number
        // but for a statement the translator wrapped otherwise.
        EXPECT_NEAR(static_cast<double>(lines.size()), linesOf(contents(folder / "new_en.rc")).size(), 30) << folder;
    }
}

// The translated script exists to be compiled: the resource compiler must read the carried
// menus, string tables and dialogs as Traditional Chinese under the Chinese language.
TEST_F(StringsTest, TheResourceCompilerReadsTheCarriedTextsAsTraditionalChinese) {
#ifdef _WIN32
    GTEST_SKIP() << "the resource compiler runs on the build machine";
#endif
    const std::string windres = "x86_64-w64-mingw32-windres";
    if (std::system((windres + " --version >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << windres << " is not installed";
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
