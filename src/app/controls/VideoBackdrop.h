#pragma once

#include <QWidget>

// The frame behind a video: a nine-part image over the whole area (corners at their natural
// size, edges and centre stretched) and an optional logo centred at its natural size.
class VideoBackdrop : public QWidget
{
    Q_OBJECT
public:
    explicit VideoBackdrop(QWidget *parent = nullptr);

    // Loads "<stem>_top_left_corner" … "<stem>_center_fill".
    void setBackgroundNineImageName(const QString &stem);
    void setLogoImage(const QString &name);
    const QString &backgroundStem() const { return m_stem; }
    const QString &logoImage() const { return m_logo; }

    // Draws the view's picture into any painter; the widget paints through it.
    void paint(QPainter *painter, const QRect &bounds) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_stem;
    QString m_logo;
};

// Draws a nine-part image named by a stem over a rectangle.
void drawNinePartImage(QPainter *painter, const QRect &bounds, const QString &stem);
