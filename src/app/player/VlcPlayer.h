#pragma once

#include "core/player/VideoPlayer.h"

#include <QImage>
#include <QMutex>
#include <QPointer>

#include <atomic>
#include <list>

struct libvlc_instance_t;
struct libvlc_media_player_t;
struct libvlc_media_t;
struct libvlc_event_t;
class VideoView;

// The shared libVLC instance of the process, made on first use.
namespace VlcLibrary {
libvlc_instance_t *sharedLibrary();
}

// A player on libVLC 3 that draws through libVLC's video callbacks into a VideoView, so it
// works on any windowing system and offscreen. libVLC's own end state is presented as
// "paused at the end": position 1.0, nothing remaining, and play or seek start again. A
// recording whose length libVLC cannot tell (a crash cut it before its header and index were
// written) is measured from its movi list, and positions are times within that length.
class VlcPlayer : public VideoPlayer
{
    Q_OBJECT
public:
    explicit VlcPlayer(VideoView *view, QObject *parent = nullptr);
    ~VlcPlayer() override;

    void setMedia(const QString &path) override;
    QString media() const override { return m_path; }
    void play() override;
    void pause() override;
    void stop() override;
    bool isPlaying() const override;
    State state() const override { return m_state; }
    float position() const override;
    void setPosition(float position) override;
    qint64 time() const override;
    void setTime(qint64 milliseconds) override;
    qint64 length() const override;
    float rate() const override;
    void setRate(float rate) override;
    void setMute(bool mute) override;
    bool isMuted() const override { return m_muted; }
    void setVolume(int volume) override;
    int volume() const override { return m_volume; }
    QList<int> audioTrackIndexes() const override;
    bool hasVideoOut() const override;
    QSize videoSize() const override;
    bool saveVideoSnapshotAt(const QString &path, int width, int height) override;

    VideoView *view() const { return m_view; }

private:
    // libVLC's threads call these.
    static unsigned formatCallback(void **opaque, char *chroma, unsigned *width, unsigned *height,
                                   unsigned *pitches, unsigned *lines);
    static void *lockCallback(void *opaque, void **planes);
    static void unlockCallback(void *opaque, void *picture, void *const *planes);
    static void displayCallback(void *opaque, void *picture);
    static void eventCallback(const libvlc_event_t *event, void *opaque);

    void handleEvent(int type);
    void restartAt(qint64 milliseconds);
    void applyAudio();
    void deliverFrame();
    // libVLC's own length, 0 while it has none.
    qint64 streamLength() const;

    libvlc_media_player_t *m_player = nullptr;
    // The media being played, kept for its track sizes; replaced only after a stop.
    libvlc_media_t *m_media = nullptr;
    QPointer<VideoView> m_view;
    QString m_path;
    State m_state = Stopped;
    bool m_atEnd = false;
    qint64 m_pendingSeek = -1;
    qint64 m_lengthAtEnd = 0;
    qint64 m_fileLength = 0; // from the file's header or movi list; 0 when unknown
    bool m_muted = false;
    int m_volume = 100;
    float m_rate = 1.0f;

    // Frame pool: the decoder writes only into an image that it does not hold already and that
    // nobody else (the view, a queued delivery) still holds. Slots never move.
    struct FrameSlot
    {
        QImage image;
        bool locked = false;
    };
    QMutex m_frameMutex;
    std::list<FrameSlot> m_pool;
    QImage m_latest;
    std::atomic<bool> m_deliveryQueued{false};
    int m_frameWidth = 0;
    int m_frameHeight = 0;
};
