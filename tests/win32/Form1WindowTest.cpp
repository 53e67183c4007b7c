// The Win32 main window as the user meets it: start-up, the keyboard, and whole runs over
// the examples with the modal dialogs stood in for.

#include "WindowTesting.h"

#include <WindowExpectations.h>

#include <Form1.h>
#include <Form1Controls.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;
using namespace velb::testing;

namespace {

const std::span<const velb::ControlRow> kTables[] = {velb::form1::kPathFrame, velb::form1::kProgressFrame,
                                                     velb::form1::kStatusStrip, velb::form1::kOutputFrame,
                                                     velb::form1::kCommandButtons};

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
    bool checked(const char* name) const { return SendMessageW(get(name), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::string focused() const {
        for (const auto table : kTables) {
            for (const auto& row : table) {
                if (form.control(row.name) == GetFocus())
                    return row.name;
            }
        }
        return "elsewhere";
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

TEST(Form1Window, StartsReadyWithTheTablesAtNinetySixDpi) {
    const Window window;
    checkWindow(window.form.handle(), kForm1Title, {597, 432});
    EXPECT_TRUE(GetWindowLongPtrW(window.form.handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW); // in the taskbar
    for (const auto& [name, text] : kForm1Texts)
        EXPECT_EQ(textOf(window.get(name)), text) << name;
    EXPECT_EQ(window.focused(), "Text1");
    EXPECT_TRUE(window.checked("Check1") && window.checked("Option1_1") && !window.checked("Option1_0"));
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        EXPECT_TRUE(GetWindowLongPtrW(window.get(field), GWL_STYLE) & ES_READONLY) << field;
    EXPECT_EQ(window.state(), "就緒... 0/100 0/100 0/100 0/100 Execute Exit");
    // Fonts: height in pixels at 96 DPI, weight, the Big5 character set and the face asked for.
    std::string fonts;
    for (const char* name : {"Text1", "Command5", "Command7"}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window.get(name), WM_GETFONT, 0, 0)), sizeof font, &font);
        fonts += std::to_string(font.lfHeight) + " " + std::to_string(font.lfWeight) + " " +
                 std::to_string(font.lfCharSet) + " " + narrow(font.lfFaceName) + "; ";
    }
    EXPECT_EQ(fonts, "-12 400 136 新細明體; -35 700 136 新細明體; -16 700 136 新細明體; ");

    // Every control where its row puts it, in pixels of a 96 DPI screen on the client area;
    // a label keeps its place but takes the size of its text.
    std::map<std::string, POINT> origins;
    for (const auto table : kTables) {
        for (const auto& row : table) {
            const POINT origin = row.container ? origins.at(row.container) : POINT{0, 0};
            const POINT topLeft{origin.x + row.rect.left, origin.y + row.rect.top};
            origins[row.name] = topLeft;
            RECT rect{};
            GetWindowRect(window.get(row.name), &rect);
            MapWindowPoints(nullptr, window.form.handle(), reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_EQ(rect.left, (topLeft.x + 7) / 15) << row.name;
            EXPECT_EQ(rect.top, (topLeft.y + 7) / 15) << row.name;
            if (row.kind != velb::ControlKind::Label) {
                EXPECT_EQ(rect.right - rect.left, (row.rect.width + 7) / 15) << row.name;
                EXPECT_EQ(rect.bottom - rect.top, (row.rect.height + 7) / 15) << row.name;
            }
        }
    }
}

TEST(Form1Window, KeyboardFollowsTheDesign) {
    Window window;
    std::string visited = window.focused();
    for (int i = 0; i < 14; ++i) {
        press(VK_TAB);
        visited += " " + window.focused();
    }
    EXPECT_EQ(visited, kForm1TabOrder);
    // Enter in a path box reaches the default button, Execute; Esc does nothing.
    press(VK_RETURN);
    press(VK_ESCAPE);
    EXPECT_EQ(window.dialogs->errors, std::vector<std::string>{kMissingPathMessages[0]});
    EXPECT_TRUE(window.form.isShown());
    for (bool ticked : {false, true}) {
        press('e', true);
        EXPECT_EQ(window.checked("Check1"), ticked);
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
    EXPECT_EQ(window.focused(), "Command6");
}
