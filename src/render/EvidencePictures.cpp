#include "render/EvidencePictures.h"

#include "core/common/cformat.h"
#include "core/plot/plotcolumns.h"
#include "render/ChartDrawing.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr QSize kGraphSize(1200, 420);
constexpr double kGraphRange = 2.0; // g each way, as the player's graph

struct GraphArea
{
    QRectF plot;
    qsizetype count;
    double xOf(qsizetype i) const
    {
        return plot.left() + plot.width() * double(i) / double(std::max<qsizetype>(1, count - 1));
    }
    double yOf(double g) const
    {
        const double clamped = std::clamp(g, -kGraphRange, kGraphRange);
        return plot.center().y() - clamped / kGraphRange * plot.height() / 2;
    }
};

void drawGrid(QPainter &p, const GraphArea &area)
{
    p.setFont(pictures::pictureFont(13));
    for (int g = -2; g <= 2; ++g) {
        p.setPen(QPen(g == 0 ? Qt::gray : QColor(220, 220, 220), 1));
        p.drawLine(QPointF(area.plot.left(), area.yOf(g)), QPointF(area.plot.right(), area.yOf(g)));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, area.yOf(g) - 10, area.plot.left() - 8, 20),
                   Qt::AlignRight | Qt::AlignVCenter, tvk::cformat("%+d g", g));
    }
    // Seconds along the bottom, at the camera's ten samples a second, every ten seconds or
    // a multiple of ten spaced wide enough for the labels.
    qsizetype step = 100;
    while (area.xOf(step) - area.xOf(0) < 70 && step < area.count)
        step *= 2;
    for (qsizetype i = 0; i < area.count; i += step) {
        p.drawText(QRectF(area.xOf(i) - 30, area.plot.bottom() + 4, 60, 20), Qt::AlignHCenter,
                   QStringLiteral("%1 s").arg(i / 10));
    }
}

void drawAxes(QPainter &p, const QList<TVKGSensor> &samples, const GraphArea &area)
{
    const struct
    {
        float TVKGSensor::*axis;
        QColor color;
        const char *name;
    } axes[] = {{&TVKGSensor::x, QColor(200, 30, 30), "X"},
                {&TVKGSensor::y, QColor(30, 150, 30), "Y"},
                {&TVKGSensor::z, QColor(30, 60, 200), "Z"}};
    int legend = 0;
    for (const auto &a : axes) {
        QPainterPath path;
        const auto columns = plotColumns(samples, a.axis, qsizetype(area.plot.width()));
        for (const PlotColumn &c : columns) {
            const double start = area.xOf(c.first);
            const double end = area.xOf(c.first + c.count - 1);
            const double middle = (start + end) / 2;
            const QPointF opening(start, area.yOf(c.opening));
            path.isEmpty() ? path.moveTo(opening) : path.lineTo(opening);
            if (c.count > 1) {
                path.lineTo(middle, area.yOf(c.lowComesFirst ? c.low : c.high));
                path.lineTo(middle, area.yOf(c.lowComesFirst ? c.high : c.low));
                path.lineTo(end, area.yOf(c.closing));
            }
        }
        p.setPen(QPen(a.color, 1.5));
        p.drawPath(path);
        p.drawText(QPointF(area.plot.right() - 90 + 30 * legend++, 26), QLatin1String(a.name));
    }
}

} // namespace

QImage EvidencePictures::gSensorImage(const QList<TVKGSensor> &samples, qsizetype peak)
{
    QImage image = pictures::whiteImage(kGraphSize.width(), kGraphSize.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const GraphArea area{QRectF(60, 40, kGraphSize.width() - 80, kGraphSize.height() - 80),
                         samples.size()};
    drawGrid(p, area);
    if (samples.isEmpty()) {
        pictures::drawCaption(p, QStringLiteral("G-sensor: no samples in the recording"));
        return image;
    }
    drawAxes(p, samples, area);
    if (peak >= 0 && peak < samples.size()) {
        const TVKGSensor &s = samples[peak];
        const double g = std::hypot(s.x, s.y, s.z - 1.0);
        p.setPen(QPen(QColor(230, 120, 0), 2, Qt::DashLine));
        p.drawLine(QPointF(area.xOf(peak), area.plot.top()),
                   QPointF(area.xOf(peak), area.plot.bottom()));
        p.setBrush(QColor(230, 120, 0));
        for (const float v : {s.x, s.y, s.z})
            p.drawEllipse(QPointF(area.xOf(peak), area.yOf(v)), 4, 4);
        pictures::drawCaption(p, tvk::cformat("G-sensor (X red, Y green, Z blue): peak %.2f g at "
                                              "%.1f s",
                                              g, double(peak) / 10));
    }
    return image;
}

QByteArray EvidencePictures::gSensorPng(const QList<TVKGSensor> &samples, qsizetype peak) const
{
    return pictures::pngBytes(gSensorImage(samples, peak));
}
