#pragma once

#include "clip/ClipEncoder.h"
#include "clip/ClipExport.h"
#include "clip/OverlayBlend.h"
#include "clip/RecordingReader.h"
#include "clip/SideJob.h"

#include <array>
#include <vector>

// Puts each frame of a clip together: the pictures of both cameras at their places, straight
// in the encoder's format, and the overlay over them; and the sound of the chosen camera,
// sample by sample in step with the frames, silence where it did not record. Frames and sound
// may be asked for on two threads: they share nothing but the plan.
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

    // Puts frame `n` together in `picture`, the encoder's: both cameras, then the overlay.
    void compose(qint64 n, AVFrame *picture, const clip::PaintFrame &paint);
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
        av::Frame limited; // the picture in the encoder's range, when mapped before the scale
    };
    ClipComposer() = default;
    RecordingReader *readerFor(Camera &camera, const clip::Source &source, qint64 sourceMs,
                               bool sound);
    // A camera's picture at `sourceMs`; null when there is none.
    const AVFrame *pictureOf(Camera &camera, const std::optional<clip::Source> &source,
                             qint64 sourceMs);
    // Draws a camera's picture into its place, black without one; false then.
    bool draw(Camera &camera, const AVFrame *picture, const QRect &area, AVFrame *target);
    // Both, for a camera at `sourceMs`.
    bool place(Camera &camera, const std::optional<clip::Source> &source, qint64 sourceMs,
               const QRect &area, AVFrame *target);
    static void fillBlack(AVFrame *picture, const QRect &area);
    // Where an area (even corners) of a yuv420p picture starts in each plane, in the shape
    // libswscale takes: four planes, the last unused.
    struct PlaneArea
    {
        std::array<uint8_t *, 4> planes{};
        std::array<int, 4> strides{};
    };
    static PlaneArea pictureArea(AVFrame *picture, const QRect &area);
    // Paints the overlay again on its layer when it looks different, and lays it over.
    void overlay(const clip::Canvas &canvas, AVFrame *picture, const clip::PaintFrame &paint);

    clip::Plan m_plan;
    clip::ExportOptions m_options;
    clip::Frame m_frame;
    AVRational m_frameRate{30, 1};
    qint64 m_frames = 0;
    RecordingReader::SoundFormat m_soundFormat;
    bool m_soundFromRear = false;
    av::Frame m_layer;         // the overlay's
    QList<QRect> m_layerAreas; // where it was painted last, on even lines and columns
    std::vector<std::pair<QRect, clip::OverlayPatch>> m_patches;
    Camera m_front;
    Camera m_rear;
    Camera m_sound;
    std::unique_ptr<SideJob> m_side; // decodes the rear camera while both are shown
    qint64 m_samplesDone = 0;
    std::vector<std::vector<float>> m_soundBuffer;
};
