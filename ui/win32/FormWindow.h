#pragma once
// A top-level window of the Windows front end, built from its control tables: each row
// becomes a child control of the window itself (frames are group boxes drawn behind what
// they hold), created in tab order so that the dialog manager's Tab, Enter, Esc and access
// keys follow the design. The window's class has the dialog manager's extra bytes and its
// default procedure is DefDlgProc, so DM_SETDEFID, the default button that moves with the
// focus, and the focus kept over a deactivation come from the system itself.
//
// Closing a window only hides it; the object lives on until its owner destroys it, so a run
// or a handler on the stack never finds its window gone.

#include <ControlRow.h>

#include "Handles.h"

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace velb::win32 {

class FormWindow {
public:
    enum class Kind {
        Main, // fixed single border, window menu and close box, in the taskbar
        Box,  // fixed dialog border, close box, no icon, not in the taskbar
    };

    FormWindow(const WindowRow& window, Kind kind, std::initializer_list<std::span<const ControlRow>> tables,
               std::span<const ControlLook> looks);
    virtual ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND handle() const { return m_window; }
    /// The control called name; every name asked for is in the window's tables.
    HWND control(std::string_view name) const;
    int controlId(std::string_view name) const { return GetDlgCtrlID(control(name)); }

    /// Shows the window in the middle of the screen and gives the focus to the named control.
    void show(std::string_view focused);
    bool isShown() const { return IsWindowVisible(m_window); }
    /// What the close box does: hides the window and calls closed().
    void close();

    /// Resizes a label to its text, which a window may change after it was built.
    void fitLabel(HWND label) const;

protected:
    virtual void command(int id, HWND control) = 0;
    virtual void closed() {}

private:
    struct Control {
        const ControlRow* row;
        HWND handle;
        std::optional<COLORREF> colour; // a label's text or a line's fill
        HBRUSH fill;                    // a line's
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void build(std::initializer_list<std::span<const ControlRow>> tables);
    void applyLooks(std::span<const ControlLook> looks);
    HFONT font(double points, bool bold);
    LRESULT colourStatic(HDC context, HWND control);

    HWND m_window = nullptr;
    int m_dotsPerInchX = 96;
    int m_dotsPerInchY = 96;
    std::vector<Control> m_controls;
    std::vector<FontHandle> m_fonts;
    std::vector<BrushHandle> m_brushes;
    IconHandle m_picture;
};

} // namespace velb::win32
