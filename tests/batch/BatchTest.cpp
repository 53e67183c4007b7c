// velb-batch end to end, as scripts and CI drive it: the files it writes compared byte for
// byte with golden copies, its exit status, and what it prints.

#include "CodePage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
// The command is UTF-8; cmd.exe is given it as UTF-16, so Chinese names reach it whole.
int runCommand(const std::string& command) {
    return _wsystem(fs::path(std::u8string(command.begin(), command.end())).c_str());
}
#else
int runCommand(const std::string& command) {
    return std::system(command.c_str());
}
#endif

#ifdef _WIN32
// Commands run in cmd.exe, where the code page is the system's (950 under the tests) whatever
// LC_ALL says, and the exit status is the program's.
const std::string kChangeFolder = "cd /d ", kSet = "set ", kQuote = "\"";
const auto exitStatus = [](int status) { return status; };
#else
const std::string kChangeFolder = "cd ", kSet = "export ", kQuote = "'";
const auto exitStatus = [](int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; };
#endif

// Files written are compared byte for byte; what velb-batch prints is read as text.
std::string contents(const fs::path& path, std::ios::openmode mode = std::ios::binary) {
    std::ifstream in(path, mode);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Big5 bytes as UTF-8.
std::string inUtf8(const std::string& big5) {
    std::u16string text;
    velb::CodePage(950).decodeAppend(big5, text);
    return velb::CodePage(velb::kUtf8CodePage).encode(text);
}

std::string quoted(const fs::path& path) {
    return kQuote + path.string() + kQuote;
}

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Runs velb-batch in the temporary folder under the given locale, after a shell command if
    // one is given, its standard output going to the file "stdout" unless another is named;
    // returns its exit status.
    int run(const std::string& arguments, const std::string& locale = "C", const std::string& out = "stdout",
            const std::string& before = "cd .") {
        const std::string command = kChangeFolder + quoted(m_dir) + " && " + before + " && " + kSet +
                                    "LC_ALL=" + locale + "&& " + quoted(m_batch) + " " + arguments + " >" +
                                    quoted(m_dir / out) + " 2>" + quoted(m_dir / "stderr");
        return exitStatus(runCommand(command));
    }
    static std::string scripts(const fs::path& dir) {
        return quoted(dir / "old_en.rc") + " " + quoted(dir / "old_zh.rc") + " " + quoted(dir / "new_en.rc");
    }
    std::string written(const fs::path& name) const { return contents(m_dir / name); }
    std::string output(const char* name) const { return contents(m_dir / name, std::ios::in); }
    static std::string golden(const fs::path& name) { return contents(fs::path(VELB_GOLDEN) / name); }
    // The report is in the system's code page, unless that has no Chinese (an English
    // Windows's 1252): then it is UTF-8, marked so.
    static std::string goldenReport() {
        const std::string report = golden(u8"separate/Velb報告.txt");
        return velb::CodePage::system().number() == 950 ? report : "\xEF\xBB\xBF" + inUtf8(report);
    }
    static std::string utf8(const fs::path& path) { return reinterpret_cast<const char*>(path.u8string().data()); }

    // A folder of its own, so that two runs of the suite side by side never share one.
    const fs::path m_dir = fs::temp_directory_path() / ("velb-batch-" + std::to_string(std::random_device{}()));
    // Named from the root of their drive: on Windows the temporary folder may be on another.
    const fs::path m_batch = fs::absolute(VELB_BATCH);
    const std::string m_examples = scripts(fs::absolute(VELB_EXAMPLES));
};

// Scripts are Big5 whether the locale is plain ASCII or UTF-8.
class BatchInLocale : public BatchTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BatchInLocale, SeparateOutputAndReportMatchTheGoldenFiles) {
    ASSERT_EQ(run(m_examples + " new.rc", GetParam()), 0) << output("stderr");
    EXPECT_EQ(written(u8"new_已翻譯.rc"), golden(u8"separate/new_已翻譯.rc"));
    EXPECT_EQ(written(u8"new_未翻譯.rc"), golden(u8"separate/new_未翻譯.rc"));
    EXPECT_EQ(written(u8"Velb報告.txt"), goldenReport());
    EXPECT_FALSE(fs::exists(m_dir / "new.rc"));
    EXPECT_EQ(output("stdout"), "IDD_OPTIONS  →未替換\nIDD_FIND  →未替換\nIDD_PROGRESS  →未替換\n");
    EXPECT_EQ(output("stderr"),
              "已寫入 new_已翻譯.rc\n已寫入 new_未翻譯.rc\n已寫入 " + utf8(m_dir / u8"Velb報告.txt") + "\n");
}

