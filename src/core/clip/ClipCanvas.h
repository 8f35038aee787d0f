#pragma once

#include "core/clip/ClipLayout.h"

#include <functional>

// One composed frame of a clip, in 32-bit 0xffRRGGBB pixels, before it is encoded: the caller
// paints its overlay on it.
namespace clip {

struct Canvas
{
    uchar *bits = nullptr;
    qsizetype bytesPerLine = 0;
    Frame frame;
    qint64 clipMs = 0;
    bool frontMissing = false; // the camera shown there has no recording at this moment
    bool rearMissing = false;
};

using PaintFrame = std::function<void(const Canvas &)>;

} // namespace clip
