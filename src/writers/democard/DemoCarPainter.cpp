#include "writers/democard/DemoCarPainter.h"

#include "writers/democard/DemoRoute.h"
#include "writers/democard/DemoView.h"

#include <QPainter>

#include <cmath>

namespace {

struct Size
{
    double length, width, height;
};

Size sizeOf(DemoTraffic::Model model)
{
    switch (model) {
    case DemoTraffic::Suv:
        return {4.7, 1.9, 1.72};
    case DemoTraffic::Bus:
        return {11.0, 2.5, 3.2};
    case DemoTraffic::Sedan:
        break;
    }
    return {4.8, 1.85, 1.45};
}

QColor paint(const DemoTraffic::Car &car)
{
    // Seoul's city buses are blue or green; cars are mostly white, grey and black.
    if (car.model == DemoTraffic::Bus)
        return car.colour % 2 ? QColor(0x2f, 0x6d, 0xb5) : QColor(0x3d, 0x9a, 0x4b);
    static const QColor palette[] = {
        QColor(0xe6, 0xe7, 0xe5), QColor(0xb8, 0xbb, 0xbf), QColor(0x24, 0x26, 0x29),
        QColor(0x4b, 0x4f, 0x55), QColor(0x2a, 0x3a, 0x5c), QColor(0x95, 0x2b, 0x2b),
        QColor(0xc9, 0xc0, 0xa9), QColor(0xf0, 0xf0, 0xee),
    };
    return palette[std::abs(car.colour) % 8];
}

// A point on a flat face given by its four picture corners (bottom left, bottom right, top
// right, top left), at u across and v up.
QPointF at(const QPolygonF &face, double u, double v)
{
    const QPointF bottom = face[0] + (face[1] - face[0]) * u;
    const QPointF top = face[3] + (face[2] - face[3]) * u;
    return bottom + (top - bottom) * v;
}

QPolygonF patch(const QPolygonF &face, double u0, double v0, double u1, double v1)
{
    return QPolygonF{at(face, u0, v0), at(face, u1, v0), at(face, u1, v1), at(face, u0, v1)};
}

} // namespace

DemoCarPainter::DemoCarPainter(const DemoView &view, const DemoRoute &route)
    : m_view(view), m_route(route)
{}

void DemoCarPainter::draw(QPainter &painter, const DemoTraffic::Car &car, double cameraDistance,
                          double cameraLateral) const
{
    const Size size = sizeOf(car.model);
    const bool ahead = car.distance > cameraDistance;
    const double nearEnd = car.distance + (ahead ? -size.length / 2 : size.length / 2);
    const double farEnd = car.distance + (ahead ? size.length / 2 : -size.length / 2);
    const double left = car.lateral - size.width / 2;
    const double right = car.lateral + size.width / 2;
    auto point = [&](double s, double lateral, double up) {
        const QPointF p = m_route.point(s, lateral);
        return DemoView::Point3{p.x(), p.y(), up};
    };
    const QColor body = paint(car);
    painter.setPen(Qt::NoPen);

    // Shadow on the road, a little wider than the car.
    const QPolygonF shadow =
        m_view.project({point(nearEnd, left - 0.2, 0), point(nearEnd, right + 0.2, 0),
                        point(farEnd, right + 0.2, 0), point(farEnd, left - 0.2, 0)});
    painter.setBrush(QColor(0x22, 0x23, 0x25, 150));
    painter.drawPolygon(shadow);

    // The side facing us.
    const double side = cameraLateral < car.lateral ? left : right;
    const QPolygonF flank = m_view.project({point(nearEnd, side, 0.28), point(farEnd, side, 0.28),
                                            point(farEnd, side, size.height * 0.95),
                                            point(nearEnd, side, size.height * 0.95)});
    if (!flank.isEmpty()) {
        painter.setBrush(body.darker(135));
        painter.drawPolygon(flank);
        const QPolygonF glass = m_view.project(
            {point(nearEnd, side, size.height * 0.62), point(farEnd, side, size.height * 0.62),
             point(farEnd, side, size.height * 0.9), point(nearEnd, side, size.height * 0.9)});
        painter.setBrush(QColor(0x26, 0x2c, 0x33));
        painter.drawPolygon(glass);
    }

    // The near end: bottom left, bottom right, top right, top left as the picture shows them.
    const QPolygonF face =
        m_view.project({point(nearEnd, left, 0.12), point(nearEnd, right, 0.12),
                        point(nearEnd, right, size.height), point(nearEnd, left, size.height)});
    if (face.size() != 4)
        return;
    const bool back = car.sameWay == ahead;
    painter.setBrush(QColor(0x16, 0x17, 0x19));
    painter.drawPolygon(patch(face, 0.04, -0.1, 0.22, 0.2)); // wheels
    painter.drawPolygon(patch(face, 0.78, -0.1, 0.96, 0.2));
    painter.setBrush(body);
    painter.drawPolygon(patch(face, 0, 0.08, 1, 0.62));
    painter.setBrush(body.darker(115));
    painter.drawPolygon(patch(face, 0.08, 0.62, 0.92, 0.97)); // pillars round the glass
    painter.setBrush(back ? QColor(0x2a, 0x31, 0x38) : QColor(0x3a, 0x47, 0x53));
    painter.drawPolygon(patch(face, 0.13, 0.64, 0.87, 0.94));
    painter.setBrush(QColor(0x30, 0x32, 0x35));
    painter.drawPolygon(patch(face, 0, 0.08, 1, 0.22)); // bumper
    painter.setBrush(QColor(0xf2, 0xf2, 0xee));
    painter.drawPolygon(patch(face, 0.38, 0.2, 0.62, 0.31)); // number plate
    if (back) {
        const QColor lamp = car.braking ? QColor(0xff, 0x26, 0x1e) : QColor(0x8e, 0x1a, 0x1a);
        painter.setBrush(lamp);
        painter.drawPolygon(patch(face, 0.02, 0.42, 0.2, 0.55));
        painter.drawPolygon(patch(face, 0.8, 0.42, 0.98, 0.55));
        if (car.braking) {
            painter.drawPolygon(patch(face, 0.4, 0.95, 0.6, 0.98)); // third brake light
            painter.setBrush(QColor(0xff, 0x30, 0x20, 70));
            painter.drawPolygon(patch(face, -0.06, 0.34, 0.28, 0.62));
            painter.drawPolygon(patch(face, 0.72, 0.34, 1.06, 0.62));
        }
    } else {
        painter.setBrush(QColor(0xf6, 0xf6, 0xf0));
        painter.drawPolygon(patch(face, 0.03, 0.44, 0.22, 0.54));
        painter.drawPolygon(patch(face, 0.78, 0.44, 0.97, 0.54));
        painter.setBrush(QColor(0x1e, 0x20, 0x22));
        painter.drawPolygon(patch(face, 0.32, 0.3, 0.68, 0.44)); // grille
    }
}
