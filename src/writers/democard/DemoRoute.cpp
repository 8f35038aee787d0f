#include "writers/democard/DemoRoute.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kEarthRadius = 6371000.0;
constexpr double kOriginLatitude = 37.5759; // Gwanghwamun
constexpr double kOriginLongitude = 126.9769;
// m/s^2 a driver accepts in a bend, on the centre line; the inner lane's bend is tighter.
constexpr double kLateralLimit = 1.5;
constexpr double kBrakeForBend = 1.3; // m/s^2 of gentle braking before one

struct Waypoint
{
    double latitude;
    double longitude;
};

// The lead-in from the gate, then the loop; the loop closes back on its first point.
constexpr Waypoint kGwanghwamun{37.5759, 126.9769};
constexpr Waypoint kLoop[] = {
    {37.5712, 126.9769}, // Sejong-daero at Jong-ro
    {37.5690, 126.9769}, // Cheonggye Plaza
    {37.5666, 126.9772}, // Seoul City Hall
    {37.5648, 126.9768}, // Deoksugung, Daehanmun
    {37.5618, 126.9760}, // Taepyeong-ro 2-ga
    {37.5603, 126.9756}, // Sungnyemun
    {37.5599, 126.9766}, // round the gate
    {37.5614, 126.9779}, // Namdaemun Market
    {37.5637, 126.9797}, // Bank of Korea junction
    {37.5660, 126.9815}, // Euljiro 1-ga
    {37.5686, 126.9825}, // Gwanggyo, Cheonggyecheon
    {37.5700, 126.9828}, // Bosingak
    {37.5704, 126.9800}, // Jongno 1-ga
    {37.5709, 126.9778}, // Jong-ro at Sejong-daero
};

double headingOf(const QPointF &from, const QPointF &to)
{
    return std::atan2(to.x() - from.x(), to.y() - from.y());
}

double normalized(double angle)
{
    while (angle > std::numbers::pi)
        angle -= 2 * std::numbers::pi;
    while (angle < -std::numbers::pi)
        angle += 2 * std::numbers::pi;
    return angle;
}

} // namespace

QPointF DemoRoute::toMetres(double latitude, double longitude)
{
    const double perDegree = kEarthRadius * std::numbers::pi / 180;
    return {(longitude - kOriginLongitude) * perDegree *
                std::cos(kOriginLatitude * std::numbers::pi / 180),
            (latitude - kOriginLatitude) * perDegree};
}

DemoRoute::Degrees DemoRoute::toDegrees(const QPointF &metres)
{
    const double perDegree = kEarthRadius * std::numbers::pi / 180;
    return {kOriginLatitude + metres.y() / perDegree,
            kOriginLongitude +
                metres.x() / (perDegree * std::cos(kOriginLatitude * std::numbers::pi / 180))};
}

