#pragma once
// The Qt front end's reading of the control tables (ControlRow.h): each row becomes a widget
// whose objectName is the control's name, placed at the screen's logical resolution.

#include <ControlRow.h>

#include <QRect>
#include <QWidget>

#include <span>

namespace velb {

/// Fixes the size of window's client area to that of its row.
void setClientSize(QWidget* window, const WindowRow& row);

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
