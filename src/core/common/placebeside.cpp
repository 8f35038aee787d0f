#include "core/common/placebeside.h"

#include <algorithm>

QPoint placeBeside(const QRect &anchor, const QSize &frame, const QRect &available)
{
    const int rightOf = anchor.x() + anchor.width();
    const int leftOf = anchor.x() - frame.width();
    int x = rightOf;
    if (rightOf + frame.width() > available.x() + available.width())
        x = leftOf >= available.x() ? leftOf : available.x() + available.width() - frame.width();
    // A window wider or taller than the area keeps its top-left corner on it.
    x = std::max(x, available.x());
    const int lowest = available.y() + available.height() - frame.height();
    const int y = std::max(std::min(anchor.y(), lowest), available.y());
    return {x, y};
}
