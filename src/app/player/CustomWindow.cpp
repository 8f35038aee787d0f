#include "app/player/CustomWindow.h"

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

QRect CustomWindow::frameCentredIn(const QRect &available, const QSize &wanted)
{
    const QSize size = wanted.boundedTo(available.size());
    return QRect(available.x() + (available.width() - size.width()) / 2,
                 available.y() + (available.height() - size.height()) / 2, size.width(),
                 size.height());
}

QRect CustomWindow::keptInside(const QRect &frame, const QRect &available)
{
    QRect kept = frame;
    if (kept.right() > available.right())
        kept.moveRight(available.right());
    if (kept.bottom() > available.bottom())
        kept.moveBottom(available.bottom());
    kept.moveLeft(std::max(kept.left(), available.left()));
    kept.moveTop(std::max(kept.top(), available.top()));
    return kept;
}

Qt::Edges CustomWindow::resizeEdges(const QPoint &point, const QSize &size, int band, int corner)
{
    const int x = point.x();
    const int y = point.y();
    if (x < 0 || y < 0 || x >= size.width() || y >= size.height())
        return {};
    const bool left = x < band, right = x >= size.width() - band;
    const bool top = y < band, bottom = y >= size.height() - band;
    const bool sideband = left || right, endband = top || bottom;
    Qt::Edges edges;
    if (left || (endband && x < corner))
        edges |= Qt::LeftEdge;
    if (right || (endband && x >= size.width() - corner))
        edges |= Qt::RightEdge;
    if (top || (sideband && y < corner))
        edges |= Qt::TopEdge;
    if (bottom || (sideband && y >= size.height() - corner))
        edges |= Qt::BottomEdge;
    return edges;
}

void CustomWindow::toggleMaximized()
{
    if (m_isFullScreen)
        return;
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

bool CustomWindow::resizable() const
{
    return !m_isFullScreen && !isMaximized() && minimumSize() != maximumSize();
}

Qt::Edges CustomWindow::edgesAt(const QPoint &point) const
{
    return resizable() ? resizeEdges(point, size()) : Qt::Edges();
}

void CustomWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window's own events come first, whichever widget lies at the border.
    if (windowHandle())
        windowHandle()->installEventFilter(this);
}

bool CustomWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != windowHandle() ||
        (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonPress))
        return QWidget::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const Qt::Edges edges = edgesAt(mouse->position().toPoint());
    if (event->type() == QEvent::MouseMove) {
        if (mouse->buttons() == Qt::NoButton)
            showResizeCursor(edges);
        return false;
    }
    if (mouse->button() == Qt::LeftButton && edges && windowHandle()->startSystemResize(edges))
        return true;
    return false;
}

void CustomWindow::showResizeCursor(Qt::Edges edges)
{
    if (!edges) {
        if (testAttribute(Qt::WA_SetCursor))
            unsetCursor();
        return;
    }
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling =
            edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        setCursor(falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    } else {
        setCursor(horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    }
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
    if (event->button() != Qt::LeftButton || m_isFullScreen || isMaximized()) {
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

void CustomWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_titleBar && m_titleBar->isVisible() &&
        QRect(m_titleBar->mapTo(this, QPoint(0, 0)), m_titleBar->size()).contains(point)) {
        m_dragging = false;
        toggleMaximized();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
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
