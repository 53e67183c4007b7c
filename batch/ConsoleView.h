#pragma once
// The RunView of velb-batch: the four fields and the options come from the command line,
// errors go to stderr in the window's words, and a progress line is drawn where asked
// (stderr when it is a terminal). The console never goes away during a run, so the run is
// never stopped.

#include "RunView.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace velb {

struct BatchRequest {
    std::array<std::filesystem::path, 4> paths; ///< old English, old Chinese, new English, output
    OutputMode mode = OutputMode::Separate;
    bool report = true;
};

class ConsoleView : public RunView {
public:
    /// progressLine: the stream the progress line is drawn on, or null for none.
    ConsoleView(BatchRequest request, std::FILE* progressLine);

    void setExecuteAndExitEnabled(bool) override {}
    void clearUnreplacedList() override {}
    void addUnreplaced(std::u16string_view) override {}
    void setStatus(std::u16string_view status) override;
    void setBarMaximum(Bar bar, int maximum) override;
    void setBarPosition(Bar bar, int position) override;
    std::filesystem::path readPath(PathField field) override;
    OutputMode readOutputMode() override { return m_request.mode; }
    bool readReportOption() override { return m_request.report; }
    void showError(std::u16string_view message) override;
    bool pumpEvents() override;
    void showCompletion() override;
    /// velb-batch never blocks on a question: its options said which headers to read.
    bool askReadEveryHeaderForm(std::u16string_view) override { return false; }

private:
    void drawProgress();
    void clearProgress();

    BatchRequest m_request;
    std::FILE* m_progressLine;
    std::u16string_view m_status;
    Bar m_bar = Bar::OldEnglish;
    std::array<int, 4> m_maximum{};
    std::array<int, 4> m_position{};
    std::chrono::steady_clock::time_point m_lastDrawn;
};

} // namespace velb
