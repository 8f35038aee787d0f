#pragma once

#include "core/index/placesearch.h"

// A drive past a place that crosses from one recording into the next leaves a stretch in each:
// they are one pass when the next starts within this many seconds of the last.
inline constexpr double kSamePassSeconds = 90;

// One pass by a place: the recordings it left stretches in, in time order, and the one that
// came closest.
struct PassGroup
{
    QList<PlacePass> stretches;
    qsizetype closest = 0;

    const PlacePass &best() const { return stretches[closest]; }
};

// Groups passes given in time order: a stretch joins the pass before when it is of another
// recording and no more than `gapSeconds` after the stretch before it.
QList<PassGroup> groupPasses(const QList<PlacePass> &passes, double gapSeconds = kSamePassSeconds);

// The string-table key of the compass direction of a heading (degrees clockwise from north):
// one of eight, each covering 45 degrees around its bearing.
const char *compassKey(double heading);
