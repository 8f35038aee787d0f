// Which camera is heard, volume, speed, and the scale of the main view.
#include "core/catalogue/MediaFile.h"
#include "core/catalogue/MediaSide.h"
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"

void Playback::chooseAudioAuto()
{
    const VideoPlayer *chosen = nullptr;
    if (hasAudio(m_player1))
        chosen = m_player1;
    else if (hasAudio(m_player2))
        chosen = m_player2;
    m_playInfo->setAudioMediaDirection(chosen ? mediaDirectionOfPath(chosen->media())
                                              : MediaFile::UnknownDirection);
}

void Playback::updateAudioUI()
{
    const int direction = m_playInfo->audioMediaDirection();
    VideoPlayer *heard = nullptr;
    if (direction == MediaFile::Front || direction == MediaFile::Rear) {
        // Only a pair has a choice of sound; a single recording shows no toggle.
        emit soundChoiceChanged(m_player2->hasMedia(), direction == MediaFile::Rear);
        for (VideoPlayer *player : {m_player1, m_player2}) {
            if (mediaDirectionOfPath(player->media()) == direction) {
                heard = player;
                break;
            }
        }
    } else if (direction == MediaFile::UnknownDirection) {
        emit soundChoiceChanged(false, false);
    }
    for (VideoPlayer *player : {m_player1, m_player2}) {
        player->setMute(player != heard);
        if (player == heard)
            player->setVolume(m_volume);
    }
}

void Playback::hearRearCamera(bool rear)
{
    m_playInfo->setAudioMediaDirection(rear ? MediaFile::Rear : MediaFile::Front);
}

void Playback::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, kMaxVolume);
    emit volumeChanged(m_volume);
    updateAudioUI();
}

void Playback::stepVolume(int steps)
{
    setVolume(m_volume + 10 * steps);
}

void Playback::changeSpeed(int step)
{
    const double speed = m_playInfo->speed() + step;
    if (step == 0 || speed < 1.0 || speed > 2.0)
        return;
    for (VideoPlayer *player : {m_player1, m_player2})
        player->setRate(player->rate() + static_cast<float>(step));
    m_playInfo->setSpeed(speed);
}

void Playback::setVideoAreaHeight(int height)
{
    m_videoAreaHeight = height;
    // Paused pictures are resized too (leaving full screen): measured whenever one is shown.
    if (!m_player1->hasMedia() || !m_player1->hasVideoOut())
        return;
    const int videoHeight = m_player1->videoSize().height();
    if (videoHeight > 0)
        m_playInfo->setScale(double(height) / videoHeight);
}
