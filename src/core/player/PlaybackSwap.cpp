// The two views exchange their recordings at the moment shown.
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"

void Playback::swapViews()
{
    // Paused on a moment, the user swaps to see it from the other camera: the swap keeps the
    // pause.
    const bool paused = m_state == State::Paused && m_player1->state() == VideoPlayer::Paused &&
                        m_player2->state() == VideoPlayer::Paused;
    const bool playing = (m_state == State::Playing || m_state == State::Opening) &&
                         isPlaying(m_player1) && isPlaying(m_player2);
    if (!paused && !playing)
        return;
    setState(State::Swapping);
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
    showSides();
    m_targetPosition = remembered;
    emit swapStarted();

    m_player1->setMute(true);
    m_player2->setMute(true);
    const quint64 generation = m_startGeneration;
    later(0.8, [this, generation] {
        if (generation != m_startGeneration || m_state != State::Swapping)
            return;
        setState(State::SwapSettling);
        m_soughtPosition = m_targetPosition;
        m_player1->setPosition(static_cast<float>(m_targetPosition));
        m_player2->setPosition(static_cast<float>(m_targetPosition));
    });
    later(1.7, [this, generation, paused] {
        if (generation != m_startGeneration)
            return;
        // Not at the seek itself: a player paused at once keeps showing the picture it
        // had before the seek.
        if (paused) {
            m_player1->pause();
            m_player2->pause();
        }
        if (m_state == State::SwapSettling)
            setState(restingState());
        updateAudioUI();
        setVideoAreaHeight(m_videoAreaHeight); // the other camera's picture has its own size
    });
}
