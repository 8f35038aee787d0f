#include "clip/ClipEncoder.h"

extern "C" {
#include <libavutil/opt.h>
}

namespace {

tvk::Result<av::Codec> openEncoder(const char *name, AVFormatContext *output,
                                   const std::function<void(AVCodecContext *)> &configure,
                                   AVDictionary **options)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(name);
    if (!codec)
        return tvk::Failure{QT_TRID_NOOP("msg.clip_encoder_missing"), QString::fromLatin1(name)};
    av::Codec context(avcodec_alloc_context3(codec));
    configure(context.get());
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (const int code = avcodec_open2(context.get(), codec, options); code < 0)
        return tvk::Failure{QT_TRID_NOOP("msg.clip_encoder_missing"), QString::fromLatin1(name),
                            av::errorText(code)};
    return context;
}

} // namespace

tvk::Failure ClipEncoder::failure(int code) const
{
    return tvk::Failure{QT_TRID_NOOP("msg.clip_write_fail"), m_path, av::errorText(code)};
}

ClipEncoder::~ClipEncoder()
{
    if (m_output && m_opened)
        avio_closep(&m_output->pb);
    avformat_free_context(m_output);
}

tvk::Result<std::unique_ptr<ClipEncoder>> ClipEncoder::open(const QString &path,
                                                            const Settings &settings)
{
    std::unique_ptr<ClipEncoder> encoder(new ClipEncoder);
    encoder->m_path = path;
    const QByteArray name = path.toUtf8();
    if (const int code =
            avformat_alloc_output_context2(&encoder->m_output, nullptr, "mp4", name.constData());
        code < 0)
        return encoder->failure(code);
    AVFormatContext *output = encoder->m_output;

    AVDictionary *videoOptions = nullptr;
    av_dict_set_int(&videoOptions, "crf", settings.quality, 0);
    if (!settings.preset.isEmpty())
        av_dict_set(&videoOptions, "preset", settings.preset.toUtf8().constData(), 0);
    auto video = openEncoder(
        "libx264", output,
        [&settings](AVCodecContext *c) {
            c->width = settings.size.width();
            c->height = settings.size.height();
            c->pix_fmt = AV_PIX_FMT_YUV420P;
            c->time_base = av_inv_q(settings.frameRate);
            c->framerate = settings.frameRate;
            c->sample_aspect_ratio = {1, 1};
            c->thread_count = 0; // every core
        },
        &videoOptions);
    av_dict_free(&videoOptions);
    if (!video)
        return video.failure();
    encoder->m_video = std::move(*video);
    encoder->m_videoStream = avformat_new_stream(output, nullptr);
    avcodec_parameters_from_context(encoder->m_videoStream->codecpar, encoder->m_video.get());
    encoder->m_videoStream->time_base = encoder->m_video->time_base;
    encoder->m_videoStream->avg_frame_rate = settings.frameRate;

    if (settings.soundRate > 0) {
        auto audio = openEncoder(
            "aac", output,
            [&settings](AVCodecContext *c) {
                c->sample_fmt = AV_SAMPLE_FMT_FLTP;
                c->sample_rate = settings.soundRate;
                av_channel_layout_copy(&c->ch_layout, &settings.soundLayout);
                c->bit_rate = 48000 * settings.soundLayout.nb_channels;
                c->time_base = {1, settings.soundRate};
            },
            nullptr);
        if (!audio)
            return audio.failure();
        encoder->m_audio = std::move(*audio);
        encoder->m_audioStream = avformat_new_stream(output, nullptr);
        avcodec_parameters_from_context(encoder->m_audioStream->codecpar, encoder->m_audio.get());
        encoder->m_audioStream->time_base = encoder->m_audio->time_base;
        encoder->m_fifo.reset(av_audio_fifo_alloc(
            AV_SAMPLE_FMT_FLTP, settings.soundLayout.nb_channels, encoder->m_audio->frame_size));
        encoder->m_sound.reset(av_frame_alloc());
    }

    if (const int code = avio_open(&output->pb, name.constData(), AVIO_FLAG_WRITE); code < 0)
        return encoder->failure(code);
    encoder->m_opened = true;
    AVDictionary *muxOptions = nullptr;
    av_dict_set(&muxOptions, "movflags", "+faststart", 0);
    const int code = avformat_write_header(output, &muxOptions);
    av_dict_free(&muxOptions);
    if (code < 0)
        return encoder->failure(code);

    encoder->m_picture.reset(av_frame_alloc());
    AVFrame *picture = encoder->m_picture.get();
    picture->format = AV_PIX_FMT_YUV420P;
    picture->width = settings.size.width();
    picture->height = settings.size.height();
    if (const int c = av_frame_get_buffer(picture, 0); c < 0)
        return encoder->failure(c);
    encoder->m_packet.reset(av_packet_alloc());
    return encoder;
}

