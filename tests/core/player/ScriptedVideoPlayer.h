#pragma once

#include "core/player/VideoPlayer.h"

#include <QSet>
#include <QTimer>

// A player whose time moves only when the test says so, over media a minute long (or as set,
// for broken files). Like the real one it answers at once and reports state changes a moment
// later, on the event loop.
class ScriptedVideoPlayer : public VideoPlayer
{
    Q_OBJECT
public:
    using VideoPlayer::VideoPlayer;

    static inline QSet<QString> pathsWithSound; // media with an audio track
    bool neverStarts = false;
    qint64 lengthMs = 60000; // 0: unknown, and the clock runs on
    qint64 endsAt = -1;      // a broken file ends here, short of its length
    bool noVideo = false;    // sound only: no video stream

    void setMedia(const QString &path) override
    {
        m_media = path;
        m_time = 0;
        m_ended = false;
        m_state = Stopped;
    }
    QString media() const override { return m_media; }
    void play() override
    {
        if (m_media.isEmpty() || neverStarts)
            return;
        if (m_ended)
            m_time = 0;
        m_ended = false;
        setState(Playing);
    }
    void pause() override
    {
        if (!m_media.isEmpty() && !m_ended)
            setState(Paused);
    }
    void stop() override
    {
        m_ended = false;
        m_time = 0;
        setState(Stopped);
    }
    bool isPlaying() const override { return m_state == Playing; }
    State state() const override { return m_state; }
    float position() const override
    {
        return m_ended ? 1.0f : length() > 0 ? float(m_time) / float(length()) : 0.0f;
    }
    void setPosition(float position) override { setTime(qint64(position * length())); }
    qint64 time() const override { return m_ended ? length() : m_time; }
    void setTime(qint64 ms) override
    {
        if (m_media.isEmpty() || (m_ended && ms >= length()))
            return;
        if (m_ended) {
            m_ended = false;
            m_time = ms;
            setState(Playing);
        } else if (length() > 0 && ms >= length()) {
            reachEnd();
        } else {
            m_time = std::max<qint64>(0, ms);
        }
    }
    qint64 length() const override { return m_media.isEmpty() ? 0 : lengthMs; }
    float rate() const override { return m_rate; }
    void setRate(float rate) override { m_rate = rate; }
    void setMute(bool mute) override { m_muted = mute; }
    bool isMuted() const override { return m_muted; }
    void setVolume(int volume) override { m_volume = volume; }
    int volume() const override { return m_volume; }
    QList<int> audioTrackIndexes() const override
    {
        return pathsWithSound.contains(m_media) ? QList<int>{-1, 1} : QList<int>();
    }
    bool hasVideoOut() const override { return isPlaying() && !noVideo; }
    // The rear camera records a smaller picture.
    QSize videoSize() const override
    {
        return m_media.isEmpty() || noVideo ? QSize()
               : m_media.endsWith("_R.avi") ? QSize(640, 360)
                                            : QSize(1280, 720);
    }
    bool saveVideoSnapshotAt(const QString &, int, int) override { return false; }

    // The clock moves by `ms` while playing; the end is reached like a real player's.
    void tick(qint64 ms = 100)
    {
        if (!isPlaying())
            return;
        if ((length() > 0 && m_time + ms >= length()) || (endsAt >= 0 && m_time + ms >= endsAt))
            return reachEnd();
        m_time += ms;
        emit timeChanged();
    }
    void fail() { setState(Error); }
    bool ended() const { return m_ended; }

private:
    void setState(State state)
    {
        m_state = state;
        QTimer::singleShot(0, this, [this] { emit stateChanged(); });
    }
    void reachEnd()
    {
        m_time = length();
        m_ended = true;
        setState(Paused);
        emit timeChanged();
    }

    QString m_media;
    State m_state = Stopped;
    bool m_ended = false;
    qint64 m_time = 0;
    float m_rate = 1.0f;
    bool m_muted = false;
    int m_volume = 100;
};
