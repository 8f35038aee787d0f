// The player controller's seek, jump, swap, sound, volume, speed and size actions.
#include "CustomWindow.h"
#include "PlayerWindowUi.h"
#include "TVKPlayInfo.h"
#include "TVKPlayerController.h"
#include "VideoPlayer.h"
#include "catalogue/mediaside.h"
#include "common/cformat.h"
#include "common/log.h"
#include "controls/TKImageButton.h"
#include "controls/TKVideoBackgroundImageView.h"

#include <QGuiApplication>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSlider>

void TVKPlayerController::videoPositionSliderMoved(double slider)
{
    tvk::log(tvk::cformat("[%s] position slider moved:%lf <=> %lf", "D ", m_playInfo->position(),
                          slider));
    VideoPlayer *player1 = m_parts.player1;
    VideoPlayer *player2 = m_parts.player2;
    m_playInfo->setIsPlaying(isPlaying(player1));
    if (m_moving)
        return;
    if (slider >= 0.998) {
        player1->setTime(player1->length());
        player2->setTime(player2->length());
        return;
    }
    m_moving = true;
    m_movingPosition = slider;
    player1->setPosition(static_cast<float>(slider));
    player2->setPosition(static_cast<float>(slider));
    syncVideoPositionDelay(0.3);
}

void TVKPlayerController::jumpForward()
{
    VideoPlayer *player1 = m_parts.player1;
    VideoPlayer *player2 = m_parts.player2;
    tvk::log(QStringLiteral("[D ] _player1.time=%1,remainingTime.stringValue=%2")
                 .arg(timeString(player1->time()), timeString(player1->remainingTime())));
    if (m_moving || !player1->hasMedia())
        return;
    if (player1->remainingTime() / 1000 > -10) {
        player1->setTime(player1->length());
        player2->setTime(player2->length());
        return;
    }
    m_moving = true;
    const double seconds = double(player1->length()) / 1000.0;
    m_movingPosition = player1->position() + (seconds > 0 ? 10.0 / seconds : 0.0);
    setSliderValue(m_movingPosition);
    player1->jumpForward(10);
    syncVideoPositionDelay(0.3);
}

void TVKPlayerController::jumpBackward()
{
    VideoPlayer *player1 = m_parts.player1;
    VideoPlayer *player2 = m_parts.player2;
    if (m_moving || !player1->hasMedia())
        return;
    if (player1->time() < 10000) {
        player1->setTime(0);
        player2->setTime(0);
    } else {
        m_moving = true;
        m_movingPosition = sliderValue();
        player1->jumpBackward(10);
        syncVideoPositionDelay(0.3);
    }
    updateAudioUI();
}

void TVKPlayerController::swapPlayer()
{
    VideoPlayer *player1 = m_parts.player1;
    VideoPlayer *player2 = m_parts.player2;
    if (!isPlaying(player1) || !isPlaying(player2) || m_swapping)
        return;
    m_swapping = true;
    const float remembered = player1->position();

    player1->pause();
    player2->pause();
    const QString main = player1->media();
    const QString small = player2->media();
    player1->setMedia(small);
    player2->setMedia(main);
    player1->play();
    player2->play();

    m_parts.ui->player1BackgroundView->setLogoImage(isRearMediaPath(player1->media())
                                                        ? QStringLiteral("v1_rear_logo")
                                                        : QStringLiteral("v1_front_logo"));
    m_parts.ui->player2BackgroundView->setLogoImage(isFrontMediaPath(player2->media())
                                                        ? QStringLiteral("v2_front_logo")
                                                        : QStringLiteral("v2_rear_logo"));
    m_moving = true;
    m_movingPosition = player1->position();

    // Each view grows out of the corner nearest the other view.
    QWidget *host1 = m_parts.video1View->parentWidget();
    QWidget *host2 = m_parts.video2View->parentWidget();
    m_parts.video1View->setGeometry(QRect(host1->width(), 0, 0, 0));
    m_parts.video2View->setGeometry(QRect(0, host2->height(), 0, 0));
    auto *group = new QParallelAnimationGroup(this);
    for (auto [view, host] :
         {std::pair{m_parts.video1View, host1}, std::pair{m_parts.video2View, host2}}) {
        auto *grow = new QPropertyAnimation(view, "geometry", group);
        grow->setDuration(1500);
        grow->setEasingCurve(QEasingCurve::OutCubic);
        grow->setEndValue(host->rect());
        group->addAnimation(grow);
    }
    group->start(QAbstractAnimation::DeleteWhenStopped);

    player1->setMute(true);
    player2->setMute(true);
    later(0.8, [this, remembered] {
        m_moving = false;
        m_parts.player1->setPosition(remembered);
        m_parts.player2->setPosition(remembered);
    });
    later(1.7, [this] {
        m_swapping = false;
        updateAudioUI();
    });
}

