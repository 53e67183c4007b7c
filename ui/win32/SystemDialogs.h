#pragma once
// The modal dialogs the program shows: the system's own file dialogs and message box, and
// the completion dialog.

#include "ModalDialogs.h"

namespace velb::win32 {

class SystemDialogs : public ModalDialogs {
public:
    std::optional<std::wstring> chooseFile(HWND owner, FileDialog kind, const std::wstring& filter,
                                           const std::wstring& presetName) override;
    void showError(HWND owner, const std::wstring& message) override;
    void showCompletion(HWND owner) override;
};

} // namespace velb::win32
