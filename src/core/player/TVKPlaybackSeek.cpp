// Resume, pause, seeks, jumps and the swap of the two views.
#include "core/catalogue/TVKMediaList.h"
#include "core/common/cformat.h"
#include "core/common/log.h"
#include "core/player/TVKPlayInfo.h"
#include "core/player/TVKPlayback.h"
#include "core/player/VideoPlayer.h"
#include "core/player/timereadout.h"

void TVKPlayback::playBoth()
{
    m_player1->play();
    if (m_player2->hasMedia())
        m_player2->play();
}

void TVKPlayback::syncVideoPositionDelay(double seconds)
{
    if (m_player1->hasMedia() && m_player2->hasMedia())
        later(seconds, [this] { settleSeek(); });
    else
        m_moving = false;
}

void TVKPlayback::settleSeek()
{
    // A drag that went on while this seek settled ends where it was let go, not between.
    if (m_seekPending) {
        m_seekPending = false;
        seekBoth(m_movingPosition);
        return;
    }
    m_moving = false;
    // Both cameras began at the same moment: the same time is the same picture, whatever
    // each file's length (or its lack of one) makes of a position.
    m_player2->setTime(m_player1->time());
}

void TVKPlayback::seekBoth(double position)
{
    m_startSettled = true;
    m_movingLength = m_player1->length();
    showPosition(position);
    if (position >= kEndPosition) {
        m_moving = false;
        m_player1->setTime(m_player1->length());
        m_player2->setTime(m_player2->length());
        return;
    }
    m_moving = true;
    m_player1->setPosition(static_cast<float>(position));
    m_player2->setPosition(static_cast<float>(position));
    syncVideoPositionDelay(0.3);
}

void TVKPlayback::showPosition(double position)
{
    // A paused player reports no time: what is shown follows the seek's target at once.
    m_movingPosition = std::clamp(position, 0.0, 1.0);
    setSliderValue(m_movingPosition);
    m_playInfo->setPosition(m_movingPosition);
    showTime(m_movingPosition);
}

void TVKPlayback::showTime(double position)
{
    if (m_movingLength <= 0) { // no length to place a position in: the player's own time
        emit timeChanged(m_player1->hasMedia() ? m_player1->time() : 0, 0);
        return;
    }
    const auto time = static_cast<qint64>(std::llround(position * double(m_movingLength)));
    emit timeChanged(time, shownRemainingTime(time, m_movingLength));
}

void TVKPlayback::changeAndPlay(qint64 selectedRow)
{
    tvk::log(tvk::cformat("selectedRow=%ld,mediaIndex=%ld,isPlaying=%d,count=%ld",
                          static_cast<long>(selectedRow), static_cast<long>(m_mediaIndex),
                          m_playInfo->isPlaying() ? 1 : 0,
                          static_cast<long>(m_mediaList->count())));
    if (selectedRow != m_mediaIndex) {
        playAtIndex(selectedRow);
        return;
    }
    if (m_player1->state() == VideoPlayer::Paused) {
        m_player1->setPosition(0.0f);
        m_player2->setPosition(0.0f);
    }
    playBoth();
    if (m_player2->hasMedia())
        syncVideoPositionDelay(0.1);
}

void TVKPlayback::clickPlayButton()
{
    if (!m_player1->hasMedia())
        return;
    if (m_playInfo->isPlaying()) {
        for (VideoPlayer *player : {m_player1, m_player2}) {
            if (isPlaying(player))
                player->pause();
        }
        return;
    }
    if (m_player1->position() >= kEndPosition) {
        if (m_sliderValue >= kEndPosition) {
            // At the end with the slider at the end: the recording starts again, telemetry too.
            m_player1->setMedia({});
            m_player2->setMedia({});
            playAtIndex(m_mediaIndex);
            return;
        }
        const qint64 target = static_cast<qint64>(m_sliderValue * double(m_player1->length()));
        m_player1->setTime(target);
        m_player2->setTime(target);
        later(0.1, [this] { playBoth(); });
        return;
    }
    playBoth();
    if (m_player2->hasMedia())
        syncVideoPositionDelay(0.3);
}

