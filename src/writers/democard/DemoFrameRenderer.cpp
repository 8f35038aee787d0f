#include "writers/democard/DemoFrameRenderer.h"

#include "writers/democard/DemoNoise.h"
#include "writers/democard/DemoOsd.h"
#include "writers/democard/DemoTraffic.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kFrontMount = 0.9; // metres ahead of the car's middle: behind the mirror
constexpr double kRearMount = -2.0; // on the rear window
constexpr double kFrontHeight = 1.32;
constexpr double kRearHeight = 1.18;

} // namespace

DemoFrameRenderer::DemoFrameRenderer(Camera camera, QSize size, const DemoStreet &street,
                                     const DemoTraffic &traffic, const DemoOsd &osd,
                                     const QDateTime &start, quint64 seed)
    : m_camera(camera), m_drive(street.drive()), m_traffic(traffic), m_osd(osd), m_start(start),
      m_seed(seed), m_view(size.width(), size.height(), camera == Front ? 96 : 100,
                           size.height() * (camera == Front ? 0.46 : 0.42)),
      m_backdrop(m_view, camera == Rear, seed), m_streetPainter(m_view, street),
      m_carPainter(m_view, street.drive().route()), m_frame(size, QImage::Format_RGB32)
{
    m_overlay = makeOverlay();
}

QImage DemoFrameRenderer::makeOverlay() const
{
    const int w = m_view.width(), h = m_view.height();
    QImage overlay(w, h, QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    QPainter p(&overlay);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (m_camera == Front) {
        // The bonnet's edge, dark with the sky's sheen on it.
        QPainterPath bonnet;
        bonnet.moveTo(0, h);
        bonnet.lineTo(0, h * 0.95);
        bonnet.cubicTo(w * 0.25, h * 0.905, w * 0.75, h * 0.905, w, h * 0.95);
        bonnet.lineTo(w, h);
        bonnet.closeSubpath();
        QLinearGradient shine(0, h * 0.9, 0, h);
        shine.setColorAt(0, QColor(0x5d, 0x66, 0x70));
        shine.setColorAt(0.25, QColor(0x23, 0x27, 0x2c));
        shine.setColorAt(1, QColor(0x12, 0x14, 0x16));
        p.fillPath(bonnet, shine);
    } else {
        // Tinted glass, the demister's wires, and the dark frame of the rear window.
        p.fillRect(QRect(0, 0, w, h), QColor(0x10, 0x28, 0x22, 70));
        p.setBrush(QColor(0x5a, 0x3a, 0x28, 90));
        for (int i = 1; i <= 7; ++i) {
            const double y = h * (0.22 + 0.085 * i);
            p.drawRect(QRectF(w * 0.06, y, w * 0.88, std::max(1.0, h / 360.0)));
        }
        QPainterPath frame;
        frame.addRect(QRectF(0, 0, w, h));
        QPainterPath glass;
        glass.addRoundedRect(QRectF(w * 0.015, h * 0.05, w * 0.97, h * 0.93), h * 0.09, h * 0.09);
        p.fillPath(frame.subtracted(glass), QColor(0x0c, 0x0d, 0x0e, 235));
    }
    return overlay;
}

const QImage &DemoFrameRenderer::render(double t)
{
    const DemoDrive::State state = m_drive.at(t);
    // The car yaws a little while it pulls over.
    const double sideways = (m_drive.at(t + 0.05).lateral - m_drive.at(t - 0.05).lateral) / 0.1;
    const double yaw = std::atan2(sideways, std::max(state.speed, 0.5));
    const bool front = m_camera == Front;
    const double mount = front ? kFrontMount : kRearMount;
    const double cameraDistance = state.distance + mount;
    const double heading = state.pose.heading + yaw + (front ? 0 : std::numbers::pi);
    const QPointF eye = m_drive.route().point(cameraDistance, state.lateral);
    m_view.place(eye, front ? kFrontHeight : kRearHeight, heading, !front);
    // Road shake grows with speed; the nose dips when braking.
    const double shake = (0.4 + 0.06 * state.speed) *
                             demo::smooth(m_seed, demo::BumpStream + 7, t * 11) *
                             (state.speed > 0.1) -
                         (front ? 1.6 : -1.6) * state.accel;
    m_view.setShake(shake);

    QPainter p(&m_frame);
    m_backdrop.draw(p, m_view, shake);
    const int direction = front ? 1 : -1;
    m_streetPainter.drawGround(p, cameraDistance, direction);
    m_streetPainter.drawBuildings(p, cameraDistance, direction);

    std::vector<DemoStreetPainter::Item> items =
        m_streetPainter.items(cameraDistance, direction, t);
    for (const DemoTraffic::Car &car : m_traffic.cars(t)) {
        const QPointF middle = m_drive.route().point(car.distance, car.lateral);
        const double depth = m_view.depth({middle.x(), middle.y(), 0.7});
        if (depth < 1.0)
            continue;
        items.push_back({depth, [this, car, cameraDistance, &state](QPainter &painter) {
                             m_carPainter.draw(painter, car, cameraDistance, state.lateral);
                         }});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const auto &a, const auto &b) { return a.depth > b.depth; });
    for (const DemoStreetPainter::Item &item : items)
        item.draw(p);

    drawOverlay(p, t);
    return m_frame;
}

void DemoFrameRenderer::drawOverlay(QPainter &painter, double t)
{
    // Only the rows the overlay covers: the bonnet's strip, or the whole rear window.
    const int top = m_camera == Front ? m_view.height() * 9 / 10 : 0;
    painter.drawImage(QPoint(0, top), m_overlay,
                      QRect(0, top, m_view.width(), m_view.height() - top));
    const auto second = static_cast<qint64>(std::floor(t));
    if (second != m_osdSecond) {
        // The camera stamps the speed of the second's GPS fix, in km/h.
        const auto kmh = std::lround(m_drive.at(double(second)).speed * 3.6);
        const QString text =
            m_start.addSecs(second).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")) +
            QStringLiteral("  %1 km/h").arg(kmh);
        m_osdLine = m_osd.line(text);
        m_osdSecond = second;
    }
    const int margin = m_view.height() / 40;
    const int bottom = m_view.height() - margin - m_osdLine.height() -
                       (m_camera == Front ? 0 : m_view.height() / 30);
    painter.drawImage(QPoint(margin + (m_camera == Front ? 0 : m_view.width() / 50), bottom),
                      m_osdLine);
    if (!m_osd.badge().isNull()) {
        painter.drawImage(
            QPoint(m_view.width() - m_osd.badge().width() - 2 * margin - m_view.width() / 50,
                   m_view.height() / 14),
            m_osd.badge());
    }
}

QByteArray DemoFrameRenderer::jpeg(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    writer.write(image);
    return bytes;
}
