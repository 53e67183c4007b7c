#pragma once
// Everything modal the main window opens: the Browse buttons' file dialogs, the error box,
// the completion dialog and the question of other header forms. Each toolkit shows its own;
// tests put a stand-in with queued answers in their place and so answer in the user's stead
// without a modal loop.

#include <optional>
#include <string>
#include <string_view>

namespace velb {

class ModalDialogs {
public:
    enum class FileDialog { Open, Save };

    virtual ~ModalDialogs() = default;

    /// Asks for a file name (*.rc, or any file), starting from presetName; nothing when the
    /// user cancels.
    virtual std::optional<std::u16string> chooseFile(FileDialog kind, std::u16string_view presetName) = 0;
    /// The error box titled "錯誤訊息"; returns when it has been dismissed.
    virtual void showError(std::u16string_view message) = 0;
    /// The completion dialog; returns when it has been closed.
    virtual void showCompletion() = 0;
    /// A question with 是 and 否, titled "Velbrix"; true for 是.
    virtual bool askYesNo(std::u16string_view question) = 0;
};

} // namespace velb
