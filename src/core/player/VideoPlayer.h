#pragma once

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

// What the player window needs of a video player.
class VideoPlayer : public QObject
{
    Q_OBJECT
public:
    enum State {
        Stopped,
        Opening,
        Error,
        Playing,
        Paused, // also resting at the end of the media
    };
    Q_ENUM(State)

    using QObject::QObject;

    // Media by file path; an empty path unloads.
    virtual void setMedia(const QString &path) = 0;
    virtual QString media() const = 0;
    bool hasMedia() const { return !media().isEmpty(); }

    // These return at once; state changes arrive through stateChanged().
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;

    virtual bool isPlaying() const = 0;
    virtual State state() const = 0;
    virtual float position() const = 0;
    virtual void setPosition(float position) = 0;
    // Milliseconds.
    virtual qint64 time() const = 0;
    virtual void setTime(qint64 milliseconds) = 0;
    virtual qint64 length() const = 0;
    // Milliseconds left, as a negative number (0 when nothing is left).
    qint64 remainingTime() const { return std::min<qint64>(0, time() - length()); }

    virtual float rate() const = 0;
    virtual void setRate(float rate) = 0;
    virtual void setMute(bool mute) = 0;
    virtual bool isMuted() const = 0;
    // 0 to 200; 100 is the recording's own level.
    virtual void setVolume(int volume) = 0;
    virtual int volume() const = 0;
    // Not empty when the media has sound.
    virtual QList<int> audioTrackIndexes() const = 0;
    virtual bool hasVideoOut() const = 0;
    virtual QSize videoSize() const = 0;

    void jumpForward(int seconds) { setTime(std::min(length(), time() + seconds * 1000LL)); }
    void jumpBackward(int seconds) { setTime(std::max<qint64>(0, time() - seconds * 1000LL)); }

    // Writes the current frame at the video's own size; false when there is no frame.
    virtual bool saveVideoSnapshotAt(const QString &path, int width, int height) = 0;

signals:
    // Both arrive on the interface thread.
    void stateChanged();
    void timeChanged();
};

// The text form of a time: "mm:ss" or "hh:mm:ss", with "-" before negative times; "00:00"
// means nothing (left).
QString timeString(qint64 milliseconds);
