#pragma once

#include <QSlider>

// A horizontal slider whose groove takes a click as "go here", as media players' do, instead
// of a page step; the press then goes on as a drag of the handle.
class TKSeekSlider : public QSlider
{
    Q_OBJECT
public:
    explicit TKSeekSlider(QWidget *parent = nullptr);

    // The value under a point of the groove, the handle centred on it.
    int valueAt(const QPoint &point) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
