#pragma once
// The main window as its logic (Form1Logic) sees it, in the few calls each toolkit answers
// with its own controls. Controls are named as in the window's tables (Text1, ProgressBar4 …).

#include <filesystem>
#include <string>
#include <string_view>

namespace velb {

class Form1Port {
public:
    virtual ~Form1Port() = default;

    /// A path field's, the status line's or the list's (Text5) text. The status line fits its
    /// text, which is longer in some phases than in others.
    virtual void setText(std::string_view control, std::u16string_view text) = 0;
    /// A progress bar's range, from 0 to maximum (never 0), and its position.
    virtual void setBar(std::string_view control, int maximum, int position) = 0;
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
    /// Whether a check box or an option button is set.
    virtual bool isChecked(std::string_view control) = 0;
    /// A path field's text in the file system's own form, so that a name whose bytes are no
    /// text still names its file.
    virtual std::filesystem::path path(std::string_view control) = 0;

    /// The control of this window that has the focus; empty when none has.
    virtual std::string focusedControl() = 0;
    virtual void giveFocus(std::string_view control) = 0;

    /// Draws what changed at once, without processing input.
    virtual void repaint() = 0;
    /// Processes pending events. Enter in this window does nothing meanwhile: a run is going.
    virtual void pump() = 0;

    /// Shows the About box, or brings the one that is open to the front.
    virtual void showAbout() = 0;
    /// Closes the window, as Exit does.
    virtual void close() = 0;
};

} // namespace velb
