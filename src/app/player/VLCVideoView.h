#pragma once

#include <QImage>
#include <QWidget>

// Shows the frames a player decodes. With fill-screen on, the picture covers the whole view
// (keeping its proportions, cropping what overflows); otherwise it fits inside it.
class VLCVideoView : public QWidget
{
    Q_OBJECT
public:
    explicit VLCVideoView(QWidget *parent = nullptr);

    void setFillScreen(bool fill);
    bool fillScreen() const { return m_fill; }
    // The last frame shown, at the video's own size.
    const QImage &frame() const { return m_frame; }
    void clear();

public slots:
    void showFrame(const QImage &frame);

signals:
    void firstFrameShown();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_frame;
    bool m_fill = true;
    bool m_announced = false;
};