INSTANTIATE_TEST_SUITE_P(AsciiAndUtf8, BatchInLocale, ::testing::Values("C", "C.UTF-8"));

TEST_F(BatchTest, MergedOutputWithoutReport) {
    ASSERT_EQ(run("--merged --no-report " + m_examples + " new.rc"), 0) << output("stderr");
    EXPECT_EQ(written("new.rc"), golden("merged/new.rc"));
    EXPECT_FALSE(fs::exists(m_dir / u8"Velb報告.txt"));
}

TEST_F(BatchTest, EveryByteOfAnUnchangedScriptIsCopied) {
    // LF and lone-CR line ends, a user-defined character (FA 40, which glibc's converter
    // refuses), a lead byte before a line end, a trail byte that reads 'E': with the script as
    // its own previous release and translation, the merged output is the script with CR LF ends.
    const std::string script = "// \xFA\x40 head\rA DIALOG FIXED IMPURE\nCAPTION \"\xB4\x45ND\xB4\"\nEND\n"
                               "B DIALOG FIXED IMPURE\r\n\xA7\x69\r\nEND\n\xFF tail";
    std::ofstream(m_dir / "in.rc", std::ios::binary) << script;
    ASSERT_EQ(run("--merged --no-report in.rc in.rc in.rc out.rc"), 0) << output("stderr");
    EXPECT_EQ(written("out.rc"),
              "// \xFA\x40 head\r\nA DIALOG FIXED IMPURE\r\nCAPTION \"\xB4\x45ND\xB4\"\r\nEND\r\n\r\n"
              "B DIALOG FIXED IMPURE\r\n\xA7\x69\r\nEND\r\n\r\n\xFF tail\r\n");
    EXPECT_EQ(output("stdout"), "");
}

TEST_F(BatchTest, FailedRunExitsWithOneAndTheWindowsMessage) {
    EXPECT_EQ(run("missing.rc b c d"), 1);
    EXPECT_EQ(output("stderr"), "無法讀取檔案「missing.rc」：找不到這個檔案或它所在的資料夾。\n");
    // Only the first empty argument is named.
    const char* empty[] = {"\"\" \"\" c d", "a \"\" \"\" d", "a b \"\" \"\"", "a b c \"\""};
    const char* messages[] = {"您未指定【舊版英文】資料!\n", "您未指定【舊版中文】資料!\n",
                              "您未指定【新版英文】資料!\n", "您未提供【新版中文】資料!\n"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(run(empty[i]), 1);
        EXPECT_EQ(output("stderr"), messages[i]);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2); // stdout and stderr only
}

TEST_F(BatchTest, FilesWrittenAndTheListAreToldEvenWhenTheRunFailsAfterThem) {
    fs::create_directory(m_dir / u8"Velb報告.txt"); // the report cannot be written
    EXPECT_EQ(run(m_examples + " new.rc"), 1);
    EXPECT_EQ(output("stderr"), "無法寫入檔案「" + utf8(m_dir / u8"Velb報告.txt") +
                                    "」：這是一個資料夾，不是檔案。\n已寫入 new_已翻譯.rc\n已寫入 new_未翻譯.rc\n");
    EXPECT_EQ(output("stdout"), "IDD_OPTIONS  →未替換\nIDD_FIND  →未替換\nIDD_PROGRESS  →未替換\n");
#ifndef _WIN32 // Windows has no device that refuses every write, and lets no folder in use be deleted.
    EXPECT_EQ(run("--merged --no-report " + m_examples + " new.rc", "C", "/dev/full"), 1);
    EXPECT_EQ(output("stderr"), "已寫入 new.rc\n無法輸出未替換的對話框清單。\n");
    // A current folder deleted under the run leaves the report nowhere to go.
    EXPECT_EQ(run("--merged " + m_examples + " " + quoted(m_dir / "new.rc"), "C", "stdout",
                  "mkdir gone && cd gone && rmdir ../gone"),
              1);
    EXPECT_EQ(output("stderr"), "無法寫入檔案「Velb報告.txt」：找不到這個檔案或它所在的資料夾。\n已寫入 " +
                                    (m_dir / "new.rc").string() + "\n");
#endif
}

