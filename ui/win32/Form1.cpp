#include "Form1.h"

#include "SystemDialogs.h"
#include "WideText.h"

#include <Execute.h>
#include <Form1Controls.h>

#include <algorithm>
#include <string>

namespace velb::win32 {

namespace {

// The Browse dialogs' filter list in the form "description|pattern|…".
std::wstring browseFilter() {
    std::wstring filter;
    for (const char* part : form1::kBrowseFilter)
        filter += (filter.empty() ? L"" : L"|") + widen(part);
    return filter;
}

} // namespace

Form1::Form1(std::unique_ptr<ModalDialogs> dialogs)
    : FormWindow(
          form1::kWindow, Kind::Main,
          {form1::kPathFrame, form1::kProgressFrame, form1::kStatusStrip, form1::kOutputFrame, form1::kCommandButtons},
          form1::kLooks),
      m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<SystemDialogs>()) {
    for (std::size_t i = 0; i < 4; ++i) {
        const auto number = std::to_string(i + 1);
        m_pathFields[i] = control("Text" + number);
        m_browseButtons[i] = control("Command" + number);
        m_bars[i] = control("ProgressBar" + number);
    }
    m_statusLine = control("Label1");
    m_unreplacedBox = control("Text5");
    m_reportBox = control("Check1");
    m_mergedOption = control("Option1_0");
    m_separateOption = control("Option1_1");
    m_executeButton = control("Command5");
    m_aboutButton = control("Command6");
    m_exitButton = control("Command7");

    SendMessageW(m_reportBox, BM_SETCHECK, BST_CHECKED, 0);
    selectOption(m_separateOption);
    SendMessageW(handle(), DM_SETDEFID, GetDlgCtrlID(m_executeButton), 0);
}

Form1::~Form1() = default;

void Form1::show() {
    FormWindow::show("Text1");
}

void Form1::command(int id, HWND control) {
    const auto browseButton = std::ranges::find(m_browseButtons, control);
    if (browseButton != m_browseButtons.end())
        browse(static_cast<PathField>(browseButton - m_browseButtons.begin() + 1));
    else if (control == m_mergedOption || control == m_separateOption)
        selectOption(control);
    // Enter reaches Execute as the default button's id; Esc (IDCANCEL) does nothing here.
    else if (id == GetDlgCtrlID(m_executeButton))
        execute();
    else if (control == m_aboutButton)
        showAbout();
    else if (control == m_exitButton)
        close();
}

void Form1::closed() {
    // A run in progress notices this at its next pump and unwinds without touching the window.
    m_closing = true;
}

void Form1::browse(PathField field) {
    showRunState();
    const auto kind = field == PathField::Output ? ModalDialogs::FileDialog::Save : ModalDialogs::FileDialog::Open;
    const auto chosen = m_dialogs->chooseFile(handle(), kind, browseFilter(), m_sharedFileName);
    // A cancelled dialog leaves the box alone: writing the shared name back into it could
    // put an input script's path into the output field, and a run would write over it.
    if (!chosen)
        return;
    m_sharedFileName = *chosen;
    SetWindowTextW(m_pathFields[indexOf(field)], chosen->c_str());
}

void Form1::execute() {
    // Execute is locked during a run; a click that reaches it all the same starts nothing.
    if (m_running)
        return;
    const HWND focused = GetFocus();
    m_running = true;
    const auto outcome = velb::Execute(*this);
    m_running = false;
    // A stopped run means the window was closed under it: leave it as the close left it.
    if (outcome.kind == RunOutcome::Kind::Stopped)
        return;
    showRunState();
    if (focused)
        SendMessageW(handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focused), TRUE);
    // The box shows the list now; the window need not keep a second copy.
    m_shown.releaseList();
    m_lastPump = 0;
}

void Form1::showAbout() {
    // A closed About box is made anew, an open one comes to the front.
    if (!aboutBox())
        m_about = std::make_unique<AboutBox>();
    m_about->show();
}

void Form1::selectOption(HWND option) {
    for (const HWND button : {m_mergedOption, m_separateOption}) {
        SendMessageW(button, BM_SETCHECK, button == option ? BST_CHECKED : BST_UNCHECKED, 0);
        const auto style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE, button == option ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

} // namespace velb::win32
