// The end watch, the advance to the next recording and the stop.
#include "TVKPlayInfo.h"
#include "TVKPlayback.h"
#include "VideoPlayer.h"
#include "catalogue/TVKMediaList.h"

void TVKPlayback::startTimerPlayNext()
{
    const quint64 watch = ++m_watches;
    m_endWatch = watch;
    later(1.0, [this, watch] { timerPlayNext(watch); });
}

void TVKPlayback::timerPlayNext(quint64 watch)
{
    if (watch != m_endWatch)
        return; // replaced or stopped
    later(1.0, [this, watch] { timerPlayNext(watch); });
    if (m_preparingPlayNext || m_player1->state() != VideoPlayer::Paused ||
        m_player1->position() < kEndPosition)
        return;
    m_preparingPlayNext = true;
    setState(State::Advancing);
    later(1.0, [this] {
        if (m_bPlayNext)
            return;
        m_bPlayNext = true;
        if (!playNext())
            setState(State::AtEnd);
    });
}

bool TVKPlayback::playNext()
{
    m_endWatch = 0;
    const qint64 next = m_mediaIndex + 1 + (m_hasRearMedia ? 1 : 0);
    if (next >= m_mediaList->count())
        return false;
    return playAtIndex(next);
}

void TVKPlayback::stopPlay()
{
    // A start still reading telemetry is void once its players are unloaded.
    ++m_startGeneration;
    m_endWatch = 0;
    for (VideoPlayer *player : {m_player1, m_player2}) {
        player->pause();
        player->setMedia({});
    }
    m_loadingShown = false;
    emit loadingEnded();
    m_playInfo->setIsPlaying(false);
    setState(State::Idle);
}
