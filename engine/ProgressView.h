#pragma once
// What the engine shows of its work, and nothing more: the status line, the progress bars,
// the list of dialogs left unreplaced, and the event pumps that keep a window alive during a
// run. The engine declares this narrow interface and the layers above implement it, so the
// engine knows nothing of windows, fields or buttons; the run control's RunView extends it.

#include <cstddef>
#include <string_view>

namespace velb {

/// The four progress bars of the main window, ProgressBar1 to ProgressBar4.
enum class Bar { OldEnglish = 1, OldChinese = 2, NewEnglish = 3, Matching = 4 };

/// The index from 0 of a control numbered from 1, as the window numbers its bars and fields.
template <typename Numbered> constexpr std::size_t indexOf(Numbered control) {
    return static_cast<std::size_t>(control) - 1;
}

class ProgressView {
public:
    virtual ~ProgressView() = default;

    /// Sets the status line (Label1).
    virtual void setStatus(std::u16string_view status) = 0;
    virtual void setBarMaximum(Bar bar, int maximum) = 0;
    virtual void setBarPosition(Bar bar, int position) = 0;
    /// The list of unreplaced dialogs (Text5) grows by this line: a dialog name, " →未替換"
    /// and CR LF. The text is the caller's and may be gone after the call; a view that
    /// shows the list later keeps its own copy.
    virtual void addUnreplaced(std::u16string_view line) = 0;
    /// Lets the window process its pending events. Returns false when the window that runs
    /// the job is going away: the run then stops at once and touches the view no more.
    [[nodiscard]] virtual bool pumpEvents() = 0;
};

/// Thrown when pumpEvents() says the window is going away; caught only by the run control.
struct RunStopped {};

/// Pumps the view's events and unwinds the run when its window is closing.
inline void pumpOrStop(ProgressView& view) {
    if (!view.pumpEvents())
        throw RunStopped{};
}

} // namespace velb
