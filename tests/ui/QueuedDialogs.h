#pragma once
// Stands in for the user at the main window's modal dialogs: file dialogs take their
// answers from a queue (nothing queued, or std::nullopt, means Cancel), and every request,
// error message and completion is recorded for the test to check afterwards.

#include <ModalDialogs.h>

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class QueuedDialogs : public velb::ModalDialogs {
public:
    struct FileRequest {
        FileDialog kind;
        QString filter;
        QString presetName;
    };

    std::deque<std::optional<QString>> fileAnswers;
    std::vector<FileRequest> fileRequests;
    QStringList errors;
    int completions = 0;
    // Runs while the completion dialog would be open, to look at the window then.
    std::function<void()> whileCompletionOpen;

    std::optional<QString> chooseFile(QWidget*, FileDialog kind, const QString& filter,
                                      const QString& presetName) override {
        fileRequests.push_back({kind, filter, presetName});
        if (fileAnswers.empty())
            return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    void showError(QWidget*, const QString& message) override { errors.append(message); }

    void showCompletion() override {
        ++completions;
        if (whileCompletionOpen)
            whileCompletionOpen();
    }
};
