#include "writers/democard/DemoStreetPainter.h"

#include "writers/democard/DemoView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Distances ahead at which long strips are sampled: dense near the camera, sparse far off.
constexpr double kSamples[] = {-3, 0.5, 1.5, 3,  5,   8,   12,  17, 24,
                               33, 45,  60,  80, 105, 140, 185, 240};
constexpr double kFar = 240;
constexpr double kDashPeriod = 8;
constexpr double kDashLength = 3;

const QColor kAsphalt(0x56, 0x59, 0x5d);
const QColor kPavement(0xa9, 0xa4, 0x9a);
const QColor kKerb(0xc8, 0xc6, 0xc0);
const QColor kWhiteLine(0xe9, 0xe9, 0xe4);
const QColor kYellowLine(0xe0, 0xb4, 0x2a);

const QColor kSigns[] = {QColor(0xc8, 0x32, 0x2c), QColor(0x23, 0x5c, 0xb0),
                         QColor(0x2f, 0x8f, 0x4a), QColor(0xe8, 0xc2, 0x2a),
                         QColor(0xee, 0xee, 0xea)};

} // namespace

DemoStreetPainter::DemoStreetPainter(const DemoView &view, const DemoStreet &street)
    : m_view(view), m_street(street), m_route(street.drive().route())
{}

void DemoStreetPainter::strip(QPainter &painter, double cameraDistance, int direction, double from,
                              double to, double left, double right) const
{
    std::vector<DemoView::Point3> polygon;
    std::vector<DemoView::Point3> back;
    for (double d : kSamples) {
        const double s = cameraDistance + direction * d;
        if (s < std::min(from, to) || s > std::max(from, to))
            continue;
        const QPointF a = m_route.point(s, left);
        const QPointF b = m_route.point(s, right);
        polygon.push_back({a.x(), a.y(), 0});
        back.push_back({b.x(), b.y(), 0});
    }
    polygon.insert(polygon.end(), back.rbegin(), back.rend());
    painter.drawPolygon(m_view.project(polygon));
}

void DemoStreetPainter::quad(QPainter &painter, double from, double to, double left,
                             double right) const
{
    const QPointF a = m_route.point(from, left), b = m_route.point(from, right);
    const QPointF c = m_route.point(to, right), d = m_route.point(to, left);
    painter.drawPolygon(m_view.project(
        {{a.x(), a.y(), 0}, {b.x(), b.y(), 0}, {c.x(), c.y(), 0}, {d.x(), d.y(), 0}}));
}

bool DemoStreetPainter::inCrossing(double s) const
{
    for (const DemoDrive::LightStop &light : m_street.lights()) {
        const double line = DemoStreet::stopLine(light);
        if (s > line - 1 && s < line + DemoStreet::kJunction)
            return true;
    }
    return false;
}

void DemoStreetPainter::drawGround(QPainter &painter, double cameraDistance, int direction) const
{
    const double near = cameraDistance - direction * 3;
    const double far = cameraDistance + direction * kFar;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPavement);
    strip(painter, cameraDistance, direction, near, far, -19, -10.5);
    strip(painter, cameraDistance, direction, near, far, 10.5, 19);
    painter.setBrush(kAsphalt);
    strip(painter, cameraDistance, direction, near, far, -10.5, 10.5);
    painter.setBrush(kKerb);
    strip(painter, cameraDistance, direction, near, far, 10.5, 10.75);
    strip(painter, cameraDistance, direction, near, far, -10.75, -10.5);
    painter.setBrush(kWhiteLine);
    strip(painter, cameraDistance, direction, near, far, 10.05, 10.2);
    strip(painter, cameraDistance, direction, near, far, -10.2, -10.05);
    painter.setBrush(kYellowLine);
    strip(painter, cameraDistance, direction, near, far, -0.25, -0.1);
    strip(painter, cameraDistance, direction, near, far, 0.1, 0.25);

    // Dashed lane lines, fixed to the road so that they stream past.
    painter.setBrush(kWhiteLine);
    const double lo = std::min(near, cameraDistance + direction * 100.0);
    const double hi = std::max(near, cameraDistance + direction * 100.0);
    for (double k = std::floor(lo / kDashPeriod); k * kDashPeriod <= hi; ++k) {
        const double s = k * kDashPeriod;
        if (inCrossing(s))
            continue;
        for (double lane : {-7.0, -3.5, 3.5, 7.0})
            quad(painter, s, s + kDashLength, lane - 0.075, lane + 0.075);
    }
    // Stop lines and zebra crossings at the lights.
    for (const DemoDrive::LightStop &light : m_street.lights()) {
        const double at = DemoStreet::stopLine(light);
        if ((at + 6 - near) * direction < 0 || (at - far) * direction > 0)
            continue;
        quad(painter, at, at + 0.45, 0.3, 10.2);
        for (double lateral = -10; lateral < 10; lateral += 1.0)
            quad(painter, at + 1.5, at + 5.5, lateral + 0.1, lateral + 0.6);
    }
}

