// The Win32 main window: the window scenarios through its real controls and the dialog
// manager's keys, with the modal dialogs stood in for.

#include "WindowTesting.h"

#include <Form1.h>
#include <Form1Controls.h>
#include <Form1Scenarios.h>

#include <commctrl.h>

using namespace velb::testing;

namespace {

class Win32Window : public Form1Driver {
public:
    Win32Window() {
        form.show();
        velb::win32::pumpMessages();
    }
    HWND get(std::string_view name) const { return form.control(name); }

    QueuedDialogs& dialogs() override { return *m_dialogs; }
    velb::Form1Logic& logic() override { return form.logic(); }
    void click(std::string_view control) override { velb::testing::click(get(control)); }
    void fill(std::string_view field, const std::u16string& path) override {
        SetWindowTextW(get(field), std::wstring(velb::win32::asWide(path)).c_str());
    }
    std::string text(std::string_view control) override { return textOf(get(control)); }
    std::string bar(std::string_view control) override {
        return std::to_string(SendMessageW(get(control), PBM_GETPOS, 0, 0)) + "/" +
               std::to_string(SendMessageW(get(control), PBM_GETRANGE, FALSE, 0));
    }
    bool isEnabled(std::string_view control) override { return IsWindowEnabled(get(control)); }
    bool isChecked(std::string_view control) override {
        return SendMessageW(get(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::string focused() override {
        const std::string name = form.focusedControl();
        return name.empty() ? "elsewhere" : name;
    }
    void giveFocus(std::string_view control) override { form.giveFocus(control); }
    void closeAtNextPump() override { PostMessageW(form.handle(), WM_CLOSE, 0, 0); }
    bool isShown() override { return form.isShown(); }
    void press(Key key) override {
        pressAtNextPump(key);
        velb::win32::pumpMessages();
    }
    void pressAtNextPump(Key key) override {
        const HWND focused = GetFocus();
        if (key == Key::AltE)
            PostMessageW(focused, WM_SYSCHAR, 'e', 1 << 29);
        else
            PostMessageW(focused, WM_KEYDOWN, kKeys[static_cast<int>(key)], 0);
    }
    int aboutBoxesShown() override { return form.aboutBox() ? 1 : 0; }

private:
    static constexpr UINT kKeys[] = {VK_RETURN, VK_ESCAPE, 0};
    QueuedDialogs* m_dialogs = new QueuedDialogs;

public:
    velb::win32::Form1 form{std::unique_ptr<velb::ModalDialogs>(m_dialogs)};
};

class Form1WindowScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(Form1WindowScenario, SeesWhatItsFileSays) {
    Win32Window window;
    const auto [seen, expected] = playScenario(window, GetParam());
    EXPECT_EQ(seen, expected);
}

const auto kName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Logic, Form1WindowScenario, ::testing::ValuesIn(kLogicScenarios), kName);
INSTANTIATE_TEST_SUITE_P(Keyboard, Form1WindowScenario, ::testing::ValuesIn(kWindowScenarios), kName);

} // namespace
