#pragma once
// The modal dialogs as the user meets them: the system's file dialogs, a plain message
// box and the completion dialog, each run in its own modal loop.

#include "ModalDialogs.h"

namespace velb {

class QtModalDialogs : public ModalDialogs {
public:
    std::optional<QString> chooseFile(QWidget* owner, FileDialog kind, const QString& filter,
                                      const QString& presetName) override;
    void showError(QWidget* owner, const QString& message) override;
    void showCompletion() override;
};

} // namespace velb
