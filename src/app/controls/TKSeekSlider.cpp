#include "app/controls/TKSeekSlider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

TKSeekSlider::TKSeekSlider(QWidget *parent) : QSlider(Qt::Horizontal, parent) {}

int TKSeekSlider::valueAt(const QPoint &point) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    const int offset = point.x() - groove.x() - handle.width() / 2;
    return QStyle::sliderValueFromPosition(minimum(), maximum(), offset, span, option.upsideDown);
}

void TKSeekSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect handle =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        const QPoint point = event->position().toPoint();
        if (!handle.contains(point)) {
            setSliderDown(true);
            setSliderPosition(valueAt(point));
            setSliderDown(false);
        }
    }
    // With the handle now under the pointer, the press starts a drag from here.
    QSlider::mousePressEvent(event);
}
