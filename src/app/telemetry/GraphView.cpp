#include "app/telemetry/GraphView.h"

#include "core/plot/plotcolumns.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// The chart's measures, taken with the origin at the bottom left and y upwards, as the camera
// maker's viewer drew it; at() turns them into the painter's coordinates.
struct ChartGeometry
{
    explicit ChartGeometry(const QRectF &bounds)
        : bounds(bounds), w(bounds.width() - 40), h(bounds.height() - 16), zero(8 + h / 2),
          unit(h * 0.25)
    {}

    QPointF at(double x, double y) const
    {
        return QPointF(bounds.left() + x, bounds.top() + bounds.height() - y);
    }
    // A rectangle given by its bottom-left corner and size.
    QRectF rect(double x, double y, double width, double height) const
    {
        return QRectF(at(x, y + height), QSizeF(width, height));
    }

    static constexpr double left = 20;
    static constexpr double bottom = 8;
    QRectF bounds;
    double w;
    double h;
    double zero;
    double unit;
};

QFont labelFont()
{
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    // Sizes of the chart are in pixels; so is its text.
    font.setPixelSize(12);
    return font;
}

void drawBackgroundRect(QPainter *painter, const ChartGeometry &g)
{
    // Faint, so that a line lying on the grid (Z at rest on +1, X and Y on 0) stays readable;
    // the zero line a little firmer than the others.
    QColor grid = QColor::fromRgbF(0.8f, 0.8f, 0.8f, 0.18f);
    QColor zero = grid;
    zero.setAlphaF(0.32f);
    for (int i = 0; i <= 4; ++i)
        painter->fillRect(g.rect(g.left, g.bottom + i * g.unit, g.w, 1), i == 2 ? zero : grid);
    painter->fillRect(g.rect(g.left, g.bottom, 1, g.h), zero);

    static const char *const labels[] = {"-2", "-1", "0", "+1", "+2"};
    painter->setFont(labelFont());
    painter->setPen(QColor(0xc5, 0xca, 0xd3));
    const QFontMetricsF metrics(painter->font());
    for (int i = 0; i <= 4; ++i) {
        const QString label = QLatin1String(labels[i]);
        const double width = metrics.horizontalAdvance(label);
        // Right edge 2 left of the axis, vertical middle 2 above the line.
        const double middle = g.bottom + i * g.unit + 2;
        const QPointF topLeft = g.at(g.left - 2 - width, middle + metrics.height() / 2);
        painter->drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), label);
    }
}

// The whole recording spread over the width, each sample holding its value until the next:
// a column of the chart runs through the lowest and highest of the samples it covers.
QPainterPath axisPath(const QList<TVKGSensor> &values, float TVKGSensor::*axis,
                      const ChartGeometry &g)
{
    const double x0 = g.left + 1;
    const double n = static_cast<double>(values.size());
    const auto xOf = [&](qsizetype sample) {
        return x0 + g.w * static_cast<double>(sample) / n;
    };
    const auto yOf = [&](float value) {
        return g.zero + value * g.unit;
    };
    QPainterPath path;
    for (const PlotColumn &c : plotColumns(values, axis, static_cast<qsizetype>(g.w))) {
        const double start = xOf(c.first);
        const double end = xOf(c.first + c.count);
        const QPointF opening = g.at(start, yOf(c.opening));
        path.isEmpty() ? path.moveTo(opening) : path.lineTo(opening);
        if (c.count > 1) {
            const double middle = (start + end) / 2;
            path.lineTo(g.at(middle, yOf(c.lowComesFirst ? c.low : c.high)));
            path.lineTo(g.at(middle, yOf(c.lowComesFirst ? c.high : c.low)));
        }
        path.lineTo(g.at(end, yOf(c.closing)));
    }
    return path;
}

void drawGraphData(QPainter *painter, const QList<TVKGSensor> &values, const ChartGeometry &g)
{
    struct Axis
    {
        float TVKGSensor::*value;
        QRgb color;
    };
    // Red, green and blue light enough for the dark panel, as the X, Y and Z readouts.
    static constexpr Axis axes[] = {
        {&TVKGSensor::x, 0xffff6b6b}, {&TVKGSensor::y, 0xff5fd38d}, {&TVKGSensor::z, 0xff5aa9ff}};
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    for (const Axis &axis : axes) {
        painter->setPen(
            QPen(QColor::fromRgb(axis.color), 1.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter->drawPath(axisPath(values, axis.value, g));
    }
    painter->restore();
}

void drawThresholdLines(QPainter *painter, const QList<GSensorThresholdLine> &lines,
                        const ChartGeometry &g)
{
    painter->save();
    for (const GSensorThresholdLine &line : lines) {
        if (std::abs(line.g) > 2)
            continue; // off the chart's scale
        // The axes' own light colours: pure blue nearly vanishes on the dark panel.
        QColor color = QColor::fromRgb(line.axis == 'X'   ? 0xffff6b6b
                                       : line.axis == 'Y' ? 0xff5fd38d
                                                          : 0xff5aa9ff);
        color.setAlpha(170);
        painter->setPen(QPen(color, 1, Qt::DashLine, Qt::FlatCap));
        const double y = g.zero + line.g * g.unit;
        painter->drawLine(g.at(g.left + 1, y), g.at(g.left + g.w, y));
    }
    painter->restore();
}

void drawTimePositionVerticalBar(QPainter *painter, double position, const ChartGeometry &g)
{
    painter->fillRect(g.rect(g.left + g.w * position, g.bottom, 2, g.h), Qt::white);
}

} // namespace

GraphView::GraphView(QWidget *parent) : QWidget(parent) {}

void GraphView::setGraphData(const QList<TVKGSensor> &values)
{
    m_values = values;
    update();
}

void GraphView::setThresholdLines(const QList<GSensorThresholdLine> &lines)
{
    m_thresholds = lines;
    update();
}

void GraphView::updateTimePosition(double position)
{
    m_timePosition = position;
    update();
}

void GraphView::paint(QPainter *painter, const QRectF &bounds) const
{
    const ChartGeometry geometry(bounds);
    painter->save();
    drawBackgroundRect(painter, geometry);
    drawThresholdLines(painter, m_thresholds, geometry);
    if (!m_values.isEmpty()) {
        drawGraphData(painter, m_values, geometry);
        drawTimePositionVerticalBar(painter, m_timePosition, geometry);
    }
    painter->restore();
}

QSize GraphView::sizeHint() const
{
    return QSize(480, 96);
}

void GraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(&painter, rect());
}
