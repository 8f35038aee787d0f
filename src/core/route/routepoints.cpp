#include "core/route/routepoints.h"

#include "core/telemetry/NmeaCoordinate.h"

#include <algorithm>
#include <cmath>

namespace {

// Faster than any car: a record claiming more is corrupt.
constexpr double kMaxMetresPerSecond = 200;

double speedOf(const AviGpsRecord &r)
{
    return r.speedInKmh() ? r.speed() / 3.6 : r.speed() * 0.44704;
}

QDateTime utcOf(const SystemTime &t)
{
    const QDateTime utc(QDate(t.wYear, t.wMonth, t.wDay),
                        QTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds), Qt::UTC);
    return utc.isValid() ? utc : QDateTime();
}

} // namespace

std::optional<quint32> firstRecordTime(const RecordedTelemetry &t)
{
    std::optional<quint32> first;
    if (!t.m_vGSensorData.isEmpty())
        first = t.m_vGSensorData.first().data().timestampMs();
    if (!t.m_GpsRecords.isEmpty()) {
        const quint32 gps = t.m_GpsRecords.first().data().timestampMs();
        first = first ? std::min(*first, gps) : gps;
    }
    return first;
}

QList<RoutePoint> routeOf(const RecordedTelemetry &telemetry)
{
    const qint64 base = firstRecordTime(telemetry).value_or(0);
    QList<RoutePoint> route;
    for (qsizetype i = 0; i < telemetry.m_GpsRecords.size(); ++i) {
        const AviGpsRecord &r = telemetry.m_GpsRecords[i].data();
        if (!r.hasPosition())
            continue; // no position yet
        const GpsData fix = telemetry.fixAfterGpsRecord(i);
        RoutePoint p;
        p.latitude = degreesFromNmeaValue(r.nmeaLatitude());
        p.longitude = degreesFromNmeaValue(r.nmeaLongitude());
        if (!isPossiblePosition(p.latitude, p.longitude))
            continue;
        if (fix.NS == 'S')
            p.latitude = -p.latitude;
        if (fix.EW == 'W')
            p.longitude = -p.longitude;
        p.utc = utcOf(fix.Now);
        p.metresPerSecond = speedOf(r);
        if (p.metresPerSecond > kMaxMetresPerSecond)
            continue;
        p.cameraMs = r.timestampMs();
        p.recordMs = qint64(r.timestampMs()) - base;
        route.append(p);
    }
    return route;
}

double distanceMetres(const RoutePoint &a, const RoutePoint &b)
{
    constexpr double radians = M_PI / 180;
    const double dLat = (b.latitude - a.latitude) * radians;
    const double dLon = (b.longitude - a.longitude) * radians;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(a.latitude * radians) * std::cos(b.latitude * radians) *
                         std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusMetres * std::asin(std::min(1.0, std::sqrt(h)));
}
