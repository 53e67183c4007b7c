#pragma once
// Stands in for the user at the main window's modal dialogs: a file dialog takes the next
// queued answer, an empty queue meaning Cancel, and the question the next queued yes or no;
// what was asked and shown is written down, in UTF-8, instead of shown.

#include <CodePage.h>
#include <ModalDialogs.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace velb::testing {

struct QueuedDialogs : ModalDialogs {
    std::deque<std::u16string> fileAnswers;
    std::deque<bool> yesNoAnswers;
    std::vector<std::string> shown; ///< "open <preset name>", "error <message>", "completion", "ask <question>"
    std::function<void()> whileCompletionOpen = [] {}; ///< looks at the window while the dialog is up

    std::optional<std::u16string> chooseFile(FileDialog kind, std::u16string_view preset) override {
        shown.push_back((kind == FileDialog::Save ? "save " : "open ") + toUtf8(preset));
        return take(fileAnswers);
    }
    void showError(std::u16string_view message) override { shown.push_back("error " + toUtf8(message)); }
    void showCompletion() override {
        shown.push_back("completion");
        whileCompletionOpen();
    }
    bool askYesNo(std::u16string_view question) override {
        shown.push_back("ask " + toUtf8(question));
        return take(yesNoAnswers).value_or(false);
    }

private:
    template <typename T> static std::optional<T> take(std::deque<T>& queue) {
        if (queue.empty())
            return std::nullopt;
        T answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

} // namespace velb::testing
