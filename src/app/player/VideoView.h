#pragma once

#include <QImage>
#include <QWidget>

class ImageButton;

// Shows the frames a player decodes. By default the whole picture fits inside the view: the
// camera's burned-in date and time are evidence and must not be cropped. With fill-screen on,
// the picture covers the whole view (keeping its proportions, cropping what overflows). A
// small button in the corner, shown while the pointer is over the view, switches between them.
class VideoView : public QWidget
{
    Q_OBJECT
public:
    explicit VideoView(QWidget *parent = nullptr);

    void setFillScreen(bool fill);
    bool fillScreen() const { return m_fill; }
    // A picture of the current recording has been shown.
    bool showsPicture() const { return m_announced; }
    ImageButton *fillButton() const { return m_fillButton; }
    // The last frame shown, at the video's own size.
    const QImage &frame() const { return m_frame; }
    void clear();

    // The user's choice of fill, kept between runs.
    static bool storedFillScreen();
    static void storeFillScreen(bool fill);

public slots:
    void showFrame(const QImage &frame);

signals:
    void firstFrameShown();
    // The user asked for fill (or for the whole picture) with the view's button.
    void fillScreenChosen(bool fill);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void updateFillButton();

    QImage m_frame;
    ImageButton *m_fillButton = nullptr;
    bool m_fill = false;
    bool m_announced = false;
};
