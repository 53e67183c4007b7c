#pragma once
// The window as the run control sees it: what the engine reports through (ProgressView),
// plus the buttons, the fields and options a run reads, the error box, the completion dialog
// and the one question a run may ask. The same run drives the main windows, the console of
// velb-batch and the recording view of the tests. Text crosses it as UTF-16, the form the engine holds text in.

#include "DialogMatcher.h"
#include "ProgressView.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace velb {

/// The four path fields of the main window, Text1 to Text4.
enum class PathField { OldEnglish = 1, OldChinese = 2, NewEnglish = 3, Output = 4 };

class RunView : public ProgressView {
public:
    /// Enables or disables Execute and then Exit (Command5, Command7).
    virtual void setExecuteAndExitEnabled(bool enabled) = 0;
    /// Empties the list of unreplaced dialogs (Text5).
    virtual void clearUnreplacedList() = 0;

    /// The path in a path field at the moment of the call, in the file system's own form, so
    /// that a name whose bytes are no text still names its file.
    virtual std::filesystem::path readPath(PathField field) = 0;
    /// The option buttons at the moment of the call: merged when Option1(0) is set, else separate.
    virtual OutputMode readOutputMode() = 0;
    /// Whether the report box (Check1) is ticked at the moment of the call.
    virtual bool readReportOption() = 0;

    /// Shows the modal error box titled "錯誤訊息" and returns when it is dismissed.
    virtual void showError(std::u16string_view message) = 0;
    /// Shows the completion dialog modally and returns when it has been closed.
    virtual void showCompletion() = 0;
    /// Asks, with 是 and 否, whether the run should read the dialogs of every header form and
    /// carry their translations string by string (see Execute); true for 是.
    virtual bool askReadEveryHeaderForm(std::u16string_view question) = 0;
};

} // namespace velb
