#include "core/plot/gsensorplot.h"

#include "core/plot/plotcolumns.h"

#include <cmath>

namespace gsensorplot {

namespace {

QList<GridLine> gridLines()
{
    // A plain sign on zero reads as noise beside the others.
    return {{-2, QStringLiteral("-2")},
            {-1, QStringLiteral("-1")},
            {0, QStringLiteral("0"), true},
            {1, QStringLiteral("+1")},
            {2, QStringLiteral("+2")}};
}

// A column runs through the lowest and highest of its samples in the order they came, so that
// a peak narrower than a column still shows.
QList<QPointF> seriesPoints(const QList<GSensor> &samples, float GSensor::*axis, qsizetype columns)
{
    const qsizetype n = samples.size();
    QList<QPointF> points;
    for (const PlotColumn &c : plotColumns(samples, axis, columns)) {
        const double start = sampleX(c.first, n);
        const double end = sampleX(c.first + c.count, n);
        points.append({start, c.opening});
        if (c.count > 1) {
            const double middle = (start + end) / 2;
            points.append({middle, c.lowComesFirst ? c.low : c.high});
            points.append({middle, c.lowComesFirst ? c.high : c.low});
        }
        points.append({end, c.closing});
    }
    return points;
}

} // namespace

double sampleX(qsizetype i, qsizetype n)
{
    return n > 0 ? static_cast<double>(i) / static_cast<double>(n) : 0.0;
}

Plot plot(const QList<GSensor> &samples, const QList<GSensorThresholdLine> &thresholds,
          double position, qsizetype columns)
{
    Plot result;
    result.grid = gridLines();
    for (const GSensorThresholdLine &line : thresholds) {
        if (std::abs(line.g) <= kRange)
            result.thresholds.append(line);
    }
    if (samples.isEmpty())
        return result;
    result.series = {{'X', seriesPoints(samples, &GSensor::x, columns)},
                     {'Y', seriesPoints(samples, &GSensor::y, columns)},
                     {'Z', seriesPoints(samples, &GSensor::z, columns)}};
    result.position = position;
    return result;
}

QList<TimeTick> timeTicks(qsizetype samples, double width, double spacing)
{
    QList<TimeTick> ticks;
    if (samples <= 0 || width <= 0)
        return ticks;
    qsizetype step = 100;
    while (width * sampleX(step, samples) < spacing && step < samples)
        step *= 2;
    for (qsizetype i = 0; i < samples; i += step)
        ticks.append({sampleX(i, samples), QStringLiteral("%1 s").arg(i / 10)});
    return ticks;
}

} // namespace gsensorplot
