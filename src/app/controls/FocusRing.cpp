#include "app/controls/FocusRing.h"

#include <QPainter>
#include <QPalette>

void drawFocusRing(QPainter &painter, const QRectF &around, const QPalette &palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF outer = around.adjusted(1, 1, -1, -1);
    painter.setPen(QPen(palette.color(QPalette::Highlight), 2));
    painter.drawRoundedRect(outer, 4, 4);
    painter.setPen(QPen(palette.color(QPalette::HighlightedText), 1));
    painter.drawRoundedRect(outer.adjusted(2, 2, -2, -2), 3, 3);
    painter.restore();
}
