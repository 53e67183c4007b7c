#include "ScreenCentre.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace velb {

ScreenCentre::ScreenCentre(QWidget* window) : QObject(window), m_window(window) {
    window->installEventFilter(this);
}

bool ScreenCentre::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Show) {
        centre();
        m_awaitingFrame = true;
    } else if (event->type() == QEvent::Paint && m_awaitingFrame) {
        // Only the first paint after showing: later, a window the user has moved stays put.
        m_awaitingFrame = false;
        if (m_window->frameGeometry().size() != m_centredFrame.size())
            centre();
    }
    return false;
}

void ScreenCentre::centre() {
    const QRect area = m_window->screen()->availableGeometry();
    m_centredFrame = m_window->frameGeometry();
    // move() places the frame's corner, as far as the frame is known.
    m_window->move(area.x() + (area.width() - m_centredFrame.width()) / 2,
                   area.y() + (area.height() - m_centredFrame.height()) / 2);
}

} // namespace velb
