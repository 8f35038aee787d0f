#include "app/controls/ClockFace.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <cmath>

ClockFace::ClockFace(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(140, 140);
    setCursor(Qt::OpenHandCursor);
}

void ClockFace::setTime(const QTime &time)
{
    if (time.isValid() && time != m_time) {
        m_time = time;
        update();
    }
}

QPointF ClockFace::centre() const
{
    return QRectF(rect()).center();
}

double ClockFace::radius() const
{
    return qMin(width(), height()) / 2.0 - 4;
}

double ClockFace::angleOf(const QPointF &point) const
{
    const QPointF d = point - centre();
    const double degrees = qRadiansToDegrees(std::atan2(d.x(), -d.y()));
    return degrees < 0 ? degrees + 360 : degrees;
}

double ClockFace::handAngle(Hand hand) const
{
    switch (hand) {
    case Hand::Hour:
        return (m_time.hour() % 12) * 30 + m_time.minute() * 0.5;
    case Hand::Minute:
        return m_time.minute() * 6 + m_time.second() * 0.1;
    case Hand::Second:
        return m_time.second() * 6;
    case Hand::None:
        break;
    }
    return 0;
}

ClockFace::Hand ClockFace::handAt(const QPointF &point) const
{
    const double distance = QLineF(centre(), point).length();
    if (distance > radius() + 4 || distance < 6)
        return Hand::None;
    const double pointer = angleOf(point);
    Hand best = Hand::None;
    double bestGap = 25; // degrees: a press far from every hand takes none
    // The longer hands first: where hands overlap, the one that reaches the pointer wins.
    for (Hand hand : {Hand::Second, Hand::Minute, Hand::Hour}) {
        const double length = hand == Hand::Hour ? 0.5 : hand == Hand::Minute ? 0.75 : 0.9;
        if (distance > radius() * length + 8)
            continue;
        const double gap = std::abs(std::remainder(pointer - handAngle(hand), 360.0));
        if (gap < bestGap) {
            bestGap = gap;
            best = hand;
        }
    }
    return best;
}

void ClockFace::dragTo(const QPointF &point)
{
    const double angle = angleOf(point);
    int h = m_time.hour(), m = m_time.minute(), s = m_time.second();
    // A hand carried past 12 carries the next larger one, as on a real clock.
    const auto wrapped = [](int from, int to) {
        return from >= 45 && to < 15 ? 1 : from < 15 && to >= 45 ? -1 : 0;
    };
    if (m_dragging == Hand::Hour) {
        h = (h >= 12 ? 12 : 0) + int(std::lround(angle / 30)) % 12;
    } else if (m_dragging == Hand::Minute) {
        const int to = int(std::lround(angle / 6)) % 60;
        h = (h + wrapped(m, to) + 24) % 24;
        m = to;
    } else if (m_dragging == Hand::Second) {
        const int to = int(std::lround(angle / 6)) % 60;
        const int minutes = (h * 60 + m + wrapped(s, to) + 24 * 60) % (24 * 60);
        h = minutes / 60;
        m = minutes % 60;
        s = to;
    }
    const QTime moved(h, m, s);
    if (moved != m_time) {
        m_time = moved;
        update();
        emit timeChanged(m_time);
    }
}

void ClockFace::mousePressEvent(QMouseEvent *event)
{
    m_dragging = handAt(event->position());
    if (m_dragging != Hand::None) {
        setCursor(Qt::ClosedHandCursor);
        dragTo(event->position());
    }
}

void ClockFace::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging != Hand::None)
        dragTo(event->position());
}

void ClockFace::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = Hand::None;
    setCursor(Qt::OpenHandCursor);
}

void ClockFace::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = radius();
    p.translate(centre());
    p.setPen(QPen(palette().color(QPalette::Mid), 1.5));
    p.setBrush(palette().color(QPalette::Base));
    p.drawEllipse(QPointF(), r, r);
    QFont font = p.font();
    font.setPointSizeF(qMax(7.0, r / 9));
    p.setFont(font);
    for (int tick = 0; tick < 60; ++tick) {
        const double a = qDegreesToRadians(tick * 6.0);
        const QPointF direction(std::sin(a), -std::cos(a));
        const bool hour = tick % 5 == 0;
        p.setPen(QPen(palette().color(hour ? QPalette::Text : QPalette::Mid), hour ? 2 : 1));
        p.drawLine(direction * r * (hour ? 0.86 : 0.92), direction * r * 0.97);
        if (hour) {
            const QPointF at = direction * r * 0.72;
            p.drawText(QRectF(at.x() - 12, at.y() - 9, 24, 18), Qt::AlignCenter,
                       QString::number(tick == 0 ? 12 : tick / 5));
        }
    }
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(QRectF(-30, r * 0.25, 60, 18), Qt::AlignCenter,
               m_time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
    const auto drawHand = [&](Hand hand, double length, double width, const QColor &color) {
        const double a = qDegreesToRadians(handAngle(hand));
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(), QPointF(std::sin(a), -std::cos(a)) * r * length);
    };
    drawHand(Hand::Hour, 0.5, 5, palette().color(QPalette::Text));
    drawHand(Hand::Minute, 0.75, 3, palette().color(QPalette::Text));
    drawHand(Hand::Second, 0.9, 1.5, QColor(0xd9, 0x3a, 0x2b));
    p.setBrush(QColor(0xd9, 0x3a, 0x2b));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(), 3.5, 3.5);
}
