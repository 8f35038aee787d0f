#include "clip/RecordingReader.h"

#include <algorithm>
#include <vector>

namespace {

tvk::Failure openFailure(const QString &path, int code)
{
    return tvk::Failure{QT_TRID_NOOP("msg.clip_read_fail"), path, av::errorText(code)};
}

av::Codec openDecoder(const AVStream *stream)
{
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return nullptr;
    av::Codec context(avcodec_alloc_context3(codec));
    if (!context || avcodec_parameters_to_context(context.get(), stream->codecpar) < 0)
        return nullptr;
    context->thread_count = 0;
    context->pkt_timebase = stream->time_base;
    if (avcodec_open2(context.get(), codec, nullptr) < 0)
        return nullptr;
    return context;
}

} // namespace

RecordingReader::~RecordingReader() = default;

tvk::Result<std::unique_ptr<RecordingReader>>
RecordingReader::open(const QString &path, qint64 offsetMs, const SoundFormat *sound, bool pictures)
{
    std::unique_ptr<RecordingReader> reader(new RecordingReader);
    reader->m_path = path;
    reader->m_keepPictures = pictures;
    AVFormatContext *input = nullptr;
    const QByteArray name = path.toUtf8();
    if (const int code = avformat_open_input(&input, name.constData(), nullptr, nullptr); code < 0)
        return openFailure(path, code);
    reader->m_input.reset(input);
    if (const int code = avformat_find_stream_info(input, nullptr); code < 0)
        return openFailure(path, code);
    reader->m_videoStream = av_find_best_stream(input, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (reader->m_videoStream < 0)
        return openFailure(path, reader->m_videoStream);
    const AVStream *video = input->streams[reader->m_videoStream];
    reader->m_video = openDecoder(video);
    if (!reader->m_video)
        return openFailure(path, AVERROR_DECODER_NOT_FOUND);
    if (video->avg_frame_rate.num > 0 && video->avg_frame_rate.den > 0)
        reader->m_frameRate = video->avg_frame_rate;
    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(video->codecpar->codec_id);
    reader->m_intraOnly = descriptor && (descriptor->props & AV_CODEC_PROP_INTRA_ONLY);
    reader->m_picture.reset(av_frame_alloc());
    reader->m_decoded.reset(av_frame_alloc());

    reader->m_audioStream = av_find_best_stream(input, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (reader->m_audioStream >= 0)
        reader->m_audio = openDecoder(input->streams[reader->m_audioStream]);
    if (reader->m_audio && sound) {
        SwrContext *resample = nullptr;
        SoundFormat own = reader->soundFormat();
        AVChannelLayout wanted = sound->layout;
        if (swr_alloc_set_opts2(&resample, &wanted, AV_SAMPLE_FMT_FLTP, sound->rate, &own.layout,
                                reader->m_audio->sample_fmt, own.rate, 0, nullptr) < 0 ||
            swr_init(resample) < 0) {
            swr_free(&resample);
            return openFailure(path, AVERROR(EINVAL));
        }
        reader->m_resample.reset(resample);
        reader->m_sound.reset(
            av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, sound->layout.nb_channels, sound->rate));
        reader->m_channels = sound->layout.nb_channels;
        reader->m_skipSamples = offsetMs * sound->rate / 1000;
    } else {
        reader->m_audio.reset();
    }
    return reader;
}

QSize RecordingReader::size() const
{
    return {m_video->width, m_video->height};
}

RecordingReader::SoundFormat RecordingReader::soundFormat() const
{
    SoundFormat format;
    const AVStream *stream = m_audioStream >= 0 ? m_input->streams[m_audioStream] : nullptr;
    if (!stream)
        return format;
    format.rate = stream->codecpar->sample_rate;
    av_channel_layout_copy(&format.layout, &stream->codecpar->ch_layout);
    if (format.layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&format.layout, format.layout.nb_channels);
    return format;
}

qint64 RecordingReader::frameIndex(int64_t pts) const
{
    const AVRational timeBase = m_input->streams[m_videoStream]->time_base;
    return av_rescale_q_rnd(pts, timeBase, av_inv_q(m_frameRate),
                            AVRounding(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX));
}

bool RecordingReader::readPacket()
{
    if (m_ended)
        return false;
    av::Packet packet(av_packet_alloc());
    // A file cut by a crash ends wherever its bytes do: what was read stays good.
    if (av_read_frame(m_input.get(), packet.get()) < 0) {
        m_ended = true;
        return false;
    }
    // A reader of sound would otherwise hold every picture of its recording until it ends.
    if (packet->stream_index == m_videoStream && m_keepPictures)
        m_pictures.push_back(std::move(packet));
    else if (packet->stream_index == m_audioStream && m_audio)
        decodeSound(packet.get());
    return true;
}

void RecordingReader::decodeSound(const AVPacket *packet)
{
    if (avcodec_send_packet(m_audio.get(), packet) < 0)
        return;
    while (avcodec_receive_frame(m_audio.get(), m_decoded.get()) >= 0) {
        const int room = swr_get_out_samples(m_resample.get(), m_decoded->nb_samples);
        uint8_t **planes = nullptr;
        if (av_samples_alloc_array_and_samples(&planes, nullptr, m_channels, room,
                                               AV_SAMPLE_FMT_FLTP, 0) < 0) {
            av_frame_unref(m_decoded.get());
            return;
        }
        const int got = swr_convert(m_resample.get(), planes, room,
                                    const_cast<const uint8_t **>(m_decoded->extended_data),
                                    m_decoded->nb_samples);
        // Sound before the starting point belongs to an earlier part of the clip.
        const int skip = int(std::clamp<qint64>(m_skipSamples, 0, std::max(got, 0)));
        m_skipSamples -= skip;
        if (got > skip) {
            std::vector<void *> from(static_cast<size_t>(m_channels));
            for (int c = 0; c < m_channels; ++c)
                from[static_cast<size_t>(c)] = reinterpret_cast<float *>(planes[c]) + skip;
            av_audio_fifo_write(m_sound.get(), from.data(), got - skip);
        }
        av_freep(&planes[0]);
        av_freep(&planes);
        av_frame_unref(m_decoded.get());
    }
}

const AVFrame *RecordingReader::pictureAt(qint64 sourceMs)
{
    const qint64 wanted =
        av_rescale_q_rnd(sourceMs, AVRational{1, 1000}, av_inv_q(m_frameRate), AV_ROUND_NEAR_INF);
    while (m_pictureIndex < wanted) {
        // A decoder working on several frames at once hands them out later.
        if (avcodec_receive_frame(m_video.get(), m_decoded.get()) >= 0) {
            av_frame_unref(m_picture.get());
            av_frame_move_ref(m_picture.get(), m_decoded.get());
            const int64_t pts = m_picture->best_effort_timestamp;
            m_pictureIndex = pts == AV_NOPTS_VALUE ? m_pictureIndex + 1 : frameIndex(pts);
            continue;
        }
        if (m_flushed)
            return nullptr;
        if (m_pictures.empty()) {
            if (!readPacket()) {
                avcodec_send_packet(m_video.get(), nullptr);
                m_flushed = true;
            }
            continue;
        }
        const AVPacket *packet = m_pictures.front().get();
        // Pictures that stand alone need no decoding to be passed over.
        if (m_intraOnly && packet->pts != AV_NOPTS_VALUE && frameIndex(packet->pts) < wanted) {
            m_pictures.pop_front();
            continue;
        }
        const int sent = avcodec_send_packet(m_video.get(), packet);
        if (sent == AVERROR(EAGAIN))
            continue; // taken once a frame is out
        // A damaged picture is passed over; the one before it stays on screen.
        m_pictures.pop_front();
    }
    return m_picture.get();
}

int RecordingReader::takeSound(void **planes, int count)
{
    if (!m_sound)
        return 0;
    while (av_audio_fifo_size(m_sound.get()) < count && readPacket()) {
    }
    return std::max(0, av_audio_fifo_read(m_sound.get(), planes,
                                          std::min(count, av_audio_fifo_size(m_sound.get()))));
}
