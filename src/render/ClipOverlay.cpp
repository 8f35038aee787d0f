#include "render/ClipOverlay.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QColor kBand(0, 0, 0, 150);
const QColor kText(255, 255, 255);
const QColor kRoute(80, 170, 255);
const QColor kCar(255, 70, 60);

// The G-force the dot's circle stands for.
constexpr double kFullScaleG = 1.5;

} // namespace

ClipOverlay::ClipOverlay(const Items &items, QList<RoutePoint> route)
    : m_items(items), m_route(std::move(route))
{
    for (const RoutePoint &p : std::as_const(m_route))
        m_bounds |= QRectF(p.longitude, p.latitude, 1e-9, 1e-9);
}

double ClipOverlay::bandHeight(double height)
{
    return std::max(22.0, std::round(height * 0.075));
}

bool ClipOverlay::looksSame(const clip::Readout &a, const clip::Readout &b) const
{
    const auto second = [](const QDateTime &clock) {
        return clock.isValid() ? std::optional(clock.toSecsSinceEpoch()) : std::nullopt;
    };
    const auto place = [](const std::optional<RoutePoint> &p) {
        return p ? std::optional(std::pair(p->latitude, p->longitude)) : std::nullopt;
    };
    return (!m_items.time || second(a.clock) == second(b.clock)) &&
           (!m_items.speed || a.speed == b.speed) &&
           (!m_items.gforce || (a.gx == b.gx && a.gy == b.gy && a.gz == b.gz)) &&
           (!hasMap() ||
            (place(a.position) == place(b.position) && a.headingDegrees == b.headingDegrees));
}

void ClipOverlay::paint(QPainter *painter, const QRectF &frame) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    for (const QRectF &area : m_missing) {
        QFont font = painter->font();
        font.setPixelSize(int(std::max(12.0, area.height() / 14)));
        painter->setFont(font);
        painter->setPen(kText);
        //% "No recording"
        painter->drawText(area, Qt::AlignCenter, qtTrId("clip.no_recording"));
    }
    if (hasBand())
        paintBand(painter,
                  QRectF(frame.left(), frame.top(), frame.width(), bandHeight(frame.height())));
    if (hasMap())
        paintMap(painter, mapArea(frame));
    painter->restore();
}

QRectF ClipOverlay::mapArea(const QRectF &frame) const
{
    const double band = bandHeight(frame.height());
    const double side = std::round(frame.height() * 0.28);
    const double margin = std::round(band / 3);
    // Bottom right, clear of the camera's stamp at the bottom left; below the band on the
    // left when the rear inset sits there.
    QRectF map(frame.right() - side - margin, frame.bottom() - side - margin, side, side);
    if (map.intersects(m_keepClear))
        map.moveTopLeft(QPointF(frame.left() + margin, frame.top() + band + margin));
    return map;
}

QList<QRectF> ClipOverlay::areas(const QRectF &frame) const
{
    QList<QRectF> out = m_missing;
    if (hasBand())
        out.append(QRectF(frame.left(), frame.top(), frame.width(), bandHeight(frame.height())));
    // The map's frame line is a pen's width wide, half of it outside.
    if (hasMap())
        out.append(mapArea(frame).adjusted(-1, -1, 1, 1));
    return out;
}

ClipOverlay::BandLayout ClipOverlay::bandLayout(const QRectF &band, const QFont &base) const
{
    BandLayout layout;
    if (m_items.time && m_readout.clock.isValid())
        layout.time = m_readout.clock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (m_items.speed)
        layout.speed = m_readout.speed;
    const bool gforce = m_items.gforce && m_readout.gx;
    if (gforce)
        layout.values =
            QStringLiteral("%1 %2 %3")
                .arg(readout::axisText('X', *m_readout.gx), readout::axisText('Y', *m_readout.gy),
                     readout::axisText('Z', *m_readout.gz));
    const double pad = band.height() / 2;
    const double dot = gforce ? band.height() * 0.9 : 0;
    const QRectF text = band.adjusted(pad, 0, -pad, 0);
    layout.font = base;
    layout.font.setPixelSize(std::max(1, int(band.height() * 0.6)));
    layout.font.setBold(true);
    // A narrow picture (a single camera, an inset layout) would run the three into each other.
    const auto widths = [&](const QFont &font) {
        const QFontMetricsF metrics(font);
        return std::array{metrics.horizontalAdvance(layout.time),
                          metrics.horizontalAdvance(layout.speed),
                          metrics.horizontalAdvance(layout.values)};
    };
    auto w = widths(layout.font);
    const double room = text.width() - (gforce ? dot + pad : 0) - 2 * pad;
    if (const double need = w[0] + w[1] + w[2]; need > room && room > 0) {
        layout.font.setPixelSize(std::max(1, int(layout.font.pixelSize() * room / need)));
        w = widths(layout.font);
    }
    layout.timeArea = QRectF(text.left(), band.top(), w[0], band.height());
    layout.dial = QRectF(text.right() - dot, band.center().y() - dot / 2, dot, dot);
    const double valuesRight = text.right() - (gforce ? dot + pad : 0);
    layout.valuesArea = QRectF(valuesRight - w[2], band.top(), w[2], band.height());
    // Centred in the picture where it fits, else in the room between its neighbours.
    const double least = layout.timeArea.right() + (w[0] > 0 ? pad : 0);
    const double most = layout.valuesArea.left() - (w[2] > 0 ? pad : 0) - w[1];
    const double left = std::clamp(band.center().x() - w[1] / 2, least, std::max(least, most));
    layout.speedArea = QRectF(left, band.top(), w[1], band.height());
    return layout;
}

