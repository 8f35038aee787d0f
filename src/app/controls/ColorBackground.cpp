#include "app/controls/ColorBackground.h"

#include <QPaintEvent>
#include <QPainter>

ColorBackground::ColorBackground(QWidget *parent) : QWidget(parent) {}

void ColorBackground::setBackgroundColor(const QColor &color)
{
    m_color = color;
    update();
}

void ColorBackground::paintEvent(QPaintEvent *event)
{
    if (!m_color.isValid())
        return;
    QPainter painter(this);
    painter.fillRect(event->rect(), m_color);
}

CustomBackgroundBox::CustomBackgroundBox(QWidget *parent) : QWidget(parent) {}

void CustomBackgroundBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), fillColor());
}
