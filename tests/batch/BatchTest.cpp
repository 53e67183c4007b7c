// velb-batch end to end, as scripts and CI drive it: the files it writes compared byte for
// byte with golden copies, its exit status, and what it prints.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("velb-batch-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Runs velb-batch in the temporary folder; returns its exit status.
    int run(const std::string& arguments) {
        const std::string command =
            "cd '" + m_dir.string() + "' && '" VELB_BATCH "' " + arguments + " >stdout 2>stderr";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static std::string examples() {
        const std::string dir = VELB_EXAMPLES;
        return "'" + dir + "/old_en.rc' '" + dir + "/old_zh.rc' '" + dir + "/new_en.rc'";
    }
    std::string output(const char* name) const { return contents(m_dir / name); }
    static std::string golden(const fs::path& name) { return contents(fs::path(VELB_GOLDEN) / name); }

    fs::path m_dir;
};

TEST_F(BatchTest, SeparateOutputAndReportMatchTheGoldenFiles) {
    ASSERT_EQ(run(examples() + " new.rc"), 0) << output("stderr");
    EXPECT_EQ(output("new_已翻譯.rc"), golden("separate/new_已翻譯.rc"));
    EXPECT_EQ(output("new_未翻譯.rc"), golden("separate/new_未翻譯.rc"));
    EXPECT_EQ(output("Velb報告.txt"), golden("separate/Velb報告.txt"));
    EXPECT_FALSE(fs::exists(m_dir / "new.rc"));
    EXPECT_EQ(output("stdout"), "IDD_OPTIONS  →未替換\nIDD_FIND  →未替換\nIDD_PROGRESS  →未替換\n");
}

TEST_F(BatchTest, MergedOutputWithoutReport) {
    ASSERT_EQ(run("--merged --no-report " + examples() + " new.rc"), 0) << output("stderr");
    EXPECT_EQ(output("new.rc"), golden("merged/new.rc"));
    EXPECT_FALSE(fs::exists(m_dir / "Velb報告.txt"));
}

TEST_F(BatchTest, EveryByteOfAnUnchangedScriptIsCopied) {
    // LF and lone-CR line ends, a user-defined character (FA 40) the converter refuses, a
    // lead byte before a line end, a trail byte that reads 'E': with the script as its own
    // previous release and translation, the merged output is the script with CR LF ends.
    const std::string script = "// \xFA\x40 head\rA DIALOG FIXED IMPURE\nCAPTION \"\xB4\x45ND\xB4\"\nEND\n"
                               "B DIALOG FIXED IMPURE\r\n\xA7\x69\r\nEND\n\xFF tail";
    std::ofstream(m_dir / "in.rc", std::ios::binary) << script;
    ASSERT_EQ(run("--merged --no-report in.rc in.rc in.rc out.rc"), 0) << output("stderr");
    EXPECT_EQ(output("out.rc"), "// \xFA\x40 head\r\nA DIALOG FIXED IMPURE\r\nCAPTION \"\xB4\x45ND\xB4\"\r\nEND\r\n\r\n"
                                "B DIALOG FIXED IMPURE\r\n\xA7\x69\r\nEND\r\n\r\n\xFF tail\r\n");
    EXPECT_EQ(output("stdout"), "");
}

TEST_F(BatchTest, FailedRunExitsWithOneAndTheWindowsMessage) {
    EXPECT_EQ(run("missing.rc b c d"), 1);
    EXPECT_EQ(output("stderr"), "無法讀取檔案「missing.rc」：找不到這個檔案或它所在的資料夾。\n");
    EXPECT_EQ(run("\"\" b c d"), 1);
    EXPECT_EQ(output("stderr"), "您未指定【舊版英文】資料!\n");
    EXPECT_EQ(run(examples() + " \"\""), 1);
    EXPECT_EQ(output("stderr"), "您未提供【新版中文】資料!\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2); // stdout and stderr only
}

TEST_F(BatchTest, UsageErrorsExitWithTwoAndHelpWithZero) {
    EXPECT_EQ(run("a b c"), 2);
    EXPECT_EQ(run("--bogus a b c d"), 2);
    EXPECT_EQ(run("a b c d e"), 2);
    EXPECT_EQ(run("--help"), 0);
    EXPECT_NE(output("stdout").find("OLD_ENGLISH"), std::string::npos);
}

} // namespace