void ClipOverlay::paintBand(QPainter *painter, const QRectF &band) const
{
    painter->fillRect(band, kBand);
    const BandLayout layout = bandLayout(band, painter->font());
    painter->setFont(layout.font);
    painter->setPen(kText);
    const auto draw = [painter](const QRectF &area, const QString &text) {
        if (!text.isEmpty())
            painter->drawText(area, Qt::AlignCenter | Qt::TextDontClip, text);
    };
    draw(layout.timeArea, layout.time);
    draw(layout.speedArea, layout.speed);
    draw(layout.valuesArea, layout.values);
    if (!layout.values.isEmpty())
        paintGforce(painter, layout.dial);
}

void ClipOverlay::paintGforce(QPainter *painter, const QRectF &area) const
{
    painter->setPen(QPen(kText, 1.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(area);
    painter->drawLine(QPointF(area.left(), area.center().y()),
                      QPointF(area.right(), area.center().y()));
    painter->drawLine(QPointF(area.center().x(), area.top()),
                      QPointF(area.center().x(), area.bottom()));
    // X across (right positive), Y along (forward up), clamped to the circle.
    double x = *m_readout.gx / kFullScaleG, y = *m_readout.gy / kFullScaleG;
    if (const double r = std::hypot(x, y); r > 1) {
        x /= r;
        y /= r;
    }
    const double radius = area.width() / 2, spot = std::max(3.0, area.width() / 7);
    painter->setPen(Qt::NoPen);
    painter->setBrush(kCar);
    painter->drawEllipse(QPointF(area.center().x() + x * radius, area.center().y() - y * radius),
                         spot, spot);
}

void ClipOverlay::paintMap(QPainter *painter, const QRectF &area) const
{
    painter->setPen(QPen(kText, 1));
    painter->setBrush(kBand);
    painter->drawRect(area);
    // North up, the same metres per pixel east and north.
    const QRectF inner = area.adjusted(8, 8, -8, -8);
    const double shrink = std::cos(m_bounds.center().y() * M_PI / 180);
    const double spanX = std::max(m_bounds.width() * shrink, 1e-6);
    const double spanY = std::max(m_bounds.height(), 1e-6);
    const double scale = std::min(inner.width() / spanX, inner.height() / spanY);
    const auto place = [&](double latitude, double longitude) {
        return QPointF(inner.center().x() + (longitude - m_bounds.center().x()) * shrink * scale,
                       inner.center().y() - (latitude - m_bounds.center().y()) * scale);
    };
    QPainterPath path;
    path.moveTo(place(m_route.first().latitude, m_route.first().longitude));
    for (const RoutePoint &p : m_route)
        path.lineTo(place(p.latitude, p.longitude));
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(kRoute, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(path);
    //% "N"
    painter->setPen(kText);
    QFont font = painter->font();
    font.setPixelSize(int(std::max(10.0, area.height() / 9)));
    painter->setFont(font);
    painter->drawText(area.adjusted(4, 2, -4, -2), Qt::AlignTop | Qt::AlignLeft,
                      qtTrId("clip.north"));
    if (!m_readout.position)
        return;
    const QPointF car = place(m_readout.position->latitude, m_readout.position->longitude);
    painter->setPen(QPen(kText, 1.5));
    painter->setBrush(kCar);
    if (m_readout.headingDegrees) {
        painter->save();
        painter->translate(car);
        painter->rotate(*m_readout.headingDegrees);
        const double s = std::max(5.0, area.width() / 18);
        painter->drawPolygon(QPolygonF{{0, -s * 1.4}, {s, s}, {0, s * 0.4}, {-s, s}});
        painter->restore();
    } else {
        painter->drawEllipse(car, 5, 5);
    }
}
