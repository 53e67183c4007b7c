#pragma once
// Everything modal the main window opens (the Browse buttons' file dialogs, the error box
// and the completion dialog) goes through ModalDialogs, which the window owns. The program
// uses the system's dialogs (SystemDialogs); tests put a stand-in with queued answers in
// their place and so answer in the user's stead without a modal loop.

#include <windows.h>

#include <optional>
#include <string>

namespace velb::win32 {

class ModalDialogs {
public:
    enum class FileDialog { Open, Save };

    virtual ~ModalDialogs() = default;

    /// Asks for a file name with the filter list "description|pattern|…", starting from
    /// presetName; nothing when the user cancels.
    virtual std::optional<std::wstring> chooseFile(HWND owner, FileDialog kind, const std::wstring& filter,
                                                   const std::wstring& presetName) = 0;
    /// The error box titled "錯誤訊息"; returns when it has been dismissed.
    virtual void showError(HWND owner, const std::wstring& message) = 0;
    /// The completion dialog; returns when it has been closed.
    virtual void showCompletion(HWND owner) = 0;
};

} // namespace velb::win32
