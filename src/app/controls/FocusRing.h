#pragma once

class QPainter;
class QPalette;
class QRectF;

// The mark of the control that has the keyboard: a highlight ring with a thin ring of the
// highlight's text colour inside, so that it shows on a dark window, a light one and on a
// highlighted (selected) control alike.
void drawFocusRing(QPainter &painter, const QRectF &around, const QPalette &palette);
