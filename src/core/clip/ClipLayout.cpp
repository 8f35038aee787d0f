#include "core/clip/ClipLayout.h"

#include <cmath>

namespace clip {

namespace {

int even(double value)
{
    return std::max(2, 2 * int(std::lround(value / 2)));
}

QSize evenSize(QSize size)
{
    return {even(size.width()), even(size.height())};
}

// `size` scaled to `height`, its aspect ratio kept.
QSize atHeight(QSize size, int height)
{
    return {even(double(size.width()) * height / size.height()), even(height)};
}

} // namespace

std::optional<Layout> layoutNamed(const QString &name)
{
    if (name == u"side")
        return Layout::SideBySide;
    if (name == u"inset")
        return Layout::Inset;
    if (name == u"front")
        return Layout::FrontOnly;
    if (name == u"rear")
        return Layout::RearOnly;
    return std::nullopt;
}

std::optional<Corner> cornerNamed(const QString &name)
{
    if (name == u"top-left")
        return Corner::TopLeft;
    if (name == u"top-right")
        return Corner::TopRight;
    if (name == u"bottom-left")
        return Corner::BottomLeft;
    if (name == u"bottom-right")
        return Corner::BottomRight;
    return std::nullopt;
}

Frame frameFor(Layout layout, Corner corner, QSize frontSize, QSize rearSize)
{
    if (frontSize.isEmpty())
        frontSize = rearSize;
    if (rearSize.isEmpty())
        rearSize = frontSize;
    if (frontSize.isEmpty())
        frontSize = rearSize = QSize(640, 360);
    Frame frame;
    switch (layout) {
    case Layout::FrontOnly:
        frame.size = evenSize(frontSize);
        frame.front = QRect(QPoint(0, 0), frame.size);
        break;
    case Layout::RearOnly:
        frame.size = evenSize(rearSize);
        frame.rear = QRect(QPoint(0, 0), frame.size);
        break;
    case Layout::SideBySide: {
        const QSize front = evenSize(frontSize);
        const QSize rear = atHeight(rearSize, front.height());
        frame.size = QSize(front.width() + rear.width(), front.height());
        frame.front = QRect(QPoint(0, 0), front);
        frame.rear = QRect(QPoint(front.width(), 0), rear);
        break;
    }
    case Layout::Inset: {
        frame.size = evenSize(frontSize);
        frame.front = QRect(QPoint(0, 0), frame.size);
        const int width = even(frame.size.width() * kInsetShare);
        const QSize rear = evenSize(
            {width, int(std::lround(double(width) * rearSize.height() / rearSize.width()))});
        const int margin = even(frame.size.height() / 40.0);
        const bool left = corner == Corner::TopLeft || corner == Corner::BottomLeft;
        const bool top = corner == Corner::TopLeft || corner == Corner::TopRight;
        frame.rear = QRect(QPoint(left ? margin : frame.size.width() - margin - rear.width(),
                                  top ? margin : frame.size.height() - margin - rear.height()),
                           rear);
        break;
    }
    }
    return frame;
}

} // namespace clip
