#pragma once

#include "core/clip/ClipLayout.h"

#include <QList>

#include <functional>

// The overlay of a clip's frames, painted on a layer of its own: 32-bit premultiplied ARGB the
// size of the frame, transparent where nothing is drawn. The pictures go to the encoder in its
// own format and the layer is laid over them there; what the overlay shows changes far less
// often than the frames (the clock by the second, the G-sensor ten times a second), so the layer
// is painted again only when it would look different, and laid as it is over the frames between.
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

// `areas` names where the overlay draws (from the frame's layout and missing cameras), and the
// layer is laid over those areas only; `changed` tells whether the overlay at this moment would
// look different from the one painted last; `paint` draws it inside its areas, on a layer that
// is transparent there. The caller paints again when the areas or the look change.
struct PaintFrame
{
    std::function<QList<QRect>(const Canvas &)> areas;
    std::function<bool(const Canvas &)> changed;
    std::function<void(const Canvas &)> paint;
    explicit operator bool() const { return areas && changed && paint; }
};

} // namespace clip
