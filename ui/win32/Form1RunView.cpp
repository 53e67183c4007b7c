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
    m_unreplacedList.clear();
    m_unreplacedListChanged = true;
}

void Form1::addUnreplaced(std::u16string_view line) {
    m_unreplacedList.append(line);
    m_unreplacedListChanged = true;
}

void Form1::setStatus(std::u16string_view status) {
    // The run sets the same status for every line it loads; only a new phase is news.
    if (status == m_status)
        return;
    m_status.assign(status);
    m_statusChanged = true;
    // A new phase is drawn at once, without processing input: the writing of the output
    // pumps none, and its status would otherwise never be seen.
    showRunState();
    UpdateWindow(handle());
}

void Form1::setBarMaximum(Bar bar, int maximum) {
    m_barMaximum[indexOf(bar)] = maximum;
}

void Form1::setBarPosition(Bar bar, int position) {
    m_barPosition[indexOf(bar)] = position;
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
        // A maximum of 0 is shown as an empty bar.
        SendMessageW(m_bars[i], PBM_SETRANGE32, 0, m_barMaximum[i] > 0 ? m_barMaximum[i] : 1);
        SendMessageW(m_bars[i], PBM_SETPOS, m_barMaximum[i] > 0 ? m_barPosition[i] : 0, 0);
    }
    if (m_statusChanged) {
        SetWindowTextW(m_statusLine, std::wstring(asWide(m_status)).c_str());
        // The status line fits its text, which is longer in some phases than in others.
        fitLabel(m_statusLine);
        m_statusChanged = false;
    }
    if (m_unreplacedListChanged) {
        SetWindowTextW(m_unreplacedBox, std::wstring(asWide(m_unreplacedList)).c_str());
        m_unreplacedListChanged = false;
    }
}

} // namespace velb::win32
