#pragma once
// A frame drawn as the window was designed with: an etched line around the frame whose top
// runs through the middle of the caption's height, the caption standing on it and
// interrupting it. Qt's own group box sets its title above the line, which then runs through
// the first row of controls.

#include <QGroupBox>

namespace velb {

class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    /// The top edge of the frame line, from the top of the frame: half the caption's height.
    int lineTop() const;
    /// The thickness of the etched line.
    static constexpr int kLineWidth = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velb