tvk::Result<void> ClipEncoder::encode(AVCodecContext *codec, AVStream *stream, const AVFrame *frame)
{
    if (const int code = avcodec_send_frame(codec, frame); code < 0)
        return failure(code);
    for (;;) {
        const int code = avcodec_receive_packet(codec, m_packet.get());
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
            return {};
        if (code < 0)
            return failure(code);
        av_packet_rescale_ts(m_packet.get(), codec->time_base, stream->time_base);
        m_packet->stream_index = stream->index;
        if (const int written = av_interleaved_write_frame(m_output, m_packet.get()); written < 0)
            return failure(written);
        // A full disk shows in the byte stream first.
        if (m_output->pb->error < 0)
            return failure(m_output->pb->error);
    }
}

tvk::Result<void> ClipEncoder::addPicture()
{
    m_picture->pts = m_pictures++;
    auto done = encode(m_video.get(), m_videoStream, m_picture.get());
    // The encoder may still hold the buffer; the next picture is written into a fresh one.
    if (done && av_frame_make_writable(m_picture.get()) < 0)
        return failure(AVERROR(ENOMEM));
    return done;
}

tvk::Result<void> ClipEncoder::addPicture(AVFrame *picture)
{
    picture->pts = m_pictures++;
    return encode(m_video.get(), m_videoStream, picture);
}

tvk::Result<void> ClipEncoder::addSound(void **planes, int count)
{
    if (!m_audio)
        return {};
    if (av_audio_fifo_write(m_fifo.get(), planes, count) < count)
        return failure(AVERROR(ENOMEM));
    return encodeSound(false);
}

tvk::Result<void> ClipEncoder::encodeSound(bool last)
{
    const int frameSize = m_audio->frame_size;
    while (av_audio_fifo_size(m_fifo.get()) >= frameSize ||
           (last && av_audio_fifo_size(m_fifo.get()) > 0)) {
        AVFrame *frame = m_sound.get();
        av_frame_unref(frame);
        frame->nb_samples = std::min(frameSize, av_audio_fifo_size(m_fifo.get()));
        frame->format = AV_SAMPLE_FMT_FLTP;
        frame->sample_rate = m_audio->sample_rate;
        av_channel_layout_copy(&frame->ch_layout, &m_audio->ch_layout);
        if (const int code = av_frame_get_buffer(frame, 0); code < 0)
            return failure(code);
        av_audio_fifo_read(m_fifo.get(), reinterpret_cast<void **>(frame->data), frame->nb_samples);
        frame->pts = m_samples;
        m_samples += frame->nb_samples;
        if (auto done = encode(m_audio.get(), m_audioStream, frame); !done)
            return done;
    }
    return {};
}

tvk::Result<void> ClipEncoder::finish()
{
    if (auto done = encode(m_video.get(), m_videoStream, nullptr); !done)
        return done;
    if (m_audio) {
        if (auto done = encodeSound(true); !done)
            return done;
        if (auto done = encode(m_audio.get(), m_audioStream, nullptr); !done)
            return done;
    }
    if (const int code = av_write_trailer(m_output); code < 0)
        return failure(code);
    if (m_output->pb->error < 0)
        return failure(m_output->pb->error);
    m_opened = false;
    if (const int code = avio_closep(&m_output->pb); code < 0)
        return failure(code);
    return {};
}
