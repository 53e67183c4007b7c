#include "CompletionDialog.h"

#include "MessageLoop.h"

#include <CompletionDialogControls.h>

namespace velb::win32 {

CompletionDialog::CompletionDialog(HWND owner)
    : FormWindow(completion::kWindow, Kind::Box, {completion::kControls}, completion::kLooks), m_owner(owner) {}

void CompletionDialog::show() {
    FormWindow::show("OKButton");
}

void CompletionDialog::runModal() {
    EnableWindow(m_owner, FALSE);
    show();
    runUntil([this] { return !isShown(); });
    EnableWindow(m_owner, TRUE);
    SetActiveWindow(m_owner);
}

void CompletionDialog::command(int id, HWND) {
    if (id == controlId("OKButton"))
        close();
}

} // namespace velb::win32
