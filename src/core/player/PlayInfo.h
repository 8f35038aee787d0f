#pragma once

#include <QObject>

// The observable playback state of the player window. Every set notifies, as the window's
// controls and readouts follow each change.
class PlayInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isPlaying READ isPlaying WRITE setIsPlaying NOTIFY isPlayingChanged)
    Q_PROPERTY(int audioMediaDirection READ audioMediaDirection WRITE setAudioMediaDirection NOTIFY
                   audioMediaDirectionChanged)
    Q_PROPERTY(double position READ position WRITE setPosition NOTIFY positionChanged)
    Q_PROPERTY(double speed READ speed WRITE setSpeed NOTIFY speedChanged)
    Q_PROPERTY(double scale READ scale WRITE setScale NOTIFY scaleChanged)
public:
    using QObject::QObject;

    bool isPlaying() const { return m_isPlaying; }
    // A side of MediaFile::Direction: the camera whose sound is heard, or none.
    int audioMediaDirection() const { return m_audioMediaDirection; }
    double position() const { return m_position; }
    double speed() const { return m_speed; }
    double scale() const { return m_scale; }

    void setIsPlaying(bool value);
    void setAudioMediaDirection(int value);
    void setPosition(double value);
    void setSpeed(double value);
    void setScale(double value);

signals:
    void isPlayingChanged(bool);
    void audioMediaDirectionChanged(int);
    void positionChanged(double);
    void speedChanged(double);
    void scaleChanged(double);

private:
    bool m_isPlaying = false;
    int m_audioMediaDirection = 0;
    double m_position = 0.0;
    double m_speed = 0.0;
    double m_scale = 0.0;
};
