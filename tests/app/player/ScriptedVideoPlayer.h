#pragma once

#include "player/VideoPlayer.h"

#include <QSet>
#include <QTimer>

// A player whose time moves only when the test says so. Like the real one it answers at once
// and reports state changes a moment later, on the event loop.
class ScriptedVideoPlayer : public VideoPlayer
{
    Q_OBJECT
public:
    using VideoPlayer::VideoPlayer;

    // Paths whose media has sound, and whether media starts at all.
    static QSet<QString> &pathsWithSound()
    {
        static QSet<QString> paths;
        return paths;
    }
    bool neverStarts = false;
    qint64 mediaLength = 60000;

    void setMedia(const QString &path) override
    {
        m_media = path;
        m_state = Stopped;
        m_time = 0;
        m_ended = false;
        m_playing = false;
    }
    QString media() const override { return m_media; }
    void play() override
    {
        if (m_media.isEmpty() || neverStarts)
            return;
        if (m_ended)
            restartAt(0);
        m_playing = true;
        m_state = Playing;
        ++plays;
        notifyState();
    }
    void pause() override
    {
        if (m_media.isEmpty() || m_ended)
            return;
        m_playing = false;
        m_state = Paused;
        notifyState();
    }
    void stop() override
    {
        m_playing = false;
        m_ended = false;
        m_state = Stopped;
        m_time = 0;
        notifyState();
    }
    bool isPlaying() const override { return m_playing; }
    int state() const override { return m_state; }
    float position() const override { return m_ended ? 1.0f : float(m_time) / float(length()); }
    void setPosition(float position) override { setTime(qint64(position * length())); }
    qint64 time() const override { return m_ended ? length() : m_time; }
    void setTime(qint64 ms) override
    {
        if (m_media.isEmpty())
            return;
        if (m_ended) {
            if (ms < length()) {
                restartAt(ms);
                m_playing = true;
                m_state = Playing;
                notifyState();
            }
            return;
        }
        if (ms >= length()) {
            reachEnd();
            return;
        }
        m_time = std::max<qint64>(0, ms);
    }
    qint64 length() const override { return m_media.isEmpty() ? 0 : mediaLength; }
    float rate() const override { return m_rate; }
    void setRate(float rate) override { m_rate = rate; }
    void setMute(bool mute) override { m_muted = mute; }
    bool isMuted() const override { return m_muted; }
    void setVolume(int volume) override { m_volume = volume; }
    int volume() const override { return m_volume; }
    QList<int> audioTrackIndexes() const override
    {
        if (m_media.isEmpty() || !pathsWithSound().contains(m_media))
            return {};
        return {-1, 1};
    }
    bool hasVideoOut() const override { return m_playing; }
    QSize videoSize() const override { return m_media.isEmpty() ? QSize() : QSize(1280, 720); }
    bool saveVideoSnapshotAt(const QString &, int, int) override { return false; }

    // The clock moves by `ms` while playing; the end is reached like a real player's.
    void tick(qint64 ms = 100)
    {
        if (!m_playing)
            return;
        if (m_time + ms >= length()) {
            reachEnd();
            return;
        }
        m_time += ms;
        emit timeChanged();
    }
    void fail()
    {
        m_state = Error;
        m_playing = false;
        notifyState();
    }
    bool ended() const { return m_ended; }
    int plays = 0;

private:
    void reachEnd()
    {
        m_time = length();
        m_ended = true;
        m_playing = false;
        m_state = Paused;
        emit timeChanged();
        notifyState();
    }
    void restartAt(qint64 ms)
    {
        m_ended = false;
        m_time = ms;
    }
    void notifyState()
    {
        QTimer::singleShot(0, this, [this] { emit stateChanged(); });
    }

    QString m_media;
    int m_state = Stopped;
    bool m_playing = false;
    bool m_ended = false;
    qint64 m_time = 0;
    float m_rate = 1.0f;
    bool m_muted = false;
    int m_volume = 100;
};
