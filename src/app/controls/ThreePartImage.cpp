#include "app/controls/ThreePartImage.h"

#include "app/controls/NamedImage.h"

#include <QPainter>

void drawThreePartImage(QPainter *painter, const QRect &bounds, const QString &left,
                        const QString &middle, const QString &right)
{
    const qreal dpr = painter->device()->devicePixelRatioF();
    auto widthAt = [&bounds](const QString &name) {
        const QSize natural = tvk::namedImageSize(name);
        if (natural.isEmpty())
            return 0;
        return natural.width() * bounds.height() / std::max(1, natural.height());
    };
    const int leftW = widthAt(left), rightW = widthAt(right);
    const int midW = std::max(0, bounds.width() - leftW - rightW);
    const int h = bounds.height();
    if (midW > 0)
        painter->drawPixmap(bounds.x() + leftW, bounds.y(),
                            tvk::namedPixmap(middle, QSize(midW, h), dpr));
    if (leftW > 0)
        painter->drawPixmap(bounds.x(), bounds.y(), tvk::namedPixmap(left, QSize(leftW, h), dpr));
    if (rightW > 0)
        painter->drawPixmap(bounds.x() + bounds.width() - rightW, bounds.y(),
                            tvk::namedPixmap(right, QSize(rightW, h), dpr));
}

ThreePartImage::ThreePartImage(QWidget *parent) : QWidget(parent) {}

void ThreePartImage::setImagesLeft(const QString &left, const QString &middle, const QString &right)
{
    m_left = left;
    m_middle = middle;
    m_right = right;
    update();
}

void ThreePartImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawThreePartImage(&painter, rect(), m_left, m_middle, m_right);
}
