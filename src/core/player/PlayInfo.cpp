#include "core/player/PlayInfo.h"

void PlayInfo::setIsPlaying(bool value)
{
    m_isPlaying = value;
    emit isPlayingChanged(value);
}

void PlayInfo::setAudioMediaDirection(int value)
{
    m_audioMediaDirection = value;
    emit audioMediaDirectionChanged(value);
}

void PlayInfo::setPosition(double value)
{
    m_position = value;
    emit positionChanged(value);
}

void PlayInfo::setSpeed(double value)
{
    m_speed = value;
    emit speedChanged(value);
}

void PlayInfo::setScale(double value)
{
    m_scale = value;
    emit scaleChanged(value);
}
