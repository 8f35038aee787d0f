#pragma once

#include "core/plot/gsensorplot.h"

#include <QColor>
#include <QRectF>

class QPainter;

// The G-sensor chart painted into a rectangle, the same in the player window, on paper and in
// an evidence folder: the scale's labels in a margin on the left, the lines of the three axes
// in light red, green and blue, the thresholds dashed and the play position as a white bar.
// It paints no background: it is made for the dark panel of the player window.
class GSensorChart
{
public:
    explicit GSensorChart(const QRectF &bounds);

    // The panel the chart's colours are chosen for.
    static QColor panelColor() { return QColor(0x1a, 0x1f, 0x26); }
    static QColor axisColor(char axis);

    // How many columns the plot area has, one a pixel: what gsensorplot::plot() reduces to.
    qsizetype columns() const { return static_cast<qsizetype>(m_w); }
    // The painter's point for a point of the plot (x 0 to 1, y in g).
    QPointF at(const QPointF &plotPoint) const;
    // The plot area: from the first sample to the end of the last, +2 g to -2 g.
    QRectF plotArea() const;

    void paint(QPainter *painter, const gsensorplot::Plot &plot) const;

private:
    // Measures taken from the bottom left, y upwards; place() turns them into the painter's.
    QPointF place(double x, double y) const;
    QRectF rect(double x, double y, double width, double height) const;
    double yOf(double g) const { return kBottom + m_h / 2 + g * (m_h * 0.25); }

    void paintGrid(QPainter *painter, const QList<gsensorplot::GridLine> &grid) const;
    void paintThresholds(QPainter *painter, const QList<GSensorThresholdLine> &lines) const;
    void paintSeries(QPainter *painter, const QList<gsensorplot::Series> &series) const;

    static constexpr double kLeft = 20;
    static constexpr double kBottom = 8;
    QRectF m_bounds;
    double m_w;
    double m_h;
};