void TVKPlayback::playOrStartSelected(qint64 selectedRow)
{
    if (m_player1->hasMedia())
        clickPlayButton();
    else if (selectedRow >= 0)
        playAtIndex(selectedRow);
}

void TVKPlayback::videoPositionSliderMoved(double slider)
{
    tvk::log(tvk::cformat("[%s] position slider moved:%lf <=> %lf", "D ", m_playInfo->position(),
                          slider));
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    if (m_moving) {
        m_seekPending = true;
        showPosition(slider);
        return;
    }
    seekBoth(slider);
}

void TVKPlayback::jumpForward()
{
    tvk::log(QStringLiteral("[D ] _player1.time=%1,remainingTime.stringValue=%2")
                 .arg(timeString(m_player1->time()), timeString(m_player1->remainingTime())));
    if (m_moving || !m_player1->hasMedia())
        return;
    m_startSettled = true;
    m_movingLength = m_player1->length();
    if (m_movingLength > 0 && m_player1->remainingTime() / 1000 > -10) {
        showPosition(1.0);
        m_player1->setTime(m_player1->length());
        m_player2->setTime(m_player2->length());
        return;
    }
    m_moving = true;
    const qint64 target = m_player1->time() + 10000;
    if (m_movingLength > 0)
        showPosition(double(target) / double(m_movingLength));
    else
        emit timeChanged(target, 0); // no length: nothing to place on the slider
    m_player1->setTime(m_movingLength > 0 ? std::min(m_movingLength, target) : target);
    syncVideoPositionDelay(0.3);
}

void TVKPlayback::jumpBackward()
{
    if (m_moving || !m_player1->hasMedia())
        return;
    m_startSettled = true;
    m_movingLength = m_player1->length();
    if (m_player1->time() < 10000) {
        showPosition(0.0);
        m_player1->setTime(0);
        m_player2->setTime(0);
    } else {
        m_moving = true;
        showPosition(double(m_player1->time() - 10000) / double(m_movingLength));
        m_player1->jumpBackward(10);
        syncVideoPositionDelay(0.3);
    }
    updateAudioUI();
}

void TVKPlayback::swapPlayer()
{
    // Paused on a moment, the user swaps to see it from the other camera: the swap keeps the
    // pause.
    const bool paused = m_state == State::Paused && m_player1->state() == VideoPlayer::Paused &&
                        m_player2->state() == VideoPlayer::Paused;
    if ((!paused && (!isPlaying(m_player1) || !isPlaying(m_player2))) || m_swapping)
        return;
    m_swapping = true;
    m_startSettled = true;
    const float remembered = m_player1->position();
    // Until the exchanged players are sought, the time shown stays where the swap began.
    m_movingLength = m_player1->length();

    m_player1->pause();
    m_player2->pause();
    const QString main = m_player1->media();
    m_player1->setMedia(m_player2->media());
    m_player2->setMedia(main);
    m_player1->play();
    m_player2->play();
    showLogos();
    m_moving = true;
    m_movingPosition = remembered;
    emit swapStarted();

    m_player1->setMute(true);
    m_player2->setMute(true);
    later(0.8, [this] {
        m_moving = false;
        m_seekPending = false;
        m_player1->setPosition(static_cast<float>(m_movingPosition));
        m_player2->setPosition(static_cast<float>(m_movingPosition));
    });
    later(1.7, [this, paused] {
        // Not at the seek itself: a player paused at once keeps showing the picture it
        // had before the seek.
        if (paused) {
            m_player1->pause();
            m_player2->pause();
        }
        m_swapping = false;
        updateAudioUI();
        updatePlayInfoScale(m_videoAreaHeight); // the other camera's picture has its own size
    });
}
