#include "TVKPlayInfo.h"

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

void TVKPlayInfo::setVolume(double value)
{
    m_volume = value;
    emit volumeChanged(value);
}

void TVKPlayInfo::setX(double value)
{
    m_x = value;
    emit xChanged(value);
}

void TVKPlayInfo::setY(double value)
{
    m_y = value;
    emit yChanged(value);
}

void TVKPlayInfo::setZ(double value)
{
    m_z = value;
    emit zChanged(value);
}
