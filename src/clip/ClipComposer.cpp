#include "clip/ClipComposer.h"

#include "clip/RangeCopy.h"

#include <algorithm>
#include <cstring>

namespace {

// The first recording of one camera in the plan.
std::optional<clip::Source> firstOf(const clip::Plan &plan, bool rear)
{
    for (const clip::Segment &segment : plan.segments) {
        if (const auto &source = rear ? segment.rear : segment.front)
            return source;
    }
    return std::nullopt;
}

} // namespace

ClipComposer::~ClipComposer() = default;

tvk::Result<std::unique_ptr<ClipComposer>> ClipComposer::open(const clip::Plan &plan,
                                                              const clip::ExportOptions &options)
{
    // libav's notes go to the log only when something fails.
    av_log_set_level(AV_LOG_ERROR);
    std::unique_ptr<ClipComposer> composer(new ClipComposer);
    composer->m_plan = plan;
    composer->m_options = options;
    QSize sizes[2];
    std::optional<RecordingReader::SoundFormat> sounds[2];
    bool anyPicture = false;
    std::optional<tvk::Failure> firstFailure;
    for (const bool rear : {false, true}) {
        const auto source = firstOf(plan, rear);
        if (!source)
            continue;
        auto reader = RecordingReader::open(source->path, 0, nullptr);
        if (!reader) {
            firstFailure = firstFailure.value_or(reader.failure());
            continue;
        }
        sizes[rear] = (*reader)->size();
        if (!anyPicture || !rear)
            composer->m_frameRate = (*reader)->frameRate();
        anyPicture = true;
        if ((*reader)->hasSound())
            sounds[rear] = (*reader)->soundFormat();
    }
    if (!anyPicture)
        return firstFailure.value_or(tvk::Failure{QT_TRID_NOOP("msg.clip_no_recording")});
    composer->m_frame = clip::frameFor(options.layout, options.corner, sizes[0], sizes[1]);
    // The chosen camera's sound, or the other's when the chosen one has none.
    composer->m_soundFromRear = options.soundFromRear ? bool(sounds[1]) : !sounds[0];
    if (const auto &sound = sounds[composer->m_soundFromRear])
        composer->m_soundFormat = *sound;
    composer->m_frames = av_rescale_rnd(plan.lengthMs(), composer->m_frameRate.num,
                                        1000LL * composer->m_frameRate.den, AV_ROUND_NEAR_INF);

    AVFrame *canvas = av_frame_alloc();
    composer->m_layer.reset(canvas);
    canvas->format = AV_PIX_FMT_BGRA;
    canvas->width = composer->m_frame.size.width();
    canvas->height = composer->m_frame.size.height();
    if (const int code = av_frame_get_buffer(canvas, 0); code < 0)
        return tvk::Failure{QT_TRID_NOOP("msg.clip_read_fail"), {}, av::errorText(code)};
    if (!composer->m_frame.front.isEmpty() && !composer->m_frame.rear.isEmpty())
        composer->m_side = std::make_unique<SideJob>();
    return composer;
}

ClipEncoder::Settings ClipComposer::encoderSettings() const
{
    ClipEncoder::Settings settings;
    settings.size = m_frame.size;
    settings.frameRate = m_frameRate;
    settings.soundRate = m_soundFormat.rate;
    settings.soundLayout = m_soundFormat.layout;
    return settings;
}

qint64 ClipComposer::frameMs(qint64 n) const
{
    return av_rescale_rnd(n, 1000LL * m_frameRate.den, m_frameRate.num, AV_ROUND_NEAR_INF);
}

RecordingReader *ClipComposer::readerFor(Camera &camera, const clip::Source &source,
                                         qint64 sourceMs, bool sound)
{
    // Within a clip, a recording is only ever read forward, so one reader serves it.
    if (camera.path != source.path) {
        camera.path = source.path;
        auto opened =
            RecordingReader::open(source.path, sourceMs, sound ? &m_soundFormat : nullptr, !sound);
        camera.reader = opened ? std::move(*opened) : nullptr;
    }
    return camera.reader.get();
}

