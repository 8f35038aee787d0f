#include "core/player/TVKPlayInfo.h"

void TVKPlayInfo::setIsPlaying(bool value)
{
    m_isPlaying = value;
    emit isPlayingChanged(value);
}

void TVKPlayInfo::setAudioMediaDirection(int value)
{
    m_audioMediaDirection = value;
    emit audioMediaDirectionChanged(value);
}

void TVKPlayInfo::setPosition(double value)
{
    m_position = value;
    emit positionChanged(value);
}

void TVKPlayInfo::setSpeed(double value)
{
    m_speed = value;
    emit speedChanged(value);
}

void TVKPlayInfo::setScale(double value)
{
    m_scale = value;
    emit scaleChanged(value);
}
