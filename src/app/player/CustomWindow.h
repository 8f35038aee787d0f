#pragma once

#include <QRect>
#include <QWidget>

// The borderless main window: dragged by its background, resized from every edge and corner,
// maximised and restored by a double click on its title bar, switching itself between its
// normal frame and its whole screen, returning to the frame recorded at launch.
class CustomWindow : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool isFullScreen READ isFullScreen NOTIFY isFullScreenChanged)
public:
    explicit CustomWindow(QWidget *parent = nullptr);

    // The frame the window opens with where the screen has room; size steps are a fifth of
    // it, and a narrower window folds its layout.
    static QSize preferredFrameSize() { return {1020, 640}; }
    // The smallest frame the folded layout holds.
    static QSize minimumFrameSize() { return {720, 440}; }

    bool isFullScreen() const { return m_isFullScreen; }
    void setInitialFrame(const QRect &frame) { m_initialFrame = frame; }
    const QRect &initialFrame() const { return m_initialFrame; }

    void enterFullscreen();
    void leaveFullscreen();

    // The origin a drag moves the window to, kept below the top of the available area.
    static QPoint draggedOrigin(const QPoint &origin, const QPoint &delta, int frameHeight,
                                const QRect &available);
    // A frame of the wanted size centred in the available area, made smaller where the area
    // is (a small screen, or a large scale factor), so that all of it can be reached.
    static QRect frameCentredIn(const QRect &available, const QSize &wanted);
    // The frame moved (not resized) so that as much of it as fits lies in the available area,
    // its top-left corner always inside.
    static QRect keptInside(const QRect &frame, const QRect &available);
    // The edges a press at point grabs in a frame of the given size: those within band of
    // the point, and both edges of a corner within corner of it.
    static Qt::Edges resizeEdges(const QPoint &point, const QSize &size, int band = 6,
                                 int corner = 18);

    // The bar whose double click maximises and restores the window.
    void setTitleBar(QWidget *bar) { m_titleBar = bar; }
    void toggleMaximized();

signals:
    void isFullScreenChanged(bool isFullScreen);
    void contentResized();
    void closing();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool resizable() const;
    Qt::Edges edgesAt(const QPoint &point) const;
    void showResizeCursor(Qt::Edges edges);

    bool m_isFullScreen = false;
    QWidget *m_titleBar = nullptr;
    bool m_dragging = false;
    QPoint m_initialLocation;
    QRect m_initialFrame;
};
