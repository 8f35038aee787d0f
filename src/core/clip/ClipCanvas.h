#pragma once

#include "core/clip/ClipLayout.h"

#include <QList>

#include <functional>

// The parts of a composed frame of a clip that its overlay covers, in 32-bit 0xffRRGGBB
// pixels, before it is encoded: the caller paints its overlay on them.
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

// The overlay of a clip's frames. The pictures go to the encoder in its own format; only the
// parts the overlay draws on are turned into a canvas and back, so `areas` names them (from
// the frame's layout and missing cameras; `bits` is not yet filled then) and `paint` draws
// inside them only: the canvas holds the frame's pixels there and nowhere else.
struct PaintFrame
{
    std::function<QList<QRect>(const Canvas &)> areas;
    std::function<void(const Canvas &)> paint;
    explicit operator bool() const { return areas && paint; }
};

} // namespace clip
