// A whole run against the recording view: the captions, bars and pumps in their order, the
// moments each input is read, file failures and a window closed mid-run. The messages of
// empty fields are checked through the window and velb-batch.

#include "Execute.h"
#include "RecordingView.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velb {
namespace {

using testing::big5Bytes;
using testing::MemoryFileSystem;
using testing::RecordingView;

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
    const RunOutcome outcome = Execute(view, files);
    EXPECT_EQ(outcome.kind, RunOutcome::Kind::Completed);
    // clang-format off
    const std::vector<std::string> expected = {
        "disable", "clear list", "pos 1 0", "pos 2 0", "pos 3 0", "pos 4 0",
        "read path 1", "read path 2", "read path 3", "read path 4",
        // old English: counting (status unchanged), loading, cutting (2 lines + 2 body lines)
        "read path 1", "pump x2", "max 1 2",
        "pump", "pos 1 1", "status 讀取中...", "pump", "pos 1 2", "status 讀取中...",
        "status 進行資源檔案分析...", "pump x4",
        // old Chinese: 3 lines, one dialog of 3 lines
        "status 讀取資源檔...", "read path 2", "pump x3", "max 2 3",
        "pump", "pos 2 1", "status 讀取中...", "pump", "pos 2 2", "status 讀取中...",
        "pump", "pos 2 3", "status 讀取中...",
        "status 進行資源檔分析...", "pump x6",
        // new English: 5 lines, two dialogs of 2 lines
        "status 讀取資源檔...", "read path 3", "pump x5", "max 3 5",
        "pump", "pos 3 1", "status 讀取中...", "pump", "pos 3 2", "status 讀取中...",
        "pump", "pos 3 3", "status 讀取中...", "pump", "pos 3 4", "status 讀取中...",
        "pump", "pos 3 5", "status 讀取中...",
        "status 進行資源檔分析...", "pump x9", "status 就緒...",
        // matching: A is replaced, B is new
        "read mode", "max 4 2", "status 比對替換製作中...", "pump", "pos 4 1",
        "pump", "list+ B  →未替換\r\n", "pos 4 2",
        // writing, report, completion, back to Ready
        "status 完成替換，儲存中...", "read path 4", "read report", "status 工作完成...", "completion",
        "enable", "pos 1 0", "pos 2 0", "pos 3 0", "pos 4 0", "status 就緒...",
    };
    // clang-format on
    EXPECT_EQ(view.folded(), expected);
    EXPECT_EQ(files.writes,
              (std::vector<std::filesystem::path>{"/out/new_已翻譯.rc", "/out/new_未翻譯.rc", "/work/Velb報告.txt"}));
    EXPECT_EQ(files.files["/out/new_已翻譯.rc"],
              big5Bytes("// head\r\nA DIALOG FIXED IMPURE\r\n中\r\nEND\r\n\r\n\r\n"));
    EXPECT_EQ(files.files["/out/new_未翻譯.rc"], big5Bytes("// head\r\nB DIALOG FIXED IMPURE\r\nEND\r\n\r\n"));
}

TEST_F(ExecuteTest, EachInputIsTakenWhenTheRunNeedsIt) {
    // The user switches to merged output and unticks the report while the first script loads,
    // then picks another output file during matching: the mode and report follow the
    // change, the output path is read only when writing begins.
    view.onPump = [this](int pump) {
        if (pump == 1) {
            view.mode = OutputMode::Merged;
            view.report = false;
        }
        if (view.calls.back() == "pump" && view.calls[view.calls.size() - 2] == "status 比對替換製作中...")
            view.paths[3] = u"/out/other.rc";
        return true;
    };
    Execute(view, files);
    EXPECT_EQ(files.writes, (std::vector<std::filesystem::path>{"/out/other.rc"}));
}

// A file that fails, the error it fails with, the message, and how many files were written before.
struct FailureCase {
    const char* path;
    std::errc error;
    const char* message;
    std::size_t writesBefore;
};

