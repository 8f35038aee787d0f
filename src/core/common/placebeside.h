#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of `frame` size goes next to the window `anchor`: to its right when it fits on
// the `available` area, else to its left, else as far right as the area allows; top edges
// level, moved up or down only to stay on the area.
QPoint placeBeside(const QRect &anchor, const QSize &frame, const QRect &available);
