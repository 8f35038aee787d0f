#pragma once

#include <QWidget>

// A horizontal three-part image: left and right caps at their natural width, the middle
// stretched between them, all at the view's height.
class ThreePartImage : public QWidget
{
    Q_OBJECT
public:
    explicit ThreePartImage(QWidget *parent = nullptr);
    void setImagesLeft(const QString &left, const QString &middle, const QString &right);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_left, m_middle, m_right;
};

void drawThreePartImage(QPainter *painter, const QRect &bounds, const QString &left,
                        const QString &middle, const QString &right);
