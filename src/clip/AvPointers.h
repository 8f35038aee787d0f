#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <QString>

#include <memory>

// Owners of libav's objects, each freed by its own function.
namespace av {

struct FrameFree
{
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};
struct PacketFree
{
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct CodecFree
{
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct InputClose
{
    void operator()(AVFormatContext *f) const { avformat_close_input(&f); }
};
struct ScaleFree
{
    void operator()(SwsContext *s) const { sws_freeContext(s); }
};
struct ResampleFree
{
    void operator()(SwrContext *s) const { swr_free(&s); }
};
struct FifoFree
{
    void operator()(AVAudioFifo *f) const { av_audio_fifo_free(f); }
};

using Frame = std::unique_ptr<AVFrame, FrameFree>;
using Packet = std::unique_ptr<AVPacket, PacketFree>;
using Codec = std::unique_ptr<AVCodecContext, CodecFree>;
using Input = std::unique_ptr<AVFormatContext, InputClose>;
using Scale = std::unique_ptr<SwsContext, ScaleFree>;
using Resample = std::unique_ptr<SwrContext, ResampleFree>;
using Fifo = std::unique_ptr<AVAudioFifo, FifoFree>;

// libav's words for an error code.
inline QString errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

} // namespace av
