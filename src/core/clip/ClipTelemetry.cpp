#include "core/clip/ClipTelemetry.h"

#include "core/route/recordingtelemetry.h"

#include <cmath>
#include <numbers>

namespace clip {

const RecordedTelemetry &Telemetry::of(const QString &path)
{
    auto it = m_telemetry.find(path);
    if (it == m_telemetry.end())
        it = m_telemetry.insert(path, readRecordingTelemetry(path));
    return **it;
}

Readout Telemetry::at(const Plan &plan, qint64 clipMs)
{
    Readout out;
    out.clock = plan.from.addMSecs(clipMs);
    const Segment &segment = plan.segmentAt(clipMs);
    const std::optional<Source> &source = segment.front ? segment.front : segment.rear;
    if (!source || source->lengthMs <= 0)
        return out;
    if (source->path != m_lastPath) {
        // The window starts each recording with the hemispheres unknown.
        m_hemispheres = {};
        m_lastPath = source->path;
    }
    const RecordedTelemetry &telemetry = of(source->path);
    const double position =
        double(source->offsetMs + clipMs - segment.startMs) / double(source->lengthMs);
    if (!telemetry.m_GSensors.isEmpty()) {
        const GSensor &g =
            telemetry.m_GSensors[readout::sampleIndex(position, telemetry.m_GSensors.size())];
        out.gx = g.x;
        out.gy = g.y;
        out.gz = g.z;
    }
    const readout::GpsReadout gps = m_hemispheres.gpsReadout(telemetry, position);
    out.speed = gps.speed.value_or(QString());
    if (gps.hasGps) {
        out.position = RoutePoint{gps.latitude, gps.longitude, {}, 0, 0};
        auto routeIt = m_routes.find(source->path);
        if (routeIt == m_routes.end())
            routeIt = m_routes.insert(source->path, routeOf(telemetry));
        out.headingDegrees = headingAt(*routeIt, gps.latitude, gps.longitude);
    }
    return out;
}

QList<RoutePoint> Telemetry::route(const Plan &plan)
{
    QList<RoutePoint> points;
    QString last;
    for (const Segment &segment : plan.segments) {
        const std::optional<Source> &source = segment.front ? segment.front : segment.rear;
        if (!source || source->path == last)
            continue;
        last = source->path;
        points.append(routeOf(of(source->path)));
    }
    return points;
}

std::optional<double> Telemetry::headingAt(const QList<RoutePoint> &route, double latitude,
                                           double longitude)
{
    // The record at the position, and the next one that lies at least a few metres away.
    qsizetype here = -1;
    for (qsizetype i = 0; i < route.size(); ++i) {
        if (route[i].latitude == latitude && route[i].longitude == longitude) {
            here = i;
            break;
        }
    }
    if (here < 0)
        return std::nullopt;
    constexpr double kMinMetres = 3;
    for (qsizetype j = here + 1; j < route.size(); ++j) {
        if (distanceMetres(route[here], route[j]) < kMinMetres)
            continue;
        const double rad = std::numbers::pi / 180;
        const double phi1 = route[here].latitude * rad, phi2 = route[j].latitude * rad;
        const double dl = (route[j].longitude - route[here].longitude) * rad;
        const double y = std::sin(dl) * std::cos(phi2);
        const double x =
            std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dl);
        return std::fmod(std::atan2(y, x) / rad + 360, 360);
    }
    return std::nullopt;
}

} // namespace clip