void TVKPlayerController::chooseAudioAuto()
{
    const VideoPlayer *chosen = nullptr;
    if (hasAudio(m_parts.player1))
        chosen = m_parts.player1;
    else if (hasAudio(m_parts.player2))
        chosen = m_parts.player2;
    m_playInfo->setAudioMediaDirection(chosen ? mediaDirectionOfPath(chosen->media()) : 2);
}

void TVKPlayerController::updateAudioUI()
{
    VideoPlayer *player1 = m_parts.player1;
    VideoPlayer *player2 = m_parts.player2;
    TKImageButton *toggle = m_parts.ui->audioToggleButton;
    const int direction = m_playInfo->audioMediaDirection();
    VideoPlayer *heard = nullptr;
    if (direction == 0 || direction == 1) {
        const bool rear = direction == 1;
        // Only a pair has a choice of sound; a single recording shows no toggle.
        toggle->setVisible(player2->hasMedia());
        toggle->setChecked(rear);
        toggle->setImageName(rear ? QStringLiteral("icon_sound_rear_n")
                                  : QStringLiteral("icon_sound_front_n"));
        for (VideoPlayer *player : {player1, player2}) {
            if (mediaDirectionOfPath(player->media()) == direction) {
                heard = player;
                break;
            }
        }
    } else if (direction == 2) {
        toggle->hide();
    }
    for (VideoPlayer *player : {player1, player2}) {
        if (player == heard) {
            player->setMute(false);
            player->setVolume(static_cast<int>(m_volume));
        } else {
            player->setMute(true);
        }
    }
    QSlider *slider = m_parts.ui->volumeSlider;
    const QSignalBlocker block(slider);
    slider->setValue(static_cast<int>(m_volume));
}

void TVKPlayerController::toggleAudioChoice()
{
    m_playInfo->setAudioMediaDirection(m_parts.ui->audioToggleButton->isChecked() ? 1 : 0);
}

void TVKPlayerController::setVolume(quint64 volume)
{
    m_volume = std::min<quint64>(volume, 200);
    emit volumeChanged(m_volume);
}

void TVKPlayerController::volumeSliderMoved(int value)
{
    setVolume(static_cast<quint64>(std::max(0, value)));
}

void TVKPlayerController::volumeUp()
{
    setVolume(std::min<quint64>(200, m_volume + 10));
}

void TVKPlayerController::volumeDown()
{
    setVolume(m_volume >= 10 ? m_volume - 10 : 0);
}

void TVKPlayerController::increaseSpeed()
{
    if (m_playInfo->speed() + 1.0 > 2.0)
        return;
    for (VideoPlayer *player : {m_parts.player1, m_parts.player2})
        player->setRate(player->rate() + 1.0f);
    m_playInfo->setSpeed(m_playInfo->speed() + 1.0);
}

void TVKPlayerController::decreaseSpeed()
{
    if (m_playInfo->speed() <= 1.0)
        return;
    for (VideoPlayer *player : {m_parts.player1, m_parts.player2})
        player->setRate(player->rate() - 1.0f);
    m_playInfo->setSpeed(m_playInfo->speed() - 1.0);
}

void TVKPlayerController::updatePlayInfoScale()
{
    const VideoPlayer *player1 = m_parts.player1;
    if (!isPlaying(player1) || !player1->hasVideoOut())
        return;
    const QSize video = player1->videoSize();
    if (video.height() <= 0)
        return;
    m_playInfo->setScale(double(m_parts.ui->videoContainerView->height()) / video.height());
}

void TVKPlayerController::sizeUp()
{
    if (isPlaying(m_parts.player1))
        setVideoScaleIndex(1);
}

void TVKPlayerController::sizeDown()
{
    if (isPlaying(m_parts.player1))
        setVideoScaleIndex(-1);
}

void TVKPlayerController::setVideoScaleIndex(qint64 step)
{
    CustomWindow *window = m_parts.window;
    const QSize minimum(1020, 640);
    QSize size = window->size() + QSize(static_cast<int>(step * 204), static_cast<int>(step * 128));
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
