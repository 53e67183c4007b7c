#pragma once
// The main window ("Form1") of the Windows front end, built from the same tables as the Qt
// window, and like it the run control's view: its Execute button hands the window itself to
// the run control, which runs the whole job inside the click.
//
// A run calls the view for every line it reads, so the setters only remember the latest
// values; the controls catch up, and pending messages are processed, about every 16 ms and
// always before a modal dialog opens. Closing the window during a run only hides it: the run
// learns at its next pump that it must stop, and the window is not touched again.

#include "AboutBox.h"
#include "FormWindow.h"
#include "ModalDialogs.h"

#include <LatestRunState.h>
#include <RunView.h>

#include <array>
#include <memory>
#include <string>

namespace velb::win32 {

class Form1 : public FormWindow, public RunView {
public:
    explicit Form1(std::unique_ptr<ModalDialogs> dialogs = nullptr);
    ~Form1() override;

    /// Shows the window centred on the screen with the focus on Text1.
    void show();
    /// The About box, while it is open.
    const AboutBox* aboutBox() const { return m_about && m_about->isShown() ? m_about.get() : nullptr; }

    void setExecuteAndExitEnabled(bool enabled) override;
    void clearUnreplacedList() override;
    void addUnreplaced(std::u16string_view line) override;
    void setStatus(std::u16string_view status) override;
    void setBarMaximum(Bar bar, int maximum) override;
    void setBarPosition(Bar bar, int position) override;
    std::filesystem::path readPath(PathField field) override;
    OutputMode readOutputMode() override;
    bool readReportOption() override;
    void showError(std::u16string_view message) override;
    [[nodiscard]] bool pumpEvents() override;
    void showCompletion() override;

private:
    void command(int id, HWND control) override;
    void closed() override;

    void browse(PathField field);
    void execute();
    void showAbout();
    // The option group is one tab stop, at its selected button.
    void selectOption(HWND option);
    // Pushes the values the run has set since the last time into the controls.
    void showRunState();

    std::unique_ptr<ModalDialogs> m_dialogs;
    std::unique_ptr<AboutBox> m_about;
    // The file name every Browse dialog starts from: the path last chosen with any of them.
    std::wstring m_sharedFileName;
    bool m_running = false;
    bool m_closing = false;

    // The latest values of a run, shown by showRunState().
    LatestRunState m_shown;
    ULONGLONG m_lastPump = 0;

    std::array<HWND, 4> m_pathFields{};
    std::array<HWND, 4> m_browseButtons{};
    std::array<HWND, 4> m_bars{};
    HWND m_statusLine;
    HWND m_unreplacedBox;
    HWND m_reportBox;
    HWND m_mergedOption;
    HWND m_separateOption;
    HWND m_executeButton;
    HWND m_aboutButton;
    HWND m_exitButton;
};

} // namespace velb::win32
