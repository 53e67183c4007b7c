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
    /// Called at every pump with the pump's number (from 1); false stops the run.
    std::function<bool(int)> onPump = [](int) { return true; };

    std::vector<std::string> calls; ///< one entry per call, e.g. "status 讀取中..." or "max 1 12"
    int pumps = 0;

    void setExecuteAndExitEnabled(bool enabled) override { record(enabled ? "enable" : "disable"); }
    void clearUnreplacedList() override { record("clear list"); }
    void addUnreplaced(std::u16string_view line) override { record("list+ " + toUtf8(line)); }
    void setStatus(std::u16string_view status) override { record("status " + toUtf8(status)); }
    void setBarMaximum(Bar bar, int maximum) override { record("max " + barText(bar, maximum)); }
    void setBarPosition(Bar bar, int position) override { record("pos " + barText(bar, position)); }
    std::u16string readPath(PathField field) override {
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
        record("pump");
        return onPump(++pumps);
    }
    void showCompletion() override { record("completion"); }

    /// The calls with runs of equal neighbours folded into one entry followed by " xN".
    std::vector<std::string> folded() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < calls.size();) {
            std::size_t j = i;
            while (j < calls.size() && calls[j] == calls[i])
                ++j;
            out.push_back(j - i == 1 ? calls[i] : calls[i] + " x" + std::to_string(j - i));
            i = j;
        }
        return out;
    }

private:
    void record(std::string call) { calls.push_back(std::move(call)); }
    static std::string barText(Bar bar, int value) {
        return std::to_string(static_cast<int>(bar)) + " " + std::to_string(value);
    }
};

} // namespace velb::testing
