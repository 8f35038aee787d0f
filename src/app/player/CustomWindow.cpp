#include "CustomWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

CustomWindow::CustomWindow(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground, false);
    setFocusPolicy(Qt::StrongFocus);
}

QPoint CustomWindow::draggedOrigin(const QPoint &origin, const QPoint &delta, int frameHeight,
                                   const QRect &available)
{
    Q_UNUSED(frameHeight);
    QPoint moved = origin + delta;
    // Never slide the title area under the top panel of the desktop.
    if (moved.y() < available.top())
        moved.setY(available.top());
    return moved;
}

void CustomWindow::enterFullscreen()
{
    if (m_isFullScreen)
        return;
    m_isFullScreen = true;
    if (m_initialFrame.width() == 0 || m_initialFrame.height() == 0)
        m_initialFrame = geometry();
    emit isFullScreenChanged(true);
    showFullScreen();
}

void CustomWindow::leaveFullscreen()
{
    if (!m_isFullScreen)
        return;
    m_isFullScreen = false;
    emit isFullScreenChanged(false);
    showNormal();
    setGeometry(m_initialFrame);
}

void CustomWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_isFullScreen) {
        leaveFullscreen();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CustomWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_isFullScreen) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Compositors that place windows themselves (Wayland) only move a window on request.
    if (QGuiApplication::platformName() == QLatin1String("wayland") && windowHandle() &&
        windowHandle()->startSystemMove()) {
        return;
    }
    m_dragging = true;
    m_initialLocation = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CustomWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint wanted = event->globalPosition().toPoint() - m_initialLocation;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    move(draggedOrigin(frameGeometry().topLeft(), wanted - frameGeometry().topLeft(), height(),
                       available));
}

void CustomWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void CustomWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit contentResized();
}

void CustomWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    QWidget::closeEvent(event);
}
