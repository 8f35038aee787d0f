// Which camera is heard, volume, speed, and the scale of the main view.
#include "core/catalogue/MediaSide.h"
#include "core/catalogue/TVKMedia.h"
#include "core/player/TVKPlayInfo.h"
#include "core/player/TVKPlayback.h"
#include "core/player/VideoPlayer.h"

void TVKPlayback::chooseAudioAuto()
{
    const VideoPlayer *chosen = nullptr;
    if (hasAudio(m_player1))
        chosen = m_player1;
    else if (hasAudio(m_player2))
        chosen = m_player2;
    m_playInfo->setAudioMediaDirection(chosen ? mediaDirectionOfPath(chosen->media())
                                              : TVKMedia::UnknownDirection);
}

void TVKPlayback::updateAudioUI()
{
    const int direction = m_playInfo->audioMediaDirection();
    VideoPlayer *heard = nullptr;
    if (direction == TVKMedia::Front || direction == TVKMedia::Rear) {
        // Only a pair has a choice of sound; a single recording shows no toggle.
        emit soundChoiceChanged(m_player2->hasMedia(), direction == TVKMedia::Rear);
        for (VideoPlayer *player : {m_player1, m_player2}) {
            if (mediaDirectionOfPath(player->media()) == direction) {
                heard = player;
                break;
            }
        }
    } else if (direction == TVKMedia::UnknownDirection) {
        emit soundChoiceChanged(false, false);
    }
    for (VideoPlayer *player : {m_player1, m_player2}) {
        player->setMute(player != heard);
        if (player == heard)
            player->setVolume(static_cast<int>(m_volume));
    }
}

void TVKPlayback::toggleAudioChoice(bool rear)
{
    m_playInfo->setAudioMediaDirection(rear ? TVKMedia::Rear : TVKMedia::Front);
}

void TVKPlayback::setVolume(quint64 volume)
{
    m_volume = std::min<quint64>(volume, 200);
    emit volumeChanged(m_volume);
    updateAudioUI();
}

void TVKPlayback::volumeSliderMoved(int value)
{
    setVolume(static_cast<quint64>(std::max(0, value)));
}

void TVKPlayback::volumeUp()
{
    setVolume(std::min<quint64>(200, m_volume + 10));
}

void TVKPlayback::volumeDown()
{
    setVolume(m_volume >= 10 ? m_volume - 10 : 0);
}

void TVKPlayback::increaseSpeed()
{
    if (m_playInfo->speed() + 1.0 > 2.0)
        return;
    for (VideoPlayer *player : {m_player1, m_player2})
        player->setRate(player->rate() + 1.0f);
    m_playInfo->setSpeed(m_playInfo->speed() + 1.0);
}

void TVKPlayback::decreaseSpeed()
{
    if (m_playInfo->speed() <= 1.0)
        return;
    for (VideoPlayer *player : {m_player1, m_player2})
        player->setRate(player->rate() - 1.0f);
    m_playInfo->setSpeed(m_playInfo->speed() - 1.0);
}

void TVKPlayback::updatePlayInfoScale(int height)
{
    m_videoAreaHeight = height;
    // Paused pictures are resized too (leaving full screen): measured whenever one is shown.
    if (!m_player1->hasMedia() || !m_player1->hasVideoOut())
        return;
    const int videoHeight = m_player1->videoSize().height();
    if (videoHeight > 0)
        m_playInfo->setScale(double(height) / videoHeight);
}

void TVKPlayback::sizeUp()
{
    if (isPlaying(m_player1))
        emit windowScaleStepRequested(1);
}

void TVKPlayback::sizeDown()
{
    if (isPlaying(m_player1))
        emit windowScaleStepRequested(-1);
}
