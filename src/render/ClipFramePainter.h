#pragma once

#include "core/clip/ClipCanvas.h"
#include "render/ClipOverlay.h"

// The painter of a clip's frames: its overlay with the telemetry of each moment, and "No
// recording" where a camera did not record. Reads the recordings' telemetry when first made.
clip::PaintFrame clipFramePainter(const clip::Plan &plan, const ClipOverlay::Items &items);
