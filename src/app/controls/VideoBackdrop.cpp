#include "app/controls/VideoBackdrop.h"

#include "app/controls/NamedImage.h"

#include <QPainter>

namespace {

QString part(const QString &stem, const char *name)
{
    return QStringLiteral("%1_%2").arg(stem, QLatin1String(name));
}

void drawScaled(QPainter *painter, const QString &name, const QRect &target)
{
    if (target.isEmpty())
        return;
    const QPixmap pixmap =
        tvk::namedPixmap(name, target.size(), painter->device()->devicePixelRatioF());
    if (!pixmap.isNull())
        painter->drawPixmap(target.topLeft(), pixmap);
}

} // namespace

void drawNinePartImage(QPainter *painter, const QRect &bounds, const QString &stem)
{
    if (stem.isEmpty())
        return;
    const QSize tl = tvk::namedImageSize(part(stem, "top_left_corner"));
    const QSize br = tvk::namedImageSize(part(stem, "bottom_right_corner"));
    const int left = tl.width(), top = tl.height(), right = br.width(), bottom = br.height();
    const int x0 = bounds.left(), y0 = bounds.top();
    const int x1 = bounds.left() + left, y1 = bounds.top() + top;
    const int x2 = bounds.right() + 1 - right, y2 = bounds.bottom() + 1 - bottom;
    const int midW = std::max(0, x2 - x1), midH = std::max(0, y2 - y1);

    drawScaled(painter, part(stem, "center_fill"), QRect(x1, y1, midW, midH));
    drawScaled(painter, part(stem, "top_edge_fill"), QRect(x1, y0, midW, top));
    drawScaled(painter, part(stem, "bottom_edge_fill"), QRect(x1, y2, midW, bottom));
    drawScaled(painter, part(stem, "left_edge_fill"), QRect(x0, y1, left, midH));
    drawScaled(painter, part(stem, "right_edge_fill"), QRect(x2, y1, right, midH));
    drawScaled(painter, part(stem, "top_left_corner"), QRect(x0, y0, left, top));
    drawScaled(painter, part(stem, "top_right_corner"), QRect(x2, y0, right, top));
    drawScaled(painter, part(stem, "bottom_left_corner"), QRect(x0, y2, left, bottom));
    drawScaled(painter, part(stem, "bottom_right_corner"), QRect(x2, y2, right, bottom));
}

VideoBackdrop::VideoBackdrop(QWidget *parent) : QWidget(parent) {}

void VideoBackdrop::setBackgroundNineImageName(const QString &stem)
{
    m_stem = stem;
    update();
}

void VideoBackdrop::setLogoImage(const QString &name)
{
    m_logo = name;
    update();
}

void VideoBackdrop::paint(QPainter *painter, const QRect &bounds) const
{
    drawNinePartImage(painter, bounds, m_stem);
    if (m_logo.isEmpty())
        return;
    const QSize logo = tvk::namedImageSize(m_logo);
    if (logo.isEmpty())
        return;
    const QPoint origin(bounds.x() + (bounds.width() - logo.width()) / 2,
                        bounds.y() + (bounds.height() - logo.height()) / 2);
    painter->drawPixmap(origin,
                        tvk::namedPixmap(m_logo, logo, painter->device()->devicePixelRatioF()));
}

void VideoBackdrop::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(&painter, rect());
}
