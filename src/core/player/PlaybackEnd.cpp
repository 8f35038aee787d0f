// The end watch, broken recordings, the advance to the next recording and the stop.
#include "core/catalogue/MediaList.h"
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"
#include "core/telemetry/BlackBoxData.h"

void Playback::startEndWatch()
{
    const quint64 watch = ++m_watches;
    m_endWatch = watch;
    later(1.0, [this, watch] { lookAtEnd(watch); });
}

void Playback::lookAtEnd(quint64 watch)
{
    if (watch != m_endWatch)
        return; // replaced or stopped
    later(1.0, [this, watch] { lookAtEnd(watch); });
    const bool resting =
        m_state == State::Playing || m_state == State::Paused || m_state == State::AtEnd;
    if (!resting || m_player1->state() != VideoPlayer::Paused ||
        m_player1->position() < kEndPosition)
        return;
    setState(State::Advancing);
    // Void once anything has replaced this watch or left the advance: a stop, a failure,
    // another start, or the user going back into the recording.
    later(1.0, [this, watch] {
        if (watch != m_endWatch || m_state != State::Advancing)
            return;
        if (!playNext())
            setState(State::AtEnd);
    });
}

bool Playback::playNext()
{
    m_endWatch = 0;
    const qint64 next = m_mediaIndex + 1 + (m_hasRearMedia ? 1 : 0);
    if (next >= m_mediaList->count())
        return false;
    return playAtIndex(next);
}

void Playback::stop()
{
    // A start still reading telemetry is void once its players are unloaded.
    ++m_startGeneration;
    m_publishPending = false;
    m_endWatch = 0;
    for (VideoPlayer *player : {m_player1, m_player2}) {
        player->pause();
        player->setMedia({});
    }
    m_playInfo->setIsPlaying(false);
    setState(State::Idle);
}

void Playback::clearShown()
{
    m_blackBoxData->clear();
    m_publishPending = false;
    emit telemetryPublished(m_blackBoxData->snapshot());
    m_movingLength = 0;
    showPosition(0.0);
    emit timeChanged(0, 0);
    m_playInfo->setScale(0.0);
    m_playInfo->setSpeed(1.0);
    emit controlsReset();
}

void Playback::watchFirstSecond()
{
    const quint64 generation = m_startGeneration;
    later(1.0, [this, generation] {
        if (generation != m_startGeneration)
            return;
        // No picture came (sound alone, or a view that is not shown): the telemetry waits no
        // longer.
        if (m_publishPending)
            publishStart();
        // Sound alone plays on a black view: the user is told rather than left guessing.
        if (m_player1->hasMedia() && m_player1->isPlaying() && !m_player1->hasVideoOut() &&
            m_player1->videoSize().isEmpty())
            emit noPicture(m_player1->media());
        if (m_startSettled)
            return;
        m_startSettled = true;
        // Without an index (a crash cut it) the length is unknown, yet the picture plays on:
        // only a recording that also stands still is broken.
        if (m_player1->hasMedia() && m_player1->length() <= 0 && m_lastReportedTime < 500)
            failBroken();
    });
}

bool Playback::endedTooSoon() const
{
    // A recording cut short (a card pulled while the camera wrote) shows a frame and ends at
    // once, far short of the length its header promises, or has no length at all.
    if (m_player1->state() != VideoPlayer::Paused || m_player1->position() < kEndPosition)
        return false;
    const qint64 length = m_player1->length();
    return !m_startSettled && (length <= 0 || m_lastReportedTime + 1000 < length);
}

void Playback::failBroken()
{
    m_endWatch = 0; // no advance over a broken recording without a word
    ++m_startGeneration;
    for (VideoPlayer *player : {m_player1, m_player2}) {
        if (player->isPlaying())
            player->pause();
    }
    m_playInfo->setIsPlaying(false);
    setState(State::Failed);
    clearShown();
    emit playStartFailed(m_player1->media());
}

void Playback::stopAndClear()
{
    stop();
    m_mediaIndex = -1;
    clearShown();
    emit partnerChanged(false);
    showSides();
}
