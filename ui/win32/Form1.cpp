#include "Form1.h"

#include "SystemDialogs.h"

#include <Form1Controls.h>

#include <string>

namespace velb::win32 {

Form1::Form1(std::unique_ptr<ModalDialogs> dialogs)
    : FormWindow(
          form1::kWindow, Kind::Main,
          {form1::kPathFrame, form1::kProgressFrame, form1::kStatusStrip, form1::kOutputFrame, form1::kCommandButtons},
          form1::kLooks),
      m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<SystemDialogs>(handle())),
      m_logic(*this, *m_dialogs, diskFileSystem(), CodePage::system()) {
    SendMessageW(control("Check1"), BM_SETCHECK, BST_CHECKED, 0);
    selectOption(control("Option1_1"));
    SendMessageW(handle(), DM_SETDEFID, controlId("Command5"), 0);
    m_logic.start();
}

Form1::~Form1() = default;

void Form1::show() {
    FormWindow::show("Text1");
}

void Form1::command(int id, HWND sender) {
    for (int i = 1; i <= 4; ++i) {
        if (sender == control("Command" + std::to_string(i)))
            return m_logic.browse(static_cast<PathField>(i));
    }
    if (sender == control("Option1_0") || sender == control("Option1_1"))
        selectOption(sender);
    // Enter reaches Execute as the default button's id; Esc (IDCANCEL) does nothing here.
    else if (id == controlId("Command5"))
        m_logic.execute();
    else if (sender == control("Command6"))
        m_logic.showAbout();
    else if (sender == control("Command7"))
        m_logic.exit();
}

void Form1::showAbout() {
    // A closed About box is made anew, an open one comes to the front.
    if (!aboutBox())
        m_about = std::make_unique<AboutBox>();
    m_about->show();
}

void Form1::selectOption(HWND option) {
    for (const HWND button : {control("Option1_0"), control("Option1_1")}) {
        SendMessageW(button, BM_SETCHECK, button == option ? BST_CHECKED : BST_UNCHECKED, 0);
        const auto style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE, button == option ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

} // namespace velb::win32