DemoRoute::DemoRoute()
{
    std::vector<QPointF> loop;
    for (const Waypoint &w : kLoop)
        loop.push_back(toMetres(w.latitude, w.longitude));
    const auto n = loop.size();
    // Each corner is rounded with an arc whose tangents stop short of the neighbouring corners.
    std::vector<double> tangent(n), turn(n);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF &prev = loop[(i + n - 1) % n], &here = loop[i], &next = loop[(i + 1) % n];
        turn[i] = normalized(headingOf(here, next) - headingOf(prev, here));
        const double half = std::tan(std::fabs(turn[i]) / 2);
        const double radius = std::fabs(turn[i]) > 0.6 ? 14.0 : 160.0;
        const double room =
            0.45 * std::min(QLineF(prev, here).length(), QLineF(here, next).length());
        tangent[i] = std::min(radius * half, room);
    }
    // Lead-in: straight from the gate to where the first corner's arc ends.
    const QPointF start = toMetres(kGwanghwamun.latitude, kGwanghwamun.longitude);
    const double outHeading = headingOf(loop[0], loop[1]);
    const QPointF loopEntry =
        loop[0] + tangent[0] * QPointF(std::sin(outHeading), std::cos(outHeading));
    m_cursor = start;
    m_heading = headingOf(start, loopEntry);
    appendStraight(QLineF(start, loopEntry).length());
    m_loopStart = m_length;
    m_heading = outHeading;
    m_cursor = loopEntry;
    m_loopEntry = loopEntry;
    m_loopHeading = outHeading;
    for (std::size_t k = 1; k <= n; ++k) {
        const std::size_t i = k % n;
        const std::size_t prev = k - 1;
        appendStraight(QLineF(loop[prev], loop[i]).length() - tangent[prev] - tangent[i]);
        const double half = std::tan(std::fabs(turn[i]) / 2);
        if (half > 1e-9) {
            const double radius = tangent[i] / half;
            appendArc(radius * std::fabs(turn[i]), (turn[i] > 0 ? 1 : -1) / radius);
        }
    }
    // Each metre's curvature is the turn across that metre, so that it agrees with the
    // headings that are blended between the samples, also where an arc starts mid-metre.
    const auto count = m_samples.size();
    for (std::size_t i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        const double next = last ? m_loopHeading : m_samples[i + 1].heading;
        const double span = last ? std::max(m_length - double(i), 1e-9) : 1.0;
        m_samples[i].curvature = normalized(next - m_samples[i].heading) / span;
    }
    // Slow for bends: the cap at each metre, then carried back so braking starts in time.
    m_cap.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double k = std::fabs(m_samples[i].curvature);
        m_cap[i] = k > 1e-6 ? std::sqrt(kLateralLimit / k) : 30.0;
    }
    const auto loopFirst = static_cast<std::size_t>(m_loopStart);
    for (int lap = 0; lap < 2; ++lap) {
        for (std::size_t i = count; i-- > 0;) {
            const std::size_t next = i + 1 < count ? i + 1 : loopFirst + 1;
            m_cap[i] = std::min(m_cap[i], std::sqrt(m_cap[next] * m_cap[next] + 2 * kBrakeForBend));
        }
    }
}

void DemoRoute::appendStraight(double length)
{
    appendArc(length, 0);
}

void DemoRoute::appendArc(double length, double curvature)
{
    // Samples fall on whole metres of s; the cursor advances exactly along the arc.
    double covered = 0;
    while (covered < length) {
        if (m_samples.empty() || double(m_samples.size()) <= m_length) {
            m_samples.push_back({m_cursor, m_heading, curvature});
        }
        const double next = std::floor(m_length) + 1;
        const double step = std::min(next - m_length, length - covered);
        const double turn = curvature * step;
        const double chord = std::fabs(turn) > 1e-12 ? 2 * std::sin(turn / 2) / curvature : step;
        const double direction = m_heading + turn / 2;
        m_cursor += chord * QPointF(std::sin(direction), std::cos(direction));
        m_heading += turn;
        m_length += step;
        covered += step;
    }
}

double DemoRoute::wrap(double s) const
{
    if (s < 0)
        return 0;
    if (s < m_loopStart)
        return s;
    return m_loopStart + std::fmod(s - m_loopStart, loopLength());
}

DemoRoute::Pose DemoRoute::at(double s) const
{
    const double w = wrap(s);
    const auto last = m_samples.size() - 1;
    const auto i = std::min(static_cast<std::size_t>(w), last);
    const Sample &a = m_samples[i];
    // Past the last whole metre of the loop the road runs on into the loop's first point.
    const bool seam = i == last;
    const QPointF end = seam ? m_loopEntry : m_samples[i + 1].position;
    const double endHeading = seam ? m_loopHeading : m_samples[i + 1].heading;
    const double span = seam ? std::max(m_length - double(i), 1e-9) : 1.0;
    const double f = std::clamp((w - double(i)) / span, 0.0, 1.0);
    Pose pose;
    pose.position = a.position + (end - a.position) * f;
    pose.heading = a.heading + normalized(endHeading - a.heading) * f;
    pose.curvature = a.curvature;
    return pose;
}

QPointF DemoRoute::point(double s, double lateral) const
{
    const Pose pose = at(s);
    return pose.position + lateral * QPointF(std::cos(pose.heading), -std::sin(pose.heading));
}

double DemoRoute::speedCap(double s) const
{
    return m_cap[std::min(static_cast<std::size_t>(wrap(s)), m_cap.size() - 1)];
}
