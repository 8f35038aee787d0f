#include "clip/RangeCopy.h"

#include <cstdint>

namespace clip {

namespace {

// ITU-R BT.601 in 8.8 fixed point: luma from 0..255 to 16..235, colour to 16..240 around 128.
// Plain arithmetic on 16 bits, so that the compiler runs it on whole vectors of bytes.
inline uint8_t luma(unsigned v)
{
    return uint8_t((v * 220u + 16u * 256u + 128u) >> 8);
}
inline uint8_t chroma(unsigned v)
{
    return uint8_t((v * 225u + 3984u + 128u) >> 8);
}

void mapPlanes(const uint8_t *const from[3], const int fromStrides[3], uint8_t *const to[3],
               const int toStrides[3], int width, int height)
{
    for (int plane = 0; plane < 3; ++plane) {
        const int w = plane ? (width + 1) / 2 : width;
        const int h = plane ? (height + 1) / 2 : height;
        for (int y = 0; y < h; ++y) {
            const uint8_t *source = from[plane] + y * fromStrides[plane];
            uint8_t *target = to[plane] + y * toStrides[plane];
            if (plane == 0) {
                for (int x = 0; x < w; ++x)
                    target[x] = luma(source[x]);
            } else {
                for (int x = 0; x < w; ++x)
                    target[x] = chroma(source[x]);
            }
        }
    }
}

} // namespace

bool canCopyToLimitedRange(const AVFrame *from, int width, int height)
{
    return from && from->format == AV_PIX_FMT_YUVJ420P && from->width == width &&
           from->height == height;
}

void copyToLimitedRange(const AVFrame *from, uint8_t *const planes[3], const int strides[3])
{
    mapPlanes(from->data, from->linesize, planes, strides, from->width, from->height);
}

void toLimitedRange(uint8_t *const planes[3], const int strides[3], int width, int height)
{
    mapPlanes(planes, strides, planes, strides, width, height);
}

} // namespace clip
