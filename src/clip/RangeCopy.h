#pragma once

extern "C" {
#include <libavutil/frame.h>
}

// A camera's picture in full-range ("JPEG") yuv420p, as the cameras record, copied into the
// encoder's limited-range yuv420p when it needs no scaling: a table per byte, at a fraction of
// the cost of a general scaler. `planes` and `strides` are the target's Y, U and V.
namespace clip {

// Whether `from` can be copied so into an area of `width` x `height`.
bool canCopyToLimitedRange(const AVFrame *from, int width, int height);
void copyToLimitedRange(const AVFrame *from, uint8_t *const planes[3], const int strides[3]);
// The same in place, on a full-range picture of `width` x `height` (even) scaled as it was.
void toLimitedRange(uint8_t *const planes[3], const int strides[3], int width, int height);

} // namespace clip
