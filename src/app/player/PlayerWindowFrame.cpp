// The window's frame, its layout in and out of full screen, and the video views' fit.
#include "app/controls/ImageButton.h"
#include "app/controls/ThreePartImage.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerController.h"
#include "app/player/PlayerWindow.h"
#include "app/player/PlayerWindowUi.h"
#include "app/player/VideoView.h"
#include "core/player/Playback.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTableView>

QRect PlayerWindow::minWindowFrame() const
{
    const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect visible =
        shown ? shown->availableGeometry() : QRect(QPoint(0, 0), preferredFrameSize());
    return frameCentredIn(visible, preferredFrameSize());
}

bool PlayerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_ui.mediaListTableView->viewport())
            placeListNote();
        else if (watched == m_ui.videoContainerView) {
            fitVideoView(m_video1View);
            // The window's own resize comes before its layout: the zoom is measured here.
            if (m_controller)
                m_controller->measureScale();
        } else if (watched == m_ui.subVideoHost)
            fitVideoView(m_video2View);
    }
    return CustomWindow::eventFilter(watched, event);
}

void PlayerWindow::fitVideoView(VideoView *view)
{
    // A swap animation in progress places the view itself.
    if (m_playback && m_playback->isSwapping())
        return;
    view->setGeometry(view->parentWidget()->rect());
}

void PlayerWindow::layoutWindow()
{
    // Full screen keeps only the video and a thin control strip.
    const bool full = isFullScreen();
    // Until the window has its frame its width says nothing; folding the widgets there and
    // back would leave them laid out anew.
    const bool placed = initialFrame().isValid();
    m_ui.setFolded(placed && !full && width() < CustomWindow::preferredFrameSize().width());
    m_ui.headBox->setVisible(!full);
    m_ui.bodyRightBox->setVisible(!full);
    m_ui.gsensorBox->setVisible(!full);
    m_ui.mediaControlBox->setVisible(!full);
    m_ui.mediaControlBoxForFullScreen->setVisible(full);
    m_ui.bodyBox->layout()->setContentsMargins(full ? 0 : 10, 0, full ? 2 : 10, full ? 2 : 8);
}

void PlayerWindow::toggleFullScreen()
{
    if (!isFullScreen() && !m_ui.fullScreenButton->isEnabled())
        return; // an empty window has nothing to show full screen
    if (isFullScreen())
        leaveFullscreen();
    else
        enterFullscreen();
}

void PlayerWindow::closeWindow()
{
    close();
}