void ClipComposer::fillBlack(AVFrame *picture, const QRect &area)
{
    // Black of limited-range video, as the encoder is given.
    for (int plane = 0; plane < 3; ++plane) {
        const int shift = plane ? 1 : 0;
        const int value = plane ? 128 : 16;
        for (int y = area.top() >> shift; y <= area.bottom() >> shift; ++y)
            std::memset(picture->data[plane] + y * picture->linesize[plane] +
                            (area.left() >> shift),
                        value, size_t(area.width() >> shift));
    }
}

const AVFrame *ClipComposer::pictureOf(Camera &camera, const std::optional<clip::Source> &source,
                                       qint64 sourceMs)
{
    RecordingReader *reader = source ? readerFor(camera, *source, sourceMs, false) : nullptr;
    return reader ? reader->pictureAt(sourceMs) : nullptr;
}

bool ClipComposer::place(Camera &camera, const std::optional<clip::Source> &source, qint64 sourceMs,
                         const QRect &area, AVFrame *target)
{
    return area.isEmpty() || draw(camera, pictureOf(camera, source, sourceMs), area, target);
}

bool ClipComposer::draw(Camera &camera, const AVFrame *picture, const QRect &area, AVFrame *target)
{
    if (!picture) {
        fillBlack(target, area);
        return false;
    }
    const PlaneArea into = pictureArea(target, area);
    uint8_t *const *planes = into.planes.data();
    const int *strides = into.strides.data();
    if (clip::canCopyToLimitedRange(picture, area.width(), area.height())) {
        clip::copyToLimitedRange(picture, planes, strides);
        return true;
    }
    // Kept by hand: libav's own cache never matches the full-range JPEG formats.
    const QSize from(picture->width, picture->height);
    // A full-range picture is scaled as it is, on libswscale's quick path, and brought into
    // the encoder's range apart: its range conversion while scaling costs more than both. Apart
    // on whichever side of the scale has fewer pixels, before it when enlarging.
    const bool full = picture->format == AV_PIX_FMT_YUVJ420P;
    if (!camera.scale || camera.from != from || camera.to != area.size() ||
        camera.format != picture->format) {
        camera.scale.reset(sws_getContext(
            from.width(), from.height(), full ? AV_PIX_FMT_YUV420P : AVPixelFormat(picture->format),
            area.width(), area.height(), AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr,
            nullptr));
        camera.from = from;
        camera.to = area.size();
        camera.format = picture->format;
        camera.limited.reset();
        if (full && qint64(from.width()) * from.height() < qint64(area.width()) * area.height()) {
            camera.limited.reset(av_frame_alloc());
            camera.limited->format = AV_PIX_FMT_YUV420P;
            camera.limited->width = from.width();
            camera.limited->height = from.height();
            if (av_frame_get_buffer(camera.limited.get(), 0) < 0)
                camera.limited.reset();
        }
    }
    const uint8_t *const *source = picture->data;
    const int *sourceStrides = picture->linesize;
    if (camera.limited) {
        clip::copyToLimitedRange(picture, camera.limited->data, camera.limited->linesize);
        source = camera.limited->data;
        sourceStrides = camera.limited->linesize;
    }
    // Straight into the encoder's picture: no colour conversion beyond the one it needs.
    sws_scale(camera.scale.get(), source, sourceStrides, 0, picture->height, planes, strides);
    if (full && !camera.limited)
        clip::toLimitedRange(planes, strides, area.width(), area.height());
    return true;
}

ClipComposer::PlaneArea ClipComposer::pictureArea(AVFrame *picture, const QRect &area)
{
    PlaneArea at;
    for (int plane = 0; plane < 3; ++plane) {
        const int shift = plane ? 1 : 0;
        at.planes[plane] = picture->data[plane] + (area.top() >> shift) * picture->linesize[plane] +
                           (area.left() >> shift);
        at.strides[plane] = picture->linesize[plane];
    }
    return at;
}

