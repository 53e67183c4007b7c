#pragma once
// What the main window ("Form1") does, written once for every toolkit: Browse with the file
// name all four share, Execute with its locked buttons and the focus given back after it,
// About, Exit, and closing during a run. It is the run control's view: Execute hands it to
// the run, which runs the whole job inside the click.
//
// A run calls the view for every line it reads, far more often than a screen can show, so the
// setters only remember the latest values (LatestRunState); the controls catch up, and
// pending events are processed, about every 16 ms and always before a modal dialog opens.
// Closing the window during a run only hides it: the run learns at its next pump that it
// must stop, and the window is not touched again.

#include "Form1Port.h"
#include "LatestRunState.h"
#include "ModalDialogs.h"

#include <CodePage.h>
#include <FileSystem.h>
#include <RunView.h>

#include <chrono>
#include <optional>
#include <string>

namespace velb {

class Form1Logic : public RunView {
public:
    /// Scripts are read and written through files in codePage.
    Form1Logic(Form1Port& port, ModalDialogs& dialogs, FileSystem& files, const CodePage& codePage);

    /// The window's controls are built: it shows Ready.
    void start();
    void browse(PathField field);
    void execute();
    void showAbout() { m_port.showAbout(); }
    void exit() { m_port.close(); }
    /// The window was closed; a run in progress stops at its next pump.
    void closed() { m_closing = true; }
    /// During a run, Enter in the window must start nothing nor press a focused button.
    bool isRunning() const { return m_running; }

    void setExecuteAndExitEnabled(bool enabled) override;
    void clearUnreplacedList() override { m_shown.clearList(); }
    void addUnreplaced(std::u16string_view line) override { m_shown.addToList(line); }
    void setStatus(std::u16string_view status) override;
    void setBarMaximum(Bar bar, int maximum) override { m_shown.setBarMaximum(bar, maximum); }
    void setBarPosition(Bar bar, int position) override { m_shown.setBarPosition(bar, position); }
    std::filesystem::path readPath(PathField field) override;
    OutputMode readOutputMode() override;
    bool readReportOption() override;
    void showError(std::u16string_view message) override;
    [[nodiscard]] bool pumpEvents() override;
    void showCompletion() override;
    bool askReadEveryHeaderForm(std::u16string_view question) override;

private:
    // Pushes the values the run has set since the last time into the controls.
    void showRunState();

    Form1Port& m_port;
    ModalDialogs& m_dialogs;
    FileSystem& m_files;
    const CodePage& m_codePage;

    // The file name every Browse dialog starts from: the path last chosen with any of them.
    std::u16string m_sharedFileName;
    bool m_running = false;
    bool m_closing = false;

    LatestRunState m_shown;
    std::optional<std::chrono::steady_clock::time_point> m_lastPump; ///< none before a run's first pump
    int m_callsSinceClockCheck = 0;
};

} // namespace velb
