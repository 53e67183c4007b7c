// The main window as the run control's view. The setters only remember the latest values:
// a run calls them for every line it reads, far more often than a screen can show.

#include "Form1.h"
#include "ListBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace velb {

namespace {

// About one frame of a 60 Hz screen: the window stays smooth and answers clicks, and the
// run does not spend its time repainting.
constexpr qint64 kPumpIntervalMs = 16;
constexpr int kCallsPerClockCheck = 256;

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void Form1::setExecuteAndExitEnabled(bool enabled) {
    // At once, not at the next pump: Enter and the buttons must find Execute locked.
    m_executeButton->setEnabled(enabled);
    m_exitButton->setEnabled(enabled);
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
    // A new phase is drawn at once, without processing events: the writing of the output
    // pumps none, and its status would otherwise never be seen.
    showRunState();
    repaint();
}

void Form1::setBarMaximum(Bar bar, int maximum) {
    m_shown.setBarMaximum(bar, maximum);
}

void Form1::setBarPosition(Bar bar, int position) {
    m_shown.setBarPosition(bar, position);
}

std::filesystem::path Form1::readPath(PathField field) {
    // Qt's own way from a field to a file name, which never fails on text that has none.
    return QFile::encodeName(m_pathFields[indexOf(field)]->text()).toStdString();
}

OutputMode Form1::readOutputMode() {
    return m_mergedOption->isChecked() ? OutputMode::Merged : OutputMode::Separate;
}

bool Form1::readReportOption() {
    return m_reportBox->isChecked();
}

void Form1::showError(std::u16string_view message) {
    showRunState();
    m_dialogs->showError(this, toQString(message));
}

bool Form1::pumpEvents() {
    // Reading the clock costs more than a whole call otherwise does, and a run calls this
    // several times per line, so the clock is looked at only every few hundred calls.
    if (m_sinceLastPump.isValid() && ++m_callsSinceClockCheck < kCallsPerClockCheck)
        return !m_closing;
    m_callsSinceClockCheck = 0;
    if (!m_sinceLastPump.isValid() || m_sinceLastPump.hasExpired(kPumpIntervalMs)) {
        showRunState();
        QCoreApplication::processEvents();
        m_sinceLastPump.start();
    }
    return !m_closing;
}

void Form1::showCompletion() {
    showRunState();
    m_dialogs->showCompletion();
}

void Form1::showRunState() {
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        // Shown with a maximum of 0, a bar would turn into Qt's busy indicator.
        const LatestRunState::ShownBar bar = m_shown.shownBar(i);
        m_bars[i]->setRange(0, bar.maximum);
        m_bars[i]->setValue(bar.position);
    }
    if (const auto status = m_shown.takeStatus()) {
        m_statusLine->setText(toQString(*status));
        // The status line fits its text, which is longer in some phases than in others.
        m_statusLine->adjustSize();
    }
    if (const auto list = m_shown.takeList())
        m_unreplacedBox->setList(toQString(*list));
}

} // namespace velb
