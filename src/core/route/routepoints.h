#pragma once

#include "core/telemetry/RecordedTelemetry.h"

#include <QDateTime>
#include <QList>

#include <optional>

// One position of the car on its route, as a GPS record of a recording gives it.
struct RoutePoint
{
    double latitude = 0;  // signed decimal degrees, south negative
    double longitude = 0; // signed decimal degrees, west negative
    QDateTime utc;        // from the receiver's RMC time and date; invalid without one
    double metresPerSecond = 0;
    quint32 cameraMs = 0; // the record's time stamp on the camera's clock
    qint64 recordMs = 0;  // the same from the recording's first record
};

// The earliest time stamp of the recording's telemetry: where its own clock starts.
std::optional<quint32> firstRecordTime(const RecordedTelemetry &telemetry);

// The route of one recording: every GPS record with a usable position, in index order. A
// record without a position yet (0, 0) or with impossible values is left out.
QList<RoutePoint> routeOf(const RecordedTelemetry &telemetry);

inline constexpr double kEarthRadiusMetres = 6371008.8;

// Great-circle distance in metres.
double distanceMetres(const RoutePoint &a, const RoutePoint &b);
