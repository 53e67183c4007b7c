#pragma once
// Windows are laid out from tables: one row per control with its name, kind, container,
// rectangle in twips, caption and tab index, exactly as the window's design lists them,
// so a reviewer can check a window row by row. Twips become pixels in one place, at 15
// twips per pixel on a 96 DPI screen and in proportion on any other.

#include <QRect>
#include <QWidget>

#include <span>

namespace velb {

enum class ControlKind {
    Frame,       // group box; an empty caption draws the frame alone
    Label,       // one line, sized to its text
    WrappedText, // label with a fixed box that wraps its text
    TextBox,     // one-line path field, read-only to the user
    TextArea,    // several lines, wrapped at blanks, vertical scroll bar, read-only to the user
    Button,
    OptionButton,
    CheckBox,
    ProgressBar,
    Picture, // a picture inside a sunken border; the caption names its resource
    Image,   // a picture without a border; the caption names its resource
    Line,    // a thin filled strip; its colour is set by the window
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* container; // nullptr: the window itself
    TwipsRect rect;
    const char* caption; // UTF-8
    int tabIndex;        // kNoTab for controls outside the tab order
};

inline constexpr int kNoTab = -1;

/// Fixes the size of window's client area to width × height twips.
void setClientSize(QWidget* window, int width, int height);

/// Creates the controls of rows inside window, in order; a row's container must come
/// before it. Each widget's objectName is its control name. A window may be built from
/// several tables, one per frame, with tab indexes counted across the whole window.
void buildControls(QWidget* window, std::span<const ControlRow> rows);

/// The control called name inside window; every name asked for is in the window's table.
template <typename Control> Control* findControl(const QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromUtf8(name));
    Q_ASSERT(control);
    return control;
}

/// Chains the focus through every control of window that takes it, by tab index.
void chainTabOrder(QWidget* window);

} // namespace velb
