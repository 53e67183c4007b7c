#pragma once
// Everything modal the main window opens (the Browse buttons' file dialogs, the error
// box and the completion dialog) goes through ModalDialogs, which the window owns. The
// program uses the Qt dialogs; tests put a stand-in with queued answers in their place
// and so answer in the user's stead without a modal loop.

#include <QString>

#include <optional>

class QWidget;

namespace velb {

class ModalDialogs {
public:
    enum class FileDialog { Open, Save };

    virtual ~ModalDialogs() = default;

    /// Asks for a file name with the given filter list ("description(pattern);;…"),
    /// starting from presetName; nothing when the user cancels.
    virtual std::optional<QString> chooseFile(QWidget* owner, FileDialog kind, const QString& filter,
                                              const QString& presetName) = 0;
    /// The error box titled "錯誤訊息"; returns when it has been dismissed.
    virtual void showError(QWidget* owner, const QString& message) = 0;
    /// The completion dialog; returns when it has been closed.
    virtual void showCompletion() = 0;
};

} // namespace velb
