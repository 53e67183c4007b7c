#pragma once
// The modal dialogs as the user meets them: the system's file dialogs, plain message boxes in
// the window's font and the completion dialog, each run in its own modal loop.

#include <ModalDialogs.h>

class QWidget;

namespace velb {

class QtModalDialogs : public ModalDialogs {
public:
    /// owner: the window the dialogs belong to, or none.
    explicit QtModalDialogs(QWidget* owner = nullptr) : m_owner(owner) {}

    std::optional<std::u16string> chooseFile(FileDialog kind, std::u16string_view presetName) override;
    void showError(std::u16string_view message) override;
    void showCompletion() override;
    bool askYesNo(std::u16string_view question) override;

private:
    QWidget* m_owner;
};

} // namespace velb
