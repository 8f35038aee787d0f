#pragma once

#include "clip/AvPointers.h"
#include "core/common/result.h"

#include <QSize>

#include <deque>

// One recording read from a point on: its pictures by frame number and, when asked for, its
// sound converted to the clip's format. Nothing is sought: packets before the point are read
// and, for pictures that stand alone (MJPEG), not even decoded, so every frame is exact.
class RecordingReader
{
public:
    struct SoundFormat
    {
        int rate = 0;
        AVChannelLayout layout = {};
    };

    // `offsetMs` is where the reader starts; `sound` is the format to deliver sound in, or
    // null for pictures only; a reader of sound only (`pictures` false) keeps no pictures.
    static tvk::Result<std::unique_ptr<RecordingReader>>
    open(const QString &path, qint64 offsetMs, const SoundFormat *sound, bool pictures = true);
    ~RecordingReader();

    QSize size() const;
    AVRational frameRate() const { return m_frameRate; }
    bool hasSound() const { return m_audioStream >= 0; }
    // The recording's own sound format, for choosing the clip's.
    SoundFormat soundFormat() const;

    // The picture at `sourceMs` (from the recording's start), or null once it has ended
    // before then. Times only move forward.
    const AVFrame *pictureAt(qint64 sourceMs);
    // Takes up to `count` samples in the clip's format into `planes` (one per channel);
    // fewer only when the recording has no more sound.
    int takeSound(void **planes, int count);

private:
    RecordingReader() = default;
    bool readPacket(); // false at the end of the file
    void decodeSound(const AVPacket *packet);
    qint64 frameIndex(int64_t pts) const;

    QString m_path;
    av::Input m_input;
    av::Codec m_video;
    av::Codec m_audio;
    av::Resample m_resample;
    av::Fifo m_sound;
    av::Frame m_picture;
    av::Frame m_decoded;
    std::deque<av::Packet> m_pictures;
    int m_videoStream = -1;
    int m_audioStream = -1;
    AVRational m_frameRate{30, 1};
    bool m_intraOnly = false;
    bool m_keepPictures = true;
    bool m_ended = false;       // the file is read to its end
    bool m_flushed = false;     // the decoder was told so
    qint64 m_pictureIndex = -1; // frame number of m_picture
    qint64 m_skipSamples = 0;   // sound before the starting point, still to drop
    int m_channels = 0;
};
