// The Win32 main window as the user meets it: its keys, and whole runs over the examples with
// the modal dialogs stood in for. How it starts, Tab too, is in its snapshot.

#include "WindowTesting.h"

#include <WindowExpectations.h>

#include <Form1.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
using namespace velb::testing;

namespace {

struct Window {
    StandInDialogs* dialogs = new StandInDialogs;
    velb::win32::Form1 form{std::unique_ptr<velb::win32::ModalDialogs>(dialogs)};

    Window() {
        form.show();
        velb::win32::pumpMessages();
    }
    HWND get(const char* name) const { return form.control(name); }
    void click(const char* name) const { velb::testing::click(get(name)); }
    void fill(const std::vector<std::wstring>& paths) const {
        for (int i = 0; i < 4; ++i)
            SetWindowTextW(get(("Text" + std::to_string(i + 1)).c_str()), paths[i].c_str());
    }
    // The status line, each bar as position/maximum, and which of Execute and Exit are enabled.
    std::string state() const {
        std::string parts = textOf(get("Label1"));
        for (auto* bar : {"ProgressBar1", "ProgressBar2", "ProgressBar3", "ProgressBar4"})
            parts += " " + std::to_string(SendMessageW(get(bar), PBM_GETPOS, 0, 0)) + "/" +
                     std::to_string(SendMessageW(get(bar), PBM_GETRANGE, FALSE, 0));
        return parts + (IsWindowEnabled(get("Command5")) ? " Execute" : "") +
               (IsWindowEnabled(get("Command7")) ? " Exit" : "");
    }
};

// The examples as input; the output and the report go to a temporary folder, which is also
// the current directory.
struct Scripts {
    fs::path folder = fs::temp_directory_path() / "velb-win32-test";
    fs::path previousDirectory = fs::current_path();
    fs::path examples = fs::absolute(VELB_EXAMPLES);
    std::vector<std::wstring> paths{(examples / "old_en.rc").wstring(), (examples / "old_zh.rc").wstring(),
                                    (examples / "new_en.rc").wstring(), (folder / "new_zh.rc").wstring()};

    Scripts() {
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::current_path(folder);
    }
    ~Scripts() {
        fs::current_path(previousDirectory);
        fs::remove_all(folder);
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(narrow(entry.path().filename().wstring()));
        std::ranges::sort(names);
        return names;
    }
};

} // namespace

TEST(Form1Window, KeyboardFollowsTheDesign) {
    Window window;
    // Enter in a path box reaches the default button, Execute; Esc does nothing.
    press(VK_RETURN);
    press(VK_ESCAPE);
    EXPECT_EQ(window.dialogs->errors, std::vector<std::string>{kMissingPathMessages[0]});
    EXPECT_TRUE(window.form.isShown());
    for (bool ticked : {false, true}) {
        press('e', true);
        EXPECT_EQ(SendMessageW(window.get("Check1"), BM_GETCHECK, 0, 0) == BST_CHECKED, ticked);
    }
}

TEST(Form1Window, TellsWhichPathIsMissingInOrder) {
    Window window;
    for (int filled = 0; filled < 4; ++filled) {
        window.click("Command5");
        SetWindowTextW(window.get(("Text" + std::to_string(filled + 1)).c_str()), L"x.rc");
    }
    EXPECT_EQ(window.dialogs->errors,
              std::vector<std::string>(std::begin(kMissingPathMessages), std::end(kMissingPathMessages)));
}

TEST(Form1Window, WholeRunsThroughBrowse) {
    // Separate output with the report as the window starts, then merged without the report.
    const std::vector<std::string> written[] = {{"Velb報告.txt", "new_zh_已翻譯.rc", "new_zh_未翻譯.rc"},
                                                {"new_zh.rc"}};
    for (const bool merged : {false, true}) {
        Scripts scripts;
        Window window;
        window.dialogs->fileAnswers.assign(scripts.paths.begin(), scripts.paths.end());
        for (int i = 0; i < 4; ++i) {
            window.click(("Command" + std::to_string(i + 1)).c_str());
            // Every Browse starts from the path chosen last, whichever box it went into.
            EXPECT_EQ(window.dialogs->fileRequests.back(), std::wstring(i < 3 ? L"open" : L"save") +
                                                               L"|VC++ 資源檔(*.rc)|*.rc|所有類型(*.*)|*.*|" +
                                                               (i ? scripts.paths[i - 1] : L""));
        }
        window.click("Command1"); // cancelled: the box keeps its path
        EXPECT_EQ(velb::win32::windowText(window.get("Text1")), scripts.paths[0]);
        if (merged) {
            window.click("Option1_0");
            window.click("Check1");
        }
        window.dialogs->whileCompletionOpen = [&] {
            EXPECT_EQ(window.state(), kExamplesDone);
            press(VK_RETURN); // starts nothing: Execute is locked
        };
        window.click("Command5");
        EXPECT_EQ(window.dialogs->completions, 1);
        EXPECT_TRUE(window.dialogs->errors.empty());
        EXPECT_EQ(window.state(), kExamplesReady);
        EXPECT_EQ(textOf(window.get("Text5")), kExamplesUnreplaced);
        EXPECT_EQ(scripts.files(), written[merged]);
        window.dialogs->whileCompletionOpen = [] {};
        window.form.setBarMaximum(velb::Bar::Matching, 0); // as a new script without dialogs leaves it
        window.form.showCompletion();
        EXPECT_EQ(window.state(), "就緒... 0/81 0/81 0/91 0/1 Execute Exit"); // shown empty
    }
}

TEST(Form1Window, ClosingDuringARunStopsIt) {
    Scripts scripts;
    Window window;
    window.fill(scripts.paths);
    PostMessageW(window.form.handle(), WM_CLOSE, 0, 0); // taken at the run's first pump
    window.click("Command5");
    EXPECT_FALSE(window.form.isShown());
    EXPECT_EQ(window.dialogs->completions, 0);
    EXPECT_TRUE(window.dialogs->errors.empty());
    EXPECT_TRUE(scripts.files().empty()); // nothing half-written
}

TEST(Form1Window, EnterDuringARunPressesNothingAndTheFocusComesBack) {
    Scripts scripts;
    Window window;
    window.fill(scripts.paths);
    SendMessageW(window.form.handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window.get("Command6")), TRUE);
    PostMessageW(window.get("Command6"), WM_KEYDOWN, VK_RETURN, 0); // reaches About at the run's first pump
    window.click("Command5");
    EXPECT_EQ(window.dialogs->completions, 1);
    EXPECT_FALSE(window.form.aboutBox());
    EXPECT_EQ(GetFocus(), window.get("Command6"));
}
