#include "app/controls/TKColorBackgroundView.h"

#include <QPaintEvent>
#include <QPainter>

TKColorBackgroundView::TKColorBackgroundView(QWidget *parent) : QWidget(parent) {}

void TKColorBackgroundView::setBackgroundColor(const QColor &color)
{
    m_color = color;
    update();
}

void TKColorBackgroundView::paintEvent(QPaintEvent *event)
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
