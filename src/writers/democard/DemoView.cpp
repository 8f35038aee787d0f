#include "writers/democard/DemoView.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kNear = 0.4;
}

DemoView::DemoView(int width, int height, double horizontalFieldDegrees, double horizonRow)
    : m_width(width), m_height(height), m_field(horizontalFieldDegrees * std::numbers::pi / 180),
      m_focal(width / 2.0 / std::tan(m_field / 2)), m_horizon(horizonRow)
{}

void DemoView::place(const QPointF &eye, double height, double heading, bool mirrored)
{
    m_eye = eye;
    m_eyeHeight = height;
    m_heading = heading;
    m_sin = std::sin(heading);
    m_cos = std::cos(heading);
    m_mirrored = mirrored;
}

DemoView::Camera DemoView::toCamera(const Point3 &p) const
{
    const double dx = p.east - m_eye.x();
    const double dy = p.north - m_eye.y();
    return {dx * m_cos - dy * m_sin, p.up - m_eyeHeight, dx * m_sin + dy * m_cos};
}

QPointF DemoView::screen(const Camera &c) const
{
    const double x = m_focal * c.right / c.forward;
    return {m_width / 2.0 + (m_mirrored ? -x : x),
            m_horizon + m_shake - m_focal * c.up / c.forward};
}

double DemoView::depth(const Point3 &p) const
{
    return toCamera(p).forward;
}

QPointF DemoView::project(const Point3 &p) const
{
    return screen(toCamera(p));
}

QPolygonF DemoView::project(const std::vector<Point3> &polygon) const
{
    // One clipping plane, just in front of the lens (Sutherland-Hodgman).
    QPolygonF out;
    const auto n = polygon.size();
    if (n < 3)
        return out;
    std::vector<Camera> cam;
    cam.reserve(n);
    for (const Point3 &p : polygon)
        cam.push_back(toCamera(p));
    for (std::size_t i = 0; i < n; ++i) {
        const Camera &a = cam[i];
        const Camera &b = cam[(i + 1) % n];
        const bool aIn = a.forward >= kNear;
        const bool bIn = b.forward >= kNear;
        if (aIn)
            out << screen(a);
        if (aIn != bIn) {
            const double f = (kNear - a.forward) / (b.forward - a.forward);
            out << screen({a.right + (b.right - a.right) * f, a.up + (b.up - a.up) * f, kNear});
        }
    }
    return out.size() >= 3 ? out : QPolygonF();
}
