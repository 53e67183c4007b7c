// The main window's controls as its logic reaches them.

#include "Form1.h"

#include "MessageLoop.h"
#include "WideText.h"

#include <Form1Controls.h>

#include <commctrl.h>

#include <span>

namespace velb::win32 {

namespace {

bool isEnter(const MSG& message) {
    return (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) ||
           (message.message == WM_CHAR && message.wParam == L'\r');
}

} // namespace

void Form1::setText(std::string_view name, std::u16string_view text) {
    const HWND target = control(name);
    SetWindowTextW(target, std::wstring(asWide(text)).c_str());
    if (name == "Label1")
        fitLabel(target);
}

void Form1::setBar(std::string_view name, int maximum, int position) {
    SendMessageW(control(name), PBM_SETRANGE32, 0, maximum);
    SendMessageW(control(name), PBM_SETPOS, position, 0);
}

void Form1::setEnabled(std::string_view name, bool enabled) {
    EnableWindow(control(name), enabled);
}

bool Form1::isChecked(std::string_view name) {
    return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::filesystem::path Form1::path(std::string_view name) {
    return windowText(control(name));
}

std::string Form1::focusedControl() {
    const HWND focused = GetFocus();
    for (const std::span<const ControlRow> table :
         {std::span<const ControlRow>(form1::kPathFrame), std::span<const ControlRow>(form1::kOutputFrame),
          std::span<const ControlRow>(form1::kCommandButtons)}) {
        for (const ControlRow& row : table) {
            if (focused && control(row.name) == focused)
                return row.name;
        }
    }
    return {};
}

void Form1::giveFocus(std::string_view name) {
    SendMessageW(handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(name)), TRUE);
}

void Form1::repaint() {
    UpdateWindow(handle());
}

void Form1::pump() {
    // Enter in this window during a run must start nothing, nor press a focused button.
    pumpMessages([this](const MSG& message) {
        return isEnter(message) && message.hwnd && GetAncestor(message.hwnd, GA_ROOT) == handle();
    });
}

} // namespace velb::win32
