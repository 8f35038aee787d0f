#include "core/plot/plotcolumns.h"

QList<PlotColumn> plotColumns(const QList<GSensor> &samples, float GSensor::*axis,
                              qsizetype columns)
{
    const qsizetype n = samples.size();
    const qsizetype count = std::min(n, std::max<qsizetype>(columns, 0));
    QList<PlotColumn> result;
    result.reserve(count);
    for (qsizetype c = 0; c < count; ++c) {
        // Integer bounds, so that the runs meet exactly and none is empty (count <= n).
        const qsizetype begin = c * n / count;
        const qsizetype end = (c + 1) * n / count;
        PlotColumn column;
        column.first = begin;
        column.count = end - begin;
        column.opening = samples[begin].*axis;
        column.closing = samples[end - 1].*axis;
        column.low = column.high = column.opening;
        qsizetype lowAt = begin, highAt = begin;
        for (qsizetype i = begin + 1; i < end; ++i) {
            const float v = samples[i].*axis;
            if (v < column.low) {
                column.low = v;
                lowAt = i;
            }
            if (v > column.high) {
                column.high = v;
                highAt = i;
            }
        }
        column.lowComesFirst = lowAt <= highAt;
        result.append(column);
    }
    return result;
}
