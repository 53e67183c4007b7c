#pragma once
// Stands in for the user at the main window's modal dialogs: a file dialog takes the next
// queued answer, an empty queue meaning Cancel; what was asked, every error message and
// every completion are written down instead of shown.

#include <ModalDialogs.h>

#include <QStringList>

#include <functional>

namespace velb::testing {

struct QueuedDialogs : ModalDialogs {
    QStringList fileAnswers;
    QStringList fileRequests; ///< "open|filter|preset name" or "save|…"
    QStringList errors;
    int completions = 0;
    std::function<void()> whileCompletionOpen = [] {}; ///< looks at the window while the dialog is up

    std::optional<QString> chooseFile(QWidget*, FileDialog kind, const QString& filter,
                                      const QString& preset) override {
        fileRequests << QStringList{kind == FileDialog::Save ? "save" : "open", filter, preset}.join('|');
        return fileAnswers.isEmpty() ? std::nullopt : std::optional(fileAnswers.takeFirst());
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
    void showCompletion() override {
        ++completions;
        whileCompletionOpen();
    }
};

} // namespace velb::testing
