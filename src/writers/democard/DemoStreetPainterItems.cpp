// The upright things at the kerb: ginkgo trees, street lamps and traffic signals.
#include "writers/democard/DemoStreetPainter.h"
#include "writers/democard/DemoView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Ginkgos in October: green turning to yellow.
const QColor kCrowns[] = {QColor(0xa9, 0xb0, 0x45), QColor(0xc6, 0xb6, 0x3a),
                          QColor(0x93, 0xa8, 0x4a), QColor(0xd1, 0xbd, 0x45)};
const QColor kTrunk(0x4e, 0x3f, 0x33);
const QColor kMetal(0x5a, 0x5f, 0x63);

constexpr double kFar = 200;

} // namespace

std::vector<DemoStreetPainter::Item> DemoStreetPainter::items(double cameraDistance, int direction,
                                                              double time) const
{
    std::vector<Item> items;
    const double lo = std::min(cameraDistance - direction * 3, cameraDistance + direction * kFar);
    const double hi = std::max(cameraDistance - direction * 3, cameraDistance + direction * kFar);
    const DemoView &view = m_view;
    const DemoRoute &route = m_route;
    auto point = [&route](double s, double lateral, double up) {
        const QPointF p = route.point(s, lateral);
        return DemoView::Point3{p.x(), p.y(), up};
    };

    for (const DemoStreet::Post &tree : m_street.trees(lo, hi)) {
        const DemoView::Point3 crown = point(tree.distance, tree.lateral, 4.8);
        const double depth = view.depth(crown);
        if (depth < 0.6)
            continue;
        items.push_back({depth, [&view, point, tree, crown, depth](QPainter &p) {
                             p.setPen(Qt::NoPen);
                             p.setBrush(kTrunk);
                             p.drawPolygon(
                                 view.project({point(tree.distance, tree.lateral - 0.16, 0),
                                               point(tree.distance, tree.lateral + 0.16, 0),
                                               point(tree.distance, tree.lateral + 0.12, 3.2),
                                               point(tree.distance, tree.lateral - 0.12, 3.2)}));
                             const QPointF c = view.project(crown);
                             const double rx = view.scale(1.7, depth);
                             const double ry = view.scale(2.4, depth);
                             const QColor leaves = kCrowns[tree.variant % 4];
                             p.setBrush(leaves.darker(130));
                             p.drawEllipse(c + QPointF(0, ry * 0.15), rx, ry * 0.9);
                             p.setBrush(leaves);
                             p.drawEllipse(c - QPointF(rx * 0.12, ry * 0.1), rx * 0.82, ry * 0.8);
                         }});
    }

    for (const DemoStreet::Post &lamp : m_street.lamps(lo, hi)) {
        const double toward = lamp.lateral > 0 ? -1.8 : 1.8;
        const DemoView::Point3 foot = point(lamp.distance, lamp.lateral, 0);
        const double depth = view.depth(foot);
        if (depth < 0.6)
            continue;
        items.push_back(
            {depth, [&view, point, lamp, toward](QPainter &p) {
                 p.setPen(Qt::NoPen);
                 p.setBrush(kMetal);
                 p.drawPolygon(view.project({point(lamp.distance, lamp.lateral - 0.09, 0),
                                             point(lamp.distance, lamp.lateral + 0.09, 0),
                                             point(lamp.distance, lamp.lateral + 0.07, 8.6),
                                             point(lamp.distance, lamp.lateral - 0.07, 8.6)}));
                 p.drawPolygon(view.project({point(lamp.distance, lamp.lateral, 8.45),
                                             point(lamp.distance, lamp.lateral + toward, 8.5),
                                             point(lamp.distance, lamp.lateral + toward, 8.62),
                                             point(lamp.distance, lamp.lateral, 8.6)}));
                 p.setBrush(QColor(0xdd, 0xdc, 0xd0));
                 p.drawPolygon(
                     view.project({point(lamp.distance, lamp.lateral + toward * 0.8, 8.4),
                                   point(lamp.distance, lamp.lateral + toward * 1.05, 8.4),
                                   point(lamp.distance, lamp.lateral + toward * 1.05, 8.5),
                                   point(lamp.distance, lamp.lateral + toward * 0.8, 8.5)}));
             }});
    }

    // Signals hang over the far side of each junction, facing the traffic that waits at it;
    // the camera looking back sees none of them lit.
    if (direction < 0)
        return items;
    for (const DemoDrive::LightStop &light : m_street.lights()) {
        const double at = DemoStreet::stopLine(light) + DemoStreet::kJunction;
        if (at < lo || at > hi)
            continue;
        const DemoView::Point3 foot = point(at, 11.6, 0);
        const double depth = view.depth(foot);
        if (depth < 0.6)
            continue;
        // Green, amber as the car starts to stop, red while it waits, green again.
        int lit = 2;
        if (time >= light.redFrom - 1 && time < light.redFrom + 2)
            lit = 1;
        else if (time >= light.redFrom + 2 && time < light.greenAt)
            lit = 0;
        items.push_back(
            {depth, [&view, point, at, lit](QPainter &p) {
                 p.setPen(Qt::NoPen);
                 p.setBrush(kMetal.darker(120));
                 p.drawPolygon(view.project({point(at, 11.45, 0), point(at, 11.75, 0),
                                             point(at, 11.7, 6.3), point(at, 11.5, 6.3)}));
                 p.drawPolygon(view.project({point(at, 11.6, 5.95), point(at, 3.6, 5.95),
                                             point(at, 3.6, 6.1), point(at, 11.6, 6.1)}));
                 const QPolygonF box = view.project({point(at, 6.0, 5.3), point(at, 4.6, 5.3),
                                                     point(at, 4.6, 5.85), point(at, 6.0, 5.85)});
                 if (box.size() != 4)
                     return;
                 p.setBrush(QColor(0x1b, 0x1c, 0x1e));
                 p.drawPolygon(box);
                 const QColor on[] = {QColor(0xff, 0x3a, 0x2a), QColor(0xff, 0xb0, 0x1a),
                                      QColor(0x3a, 0xe0, 0x8a)};
                 const double r = std::max(1.0, 0.3 * QLineF(box[0], box[3]).length());
                 for (int i = 0; i < 3; ++i) {
                     const double u = (i + 0.5) / 3;
                     const QPointF c =
                         (box[0] + (box[1] - box[0]) * u + box[3] + (box[2] - box[3]) * u) / 2;
                     p.setBrush(i == lit ? on[i] : on[i].darker(380));
                     p.drawEllipse(c, r, r);
                 }
             }});
    }
    return items;
}
