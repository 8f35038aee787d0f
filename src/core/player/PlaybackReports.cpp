// What the players report: their states and their times.
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"
#include "core/player/timereadout.h"

void Playback::onPlayerStateChanged()
{
    updateVideoViewVisibility();
    if (waitingForPlayStart() &&
        (m_player1->state() == VideoPlayer::Error || m_player2->state() == VideoPlayer::Error)) {
        abandonStart();
        return;
    }
    const bool p1 = m_player1->hasMedia() && m_player1->isPlaying();
    const bool p2 = m_player2->hasMedia() && m_player2->isPlaying();
    const bool pausedBoth = m_player1->state() == VideoPlayer::Paused &&
                            (!m_player2->hasMedia() || m_player2->state() == VideoPlayer::Paused);
    if (!m_player1->hasMedia())
        return;
    if (m_state != State::Failed && !waitingForPlayStart() &&
        (m_player1->state() == VideoPlayer::Error || endedTooSoon())) {
        failBroken();
        return;
    }
    if (pausedBoth) {
        didFinishPlay();
        return;
    }
    if (!p1 || (m_player2->hasMedia() && !p2))
        return;
    switch (m_state) {
    case State::Starting:
        didStartPlayer();
        startEndWatch();
        return;
    case State::Swapping:
    case State::SwapSettling:
        // A swap keeps both silent until its end, whatever the players report meanwhile.
        return;
    case State::Playing:
    case State::Paused:
    case State::AtEnd:
    case State::Advancing:
    case State::Failed:
        setState(State::Playing);
        break;
    case State::Idle:
    case State::ExtractingTelemetry:
    case State::Opening:
    case State::Seeking:
        break;
    }
    updateAudioUI();
}

void Playback::didStartPlayer()
{
    setState(State::Opening);
    m_playInfo->setSpeed(m_player1->rate());
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    chooseAudioAuto();
    // Every start: recordings of the two cameras differ in size.
    if (m_player1->hasVideoOut() && m_player1->videoSize().width() > 0)
        setVideoAreaHeight(m_videoAreaHeight);
}

void Playback::didFinishPlay()
{
    m_playInfo->setPosition(m_player1->position());
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    switch (m_state) {
    case State::Opening:
    case State::Playing:
    case State::Paused:
    case State::AtEnd:
        setState(restingState());
        break;
    default: // a start, a move, an advance or a failure ends on its own terms
        break;
    }
}

void Playback::onPlayerTimeChanged(VideoPlayer *sender)
{
    // A failed recording's last reports would fill what was cleared again.
    if (m_state == State::Failed)
        return;
    updateVideoViewVisibility();
    if (m_state == State::Opening) {
        setState(State::Playing);
        chooseAudioAuto();
        watchFirstSecond();
    }
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    const bool moving = isMoving();
    if (sender == m_player1) {
        if (m_player1->position() < kEndPosition)
            m_lastReportedTime = m_player1->time();
        // While a seek or swap settles the players still report where they were.
        if (moving)
            showTime(m_targetPosition);
        else
            emit timeChanged(m_player1->time(),
                             shownRemainingTime(m_player1->time(), m_player1->length()));
    }
    if (moving) {
        m_playInfo->setPosition(m_targetPosition);
    } else if (sender == m_player1) {
        if (m_reportsSincePosition == 0)
            m_playInfo->setPosition(m_player1->position());
        m_reportsSincePosition = (m_reportsSincePosition + 1) % 3;
    }
}
