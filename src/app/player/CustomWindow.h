#pragma once

#include <QRect>
#include <QWidget>

// The borderless main window: dragged by its background, switching itself between its normal
// frame and its whole screen, returning to the frame recorded at launch.
class CustomWindow : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool isFullScreen READ isFullScreen NOTIFY isFullScreenChanged)
public:
    explicit CustomWindow(QWidget *parent = nullptr);

    // The smallest frame the window takes; size steps are a fifth of it.
    static QSize minimumFrameSize() { return {1020, 640}; }

    bool isFullScreen() const { return m_isFullScreen; }
    void setInitialFrame(const QRect &frame) { m_initialFrame = frame; }
    const QRect &initialFrame() const { return m_initialFrame; }

    void enterFullscreen();
    void leaveFullscreen();

    // The origin a drag moves the window to, kept below the top of the available area.
    static QPoint draggedOrigin(const QPoint &origin, const QPoint &delta, int frameHeight,
                                const QRect &available);

signals:
    void isFullScreenChanged(bool isFullScreen);
    void contentResized();
    void closing();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_isFullScreen = false;
    bool m_dragging = false;
    QPoint m_initialLocation;
    QRect m_initialFrame;
};
