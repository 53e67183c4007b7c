#pragma once
// What the Win32 window tests share: the user's keys as the dialog manager receives them,
// and the texts and places of controls.

#include <CodePage.h>
#include <MessageLoop.h>
#include <WideText.h>

#include <gtest/gtest.h>

#include <string>

namespace velb::testing {

/// Windows text in UTF-8: its UTF-16 code units are the run's.
inline std::string narrow(std::wstring_view text) {
    return toUtf8({reinterpret_cast<const char16_t*>(text.data()), text.size()});
}

inline std::string textOf(HWND window) {
    return narrow(win32::windowText(window));
}

/// A key pressed where the focus is, through the message loop as the user's keys go.
inline void press(UINT key, bool alt = false) {
    const HWND focused = GetFocus();
    if (alt)
        PostMessageW(focused, WM_SYSCHAR, key, 1 << 29);
    else
        PostMessageW(focused, WM_KEYDOWN, key, 0);
    win32::pumpMessages();
}

/// A click on a button as its window receives it. A mouse click sent to the button would need
/// the mouse captured, which a window manager may take away.
inline void click(HWND button) {
    const auto type = GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK;
    const bool ticked = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON)
        SendMessageW(button, BM_SETCHECK, type == BS_AUTORADIOBUTTON || !ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    win32::pumpMessages();
}

} // namespace velb::testing
