// velb-batch end to end, as scripts and CI drive it: the files it writes compared byte for
// byte with golden copies, its exit status, and what it prints.

#include "BatchRun.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace velb::testing;
using BatchTest = BatchRun;

// Scripts are Big5 whether the locale is plain ASCII or UTF-8.
class BatchInLocale : public BatchTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BatchInLocale, SeparateOutputAndReportMatchTheGoldenFiles) {
    run(m_examples + " new.rc", GetParam());
    expectTranscripts("separate", transcript());
    EXPECT_EQ(written(u8"new_已翻譯.rc"), golden(u8"separate/new_已翻譯.rc"));
    EXPECT_EQ(written(u8"new_未翻譯.rc"), golden(u8"separate/new_未翻譯.rc"));
    EXPECT_EQ(written(u8"Velb報告.txt"), goldenReport());
    EXPECT_FALSE(fs::exists(m_dir / "new.rc"));
}

INSTANTIATE_TEST_SUITE_P(AsciiAndUtf8, BatchInLocale, ::testing::Values("C", "C.UTF-8"));

TEST_F(BatchTest, MergedOutputWithoutReport) {
    ASSERT_EQ(run("--merged --no-report " + m_examples + " new.rc"), 0) << output("stderr");
    EXPECT_EQ(written("new.rc"), golden("merged/new.rc"));
    EXPECT_FALSE(fs::exists(m_dir / u8"Velb報告.txt"));
}

TEST_F(BatchTest, EveryByteOfAnUnchangedScriptIsCopied) {
    // tests/data/bytes/odd.rc has LF and lone-CR line ends, a user-defined character (FA 40, which
    // glibc's converter refuses), a lead byte before a line end, a trail byte that reads 'E': as
    // its own previous release and translation, the merged output is the script with CR LF ends.
    const std::string odd = quoted(fs::absolute(VELB_TEST_DATA) / "bytes/odd.rc");
    ASSERT_EQ(run("--merged --no-report " + odd + " " + odd + " " + odd + " out.rc"), 0) << output("stderr");
    EXPECT_EQ(written("out.rc"), golden("bytes/odd.rc"));
    EXPECT_EQ(output("stdout"), "");
}

TEST_F(BatchTest, FailedRunExitsWithOneAndTheWindowsMessage) {
    // Of empty arguments only the first is named.
    expectRuns("failed_runs", {"missing.rc b c d", "\"\" \"\" c d", "a \"\" \"\" d", "a b \"\" \"\"", "a b c \"\""});
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2); // stdout and stderr only
}

TEST_F(BatchTest, FilesWrittenAndTheListAreToldEvenWhenTheRunFailsAfterThem) {
    fs::create_directory(m_dir / u8"Velb報告.txt"); // the report cannot be written
    run(m_examples + " new.rc");
    expectTranscripts("report_unwritable", transcript());
#ifndef _WIN32 // Windows has no device that refuses every write, and lets no folder in use be deleted.
    run("--merged --no-report " + m_examples + " new.rc", "C", "/dev/full");
    std::string seen = transcript();
    // A current folder deleted under the run leaves the report nowhere to go.
    run("--merged " + m_examples + " " + quoted(m_dir / "new.rc"), "C", "stdout",
        "mkdir gone && cd gone && rmdir ../gone");
    expectTranscripts("output_unwritable", seen + transcript());
#endif
}

