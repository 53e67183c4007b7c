#include "AboutBox.h"

#include <AboutBoxControls.h>

namespace velb::win32 {

AboutBox::AboutBox() : FormWindow(about::kWindow, Kind::Box, {about::kControls}, about::kLooks) {
    SendMessageW(handle(), DM_SETDEFID, controlId("cmdOK"), 0);
}

void AboutBox::show() {
    FormWindow::show("cmdOK");
}

void AboutBox::command(int id, HWND) {
    // cmdOK itself, Enter (its id as the default button) or Esc (IDCANCEL).
    if (id == controlId("cmdOK") || id == IDCANCEL)
        close();
}

} // namespace velb::win32
