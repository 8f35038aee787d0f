#pragma once

#include "core/telemetry/GSensor.h"

#include <QList>

// One column of a plot: the run of samples [first, first + count) that falls on it and the
// values a line through them reaches, so that a peak narrower than a pixel still shows.
struct PlotColumn
{
    qsizetype first = 0;
    qsizetype count = 0;
    float opening = 0; // the run's first value
    float closing = 0; // its last value
    float low = 0;
    float high = 0;
    bool lowComesFirst = true;

    friend bool operator==(const PlotColumn &, const PlotColumn &) = default;
};

// The samples of one axis reduced to at most `columns` columns (one per sample when there are
// no more samples than columns), covering every sample once and in order. Painting these costs
// the picture's width, not the recording's length.
QList<PlotColumn> plotColumns(const QList<GSensor> &samples, float GSensor::*axis,
                              qsizetype columns);
