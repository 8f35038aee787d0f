#include "render/EvidencePictures.h"

#include "core/common/cformat.h"
#include "render/ChartDrawing.h"
#include "render/GSensorChart.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr QSize kGraphSize(1200, 420);
// The chart on the window's dark panel, so that it reads as the driver saw it, with room for
// the caption above and the seconds below.
constexpr QRectF kPanel(40, 40, 1140, 340);

void drawSeconds(QPainter &p, const GSensorChart &chart, qsizetype samples)
{
    const QRectF area = chart.plotArea();
    p.setFont(pictures::pictureFont(13));
    p.setPen(Qt::black);
    for (const gsensorplot::TimeTick &tick : gsensorplot::timeTicks(samples, area.width(), 70)) {
        const double x = chart.at({tick.x, 0}).x();
        p.drawText(QRectF(x - 30, kPanel.bottom() + 4, 60, 20), Qt::AlignHCenter, tick.label);
    }
}

void drawLegend(QPainter &p)
{
    p.setFont(pictures::pictureFont(13));
    double x = kPanel.right() - 90;
    for (const char axis : {'X', 'Y', 'Z'}) {
        p.fillRect(QRectF(x - 4, 10, 22, 22), GSensorChart::panelColor());
        p.setPen(GSensorChart::axisColor(axis));
        p.drawText(QRectF(x - 4, 10, 22, 22), Qt::AlignCenter, QString(QLatin1Char(axis)));
        x += 30;
    }
}

void drawPeak(QPainter &p, const GSensorChart &chart, const GSensor &s, double x)
{
    const QColor orange(230, 120, 0);
    const QRectF area = chart.plotArea();
    p.save();
    p.setClipRect(kPanel);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(orange, 2, Qt::DashLine));
    const double at = chart.at({x, 0}).x();
    p.drawLine(QPointF(at, area.top()), QPointF(at, area.bottom()));
    p.setBrush(orange);
    for (const float v : {s.x, s.y, s.z})
        p.drawEllipse(chart.at({x, v}), 4, 4);
    p.restore();
}

} // namespace

QImage EvidencePictures::gSensorImage(const QList<GSensor> &samples, qsizetype peak)
{
    QImage image = pictures::whiteImage(kGraphSize.width(), kGraphSize.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(kPanel, GSensorChart::panelColor());
    const GSensorChart chart(kPanel);
    gsensorplot::Plot plot = gsensorplot::plot(samples, {}, 0, chart.columns());
    plot.position.reset(); // a picture has no play position
    chart.paint(&p, plot);
    if (samples.isEmpty()) {
        pictures::drawCaption(p, QStringLiteral("G-sensor: no samples in the recording"));
        return image;
    }
    drawSeconds(p, chart, samples.size());
    drawLegend(p);
    if (peak >= 0 && peak < samples.size()) {
        const GSensor &s = samples[peak];
        drawPeak(p, chart, s, gsensorplot::sampleX(peak, samples.size()));
        const double g = std::hypot(s.x, s.y, s.z - 1.0);
        pictures::drawCaption(p, tvk::cformat("G-sensor (X red, Y green, Z blue): peak %.2f g at "
                                              "%.1f s",
                                              g, double(peak) / 10));
    }
    return image;
}

QByteArray EvidencePictures::gSensorPng(const QList<GSensor> &samples, qsizetype peak) const
{
    return pictures::pngBytes(gSensorImage(samples, peak));
}
