#include "writers/democard/DemoStreet.h"

#include "writers/democard/DemoNoise.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMargin = 400;
constexpr double kTreeSpacing = 9;
constexpr double kLampSpacing = 36;
constexpr double kCrossingHalf = 12;

// Glass towers, stone, brick and render, as downtown Seoul is built.
const QColor kWalls[] = {
    QColor(0x5d, 0x7a, 0x92), QColor(0x6f, 0x8c, 0xa3), QColor(0x4a, 0x61, 0x78),
    QColor(0xb9, 0xae, 0x9b), QColor(0xcb, 0xc3, 0xb2), QColor(0x9f, 0x96, 0x8a),
    QColor(0x8c, 0x5d, 0x47), QColor(0xd9, 0xd8, 0xd2), QColor(0x3d, 0x46, 0x52),
};

} // namespace

DemoStreet::DemoStreet(const DemoDrive &drive, quint64 seed) : m_drive(drive), m_seed(seed)
{
    const double end = drive.at(drive.duration()).distance + kMargin;
    const DemoRoute &route = drive.route();
    // Junctions: every bend of the route and every light the car stopped at.
    for (double s = -kMargin; s < end; s += 4) {
        if (std::fabs(route.at(s).curvature) > 1.0 / 150)
            m_crossings.push_back(s);
    }
    for (const DemoDrive::LightStop &light : drive.lightStops()) {
        for (double s = stopLine(light); s < stopLine(light) + kJunction; s += 4)
            m_crossings.push_back(s);
    }
    // Side streets now and then.
    quint64 draw = 0;
    for (double s = -kMargin; s < end;) {
        s += 70 + 90 * demo::uniform(seed, demo::StreetStream + 10, draw++);
        for (double x = s; x < s + 10; x += 4)
            m_crossings.push_back(x);
    }
    std::sort(m_crossings.begin(), m_crossings.end());

    for (int side : {-1, 1}) {
        double s = -kMargin;
        while (s < end) {
            auto u = [&] {
                return demo::uniform(seed, demo::StreetStream + 20 + quint64(side + 1), draw++);
            };
            const double length = 14 + 30 * u();
            if (!openGround(s - 6, s + length + 6)) {
                s += 4;
                continue;
            }
            Building b;
            b.from = s;
            b.to = s + length;
            b.front = side * (kBuildingLine + 3 * u());
            const double tall = u();
            b.height = 10 + 55 * tall * tall;
            b.wall = kWalls[std::min(int(u() * 9), 8)];
            b.glass = b.wall.darker(150 + int(60 * u()));
            b.floor = 3.4 + 0.6 * u();
            m_buildings.push_back(b);
            s = b.to + 0.5 + 2.5 * u();
        }
    }
    std::sort(m_buildings.begin(), m_buildings.end(),
              [](const Building &a, const Building &b) { return a.from < b.from; });
}

bool DemoStreet::openGround(double from, double to) const
{
    const auto it = std::lower_bound(m_crossings.begin(), m_crossings.end(), from - kCrossingHalf);
    return it == m_crossings.end() || *it > to + kCrossingHalf;
}

std::vector<const DemoStreet::Building *> DemoStreet::buildings(double from, double to) const
{
    std::vector<const Building *> found;
    // Buildings are at most 44 m long, so searching from that far back finds every one.
    auto it = std::lower_bound(m_buildings.begin(), m_buildings.end(), from - 50,
                               [](const Building &b, double s) { return b.from < s; });
    for (; it != m_buildings.end() && it->from <= to; ++it) {
        if (it->to >= from)
            found.push_back(&*it);
    }
    return found;
}

std::vector<DemoStreet::Post> DemoStreet::trees(double from, double to) const
{
    std::vector<Post> found;
    for (double s = std::ceil(from / kTreeSpacing) * kTreeSpacing; s <= to; s += kTreeSpacing) {
        if (!openGround(s - 1, s + 1))
            continue;
        const auto index = static_cast<quint64>(std::llround(s / kTreeSpacing) + (1 << 20));
        for (int side : {-1, 1}) {
            const double jitter = 0.4 * demo::symmetric(m_seed, demo::StreetStream + 30, index);
            found.push_back(
                {s + jitter + (side > 0 ? 0 : 4), side * 12.6,
                 int(demo::uniform(m_seed, demo::StreetStream + 31 + quint64(side + 1), index) *
                     4)});
        }
    }
    return found;
}

std::vector<DemoStreet::Post> DemoStreet::lamps(double from, double to) const
{
    std::vector<Post> found;
    for (double s = std::ceil(from / kLampSpacing) * kLampSpacing; s <= to; s += kLampSpacing) {
        if (!openGround(s - 1, s + 1))
            continue;
        found.push_back({s + 5, 11.1, 0});
        found.push_back({s + 23, -11.1, 0});
    }
    return found;
}
