#pragma once
// A main window as the window scenarios drive it: the window's logic behind a fake port, or a
// toolkit's real window. Controls are named as in the window's tables. Only a toolkit's window
// has the keyboard and the About box; the fake is never asked for them.

#include "QueuedDialogs.h"

#include <Form1Logic.h>

#include <string>
#include <string_view>

namespace velb::testing {

class Form1Driver {
public:
    virtual ~Form1Driver() = default;

    virtual QueuedDialogs& dialogs() = 0;
    virtual Form1Logic& logic() = 0;
    /// A click on a button, check box or option button, which leaves the focus where it is.
    virtual void click(std::string_view control) = 0;
    /// Puts a path into a path field as the program would.
    virtual void fill(std::string_view field, const std::u16string& path) = 0;
    /// A control's text in UTF-8; a bar as "position/maximum".
    virtual std::string text(std::string_view control) = 0;
    virtual std::string bar(std::string_view control) = 0;
    virtual bool isEnabled(std::string_view control) = 0;
    virtual bool isChecked(std::string_view control) = 0;
    virtual std::string focused() = 0;
    virtual void giveFocus(std::string_view control) = 0;
    /// The user closes the window at the next event pump, which a run makes.
    virtual void closeAtNextPump() = 0;
    virtual bool isShown() = 0;

    enum class Key { Enter, Escape, AltE };
    /// A key pressed where the focus is, in the window that has it; the fake has no keys.
    virtual void press(Key) {}
    /// The same at the next event pump, which a run makes.
    virtual void pressAtNextPump(Key) {}
    virtual int aboutBoxesShown() { return 0; }
};

} // namespace velb::testing
