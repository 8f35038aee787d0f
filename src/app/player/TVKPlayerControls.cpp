// The controls, the list and the keys call the playback core's actions.
#include "CustomWindow.h"
#include "PlayerWindowUi.h"
#include "TVKPlayerController.h"
#include "common/strings.h"
#include "controls/TKImageButton.h"
#include "player/TVKPlayback.h"

#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QTableView>

void TVKPlayerController::bindControls()
{
    TVKPlayback *core = m_parts.playback;
    PlayerWindowUi &ui = *m_parts.ui;
    const struct
    {
        TKImageButton *button;
        void (TVKPlayback::*action)();
        const char *tip;
    } buttons[] = {
        {ui.playButton, &TVKPlayback::clickPlayButton, "player.play_pause"},
        {ui.playButtonForFullScreen, &TVKPlayback::clickPlayButton, "player.play_pause"},
        {ui.jumpBackwardButton, &TVKPlayback::jumpBackward, "player.jump_backward"},
        {ui.jumpForwardButton, &TVKPlayback::jumpForward, "player.jump_forward"},
        {ui.volumeDownButton, &TVKPlayback::volumeDown, "player.volume_down"},
        {ui.volumeUpButton, &TVKPlayback::volumeUp, "player.volume_up"},
        {ui.speedDownButton, &TVKPlayback::decreaseSpeed, "player.speed_down"},
        {ui.speedUpButton, &TVKPlayback::increaseSpeed, "player.speed_up"},
        {ui.sizeDownButton, &TVKPlayback::sizeDown, "player.size_down"},
        {ui.sizeUpButton, &TVKPlayback::sizeUp, "player.size_up"},
        {ui.swapButton, &TVKPlayback::swapPlayer, "player.swap"},
    };
    for (const auto &b : buttons) {
        connect(b.button, &QAbstractButton::clicked, core, b.action);
        b.button->setToolTip(tvk::text(b.tip));
    }
    connect(ui.audioToggleButton, &QAbstractButton::clicked, core,
            [core, &ui] { core->toggleAudioChoice(ui.audioToggleButton->isChecked()); });
    ui.audioToggleButton->setToolTip(tvk::text("player.sound_choice"));
    connect(ui.volumeSlider, &QSlider::valueChanged, core, &TVKPlayback::volumeSliderMoved);
    for (QSlider *slider : {ui.videoPositionSlider, ui.videoPositionSliderForFullScreen}) {
        connect(slider, &QSlider::valueChanged, this, [this, slider](int value) {
            if (!m_updatingSliders)
                m_parts.playback->videoPositionSliderMoved(double(value) / slider->maximum());
        });
    }
    connect(ui.mediaListTableView, &QAbstractItemView::doubleClicked, core, [core, &ui] {
        const QItemSelectionModel *selection = ui.mediaListTableView->selectionModel();
        const QModelIndexList rows = selection ? selection->selectedRows() : QModelIndexList();
        core->changeAndPlay(rows.isEmpty() ? -1 : rows.first().row());
    });
}

void TVKPlayerController::bindKeys()
{
    // Keys of a media player; the window has no menu bar to carry them.
    const struct
    {
        Qt::Key key;
        void (TVKPlayback::*action)();
    } keys[] = {
        {Qt::Key_Space, &TVKPlayback::clickPlayButton}, {Qt::Key_Right, &TVKPlayback::jumpForward},
        {Qt::Key_Left, &TVKPlayback::jumpBackward},     {Qt::Key_Up, &TVKPlayback::volumeUp},
        {Qt::Key_Down, &TVKPlayback::volumeDown},
    };
    for (const auto &k : keys) {
        auto *shortcut = new QShortcut(QKeySequence(k.key), m_parts.window);
        connect(shortcut, &QShortcut::activated, m_parts.playback, k.action);
    }
}

void TVKPlayerController::setVideoScaleIndex(int step)
{
    CustomWindow *window = m_parts.window;
    const QSize minimum = CustomWindow::minimumFrameSize();
    QSize size = window->size() + step * minimum / 5;
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect screenFrame = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
    if (step > 0) {
        if (window->isFullScreen())
            return;
        if (size.width() > screenFrame.width() || size.height() > screenFrame.height() - 100) {
            window->enterFullscreen();
            return;
        }
    } else if (window->isFullScreen()) {
        window->leaveFullscreen();
        return;
    }
    if (size.width() < minimum.width() || size.height() < minimum.height())
        size = minimum;
    if (size == window->size())
        return;
    auto *animation = new QPropertyAnimation(window, "geometry", window);
    animation->setDuration(200);
    animation->setEndValue(QRect(window->geometry().topLeft(), size));
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}