#ifndef _WIN32 // Windows makes no pipe nor sparse file from a shell command, and has no endless device.
TEST_F(BatchTest, InputsThatNeverEndOrCannotBeHeldAreRefusedAtOnce) {
    ASSERT_EQ(std::system(("cd " + quoted(m_dir) + " && mkfifo pipe.rc && truncate -s 1T huge.rc").c_str()), 0);
    const std::pair<std::string, std::string> inputs[] = {
        {"pipe.rc", "這不是一般的檔案（可能是裝置或管道），無法當作資源檔讀取"},   // no writer: would block
        {"/dev/zero", "這不是一般的檔案（可能是裝置或管道），無法當作資源檔讀取"}, // would never end
        {"huge.rc", "檔案太大，這部電腦的記憶體容納不下"}};
    for (const auto& [input, words] : inputs) {
        EXPECT_EQ(run(input + " b c d"), 1);
        EXPECT_EQ(output("stderr"), "無法讀取檔案「" + input + "」：" + words + "。\n");
    }
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
        std::ofstream(m_dir / name, std::ios::binary) << inUtf8(contents(fs::absolute(VELB_EXAMPLES) / name));
    ASSERT_EQ(run("--code-page 65001 old_en.rc old_zh.rc new_en.rc new.rc"), 0) << output("stderr");
    for (const char8_t* name : {u8"new_已翻譯.rc", u8"new_未翻譯.rc", u8"Velb報告.txt"})
        EXPECT_EQ(written(name), inUtf8(golden(fs::path(u8"separate") / name)));
    // An English Windows's 1252 has no Chinese: the scripts still come out byte for byte, and
    // the report in UTF-8 rather than as rows of '?'.
    ASSERT_EQ(run("--code-page 1252 " + m_examples + " new.rc"), 0) << output("stderr");
    EXPECT_EQ(written(u8"new_已翻譯.rc"), golden(u8"separate/new_已翻譯.rc"));
    EXPECT_EQ(written(u8"new_未翻譯.rc"), golden(u8"separate/new_未翻譯.rc"));
    EXPECT_EQ(written(u8"Velb報告.txt"), "\xEF\xBB\xBF" + inUtf8(golden(u8"separate/Velb報告.txt")));
    EXPECT_EQ(run("--code-page 54936 " + m_examples + " new.rc"), 2);
    EXPECT_EQ(output("stderr"),
              "不支援代碼頁 54936：本程式只能原封不動地讀寫單位元組、雙位元組和 UTF-8 代碼頁的檔案。\n");
}

TEST_F(BatchTest, UsageErrorsExitWithTwoHelpWithZeroAndASlashBeginsAPath) {
    EXPECT_EQ(run("a b c"), 2);
    EXPECT_NE(output("stderr").find("OUTPUT is required"), std::string::npos);
    EXPECT_EQ(run("--bogus a b c d"), 2);
    EXPECT_EQ(run("--help"), 0);
    EXPECT_NE(output("stdout").find("OLD_ENGLISH"), std::string::npos);
    EXPECT_EQ(run("/merged b c d"), 1); // on every platform: no Windows-style option is read
    EXPECT_EQ(output("stderr"), "無法讀取檔案「/merged」：找不到這個檔案或它所在的資料夾。\n");
}

TEST_F(BatchTest, CorpusOfPublicProjectsCarriesUnchangedDialogsOver) {
    // Real scripts of two public projects across releases, with their dialog headers in the
    // form the tool reads; the count of dialogs each leaves to translate.
    const fs::path corpus = fs::absolute(VELB_CORPUS);
    if (!fs::exists(corpus))
        GTEST_SKIP() << "the public scripts are not at " << corpus;
    const std::pair<const char*, int> triples[] = {{"winmerge-2.5.4-2.6.0-fixed", 11},
                                                   {"winmerge-2.1.0.1-2.1.4.0-fixed", 14},
                                                   {"notepad3-5.20.915.1-5.21.227.1-fixed", 16}};
    for (const auto& [triple, unreplaced] : triples) {
        ASSERT_EQ(run(scripts(corpus / triple) + " new.rc"), 0) << output("stderr");
        const std::string list = output("stdout");
        EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), unreplaced) << triple;
    }
}

} // namespace
