#pragma once

#include "core/clip/ClipPlan.h"
#include "core/player/TelemetryReadout.h"
#include "core/route/routepoints.h"

#include <QHash>

#include <optional>

// What the clip shows of the telemetry at each of its moments, read by the same rules as the
// player window, so that the two never disagree.
namespace clip {

struct Readout
{
    QDateTime clock;                  // the card's clock at this moment
    QString speed;                    // as the window shows it; empty without GPS records
    std::optional<double> gx, gy, gz; // the G-sensor sample, in g
    std::optional<RoutePoint> position;
    std::optional<double> headingDegrees; // clockwise from north, while moving
};

class Telemetry
{
public:
    // The readout at a moment of the clip. The front camera's telemetry is preferred; the
    // rear's stands in where the front did not record.
    Readout at(const Plan &plan, qint64 clipMs);
    // Every position of the clip's recordings, in order, for the route map.
    QList<RoutePoint> route(const Plan &plan);

private:
    const RecordedTelemetry &of(const QString &path);
    // The heading from the route's record at the position towards the next one a few metres on.
    static std::optional<double> headingAt(const QList<RoutePoint> &route, double latitude,
                                           double longitude);

    QHash<QString, RecordedTelemetryPtr> m_telemetry;
    QHash<QString, QList<RoutePoint>> m_routes;
    readout::HemisphereMemory m_hemispheres;
    QString m_lastPath;
};

} // namespace clip
