#pragma once
// The windows are data: one row per control with its name, kind, container, rectangle in
// twips, caption and tab index, exactly as the window's design lists them, so a reviewer can
// check a window row by row. Each front end (Qt, Win32) turns a row into a control of its own;
// nothing here knows either toolkit.

#include <optional>

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
    Picture, // a picture inside a sunken border; the caption names the picture
    Image,   // a picture without a border; the caption names the picture
    Line,    // a thin filled strip in its look's colour
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

/// A top-level window: its control name, title (UTF-8) and client area in twips.
struct WindowRow {
    const char* name;
    const char* title;
    int clientWidth;
    int clientHeight;
};

struct Rgb {
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};

/// A control that does not use the window's 9-point default font and colours: a point size of
/// 0 keeps the default font; the colour is a label's text or a line's fill.
struct ControlLook {
    const char* name;
    double points;
    bool bold;
    std::optional<Rgb> colour;
};

/// The one rule from twips to pixels: 1440 twips to the inch at the screen's logical
/// resolution (15 twips per pixel at 96 DPI), rounded to the nearest pixel.
constexpr int twipsToPixels(int twips, int dotsPerInch) {
    return (twips * dotsPerInch + 720) / 1440;
}

} // namespace velb
