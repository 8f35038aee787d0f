#include "app/controls/SeekSlider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {

const QColor kMarkColour(255, 153, 0);

} // namespace

SeekSlider::SeekSlider(QWidget *parent) : QSlider(Qt::Horizontal, parent) {}

int SeekSlider::valueAt(const QPoint &point) const
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

int SeekSlider::xOf(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    return groove.x() + handle.width() / 2 +
           QStyle::sliderPositionFromValue(minimum(), maximum(), value, span, option.upsideDown);
}

void SeekSlider::setMarks(std::optional<int> in, std::optional<int> out)
{
    if (in == m_in && out == m_out)
        return;
    m_in = in;
    m_out = out;
    update();
}

void SeekSlider::mousePressEvent(QMouseEvent *event)
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

void SeekSlider::paintEvent(QPaintEvent *event)
{
    QSlider::paintEvent(event);
    if (!m_in && !m_out)
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const int left = xOf(m_in.value_or(minimum()));
    const int right = xOf(m_out.value_or(maximum()));
    QPainter painter(this);
    // Over the groove but thin and see-through, so that the played part still shows.
    QColor band = kMarkColour;
    band.setAlpha(150);
    const int middle = groove.center().y();
    painter.fillRect(QRect(left, middle - 2, std::max(1, right - left), 4), band);
    // Each mark a bracket opening towards the marked stretch.
    painter.setPen(QPen(kMarkColour, 2));
    const int top = middle - std::min(8, height() / 2 - 1), bottom = middle + (middle - top);
    const auto bracket = [&](int x, int towards) {
        painter.drawLine(x, top, x, bottom);
        painter.drawLine(x, top, x + 3 * towards, top);
        painter.drawLine(x, bottom, x + 3 * towards, bottom);
    };
    if (m_in)
        bracket(left, 1);
    if (m_out)
        bracket(right, -1);
}
