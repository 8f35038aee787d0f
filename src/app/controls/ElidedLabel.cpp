#include "app/controls/ElidedLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setObstacle(QWidget *obstacle)
{
    if (m_obstacle)
        m_obstacle->removeEventFilter(this);
    m_obstacle = obstacle;
    if (obstacle)
        obstacle->installEventFilter(this);
    update();
}

int ElidedLabel::textWidth() const
{
    int right = contentsRect().right();
    if (m_obstacle && m_obstacle->isVisible()) {
        const int left = m_obstacle->mapTo(window(), QPoint(0, 0)).x() -
                         mapTo(window(), QPoint(0, 0)).x() - fontMetrics().averageCharWidth();
        if (left > contentsRect().left() && left < right)
            right = left;
    }
    return qMax(0, right - contentsRect().left());
}

QString ElidedLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, textWidth());
}

QSize ElidedLabel::minimumSizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("…")) * 4,
                 QLabel::minimumSizeHint().height());
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect area = contentsRect();
    area.setWidth(textWidth());
    style()->drawItemText(&painter, area, int(alignment()) | Qt::TextSingleLine, palette(),
                          isEnabled(), shownText(), foregroundRole());
}

bool ElidedLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_obstacle && (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
                                  event->type() == QEvent::Move || event->type() == QEvent::Resize))
        update();
    return QLabel::eventFilter(watched, event);
}
