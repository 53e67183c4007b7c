#pragma once
// The modal dialogs the program shows: the system's own file dialogs and message boxes, and
// the completion dialog.

#include <ModalDialogs.h>

#include <windows.h>

namespace velb::win32 {

class SystemDialogs : public ModalDialogs {
public:
    /// owner: the window the dialogs belong to and lock while they are open, or none.
    explicit SystemDialogs(HWND owner = nullptr) : m_owner(owner) {}

    std::optional<std::u16string> chooseFile(FileDialog kind, std::u16string_view presetName) override;
    void showError(std::u16string_view message) override;
    void showCompletion() override;
    bool askYesNo(std::u16string_view question) override;

private:
    HWND m_owner;
};

} // namespace velb::win32
