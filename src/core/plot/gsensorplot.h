#pragma once

#include "core/settings/gsensorthresholds.h"
#include "core/telemetry/GSensor.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

// The G-sensor chart as the window, print and the evidence folder show it, in the chart's own
// units: x runs from 0 at the first sample to 1 at the end of the last, y is in g. Each sample
// holds its value until the next, so sample i of n spans [i / n, (i + 1) / n).
namespace gsensorplot {

// The chart's fixed scale, in g each way: at rest Z reads +1 and a hard brake about -1 on X.
constexpr double kRange = 2.0;

struct GridLine
{
    double g = 0;
    QString label;
    bool zero = false; // drawn firmer than the others
};

// One axis' line through the samples.
struct Series
{
    char axis = 'X'; // 'X', 'Y' or 'Z'
    QList<QPointF> points;
};

// A mark along the time scale: the sample it stands at and its time.
struct TimeTick
{
    double x = 0;
    QString label;
};

struct Plot
{
    QList<GridLine> grid;
    QList<Series> series;                   // X, Y and Z; none without samples
    QList<GSensorThresholdLine> thresholds; // those on the scale
    std::optional<double> position;         // the play position; none without samples
};

// The plot of the samples reduced to `columns` columns, with the thresholds that fall on the
// scale and the play position (a fraction of the recording, 0 to 1).
Plot plot(const QList<GSensor> &samples, const QList<GSensorThresholdLine> &thresholds,
          double position, qsizetype columns);

// Where sample i of n starts along x.
double sampleX(qsizetype i, qsizetype n);

// Seconds along the time scale, at the camera's ten samples a second: every ten seconds, or
// a doubling of that, so that no two marks stand closer than `spacing` of a chart `width` wide.
QList<TimeTick> timeTicks(qsizetype samples, double width, double spacing);

} // namespace gsensorplot
