// velb-window-bench: one run through the real main window, timed from the click on Execute
// to its return, and how long the window went without processing its events meanwhile. A
// zero-interval timer fires whenever the event loop runs, so the longest gap between two
// firings is the longest time the window could neither repaint nor answer a click.
//
// The modal dialogs are a stand-in that answers at once: a real dialog runs its own event
// loop, which would hide the gaps and add the time a user takes. The window is Form1 itself,
// with the status line's text observed so that a gap can be placed in the run even when the status line
// was not repainted during it, and so that the writing of the output, which processes no
// events by design, is told apart from the rest.
//
// Prints tab-separated lines for run_window_bench.sh: "run" with the seconds, "pumps" with
// the number of firings, and for each gap figure its milliseconds, the second of the run at
// which it began, the status line then and the statuses the run set during it.
//
// Usage: velb-window-bench OLD_ENGLISH OLD_CHINESE NEW_ENGLISH OUTPUT

#include <Form1.h>
#include <QueuedDialogs.h>
#include <StatusCaptions.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr std::u16string_view kSaving = velb::status::kSaving;

struct Gap {
    qint64 nanoseconds = -1;
    qint64 startedAt = 0;
    QString statusLine;
    QStringList runStatuses;

    void print(const char* name) const {
        std::printf("%s\t%.1f\t%.3f\t%s\t%s\n", name, nanoseconds / 1e6, startedAt / 1e9, qPrintable(statusLine),
                    qPrintable(runStatuses.join(QStringLiteral(" → "))));
    }
};

// The main window, unchanged but for noting each status the run sets and when the output
// writing begins; its notePump() is called at every moment the window processes its events.
class WatchedWindow : public velb::Form1 {
public:
    explicit WatchedWindow(std::unique_ptr<velb::ModalDialogs> dialogs) : Form1(std::move(dialogs)) {
        m_statusLine = findChild<QLabel*>(QStringLiteral("Label1"));
    }

    void setText(std::string_view control, std::u16string_view text) override {
        // The window shows a status as soon as the run sets a new one.
        if (control == "Label1") {
            m_statusesInGap.append(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
            if (text == kSaving)
                m_savingAt = m_clock.nsecsElapsed();
        }
        Form1::setText(control, text);
    }

    void startRun() {
        m_clock.start();
        m_lastPump = 0;
        m_lastStatusLine = m_statusLine->text();
    }

    void notePump() {
        const qint64 now = m_clock.nsecsElapsed();
        const Gap gap{now - m_lastPump, m_lastPump, m_lastStatusLine, m_statusesInGap};
        keepLonger(longest, gap);
        if (m_savingAt < 0 || m_savingAt > now) {
            keepLonger(longestBeforeSaving, gap);
        } else {
            keepLonger(writing, gap);
            // Of the gap in which the writing began, the part before it belongs to the rest of the run.
            if (m_savingAt > m_lastPump)
                keepLonger(longestBeforeSaving,
                           {m_savingAt - m_lastPump, m_lastPump, m_lastStatusLine, m_statusesInGap});
        }
        m_lastPump = now;
        m_lastStatusLine = m_statusLine->text();
        m_statusesInGap.clear();
        ++pumps;
    }

    qint64 elapsed() const { return m_clock.nsecsElapsed(); }

    Gap longest;
    Gap longestBeforeSaving;
    Gap writing;
    int pumps = 0;

private:
    static void keepLonger(Gap& kept, const Gap& candidate) {
        if (candidate.nanoseconds > kept.nanoseconds)
            kept = candidate;
    }

    QLabel* m_statusLine = nullptr;
    QElapsedTimer m_clock;
    qint64 m_lastPump = 0;
    qint64 m_savingAt = -1;
    QString m_lastStatusLine;
    QStringList m_statusesInGap;
};

template <typename T> T* control(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList paths = app.arguments().mid(1);
    if (paths.size() != 4) {
        std::fputs("usage: velb-window-bench OLD_ENGLISH OLD_CHINESE NEW_ENGLISH OUTPUT\n", stderr);
        return 2;
    }

    auto dialogs = std::make_unique<velb::testing::QueuedDialogs>();
    velb::testing::QueuedDialogs& answers = *dialogs;
    WatchedWindow window(std::move(dialogs));
    window.show();
    QApplication::processEvents();

    // The paths go in as a user puts them: a Browse button, then the chosen file.
    const char* browseButtons[] = {"Command1", "Command2", "Command3", "Command4"};
    for (int i = 0; i < 4; ++i) {
        answers.fileAnswers.push_back(paths[i].toStdU16String());
        control<QPushButton>(window, browseButtons[i])->click();
    }
    control<QRadioButton>(window, "Option1_1")->setChecked(true);
    control<QCheckBox>(window, "Check1")->setChecked(true);
    QApplication::processEvents();

    QTimer pumpWatch;
    pumpWatch.setInterval(0);
    QObject::connect(&pumpWatch, &QTimer::timeout, &window, &WatchedWindow::notePump);
    pumpWatch.start();
    window.startRun();
    // The run happens inside the click; the events processed right after it end the last gap.
    answers.shown.clear(); // the Browse dialogs
    control<QPushButton>(window, "Command5")->click();
    const qint64 runTime = window.elapsed();
    QApplication::processEvents();
    pumpWatch.stop();

    if (answers.shown != std::vector<std::string>{"completion"}) {
        std::fprintf(stderr, "the run did not complete: %s\n", answers.shown.empty() ? "" : answers.shown[0].c_str());
        return 1;
    }
    std::printf("run\t%.3f\n", runTime / 1e9);
    std::printf("pumps\t%d\n", window.pumps);
    window.longest.print("gap");
    window.longestBeforeSaving.print("gap-before-saving");
    window.writing.print("gap-writing");
    return 0;
}
