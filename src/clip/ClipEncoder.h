#pragma once

#include "clip/AvPointers.h"
#include "core/common/result.h"

#include <QSize>

// The clip's file: H.264 pictures and AAC sound in MP4, its index at the front so that it
// plays while it downloads.
class ClipEncoder
{
public:
    struct Settings
    {
        QSize size;
        AVRational frameRate{30, 1};
        int quality = 23; // x264's constant rate factor: lower is better and larger
        QString preset;
        int soundRate = 0; // 0: no sound
        AVChannelLayout soundLayout = {};
    };

    static tvk::Result<std::unique_ptr<ClipEncoder>> open(const QString &path,
                                                          const Settings &settings);
    ~ClipEncoder();

    // A picture in yuv420p of the clip's size, to be filled and handed to addPicture().
    AVFrame *picture() { return m_picture.get(); }
    tvk::Result<void> addPicture();
    // Encodes a picture of the clip's size and format made elsewhere.
    tvk::Result<void> addPicture(AVFrame *picture);
    // Sound in planar floats; it is encoded in the encoder's frames as they fill.
    tvk::Result<void> addSound(void **planes, int count);
    // Encodes what is left and completes the file.
    tvk::Result<void> finish();

private:
    ClipEncoder() = default;
    tvk::Result<void> encode(AVCodecContext *codec, AVStream *stream, const AVFrame *frame);
    tvk::Result<void> encodeSound(bool last);
    tvk::Failure failure(int code) const;

    QString m_path;
    AVFormatContext *m_output = nullptr;
    bool m_opened = false;
    av::Codec m_video;
    av::Codec m_audio;
    AVStream *m_videoStream = nullptr;
    AVStream *m_audioStream = nullptr;
    av::Frame m_picture;
    av::Frame m_sound;
    av::Fifo m_fifo;
    av::Packet m_packet;
    qint64 m_pictures = 0;
    qint64 m_samples = 0;
};
