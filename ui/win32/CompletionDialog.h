#pragma once
// The completion dialog ("Dialog"), shown modally when a run has written its files. Its OK
// button has the focus but is neither default nor cancel button: Enter presses it because it
// has the focus, and Esc leaves the dialog open.

#include "FormWindow.h"

namespace velb::win32 {

class CompletionDialog : public FormWindow {
public:
    explicit CompletionDialog(HWND owner);

    /// Shows the dialog centred on the screen with the focus on its OK button.
    void show();
    /// Shows the dialog with its owner disabled and returns when it has been closed.
    void runModal();

private:
    void command(int id, HWND control) override;

    HWND m_owner;
};

} // namespace velb::win32
