#include "render/GSensorChart.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

QFont labelFont()
{
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    // Sizes of the chart are in pixels; so is its text.
    font.setPixelSize(12);
    return font;
}

} // namespace

GSensorChart::GSensorChart(const QRectF &bounds)
    : m_bounds(bounds), m_w(bounds.width() - 40), m_h(bounds.height() - 16)
{}

QColor GSensorChart::axisColor(char axis)
{
    // Light enough for the dark panel, as the X, Y and Z readouts; pure blue nearly vanishes.
    return QColor::fromRgb(axis == 'X' ? 0xffff6b6b : axis == 'Y' ? 0xff5fd38d : 0xff5aa9ff);
}

QPointF GSensorChart::place(double x, double y) const
{
    return QPointF(m_bounds.left() + x, m_bounds.top() + m_bounds.height() - y);
}

QRectF GSensorChart::rect(double x, double y, double width, double height) const
{
    return QRectF(place(x, y + height), QSizeF(width, height));
}

QPointF GSensorChart::at(const QPointF &plotPoint) const
{
    return place(kLeft + 1 + m_w * plotPoint.x(), yOf(plotPoint.y()));
}

QRectF GSensorChart::plotArea() const
{
    return QRectF(at({0, gsensorplot::kRange}), at({1, -gsensorplot::kRange}));
}

void GSensorChart::paint(QPainter *painter, const gsensorplot::Plot &plot) const
{
    painter->save();
    // What lies beyond the scale is cut at the chart's edges, as the window does.
    painter->setClipRect(m_bounds, Qt::IntersectClip);
    paintGrid(painter, plot.grid);
    paintThresholds(painter, plot.thresholds);
    paintSeries(painter, plot.series);
    if (plot.position)
        painter->fillRect(rect(kLeft + m_w * *plot.position, kBottom, 2, m_h), Qt::white);
    painter->restore();
}

void GSensorChart::paintGrid(QPainter *painter, const QList<gsensorplot::GridLine> &grid) const
{
    // Faint, so that a line lying on the grid (Z at rest on +1, X and Y on 0) stays readable;
    // the zero line a little firmer than the others.
    const QColor faint = QColor::fromRgbF(0.8f, 0.8f, 0.8f, 0.18f);
    QColor firm = faint;
    firm.setAlphaF(0.32f);
    for (const gsensorplot::GridLine &line : grid)
        painter->fillRect(rect(kLeft, yOf(line.g), m_w, 1), line.zero ? firm : faint);
    painter->fillRect(rect(kLeft, kBottom, 1, m_h), firm);

    painter->setFont(labelFont());
    painter->setPen(QColor(0xc5, 0xca, 0xd3));
    const QFontMetricsF metrics(painter->font());
    for (const gsensorplot::GridLine &line : grid) {
        const double width = metrics.horizontalAdvance(line.label);
        // Right edge 2 left of the axis, vertical middle 2 above the line.
        const QPointF topLeft = place(kLeft - 2 - width, yOf(line.g) + 2 + metrics.height() / 2);
        painter->drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), line.label);
    }
}

void GSensorChart::paintThresholds(QPainter *painter,
                                   const QList<GSensorThresholdLine> &lines) const
{
    for (const GSensorThresholdLine &line : lines) {
        QColor color = axisColor(line.axis);
        color.setAlpha(170);
        painter->setPen(QPen(color, 1, Qt::DashLine, Qt::FlatCap));
        painter->drawLine(place(kLeft + 1, yOf(line.g)), place(kLeft + m_w, yOf(line.g)));
    }
}

void GSensorChart::paintSeries(QPainter *painter, const QList<gsensorplot::Series> &series) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    for (const gsensorplot::Series &s : series) {
        if (s.points.isEmpty())
            continue;
        QPainterPath path(at(s.points.first()));
        for (qsizetype i = 1; i < s.points.size(); ++i)
            path.lineTo(at(s.points[i]));
        painter->setPen(QPen(axisColor(s.axis), 1.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter->drawPath(path);
    }
    painter->restore();
}
