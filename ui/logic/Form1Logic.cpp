#include "Form1Logic.h"

#include <Execute.h>
#include <StatusCaptions.h>

#include <array>

namespace velb {

namespace {

constexpr std::array<const char*, 4> kPathFields = {"Text1", "Text2", "Text3", "Text4"};
constexpr std::array<const char*, 4> kBars = {"ProgressBar1", "ProgressBar2", "ProgressBar3", "ProgressBar4"};

// About one frame of a 60 Hz screen: the window stays smooth and answers clicks, and the run
// does not spend its time repainting.
constexpr auto kPumpInterval = std::chrono::milliseconds(16);
// Reading the clock costs more than a whole call otherwise does, and a run pumps several times
// per line, so the clock is looked at only every few hundred calls.
constexpr int kCallsPerClockCheck = 256;

} // namespace

Form1Logic::Form1Logic(Form1Port& port, ModalDialogs& dialogs, FileSystem& files, const CodePage& codePage)
    : m_port(port), m_dialogs(dialogs), m_files(files), m_codePage(codePage) {}

void Form1Logic::start() {
    setStatus(status::kReady);
}

void Form1Logic::browse(PathField field) {
    showRunState();
    const auto kind = field == PathField::Output ? ModalDialogs::FileDialog::Save : ModalDialogs::FileDialog::Open;
    const std::optional<std::u16string> chosen = m_dialogs.chooseFile(kind, m_sharedFileName);
    // A cancelled dialog leaves the box alone. Writing the shared name back into it, as the
    // window once did, could put an input script's path into the output field, and the next
    // run would then write over that script.
    if (!chosen)
        return;
    m_sharedFileName = *chosen;
    m_port.setText(kPathFields[indexOf(field)], *chosen);
}

void Form1Logic::execute() {
    // Execute is locked during a run; a click that reaches it all the same starts nothing.
    if (m_running)
        return;
    // Locking Execute passes the focus on. Enter during the run must open nothing, and after
    // it must start the next run, as it did before: the focus comes back.
    const std::string focused = m_port.focusedControl();
    m_running = true;
    const RunOutcome outcome = velb::Execute(*this, m_files, m_codePage);
    m_running = false;
    // A stopped run means the window was closed under it: leave it as the close left it.
    if (outcome.kind == RunOutcome::Kind::Stopped)
        return;
    showRunState();
    if (!focused.empty())
        m_port.giveFocus(focused);
    // The box shows the list now; the window need not keep a second copy.
    m_shown.releaseList();
    // The next run processes events at its first pump.
    m_lastPump.reset();
}

void Form1Logic::setExecuteAndExitEnabled(bool enabled) {
    // At once, not at the next pump: Enter and the buttons must find Execute locked.
    m_port.setEnabled("Command5", enabled);
    m_port.setEnabled("Command7", enabled);
}

void Form1Logic::setStatus(std::u16string_view status) {
    if (!m_shown.setStatus(status))
        return;
    // A new phase is drawn at once, without processing input: the writing of the output pumps
    // none, and its status would otherwise never be seen.
    showRunState();
    m_port.repaint();
}

std::filesystem::path Form1Logic::readPath(PathField field) {
    return m_port.path(kPathFields[indexOf(field)]);
}

OutputMode Form1Logic::readOutputMode() {
    return m_port.isChecked("Option1_0") ? OutputMode::Merged : OutputMode::Separate;
}

bool Form1Logic::readReportOption() {
    return m_port.isChecked("Check1");
}

void Form1Logic::showError(std::u16string_view message) {
    showRunState();
    m_dialogs.showError(message);
}

bool Form1Logic::pumpEvents() {
    if (m_lastPump && ++m_callsSinceClockCheck < kCallsPerClockCheck)
        return !m_closing;
    m_callsSinceClockCheck = 0;
    const auto now = std::chrono::steady_clock::now();
    if (!m_lastPump || now - *m_lastPump >= kPumpInterval) {
        showRunState();
        m_port.pump();
        m_lastPump = std::chrono::steady_clock::now();
    }
    return !m_closing;
}

void Form1Logic::showCompletion() {
    showRunState();
    m_dialogs.showCompletion();
}

bool Form1Logic::askReadEveryHeaderForm(std::u16string_view question) {
    showRunState();
    return m_dialogs.askYesNo(question);
}

void Form1Logic::showRunState() {
    for (std::size_t i = 0; i < kBars.size(); ++i) {
        // Shown with a maximum of 0, a bar would turn into a busy indicator.
        const LatestRunState::ShownBar bar = m_shown.shownBar(i);
        m_port.setBar(kBars[i], bar.maximum, bar.position);
    }
    if (const auto status = m_shown.takeStatus())
        m_port.setText("Label1", *status);
    if (const auto list = m_shown.takeList())
        m_port.setText("Text5", *list);
}

} // namespace velb
