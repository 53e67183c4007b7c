// Velb.exe: the translator's window on Windows. It shows the main window and ends when the
// last window has closed, which may be an About box left open after the main window.

#include "Form1.h"
#include "MessageLoop.h"
#include "SystemDialogs.h"

#include <CodePage.h>
#include <ErrorMessages.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        velb::CodePage::system();
    } catch (const velb::UnsupportedCodePage& error) {
        // Scripts in a code page the program cannot carry exactly are never touched.
        velb::win32::SystemDialogs().showError(velb::unsupportedCodePageMessage(error));
        return 1;
    }
    velb::win32::Form1 window;
    window.show();
    velb::win32::runUntil([&window] {
        const auto* about = window.aboutBox();
        return !window.isShown() && !about;
    });
    return 0;
}
