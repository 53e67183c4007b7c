#pragma once
// A RunView that writes down every call in order, answers the reads from fields the test
// sets, and can change those fields or stop the run at a chosen event pump, as a user
// clicking during a run would.

#include "CodePage.h"
#include "RunView.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace velb::testing {

class RecordingView : public RunView {
public:
    std::array<std::u16string, 4> paths;
    OutputMode mode = OutputMode::Separate;
    bool report = true;
    bool readEveryForm = false; ///< the answer to the question of other header forms
    /// Called at every pump with the pump's number (from 1); false stops the run.
    std::function<bool(int)> onPump = [](int) { return true; };

    /// One entry per call, e.g. "status 讀取中..." or "max 1 12"; a run of pumps is one entry "pump xN".
    std::vector<std::string> calls;
    int pumps = 0;

    void setExecuteAndExitEnabled(bool enabled) override { record(enabled ? "enable" : "disable"); }
    void clearUnreplacedList() override { record("clear list"); }
    void addUnreplaced(std::u16string_view line) override { record("list+ " + toUtf8(line)); }
    void setStatus(std::u16string_view status) override { record("status " + toUtf8(status)); }
    void setBarMaximum(Bar bar, int maximum) override { record("max " + barText(bar, maximum)); }
    void setBarPosition(Bar bar, int position) override { record("pos " + barText(bar, position)); }
    std::filesystem::path readPath(PathField field) override {
        record("read path " + std::to_string(static_cast<int>(field)));
        return paths[indexOf(field)];
    }
    OutputMode readOutputMode() override {
        record("read mode");
        return mode;
    }
    bool readReportOption() override {
        record("read report");
        return report;
    }
    void showError(std::u16string_view message) override { record("error " + toUtf8(message)); }
    bool pumpEvents() override {
        int run = 1;
        if (!calls.empty() && calls.back().starts_with("pump")) {
            run += calls.back() == "pump" ? 1 : std::stoi(calls.back().substr(6));
            calls.pop_back();
        }
        record(run == 1 ? "pump" : "pump x" + std::to_string(run));
        return onPump(++pumps);
    }
    void showCompletion() override { record("completion"); }
    bool askReadEveryHeaderForm(std::u16string_view question) override {
        record("ask " + toUtf8(question));
        return readEveryForm;
    }

private:
    void record(std::string call) { calls.push_back(std::move(call)); }
    static std::string barText(Bar bar, int value) {
        return std::to_string(static_cast<int>(bar)) + " " + std::to_string(value);
    }
};

} // namespace velb::testing
