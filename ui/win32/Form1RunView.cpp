// The main window as the run control's view. The setters only remember the latest values:
// a run calls them for every line it reads, far more often than a screen can show.

#include "Form1.h"

#include "MessageLoop.h"
#include "WideText.h"

#include <commctrl.h>

namespace velb::win32 {

namespace {

// About one frame of a 60 Hz screen: the window stays smooth and answers clicks, and the
// run does not spend its time repainting.
constexpr ULONGLONG kPumpIntervalMs = 16;

bool isEnter(const MSG& message) {
    return (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) ||
           (message.message == WM_CHAR && message.wParam == L'\r');
}

} // namespace

void Form1::setExecuteAndExitEnabled(bool enabled) {
    // At once, not at the next pump: Enter and the buttons must find Execute locked.
    EnableWindow(m_executeButton, enabled);
    EnableWindow(m_exitButton, enabled);
}

void Form1::clearUnreplacedList() {
    m_shown.clearList();
}

void Form1::addUnreplaced(std::u16string_view line) {
    m_shown.addToList(line);
}

void Form1::setStatus(std::u16string_view status) {
    if (!m_shown.setStatus(status))
        return;
    // A new phase is drawn at once, without processing input: the writing of the output
    // pumps none, and its status would otherwise never be seen.
    showRunState();
    UpdateWindow(handle());
}

void Form1::setBarMaximum(Bar bar, int maximum) {
    m_shown.setBarMaximum(bar, maximum);
}

void Form1::setBarPosition(Bar bar, int position) {
    m_shown.setBarPosition(bar, position);
}

std::filesystem::path Form1::readPath(PathField field) {
    return windowText(m_pathFields[indexOf(field)]);
}

OutputMode Form1::readOutputMode() {
    return SendMessageW(m_mergedOption, BM_GETCHECK, 0, 0) == BST_CHECKED ? OutputMode::Merged : OutputMode::Separate;
}

bool Form1::readReportOption() {
    return SendMessageW(m_reportBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form1::showError(std::u16string_view message) {
    showRunState();
    m_dialogs->showError(handle(), std::wstring(asWide(message)));
}

bool Form1::pumpEvents() {
    const auto now = GetTickCount64();
    if (m_lastPump == 0 || now - m_lastPump >= kPumpIntervalMs) {
        showRunState();
        // Enter in this window during a run must start nothing, nor press a focused button.
        pumpMessages([this](const MSG& message) {
            return isEnter(message) && message.hwnd && GetAncestor(message.hwnd, GA_ROOT) == handle();
        });
        m_lastPump = GetTickCount64();
    }
    return !m_closing;
}

void Form1::showCompletion() {
    showRunState();
    m_dialogs->showCompletion(handle());
}

void Form1::showRunState() {
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const LatestRunState::ShownBar bar = m_shown.shownBar(i);
        SendMessageW(m_bars[i], PBM_SETRANGE32, 0, bar.maximum);
        SendMessageW(m_bars[i], PBM_SETPOS, bar.position, 0);
    }
    if (const auto status = m_shown.takeStatus()) {
        SetWindowTextW(m_statusLine, std::wstring(asWide(*status)).c_str());
        // The status line fits its text, which is longer in some phases than in others.
        fitLabel(m_statusLine);
    }
    if (const auto list = m_shown.takeList())
        SetWindowTextW(m_unreplacedBox, std::wstring(asWide(*list)).c_str());
}

} // namespace velb::win32
