#pragma once

#include <QTime>
#include <QWidget>

// An analogue clock face that shows a time of day and lets the user drag its hands: the hand
// nearest the pointer follows it, in whole hours, minutes or seconds. Morning and afternoon are
// kept when the hour hand moves; a label on the face tells them apart.
class ClockFace : public QWidget
{
    Q_OBJECT
public:
    explicit ClockFace(QWidget *parent = nullptr);

    QTime time() const { return m_time; }
    void setTime(const QTime &time);

    QSize sizeHint() const override { return {180, 180}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

    enum class Hand { None, Hour, Minute, Second };
    // The hand a press at the point would take hold of.
    Hand handAt(const QPointF &point) const;

signals:
    // The user moved a hand.
    void timeChanged(const QTime &time);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF centre() const;
    double radius() const;
    // Clockwise degrees from twelve o'clock.
    double angleOf(const QPointF &point) const;
    double handAngle(Hand hand) const;
    void dragTo(const QPointF &point);

    QTime m_time{0, 0, 0};
    Hand m_dragging = Hand::None;
};
