#pragma once
// What a window shows of a run, kept between its event pumps. A run calls its view for every
// line it reads, far more often than a screen can show, so a window's setters only remember
// the latest values here and the window shows them when it pumps. Toolkit-neutral, so every
// front end keeps them the same way.

#include "ProgressView.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velb {

class LatestRunState {
public:
    struct ShownBar {
        int maximum;
        int position;
    };

    void clearList() {
        m_list.clear();
        m_listChanged = true;
    }
    void addToList(std::u16string_view line) {
        m_list.append(line);
        m_listChanged = true;
    }
    /// The run sets the same status for every line it loads; true only for a new phase.
    bool setStatus(std::u16string_view status) {
        if (status == m_status)
            return false;
        m_status.assign(status);
        m_statusChanged = true;
        return true;
    }
    void setBarMaximum(Bar bar, int maximum) { m_barMaximum[indexOf(bar)] = maximum; }
    void setBarPosition(Bar bar, int position) { m_barPosition[indexOf(bar)] = position; }

    /// Bar `index` as a window draws it: a maximum of 0 is shown as an empty bar.
    ShownBar shownBar(std::size_t index) const {
        return m_barMaximum[index] > 0 ? ShownBar{m_barMaximum[index], m_barPosition[index]} : ShownBar{1, 0};
    }
    /// The status, when it changed since it was last taken.
    std::optional<std::u16string_view> takeStatus() { return take(m_status, m_statusChanged); }
    /// The list, when it grew or was cleared since it was last taken.
    std::optional<std::u16string_view> takeList() { return take(m_list, m_listChanged); }
    /// The run is over and the window shows its list; no second copy need be kept.
    void releaseList() { m_list = {}; }

private:
    static std::optional<std::u16string_view> take(const std::u16string& value, bool& changed) {
        if (!changed)
            return std::nullopt;
        changed = false;
        return value;
    }

    std::array<int, 4> m_barMaximum{100, 100, 100, 100};
    std::array<int, 4> m_barPosition{};
    std::u16string m_status;
    bool m_statusChanged = false;
    // The run's list as it grew; only shown at a pump, so a long list is not copied into a
    // window at every unreplaced dialog.
    std::u16string m_list;
    bool m_listChanged = false;
};

} // namespace velb
