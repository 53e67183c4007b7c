#pragma once
// Fonts and colours of the windows. Every text is set in a Ming typeface: the one the
// program was designed with where the system has it, else the Ming faces that Linux
// distributions ship, so the Chinese captions keep their look and their proportions.

#include <QFont>

class QColor;
class QString;
class QWidget;

namespace velb {

/// The Ming typeface at the given size; points may be fractional (26.25).
QFont mingFont(double points, bool bold = false);

/// What every window of the program shares: its control name, its title, the program's
/// icon and the 9-point Ming typeface for texts without a font of their own. It makes the
/// program's pictures available as resources, so every window is dressed before it shows one.
void dressWindow(QWidget* window, const char* name, const QString& title);

/// Colours the text of a label.
void setTextColour(QWidget* label, const QColor& colour);
/// Fills a line drawn as a thin strip.
void setFillColour(QWidget* line, const QColor& colour);

} // namespace velb
