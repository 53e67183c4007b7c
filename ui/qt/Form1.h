#pragma once
// The main window ("Form1"): the four path fields with their Browse buttons, the output
// options, the report box, the progress bars, the status line and the list of dialogs
// left unreplaced. Its Execute button hands the window itself, as the RunView, to the
// run control, which runs the whole job inside the click.
//
// A run calls the view for every line it reads, so the setters only remember the latest
// values; the widgets catch up, and pending events are processed, about every 16 ms and
// always before a modal dialog opens. Closing the window during a run only hides it: the
// run learns at its next event pump that it must stop, and the window outlives the click.

#include "ModalDialogs.h"

#include <LatestRunState.h>
#include <RunView.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace velb {

class AboutBox;
class ListBox;

class Form1 : public QWidget, public RunView {
    Q_OBJECT

public:
    explicit Form1(std::unique_ptr<ModalDialogs> dialogs = nullptr);
    ~Form1() override;

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One builder per frame of the window, each from its own table (Form1Layout.cpp).
    void buildPathFrame();
    void buildProgressFrame();
    void buildStatusStrip();
    void buildOutputFrame();
    void buildCommandButtons();
    void findControls();
    void connectCommands();

    void browse(PathField field);
    void execute();
    void showAbout();
    // Execute looks like the default button unless the focus is on another button, which
    // answers Enter itself.
    void showDefaultButton(QWidget* focused);

    // Pushes the values the run has set since the last time into the widgets.
    void showRunState();

    std::unique_ptr<ModalDialogs> m_dialogs;
    QPointer<AboutBox> m_about;
    // The file name every Browse dialog starts from: the path last chosen with any of them.
    QString m_sharedFileName;
    bool m_closing = false;

    // The latest values of a run, shown by showRunState().
    LatestRunState m_shown;
    QElapsedTimer m_sinceLastPump;
    int m_callsSinceClockCheck = 0;

    std::array<QLineEdit*, 4> m_pathFields{};
    std::array<QPushButton*, 4> m_browseButtons{};
    std::array<QProgressBar*, 4> m_bars{};
    QLabel* m_statusLine = nullptr;
    ListBox* m_unreplacedBox = nullptr;
    QCheckBox* m_reportBox = nullptr;
    QRadioButton* m_mergedOption = nullptr;
    QPushButton* m_executeButton = nullptr;
    QPushButton* m_aboutButton = nullptr;
    QPushButton* m_exitButton = nullptr;
};

} // namespace velb