TEST_F(ExecuteTest, FailedFileIsNamedWithItsReasonAndTheWindowReturnsToReady) {
    const FailureCase cases[] = {
        {"/in/old_en.rc", std::errc::no_such_file_or_directory,
         "無法讀取檔案「/in/old_en.rc」：找不到這個檔案或它所在的資料夾。", 0},
        {"/in/old_zh.rc", std::errc::is_a_directory, "無法讀取檔案「/in/old_zh.rc」：這是一個資料夾，不是檔案。", 0},
        {"/in/new_en.rc", std::errc::permission_denied, "無法讀取檔案「/in/new_en.rc」：沒有存取這個檔案的權限。", 0},
        {"/in/new_en.rc", std::errc::operation_not_permitted, "無法讀取檔案「/in/new_en.rc」：沒有存取這個檔案的權限。",
         0},
        {"/in/old_en.rc", std::errc::not_a_directory, "無法讀取檔案「/in/old_en.rc」：路徑中有一部分不是資料夾。", 0},
        {"/out/new_已翻譯.rc", std::errc::filename_too_long, "無法寫入檔案「/out/new_已翻譯.rc」：路徑或檔名太長。", 0},
        {"/out/new_未翻譯.rc", std::errc::no_space_on_device, "無法寫入檔案「/out/new_未翻譯.rc」：磁碟空間不足。", 1},
        {"/work/Velb報告.txt", std::errc::read_only_file_system, "無法寫入檔案「/work/Velb報告.txt」：磁碟是唯讀的。",
         2},
        {"/work/Velb報告.txt", std::errc::io_error, "無法寫入檔案「/work/Velb報告.txt」：系統錯誤，代碼 5。", 2},
    };
    const std::vector<std::string> ready = {"error",   "enable",  "pos 1 0",       "pos 2 0",
                                            "pos 3 0", "pos 4 0", "status 就緒..."};
    for (const FailureCase& failure : cases) {
        MemoryFileSystem disk = files;
        disk.failing[failure.path] = failure.error;
        RecordingView failing;
        failing.paths = view.paths;
        EXPECT_EQ(Execute(failing, disk).kind, RunOutcome::Kind::Failed);
        auto end = std::vector(failing.calls.end() - static_cast<std::ptrdiff_t>(ready.size()), failing.calls.end());
        EXPECT_EQ(end.front(), std::string("error ") + failure.message);
        end.front() = "error";
        EXPECT_EQ(end, ready) << failure.path;
        EXPECT_EQ(disk.writes.size(), failure.writesBefore) << failure.path;
    }
}

TEST_F(ExecuteTest, RunOutOfMemoryEndsWithAMessage) {
    struct ExhaustedFileSystem : MemoryFileSystem {
        std::unique_ptr<InputFile> open(const std::filesystem::path&) override { throw std::bad_alloc(); }
    } exhausted;
    EXPECT_EQ(Execute(view, exhausted).kind, RunOutcome::Kind::Failed);
    EXPECT_EQ(view.calls[view.calls.size() - 7], "error 記憶體不足，無法完成這次工作。");
    EXPECT_EQ(view.calls.back(), "status 就緒...");
}

TEST_F(ExecuteTest, ClosedWindowStopsTheRunAtTheNextPump) {
    // Closing at every pump of a whole run: the run stops there, touches the view no more and
    // writes nothing.
    ASSERT_EQ(Execute(view, files).kind, RunOutcome::Kind::Completed);
    files.writes.clear();
    for (int closeAt = 1; closeAt <= view.pumps; ++closeAt) {
        RecordingView closing;
        closing.paths = view.paths;
        closing.onPump = [closeAt](int pump) { return pump < closeAt; };
        EXPECT_EQ(Execute(closing, files).kind, RunOutcome::Kind::Stopped);
        EXPECT_EQ(closing.calls.back(), "pump");
    }
    EXPECT_TRUE(files.writes.empty());
}

} // namespace
} // namespace velb
