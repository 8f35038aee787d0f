#include "clip/RangeCopy.h"

#include <array>
#include <cstdint>

namespace clip {

namespace {

struct Tables
{
    std::array<uint8_t, 256> luma{}, chroma{};
    Tables()
    {
        // ITU-R BT.601: luma spans 16..235, colour 16..240 around 128.
        for (int v = 0; v < 256; ++v) {
            luma[size_t(v)] = uint8_t(16 + (v * 219 + 127) / 255);
            const int c = (v - 128) * 224;
            chroma[size_t(v)] = uint8_t(128 + (c >= 0 ? (c + 127) / 255 : -((-c + 127) / 255)));
        }
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

} // namespace

bool canCopyToLimitedRange(const AVFrame *from, int width, int height)
{
    return from && from->format == AV_PIX_FMT_YUVJ420P && from->width == width &&
           from->height == height;
}

namespace {

void mapPlanes(const uint8_t *const from[3], const int fromStrides[3], uint8_t *const to[3],
               const int toStrides[3], int width, int height)
{
    const Tables &t = tables();
    for (int plane = 0; plane < 3; ++plane) {
        const auto &table = plane ? t.chroma : t.luma;
        const int w = plane ? (width + 1) / 2 : width;
        const int h = plane ? (height + 1) / 2 : height;
        for (int y = 0; y < h; ++y) {
            const uint8_t *source = from[plane] + y * fromStrides[plane];
            uint8_t *target = to[plane] + y * toStrides[plane];
            for (int x = 0; x < w; ++x)
                target[x] = table[source[x]];
        }
    }
}

} // namespace

void copyToLimitedRange(const AVFrame *from, uint8_t *const planes[3], const int strides[3])
{
    mapPlanes(from->data, from->linesize, planes, strides, from->width, from->height);
}

void toLimitedRange(uint8_t *const planes[3], const int strides[3], int width, int height)
{
    mapPlanes(planes, strides, planes, strides, width, height);
}

} // namespace clip
