#pragma once

#include "clip/ClipEncoder.h"
#include "clip/ClipExport.h"
#include "clip/RecordingReader.h"

#include <vector>

// Puts each frame of a clip together: the pictures of both cameras at their places in one
// canvas, then the canvas in the encoder's format; and the sound of the chosen camera, sample
// by sample in step with the frames, silence where it did not record.
class ClipComposer
{
public:
    static tvk::Result<std::unique_ptr<ClipComposer>> open(const clip::Plan &plan,
                                                           const clip::ExportOptions &options);
    ~ClipComposer();

    ClipEncoder::Settings encoderSettings() const;
    qint64 frameCount() const { return m_frames; }
    // The clip's time of frame `n`, in ms.
    qint64 frameMs(qint64 n) const;

    clip::Canvas compose(qint64 n);
    void convert(AVFrame *picture);
    // Hands the encoder the sound up to the start of frame `frames`.
    tvk::Result<void> soundUntil(qint64 frames, ClipEncoder &encoder);

private:
    // A camera's reader, kept while the clip stays in one recording.
    struct Camera
    {
        QString path;
        std::unique_ptr<RecordingReader> reader;
        av::Scale scale;
        QSize from, to; // of the scale
        int format = -1;
    };
    ClipComposer() = default;
    RecordingReader *readerFor(Camera &camera, const clip::Source &source, qint64 sourceMs,
                               bool sound);
    // Draws a camera at `sourceMs` into its place; false when there is no picture.
    bool place(Camera &camera, const std::optional<clip::Source> &source, qint64 sourceMs,
               const QRect &area);
    void fillBlack(const QRect &area);

    clip::Plan m_plan;
    clip::ExportOptions m_options;
    clip::Frame m_frame;
    AVRational m_frameRate{30, 1};
    qint64 m_frames = 0;
    RecordingReader::SoundFormat m_soundFormat;
    bool m_soundFromRear = false;
    av::Frame m_canvas;
    av::Scale m_toEncoder;
    Camera m_front;
    Camera m_rear;
    Camera m_sound;
    qint64 m_samplesDone = 0;
    std::vector<std::vector<float>> m_soundBuffer;
};
