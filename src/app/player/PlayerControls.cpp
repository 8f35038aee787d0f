// The controls, the list and the keys call the playback core's actions.
#include "app/controls/ImageButton.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerController.h"
#include "app/player/PlayerWindowUi.h"
#include "core/common/strings.h"
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPropertyAnimation>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QTableView>

void PlayerController::bindControls()
{
    Playback *core = m_parts.playback;
    PlayerWindowUi &ui = *m_parts.ui;
    for (ImageButton *play : {ui.playButton, ui.playButtonForFullScreen}) {
        connect(play, &QAbstractButton::clicked, core,
                [this, core] { core->playOrStartSelected(selectedRow()); });
        play->setToolTip(tvk::text("player.play_pause"));
    }
    const struct
    {
        ImageButton *button;
        std::function<void()> action;
        const char *tip;
    } buttons[] = {
        {ui.jumpBackwardButton, [core] { core->jumpBackward(); }, "player.jump_backward"},
        {ui.jumpForwardButton, [core] { core->jumpForward(); }, "player.jump_forward"},
        {ui.volumeDownButton, [core] { core->stepVolume(-1); }, "player.volume_down"},
        {ui.volumeUpButton, [core] { core->stepVolume(1); }, "player.volume_up"},
        {ui.speedDownButton, [core] { core->changeSpeed(-1); }, "player.speed_down"},
        {ui.speedUpButton, [core] { core->changeSpeed(1); }, "player.speed_up"},
        {ui.sizeDownButton, [this] { stepWindowSizeWhilePlaying(-1); }, "player.size_down"},
        {ui.sizeUpButton, [this] { stepWindowSizeWhilePlaying(1); }, "player.size_up"},
        {ui.swapButton, [core] { core->swapViews(); }, "player.swap"},
    };
    for (const auto &b : buttons) {
        connect(b.button, &QAbstractButton::clicked, core, b.action);
        b.button->setToolTip(tvk::text(b.tip));
    }
    connect(ui.audioToggleButton, &QAbstractButton::clicked, core,
            [core, &ui] { core->hearRearCamera(ui.audioToggleButton->isChecked()); });
    ui.audioToggleButton->setToolTip(tvk::text("player.sound_choice"));
    connect(ui.volumeSlider, &QSlider::valueChanged, core, &Playback::setVolume);
    for (QSlider *slider : {ui.videoPositionSlider, ui.videoPositionSliderForFullScreen}) {
        connect(slider, &QSlider::valueChanged, this, [this, slider](int value) {
            if (!m_updatingSliders)
                m_parts.playback->seekTo(double(value) / slider->maximum());
        });
    }
    // A double click, or Enter, on a row.
    connect(ui.mediaListTableView, &QAbstractItemView::activated, core,
            [core](const QModelIndex &index) { core->playRow(index.row()); });
    ui.mediaListTableView->installEventFilter(this);
}

qint64 PlayerController::selectedRow() const
{
    const QItemSelectionModel *selection = m_parts.ui->mediaListTableView->selectionModel();
    const QModelIndexList rows = selection ? selection->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool PlayerController::eventFilter(QObject *watched, QEvent *event)
{
    // The focused list keeps the keys that move its selection and play its row, rather than
    // the window's volume shortcuts.
    if (watched == m_parts.ui->mediaListTableView && event->type() == QEvent::ShortcutOverride) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Enter:
        case Qt::Key_Return:
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlayerController::updateEnabled()
{
    // Controls that could do nothing now are shown disabled.
    PlayerWindowUi &ui = *m_parts.ui;
    const bool loaded = m_parts.playback->player1()->hasMedia();
    const bool playing = m_parts.playback->playInfo()->isPlaying();
    ui.playButton->setEnabled(loaded || selectedRow() >= 0);
    ui.playButtonForFullScreen->setEnabled(ui.playButton->isEnabled());
    ui.swapButton->setEnabled(loaded && m_hasPartner);
    ui.sizeUpButton->setEnabled(playing);
    ui.sizeDownButton->setEnabled(playing);
    ui.fullScreenButton->setEnabled(loaded);
    for (ImageButton *button :
         {ui.jumpBackwardButton, ui.jumpForwardButton, ui.speedDownButton, ui.speedUpButton})
        button->setEnabled(loaded);
}

void PlayerController::bindKeys()
{
    // Keys of a media player; the window has no menu bar to carry them.
    connect(new QShortcut(QKeySequence(Qt::Key_Space), m_parts.window), &QShortcut::activated, this,
            [this] {
                // Space presses the button that has the keyboard, as in every window.
                auto *button = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
                if (button && button->isEnabled() && button->window() == m_parts.window) {
                    button->animateClick();
                    return;
                }
                m_parts.playback->playOrStartSelected(selectedRow());
            });
    Playback *core = m_parts.playback;
    const struct
    {
        Qt::Key key;
        std::function<void()> action;
    } keys[] = {
        {Qt::Key_Right,
         [core] {
             core->jumpForward();
         }},
        {Qt::Key_Left,
         [core] {
             core->jumpBackward();
         }},
        {Qt::Key_Up,
         [core] {
             core->stepVolume(1);
         }},
        {Qt::Key_Down,
         [core] {
             core->stepVolume(-1);
         }},
    };
    for (const auto &k : keys) {
        auto *shortcut = new QShortcut(QKeySequence(k.key), m_parts.window);
        connect(shortcut, &QShortcut::activated, m_parts.playback, k.action);
    }
}

void PlayerController::stepWindowSizeWhilePlaying(int step)
{
    if (m_parts.playback->isPlaying(m_parts.playback->player1()))
        stepWindowSize(step);
}

void PlayerController::stepWindowSize(int step)
{
    CustomWindow *window = m_parts.window;
    const QSize preferred = CustomWindow::preferredFrameSize();
    QSize size = window->size() + step * preferred / 5;
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect screenFrame = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
    const QRect available = screen ? screen->availableGeometry() : screenFrame;
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
    // Smaller steps end at the usual frame, or at what a small screen has room for.
    if (size.width() < preferred.width() || size.height() < preferred.height())
        size = preferred.boundedTo(available.size()).expandedTo(window->minimumSize());
    if (size == window->size())
        return;
    // A larger window that would reach past the screen's edge moves back inside it.
    const QMargins frame(window->geometry().left() - window->frameGeometry().left(),
                         window->geometry().top() - window->frameGeometry().top(),
                         window->frameGeometry().right() - window->geometry().right(),
                         window->frameGeometry().bottom() - window->geometry().bottom());
    const QRect wanted(window->geometry().topLeft(), size);
    auto *animation = new QPropertyAnimation(window, "geometry", window);
    animation->setDuration(200);
    animation->setEndValue(CustomWindow::keptInside(wanted + frame, available) - frame);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}
