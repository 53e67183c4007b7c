// The Win32 windows: each at start-up, shown, against its snapshot in tests/data/windows/win32,
// in the words of the Qt ones (a line for the window, one for the way Tab goes, then one per
// control); and the window scenarios through the main window's real controls and the dialog
// manager's keys, with the modal dialogs stood in for.

#include "WindowTesting.h"

#include <AboutBoxControls.h>
#include <CompletionDialog.h>
#include <CompletionDialogControls.h>
#include <Form1.h>
#include <Form1Controls.h>
#include <Form1Scenarios.h>

#include <commctrl.h>

#include <map>
#include <ranges>

using namespace velb;
using namespace velb::testing;

namespace {

/// A window and its controls by the names in the tables it was built from; no window is "none".
using Names = std::map<HWND, std::string>;

Names namesOf(const win32::FormWindow& form, const WindowRow& window,
              std::initializer_list<std::span<const ControlRow>> tables) {
    Names names{{form.handle(), window.name}, {nullptr, "none"}};
    for (const auto& row : tables | std::views::join)
        names[form.control(row.name)] = row.name;
    return names;
}

/// The window's frame: border and boxes, a taskbar button (app-window) or a dialog frame, a hidden
/// owner, its place on the work area. A font: face, height in pixels, weight and character set.
std::string windowSnapshot(const win32::FormWindow& form, const Names& names) {
    const HWND window = form.handle();
    win32::pumpMessages();
    const HWND focus = GetFocus();
    std::string tabs = names.at(focus);
    do {
        press(VK_TAB);
        tabs += ' ' + names.at(GetFocus());
    } while (GetFocus() != focus && tabs.size() < 1000); // a chain that never comes back ends too
    const auto style = [](HWND handle) { return GetWindowLongPtrW(handle, GWL_STYLE); };
    const auto extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
    const HWND owner = GetWindow(window, GW_OWNER);
    RECT rect{};
    RECT area{};
    GetWindowRect(window, &rect);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const bool centred = rect.left - area.left == (area.right - area.left - (rect.right - rect.left)) / 2 &&
                         rect.top - area.top == (area.bottom - area.top - (rect.bottom - rect.top)) / 2;
    GetClientRect(window, &rect);
    std::ostringstream out;
    out << names.at(window) << " window \"" << textOf(window) << "\" client " << rect.right << 'x' << rect.bottom
        << (style(window) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX) ? " sizing" : " fixed-no-min-max-box")
        << (extended & WS_EX_APPWINDOW ? " app-window" : "") << (extended & WS_EX_DLGMODALFRAME ? " dialog-frame" : "")
        << (owner && !IsWindowVisible(owner) ? " hidden-owner" : "") << (centred ? " centred" : " off-centre")
        << " focus " << names.at(focus) << "\nTab goes " << tabs << '\n';
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        std::wstring kind(64, L'\0');
        kind.resize(GetClassNameW(control, kind.data(), 64));
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        out << names.at(control) << ' ' << narrow(kind) << " in " << names.at(GetParent(control)) << " at " << rect.left
            << ',' << rect.top << " size " << rect.right - rect.left << 'x' << rect.bottom - rect.top << " text \""
            << textOf(control) << "\" font " << (*font.lfFaceName ? narrow(font.lfFaceName) : "none") << " height "
            << font.lfHeight << " weight " << font.lfWeight << " charset " << int(font.lfCharSet)
            << (IsWindowEnabled(control) ? " enabled" : " disabled")
            << (IsWindowVisible(control) ? " visible" : " hidden")
            << (kind == WC_BUTTONW && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? " checked" : "")
            << (kind == WC_EDITW && style(control) & ES_READONLY ? " read-only" : "");
        if (kind == PROGRESS_CLASSW)
            out << " bar " << SendMessageW(control, PBM_GETPOS, 0, 0) << '/'
                << SendMessageW(control, PBM_GETRANGE, 0, 0);
        out << '\n';
    }
    return out.str();
}

void compareWithFile(const char* file, const std::string& snapshot) {
    EXPECT_EQ(snapshot, golden(std::string(VELB_TEST_DATA "/windows/win32/") + file, snapshot));
}

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

TEST(WindowSnapshot, EveryWindowStartsAsItsFileShows) {
    win32::Form1 form;
    form.show();
    const auto names = namesOf(
        form, form1::kWindow,
        {form1::kPathFrame, form1::kProgressFrame, form1::kStatusStrip, form1::kOutputFrame, form1::kCommandButtons});
    compareWithFile("Form1.txt", windowSnapshot(form, names));
    win32::AboutBox box;
    box.show();
    const auto boxNames = namesOf(box, about::kWindow, {about::kControls});
    compareWithFile("AboutBox.txt", windowSnapshot(box, boxNames));
    win32::CompletionDialog dialog(nullptr);
    dialog.show();
    const auto dialogNames = namesOf(dialog, completion::kWindow, {completion::kControls});
    compareWithFile("CompletionDialog.txt", windowSnapshot(dialog, dialogNames));
}

const auto kName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Logic, Form1WindowScenario, ::testing::ValuesIn(kLogicScenarios), kName);
INSTANTIATE_TEST_SUITE_P(Keyboard, Form1WindowScenario, ::testing::ValuesIn(kWindowScenarios), kName);

} // namespace
