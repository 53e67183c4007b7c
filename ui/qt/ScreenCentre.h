#pragma once
// Centres a window on its screen each time it is shown, frame and all. A window manager's
// frame is known only once the window has been framed, just before its first paint, so the
// window is centred as it is shown and, when the frame then turns out to differ, once more.

#include <QObject>
#include <QRect>

class QWidget;

namespace velb {

class ScreenCentre : public QObject {
public:
    /// Keeps window centred; owned by the window.
    explicit ScreenCentre(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centre();

    QWidget* m_window;
    bool m_awaitingFrame = false;
    QRect m_centredFrame; // the frame as it was when last centred
};

} // namespace velb
