#include "CaptionFrame.h"

#include <QPainter>
#include <qdrawutil.h>

namespace velb {

int CaptionFrame::lineTop() const {
    return fontMetrics().height() / 2;
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int top = lineTop();
    // A dark line with a light one inside it: the etched look of a frame.
    qDrawShadeRect(&painter, QRect(0, top, width(), height() - top), palette(), true, kLineWidth / 2);
    if (title().isEmpty())
        return;
    // The caption begins one average character in, with a blank's worth of room either side
    // where the line is left out.
    const QFontMetrics metrics = fontMetrics();
    const int gap = metrics.horizontalAdvance(QLatin1Char(' ')) / 2;
    const QRect caption(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(title()) + 2 * gap, metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace velb