void DemoStreetPainter::drawBuildings(QPainter &painter, double cameraDistance, int direction) const
{
    const double lo = std::min(cameraDistance - direction * 20, cameraDistance + direction * kFar);
    const double hi = std::max(cameraDistance - direction * 20, cameraDistance + direction * kFar);
    std::vector<const DemoStreet::Building *> found = m_street.buildings(lo, hi);
    auto distanceOf = [&](const DemoStreet::Building *b) {
        return std::max({b->from - cameraDistance, cameraDistance - b->to, 0.0});
    };
    std::sort(found.begin(), found.end(),
              [&](auto *a, auto *b) { return distanceOf(a) > distanceOf(b); });
    painter.setPen(Qt::NoPen);
    auto point = [&](double s, double lateral, double up) {
        const QPointF p = m_route.point(s, lateral);
        return DemoView::Point3{p.x(), p.y(), up};
    };
    for (const DemoStreet::Building *b : found) {
        const double side = b->front > 0 ? 1 : -1;
        // The end wall that faces the camera, in shade.
        const double end =
            b->from > cameraDistance ? b->from : (b->to < cameraDistance ? b->to : NAN);
        if (!std::isnan(end)) {
            painter.setBrush(b->wall.darker(125));
            painter.drawPolygon(m_view.project(
                {point(end, b->front, 0), point(end, b->front + side * 14, 0),
                 point(end, b->front + side * 14, b->height), point(end, b->front, b->height)}));
        }
        painter.setBrush(b->wall);
        painter.drawPolygon(m_view.project({point(b->from, b->front, 0), point(b->to, b->front, 0),
                                            point(b->to, b->front, b->height),
                                            point(b->from, b->front, b->height)}));
        const double distance = distanceOf(b);
        // Shop fronts and their signs along the ground floor.
        painter.setBrush(QColor(0x2b, 0x30, 0x36));
        painter.drawPolygon(m_view.project(
            {point(b->from + 0.8, b->front, 0.2), point(b->to - 0.8, b->front, 0.2),
             point(b->to - 0.8, b->front, 2.7), point(b->from + 0.8, b->front, 2.7)}));
        const auto signIndex = static_cast<std::size_t>(std::fabs(b->from * 7.3)) % 5;
        painter.setBrush(kSigns[signIndex]);
        painter.drawPolygon(m_view.project(
            {point(b->from + 0.8, b->front, 2.9), point(b->to - 0.8, b->front, 2.9),
             point(b->to - 0.8, b->front, 3.7), point(b->from + 0.8, b->front, 3.7)}));
        // Rows of windows; far away the rows thin out to keep the frame cheap.
        const int floors = int((b->height - 4.5) / b->floor);
        const int every = distance > 120 ? 3 : (distance > 60 ? 2 : 1);
        painter.setBrush(b->glass);
        for (int f = 0; f < floors; f += every) {
            const double base = 4.5 + f * b->floor;
            painter.drawPolygon(m_view.project(
                {point(b->from + 1, b->front, base + 0.8), point(b->to - 1, b->front, base + 0.8),
                 point(b->to - 1, b->front, base + b->floor - 0.5),
                 point(b->from + 1, b->front, base + b->floor - 0.5)}));
        }
    }
}
