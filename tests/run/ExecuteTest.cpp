// A whole run against the recording view: the captions, bars and pumps in their order and
// the moments each input is read; file failures and their words; a window closed mid-run. The
// messages of empty fields are checked through velb-batch, the bytes written against golden files.

#include "Execute.h"
#include "ErrorMessages.h"
#include "Golden.h"
#include "RecordingView.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

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
    EXPECT_EQ(testing::joinedLines(view.calls), recording("whole_run.txt", view.calls));
    EXPECT_EQ(outcome.written, files.writes);
    EXPECT_EQ(files.writes, (std::vector<std::filesystem::path>{u8"/out/new_已翻譯.rc", u8"/out/new_未翻譯.rc",
                                                                u8"/home/translator/Velb報告.txt"}));
}

// Scripts of today's header forms: the run asks once, names the first script that gave the
// window's rule no dialog, and on 是 cuts all three again and carries string by string,
// exactly as velb-batch --any-dialog --strings does; on 否 it goes on as before.
TEST_F(ExecuteTest, TodaysHeaderFormsAreReadWhenTheUserSaysSo) {
    files.files["/in/old_en.rc"] = big5Bytes("A DIALOGEX 0, 0, 9, 9\nBEGIN\n  LTEXT \"Hi\",1,0,0,9,9\nEND\n");
    files.files["/in/old_zh.rc"] = big5Bytes("A DIALOG FIXED IMPURE\n中\nEND\nA DIALOGEX 0, 0, 9, 9\nBEGIN\n  "
                                             "LTEXT \"嗨\",1,0,0,9,9\nEND\n");
    files.files["/in/new_en.rc"] = big5Bytes("A DIALOGEX 0, 0, 9, 9\nBEGIN\n  LTEXT \"Hi\",1,0,0,9,9\n  "
                                             "LTEXT \"Hi\",2,0,0,9,9\nEND\n");
    std::vector<std::string> calls;
    std::map<bool, std::map<std::filesystem::path, std::string>> written;
    for (const bool answer : {false, true}) {
        MemoryFileSystem disk = files;
        RecordingView asked;
        asked.paths = view.paths;
        asked.readEveryForm = answer;
        EXPECT_EQ(Execute(asked, disk, testing::big5()).kind, RunOutcome::Kind::Completed);
        calls.insert(calls.end(), asked.calls.begin(), asked.calls.end());
        written[answer] = disk.files;
    }
    EXPECT_EQ(testing::joinedLines(calls), recording("todays_forms.txt", calls));

    MemoryFileSystem disk = files;
    RecordingView batch;
    batch.paths = view.paths;
    Execute(batch, disk, testing::big5(), {HeaderRule::AnyForm, Carrying::Strings, false});
    EXPECT_EQ(written[true], disk.files);
    EXPECT_NE(written[false], disk.files);
}

TEST_F(ExecuteTest, FailedFileIsNamedWithItsReasonAndTheWindowReturnsToReady) {
    // The file that fails, how many files were written before it, the error and its words.
    const std::tuple<std::filesystem::path, std::size_t, std::errc, const char*> cases[] = {
        {u8"/in/old_en.rc", 0, std::errc::no_such_file_or_directory,
         "無法讀取檔案「/in/old_en.rc」：找不到這個檔案或它所在的資料夾。"},
        {u8"/in/old_zh.rc", 0, std::errc::is_a_directory, "無法讀取檔案「/in/old_zh.rc」：這是一個資料夾，不是檔案。"},
        {u8"/in/new_en.rc", 0, std::errc::permission_denied, "無法讀取檔案「/in/new_en.rc」：沒有存取這個檔案的權限。"},
        {u8"/out/new_已翻譯.rc", 0, std::errc::filename_too_long,
         "無法寫入檔案「/out/new_已翻譯.rc」：路徑或檔名太長。"},
        {u8"/out/new_未翻譯.rc", 1, std::errc::no_space_on_device,
         "無法寫入檔案「/out/new_未翻譯.rc」：磁碟空間不足。"},
        {u8"/home/translator/Velb報告.txt", 2, std::errc::read_only_file_system,
         "無法寫入檔案「/home/translator/Velb報告.txt」：磁碟是唯讀的。"},
    };
    for (const auto& [path, writesBefore, error, message] : cases) {
        MemoryFileSystem disk = files;
        disk.failing[path] = error;
        RecordingView failing;
        failing.paths = view.paths;
        const RunOutcome outcome = Execute(failing, disk, testing::big5());
        EXPECT_EQ(outcome.kind, RunOutcome::Kind::Failed);
        EXPECT_EQ(outcome.written, disk.writes);
        const std::vector<std::string> ready = {
            std::string("error ") + message, "enable", "pos 1 0", "pos 2 0", "pos 3 0", "pos 4 0", "status 就緒..."};
        EXPECT_EQ(std::vector(failing.calls.end() - 7, failing.calls.end()), ready);
        EXPECT_EQ(disk.writes.size(), writesBefore) << path;
    }
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
