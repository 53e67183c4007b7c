// A whole run against the recording view: the captions, bars and pumps in their order and
// the moments each input is read; file failures and their words; a window closed mid-run. The
// messages of empty fields are checked through velb-batch, the bytes written against golden files.

#include "Execute.h"
#include "ErrorMessages.h"
#include "Golden.h"
#include "RecordingView.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

using testing::big5Bytes;
using testing::MemoryFileSystem;
using testing::RecordingView;

std::string recording(const char* name, const std::vector<std::string>& calls) {
    return testing::golden(std::filesystem::path(VELB_TEST_DATA) / "recordings" / name, testing::joinedLines(calls));
}

class ExecuteTest : public ::testing::Test {
protected:
    void SetUp() override {
        files.files["/in/old_en.rc"] = big5Bytes("A DIALOG FIXED IMPURE\nEND\n");
        files.files["/in/old_zh.rc"] = big5Bytes("A DIALOG FIXED IMPURE\n中\nEND\n");
        files.files["/in/new_en.rc"] = big5Bytes("// head\nA DIALOG FIXED IMPURE\nEND\nB DIALOG FIXED IMPURE\nEND\n");
        view.paths = {u"/in/old_en.rc", u"/in/old_zh.rc", u"/in/new_en.rc", u"/out/new.rc"};
    }
    MemoryFileSystem files;
    RecordingView view;
};

TEST_F(ExecuteTest, WholeRunShowsEveryPhaseInOrder) {
    const RunOutcome outcome = Execute(view, files, testing::big5());
    EXPECT_EQ(outcome.kind, RunOutcome::Kind::Completed);
    EXPECT_EQ(outcome.written, files.writes);
    for (const std::filesystem::path& written : files.writes)
        view.calls.push_back("written " + testing::utf8(written));
    EXPECT_EQ(testing::joinedLines(view.calls), recording("whole_run.txt", view.calls));
}

// Scripts of today's header forms: the run asks once, names the first script that gave the
// window's rule no dialog, and on 是 cuts all three again under the same captions and bars and
// carries string by string; on 否 it goes on as before. (That 是 writes what velb-batch
// --any-dialog --strings writes is a window scenario.)
TEST_F(ExecuteTest, TodaysHeaderFormsAreReadWhenTheUserSaysSo) {
    files.files["/in/old_en.rc"] = big5Bytes("A DIALOGEX 0, 0, 9, 9\nBEGIN\n  LTEXT \"Hi\",1,0,0,9,9\nEND\n");
    files.files["/in/old_zh.rc"] = big5Bytes("A DIALOG FIXED IMPURE\n中\nEND\nA DIALOGEX 0, 0, 9, 9\nBEGIN\n  "
                                             "LTEXT \"嗨\",1,0,0,9,9\nEND\n");
    files.files["/in/new_en.rc"] = big5Bytes("A DIALOGEX 0, 0, 9, 9\nBEGIN\n  LTEXT \"Hi\",1,0,0,9,9\n  "
                                             "LTEXT \"Hi\",2,0,0,9,9\nEND\n");
    std::vector<std::string> calls;
    for (const bool answer : {false, true}) {
        MemoryFileSystem disk = files;
        RecordingView asked;
        asked.paths = view.paths;
        asked.readEveryForm = answer;
        EXPECT_EQ(Execute(asked, disk, testing::big5()).kind, RunOutcome::Kind::Completed);
        calls.insert(calls.end(), asked.calls.begin(), asked.calls.end());
    }
    EXPECT_EQ(testing::joinedLines(calls), recording("todays_forms.txt", calls));
}

TEST_F(ExecuteTest, FailedFileIsNamedWithItsReasonAndTheWindowReturnsToReady) {
    // Each file failing in turn, with an error of its own: the window's last calls, and how many
    // files were written before.
    const std::pair<std::filesystem::path, std::errc> cases[] = {
        {u8"/in/old_en.rc", std::errc::no_such_file_or_directory},
        {u8"/in/old_zh.rc", std::errc::is_a_directory},
        {u8"/in/new_en.rc", std::errc::permission_denied},
        {u8"/out/new_已翻譯.rc", std::errc::filename_too_long},
        {u8"/out/new_未翻譯.rc", std::errc::no_space_on_device},
        {u8"/home/translator/Velb報告.txt", std::errc::read_only_file_system},
    };
    std::vector<std::string> seen;
    for (const auto& [path, error] : cases) {
        MemoryFileSystem disk = files;
        disk.failing[path] = error;
        RecordingView failing;
        failing.paths = view.paths;
        const RunOutcome outcome = Execute(failing, disk, testing::big5());
        EXPECT_EQ(outcome.kind, RunOutcome::Kind::Failed);
        EXPECT_EQ(outcome.written, disk.writes);
        seen.insert(seen.end(), failing.calls.end() - 7, failing.calls.end());
        seen.push_back(std::to_string(disk.writes.size()) + " written before");
    }
    EXPECT_EQ(testing::joinedLines(seen), recording("failures.txt", seen));
}

TEST(FileErrorMessage, EachReasonIsReachedByItsOwnErrorAndAnyOtherErrorGivesItsNumber) {
    for (const auto& [condition, words] : fileErrorReasons()) {
        const FileError error(FileError::Operation::Read, u"a.rc", {condition.value(), condition.category()});
        EXPECT_EQ(fileErrorMessage(error), u"無法讀取檔案「a.rc」：" + std::u16string(words) + u"。") << error.what();
    }
    EXPECT_EQ(fileErrorMessage(FileError(FileError::Operation::Write, u"a.rc", {9999, std::system_category()})),
              u"無法寫入檔案「a.rc」：系統錯誤，代碼 9999。");
}

TEST_F(ExecuteTest, ClosedWindowStopsTheRunAtTheNextPump) {
    // Closing at every pump of a whole run: the run stops there, touches the view no more and
    // writes nothing.
    ASSERT_EQ(Execute(view, files, testing::big5()).kind, RunOutcome::Kind::Completed);
    files.writes.clear();
    for (int closeAt = 1; closeAt <= view.pumps; ++closeAt) {
        RecordingView closing;
        closing.paths = view.paths;
        closing.onPump = [closeAt](int pump) { return pump < closeAt; };
        EXPECT_EQ(Execute(closing, files, testing::big5()).kind, RunOutcome::Kind::Stopped);
        EXPECT_TRUE(closing.calls.back().starts_with("pump"));
    }
    EXPECT_TRUE(files.writes.empty());
}

} // namespace
} // namespace velb
