#pragma once

#include <QObject>

// The observable playback state of the player window. Every set notifies, as the window's
// controls and readouts follow each change.
class TVKPlayInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isPlaying READ isPlaying WRITE setIsPlaying NOTIFY isPlayingChanged)
    Q_PROPERTY(int audioMediaDirection READ audioMediaDirection WRITE setAudioMediaDirection NOTIFY
                   audioMediaDirectionChanged)
    Q_PROPERTY(double position READ position WRITE setPosition NOTIFY positionChanged)
    Q_PROPERTY(double speed READ speed WRITE setSpeed NOTIFY speedChanged)
    Q_PROPERTY(double scale READ scale WRITE setScale NOTIFY scaleChanged)
    Q_PROPERTY(double volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(double x READ x WRITE setX NOTIFY xChanged)
    Q_PROPERTY(double y READ y WRITE setY NOTIFY yChanged)
    Q_PROPERTY(double z READ z WRITE setZ NOTIFY zChanged)
public:
    using QObject::QObject;

    bool isPlaying() const { return m_isPlaying; }
    int audioMediaDirection() const { return m_audioMediaDirection; }
    double position() const { return m_position; }
    double speed() const { return m_speed; }
    double scale() const { return m_scale; }
    double volume() const { return m_volume; }
    double x() const { return m_x; }
    double y() const { return m_y; }
    double z() const { return m_z; }

    void setIsPlaying(bool value);
    void setAudioMediaDirection(int value);
    void setPosition(double value);
    void setSpeed(double value);
    void setScale(double value);
    void setVolume(double value);
    void setX(double value);
    void setY(double value);
    void setZ(double value);

signals:
    void isPlayingChanged(bool);
    void audioMediaDirectionChanged(int);
    void positionChanged(double);
    void speedChanged(double);
    void scaleChanged(double);
    void volumeChanged(double);
    void xChanged(double);
    void yChanged(double);
    void zChanged(double);

private:
    bool m_isPlaying = false;
    int m_audioMediaDirection = 0;
    double m_position = 0.0;
    double m_speed = 0.0;
    double m_scale = 0.0;
    double m_volume = 0.0;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
};