#ifndef _WIN32 // A Windows code page is the system's, not a locale's.
TEST_F(BatchTest, ALegacyLocaleIsCarriedByteForByteOrRefusedAtStart) {
    // ISO-8859-1, one byte a character, has a code-page number; KOI8-T has none.
    const std::string make = "localedef -i en_US -f ISO-8859-1 " + quoted(m_dir / "en_US.ISO-8859-1") +
                             " && localedef -i tg_TJ -f KOI8-T " + quoted(m_dir / "tg_TJ.KOI8-T");
    if (std::system((make + " >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "localedef cannot make the locales here";
    const std::string locales = "export LOCPATH=" + quoted(m_dir);
    ASSERT_EQ(run(m_examples + " new.rc", "en_US.ISO-8859-1", "stdout", locales), 0) << output("stderr");
    EXPECT_EQ(written(u8"new_已翻譯.rc"), golden(u8"separate/new_已翻譯.rc"));
    EXPECT_EQ(written(u8"Velb報告.txt"), "\xEF\xBB\xBF" + inUtf8(golden(u8"separate/Velb報告.txt")));
    run(m_examples + " out.rc", "tg_TJ.KOI8-T", "stdout", locales);
    expectTranscripts("koi8_locale", transcript());
    EXPECT_FALSE(fs::exists(m_dir / u8"out_已翻譯.rc"));
}
#endif

#ifndef _WIN32 // Windows makes no pipe nor sparse file from a shell command, and has no endless device.
TEST_F(BatchTest, InputsThatNeverEndOrCannotBeHeldAreRefusedAtOnce) {
    ASSERT_EQ(std::system(("cd " + quoted(m_dir) + " && mkfifo pipe.rc && truncate -s 1T huge.rc").c_str()), 0);
    // A pipe with no writer would block, /dev/zero never end.
    expectRuns("unreadable_inputs", {"pipe.rc b c d", "/dev/zero b c d", "huge.rc b c d"});
}
#endif

TEST_F(BatchTest, ChineseNamesOnTheCommandLineNameTheirFiles) {
    const fs::path names[] = {u8"舊版英文.rc", u8"舊版中文.rc", u8"新版英文.rc"};
    const char* examples[] = {"old_en.rc", "old_zh.rc", "new_en.rc"};
    std::string arguments;
    for (int i = 0; i < 3; ++i) {
        fs::copy_file(fs::absolute(VELB_EXAMPLES) / examples[i], m_dir / names[i]);
        arguments += utf8(names[i]) + " ";
    }
    fs::create_directory(m_dir / u8"輸出");
    ASSERT_EQ(run(arguments + utf8(u8"輸出/新版.rc")), 0) << output("stderr");
    EXPECT_EQ(written(u8"輸出/新版_已翻譯.rc"), golden(u8"separate/new_已翻譯.rc"));
    EXPECT_EQ(written(u8"輸出/新版_未翻譯.rc"), golden(u8"separate/new_未翻譯.rc"));
}

#ifndef _WIN32 // A Windows name is UTF-16 text, never bytes.
TEST_F(BatchTest, NamesWhoseBytesAreNoTextStillNameTheirFiles) {
    // "新版" in Big5: to a UTF-8 file system these bytes are a name but no text.
    const std::string name = "\xB7\x73\xAA\xA9";
    fs::copy_file(fs::path(VELB_EXAMPLES) / "new_en.rc", m_dir / (name + ".rc"));
    const std::string old =
        quoted(fs::path(VELB_EXAMPLES) / "old_en.rc") + " " + quoted(fs::path(VELB_EXAMPLES) / "old_zh.rc");
    ASSERT_EQ(run(old + " '" + name + ".rc' '" + name + ".rc'"), 0) << output("stderr");
    EXPECT_EQ(written(name + "_已翻譯.rc"), golden("separate/new_已翻譯.rc"));
    EXPECT_EQ(written(name + "_未翻譯.rc"), golden("separate/new_未翻譯.rc"));
    // In a message the bytes that are no text show as replacement characters.
    EXPECT_EQ(run("'" + name + "x.rc' b c d"), 1);
    EXPECT_EQ(output("stderr"), "無法讀取檔案「\uFFFDs\uFFFD\uFFFDx.rc」：找不到這個檔案或它所在的資料夾。\n");
}
#endif

TEST_F(BatchTest, CodePageOptionReadsAndWritesEveryFileInIt) {
    for (const char* name : {"old_en.rc", "old_zh.rc", "new_en.rc"})
        std::ofstream(m_dir / name, std::ios::binary) << inUtf8(fileBytes(fs::absolute(VELB_EXAMPLES) / name));
    ASSERT_EQ(run("--code-page 65001 old_en.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    for (const char8_t* name : {u8"new_已翻譯.rc", u8"new_未翻譯.rc", u8"Velb報告.txt"})
        EXPECT_EQ(written(name), inUtf8(golden(fs::path(u8"separate") / name)));
    // An English Windows's 1252 has no Chinese: the scripts still come out byte for byte, and
    // the report in UTF-8 rather than as rows of '?'.
    ASSERT_EQ(run("--code-page 1252 " + m_examples + " new.rc"), 0) << output("stderr");
    EXPECT_EQ(written(u8"new_已翻譯.rc"), golden(u8"separate/new_已翻譯.rc"));
    EXPECT_EQ(written(u8"new_未翻譯.rc"), golden(u8"separate/new_未翻譯.rc"));
    EXPECT_EQ(written(u8"Velb報告.txt"), "\xEF\xBB\xBF" + inUtf8(golden(u8"separate/Velb報告.txt")));
    run("--code-page 54936 " + m_examples + " new.rc");
    expectTranscripts("gb18030", transcript());
}

#ifndef _WIN32 // script(1) gives velb-batch a terminal of its own.
TEST_F(BatchTest, OnATerminalTheProgressLineIsClearedForAMessage) {
    const std::string onTerminal = "cd " + quoted(m_dir) + " && LC_ALL=C script -qec \"" + quoted(m_batch) +
                                   " missing.rc b c d\" /dev/null >terminal 2>&1";
    if (std::system("script --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "script(1) is not installed";
    EXPECT_NE(runCommand(onTerminal), 0);
    EXPECT_EQ(written("terminal"), "\r\033[K無法讀取檔案「missing.rc」：找不到這個檔案或它所在的資料夾。\r\n");
}
#endif

TEST_F(BatchTest, UsageErrorsExitWithTwoHelpWithZeroAndASlashBeginsAPath) {
    // On every platform no Windows-style option is read.
    expectRuns("usage", {"a b c", "--bogus a b c d e", "--code-page abc a b c d", "a b c d --changes",
                         "--code-page 950 --code-page 936 a b c d", "--help", "/merged b c d"});
}

} // namespace
