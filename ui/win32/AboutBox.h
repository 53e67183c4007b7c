#pragma once
// The About box ("frmAbout"): the program's picture, name, version and purpose. It has no
// owner among the program's windows, so it stays open after the main window has closed; its
// OK button is default and cancel button at once, so Enter and Esc both close it.

#include "FormWindow.h"

namespace velb::win32 {

class AboutBox : public FormWindow {
public:
    AboutBox();

    void show();

private:
    void command(int id, HWND control) override;
};

} // namespace velb::win32
