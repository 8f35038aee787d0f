#pragma once

#include "core/clip/ClipCanvas.h"
#include "core/clip/ClipLayout.h"
#include "core/clip/ClipPlan.h"
#include "core/common/result.h"

#include <atomic>
#include <functional>

// Makes the MP4 clip of a plan: both cameras decoded, composed and encoded frame by frame.
namespace clip {

struct ExportOptions
{
    Layout layout = Layout::SideBySide;
    Corner corner = Corner::BottomRight;
    bool soundFromRear = false;
    int quality = 23;
    QString preset = QStringLiteral("veryfast");
};

using ExportProgress = std::function<void(qint64 framesDone, qint64 framesTotal)>;

// Writes the clip to a temporary file beside `out` and puts it in place once complete; on a
// failure or when `cancel` is set nothing is left at `out`. Refused when `out` exists and is
// not a regular file, or is one of the clip's recordings.
tvk::Result<void> exportClip(const Plan &plan, const ExportOptions &options, const QString &out,
                             const PaintFrame &paint, const ExportProgress &progress,
                             const std::atomic<bool> *cancel);

} // namespace clip
