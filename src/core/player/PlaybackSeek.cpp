// Resume, pause, seeks, jumps and the swap of the two views.
#include "core/catalogue/MediaList.h"
#include "core/common/cformat.h"
#include "core/common/log.h"
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"
#include "core/player/timereadout.h"

void Playback::playBoth()
{
    m_player1->play();
    if (m_player2->hasMedia())
        m_player2->play();
}

void Playback::alignPartnerLater(double seconds)
{
    // Both cameras began at the same moment: the same time is the same picture, whatever
    // each file's length (or its lack of one) makes of a position.
    const quint64 generation = m_startGeneration;
    later(seconds, [this, generation] {
        if (generation == m_startGeneration && !isMoving())
            m_player2->setTime(m_player1->time());
    });
}

void Playback::beginSeek()
{
    m_soughtPosition = m_targetPosition;
    if (!m_player1->hasMedia() || !m_player2->hasMedia())
        return; // a single player is where it was sent at once
    setState(State::Seeking);
    const quint64 generation = m_startGeneration;
    later(0.3, [this, generation] {
        if (generation == m_startGeneration && m_state == State::Seeking)
            settleSeek();
    });
}

void Playback::settleSeek()
{
    // A drag that went on while this seek settled ends where it was let go, not between.
    if (m_targetPosition != m_soughtPosition) {
        seekBoth(m_targetPosition);
        return;
    }
    m_player2->setTime(m_player1->time());
    setState(restingState());
}

void Playback::seekBoth(double position)
{
    m_startSettled = true;
    m_movingLength = m_player1->length();
    showPosition(position);
    if (position >= kEndPosition) {
        m_player1->setTime(m_player1->length());
        m_player2->setTime(m_player2->length());
        if (m_state == State::Seeking)
            setState(restingState());
        return;
    }
    m_player1->setPosition(static_cast<float>(position));
    m_player2->setPosition(static_cast<float>(position));
    beginSeek();
}

void Playback::showPosition(double position)
{
    // A paused player reports no time: what is shown follows the seek's target at once.
    m_targetPosition = std::clamp(position, 0.0, 1.0);
    setShownPosition(m_targetPosition);
    m_playInfo->setPosition(m_targetPosition);
    showTime(m_targetPosition);
}

void Playback::showTime(double position)
{
    if (m_movingLength <= 0) { // no length to place a position in: the player's own time
        emit timeChanged(m_player1->hasMedia() ? m_player1->time() : 0, 0);
        return;
    }
    const auto time = static_cast<qint64>(std::llround(position * double(m_movingLength)));
    emit timeChanged(time, shownRemainingTime(time, m_movingLength));
}

void Playback::playRow(qint64 row)
{
    tvk::log(tvk::cformat("selectedRow=%ld,mediaIndex=%ld,isPlaying=%d,count=%ld",
                          static_cast<long>(row), static_cast<long>(m_mediaIndex),
                          m_playInfo->isPlaying() ? 1 : 0,
                          static_cast<long>(m_mediaList->count())));
    if (row != m_mediaIndex) {
        playAtIndex(row);
        return;
    }
    if (m_player1->state() == VideoPlayer::Paused) {
        m_player1->setPosition(0.0f);
        m_player2->setPosition(0.0f);
    }
    playBoth();
    if (m_player2->hasMedia())
        alignPartnerLater(0.1);
}

void Playback::togglePause()
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
        if (m_shownPosition >= kEndPosition) {
            // At the end with the slider at the end: the recording starts again, telemetry too.
            m_player1->setMedia({});
            m_player2->setMedia({});
            playAtIndex(m_mediaIndex);
            return;
        }
        const qint64 target = static_cast<qint64>(m_shownPosition * double(m_player1->length()));
        m_player1->setTime(target);
        m_player2->setTime(target);
        later(0.1, [this] { playBoth(); });
        return;
    }
    playBoth();
    if (m_player2->hasMedia())
        alignPartnerLater(0.3);
}

void Playback::playOrStartSelected(qint64 selectedRow)
{
    if (m_player1->hasMedia())
        togglePause();
    else if (selectedRow >= 0)
        playAtIndex(selectedRow);
}

void Playback::seekTo(double position)
{
    tvk::log(tvk::cformat("[%s] position slider moved:%lf <=> %lf", "D ", m_playInfo->position(),
                          position));
    // Until the players have started there is no moment to go to.
    if (waitingForPlayStart())
        return;
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    if (isMoving()) {
        showPosition(position);
        return;
    }
    seekBoth(position);
}

void Playback::jumpForward()
{
    tvk::log(QStringLiteral("[D ] _player1.time=%1,remainingTime.stringValue=%2")
                 .arg(timeString(m_player1->time()), timeString(m_player1->remainingTime())));
    if (isMoving() || waitingForPlayStart() || !m_player1->hasMedia())
        return;
    m_startSettled = true;
    m_movingLength = m_player1->length();
    if (m_movingLength > 0 && m_player1->remainingTime() / 1000 > -10) {
        showPosition(1.0);
        m_player1->setTime(m_player1->length());
        m_player2->setTime(m_player2->length());
        return;
    }
    const qint64 target = m_player1->time() + 10000;
    if (m_movingLength > 0)
        showPosition(double(target) / double(m_movingLength));
    else
        emit timeChanged(target, 0); // no length: nothing to place on the slider
    m_player1->setTime(m_movingLength > 0 ? std::min(m_movingLength, target) : target);
    beginSeek();
}

void Playback::jumpBackward()
{
    if (isMoving() || waitingForPlayStart() || !m_player1->hasMedia())
        return;
    m_startSettled = true;
    m_movingLength = m_player1->length();
    if (m_player1->time() < 10000) {
        showPosition(0.0);
        m_player1->setTime(0);
        m_player2->setTime(0);
    } else {
        showPosition(double(m_player1->time() - 10000) / double(m_movingLength));
        m_player1->jumpBackward(10);
        beginSeek();
    }
    updateAudioUI();
}
