#pragma once
// The window as the run control and the engine see it: every caption, bar, field and
// dialog a run touches goes through this interface, so the same run drives the Qt main
// window, the console of velb-batch and the recording view of the tests. Text crosses it
// as UTF-16, the form the engine holds text in.

#include <string>
#include <string_view>

namespace velb {

/// The four progress bars of the main window, ProgressBar1 to ProgressBar4.
enum class Bar { OldEnglish = 1, OldChinese = 2, NewEnglish = 3, Matching = 4 };

/// The four path fields of the main window, Text1 to Text4.
enum class PathField { OldEnglish = 1, OldChinese = 2, NewEnglish = 3, Output = 4 };

/// Merged: one output script, unreplaced dialogs stay English. Separate: a translated
/// script and a still-to-translate script named after the output path.
enum class OutputMode { Merged, Separate };

class RunView {
public:
    virtual ~RunView() = default;

    /// Enables or disables Execute and then Exit (Command5, Command7).
    virtual void setExecuteAndExitEnabled(bool enabled) = 0;
    /// Replaces the list of unreplaced dialogs (Text5); the text is one line per dialog, CR LF
    /// ended. The list grows by one line per unreplaced dialog, so a view need not copy it at
    /// every call: the text stays valid until the next setUnreplacedList or until Execute returns.
    virtual void setUnreplacedList(std::u16string_view list) = 0;
    /// Sets the status line (Label1).
    virtual void setStatus(std::u16string_view status) = 0;
    virtual void setBarMaximum(Bar bar, int maximum) = 0;
    virtual void setBarPosition(Bar bar, int position) = 0;

    /// The text of a path field at the moment of the call.
    virtual std::u16string readPath(PathField field) = 0;
    /// The option buttons at the moment of the call: merged when Option1(0) is set, else separate.
    virtual OutputMode readOutputMode() = 0;
    /// Whether the report box (Check1) is ticked at the moment of the call.
    virtual bool readReportOption() = 0;

    /// Shows the modal error box titled "錯誤訊息" and returns when it is dismissed.
    virtual void showError(std::u16string_view message) = 0;
    /// Lets the window process its pending events. Returns false when the window that runs
    /// the job is going away: the run then stops at once and touches the view no more.
    [[nodiscard]] virtual bool pumpEvents() = 0;
    /// Shows the completion dialog modally and returns when it has been closed.
    virtual void showCompletion() = 0;
};

/// Thrown when pumpEvents() says the window is going away; caught only by the run control.
struct RunStopped {};

/// Pumps the view's events and unwinds the run when its window is closing.
inline void pumpOrStop(RunView& view) {
    if (!view.pumpEvents())
        throw RunStopped{};
}

} // namespace velb