void ClipComposer::compose(qint64 n, AVFrame *picture, const clip::PaintFrame &paint)
{
    const qint64 clipMs = frameMs(n);
    const clip::Segment &segment = m_plan.segmentAt(clipMs);
    const qint64 into = clipMs - segment.startMs;
    const auto at = [into](const std::optional<clip::Source> &source) {
        return source ? source->offsetMs + into : 0;
    };
    clip::Canvas canvas;
    canvas.bits = m_layer->data[0];
    canvas.bytesPerLine = m_layer->linesize[0];
    canvas.frame = m_frame;
    canvas.clipMs = clipMs;
    if (m_side) {
        // Decoding is most of a frame's work: the rear camera is decoded beside the front on a
        // thread of its own, and drawn there too unless its inset lies on the front.
        const bool apart = !m_frame.front.intersects(m_frame.rear);
        const AVFrame *rear = nullptr;
        m_side->start([&] {
            if (apart)
                canvas.rearMissing =
                    !place(m_rear, segment.rear, at(segment.rear), m_frame.rear, picture);
            else
                rear = pictureOf(m_rear, segment.rear, at(segment.rear));
        });
        canvas.frontMissing =
            !place(m_front, segment.front, at(segment.front), m_frame.front, picture);
        m_side->wait();
        if (!apart)
            canvas.rearMissing = !draw(m_rear, rear, m_frame.rear, picture);
    } else {
        canvas.frontMissing =
            !place(m_front, segment.front, at(segment.front), m_frame.front, picture);
        canvas.rearMissing = !place(m_rear, segment.rear, at(segment.rear), m_frame.rear, picture);
    }
    if (paint)
        overlay(canvas, picture, paint);
}

void ClipComposer::overlay(const clip::Canvas &canvas, AVFrame *picture,
                           const clip::PaintFrame &paint)
{
    // On even lines and columns, as the picture's colour is shared by 2x2 pixels.
    const QRect whole(QPoint(0, 0), m_frame.size);
    QList<QRect> areas;
    for (const QRect &area : paint.areas(canvas)) {
        const QRect even = QRect(QPoint(area.left() & ~1, area.top() & ~1),
                                 QPoint(area.right() | 1, area.bottom() | 1)) &
                           whole;
        if (!even.isEmpty())
            areas.append(even);
    }
    if (paint.changed(canvas) || areas != m_layerAreas) {
        m_layerAreas = areas;
        areas = clip::disjointAreas(areas);
        for (const QRect &area : std::as_const(areas)) {
            for (int y = area.top(); y <= area.bottom(); ++y)
                std::memset(canvas.bits + y * canvas.bytesPerLine + area.left() * 4, 0,
                            size_t(area.width()) * 4);
        }
        if (!areas.isEmpty())
            paint.paint(canvas);
        m_patches.resize(size_t(areas.size()));
        for (size_t i = 0; i < m_patches.size(); ++i) {
            const QRect &area = areas[qsizetype(i)];
            m_patches[i].first = area;
            m_patches[i].second.load(canvas.bits + area.top() * canvas.bytesPerLine +
                                         area.left() * 4,
                                     canvas.bytesPerLine, area.width(), area.height());
        }
    }
    for (const auto &[area, patch] : m_patches) {
        const PlaneArea into = pictureArea(picture, area);
        patch.blend(into.planes.data(), into.strides.data());
    }
}

tvk::Result<void> ClipComposer::soundUntil(qint64 frames, ClipEncoder &encoder)
{
    const int rate = m_soundFormat.rate;
    if (rate <= 0)
        return {};
    const int channels = m_soundFormat.layout.nb_channels;
    const qint64 wanted =
        av_rescale_rnd(frames, qint64(rate) * m_frameRate.den, m_frameRate.num, AV_ROUND_NEAR_INF);
    m_soundBuffer.resize(size_t(channels));
    while (m_samplesDone < wanted) {
        const qint64 clipMs = m_samplesDone * 1000 / rate;
        const clip::Segment &segment = m_plan.segmentAt(clipMs);
        const qint64 segmentEnd = av_rescale_rnd(segment.endMs(), rate, 1000, AV_ROUND_NEAR_INF);
        const int count =
            int(std::clamp<qint64>(std::min(wanted, segmentEnd) - m_samplesDone, 1, 4096));
        std::vector<void *> planes;
        for (auto &buffer : m_soundBuffer) {
            buffer.assign(size_t(count), 0.0f);
            planes.push_back(buffer.data());
        }
        const auto &source = m_soundFromRear ? segment.rear : segment.front;
        if (source) {
            const qint64 sourceMs = source->offsetMs + clipMs - segment.startMs;
            if (RecordingReader *reader = readerFor(m_sound, *source, sourceMs, true))
                reader->takeSound(planes.data(), count); // the rest stays silent
        }
        if (auto done = encoder.addSound(planes.data(), count); !done)
            return done;
        m_samplesDone += count;
    }
    return {};
}
