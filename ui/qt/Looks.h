#pragma once
// Fonts and colours of the windows. Every text is set in a Ming typeface: the one the
// program was designed with where the system has it, else the Ming faces that Linux
// distributions ship, so the Chinese captions keep their look and their proportions.

#include <ControlRow.h>

#include <QFont>

#include <span>

class QWidget;

namespace velb {

/// The Ming typeface at the given size; points may be fractional (26.25).
QFont mingFont(double points, bool bold = false);

/// What every window of the program shares: its control name, its title and fixed client
/// size from its row, the program's icon and the 9-point Ming typeface for texts without a
/// font of their own. It makes the program's pictures available as resources, so every
/// window is dressed before it shows one.
void dressWindow(QWidget* window, const WindowRow& row);

/// Gives the controls of window their own fonts and colours: a label's text, a line's fill.
void applyLooks(QWidget* window, std::span<const ControlLook> looks);

} // namespace velb
