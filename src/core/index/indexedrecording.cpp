#include "core/index/indexedrecording.h"

#include "core/clock/clockcheck.h"
#include "core/route/routepoints.h"
#include "core/telemetry/BlackBoxData.h"
#include "core/telemetry/recordinglength.h"
#include "core/trips/trips.h"

#include <QBuffer>
#include <QFile>

namespace {

// Recordings up to this size are read whole: the telemetry walk's small reads then cost no
// system call each.
constexpr qint64 kReadWholeBytes = 8 << 20;

void addPoints(IndexedRecording &out, const RecordedTelemetry &telemetry)
{
    const QList<RoutePoint> route = routeOf(telemetry);
    qsizetype record = 0; // the route keeps the records' order: one forward walk finds each
    for (const RoutePoint &p : route) {
        while (record < telemetry.m_GpsRecords.size() &&
               telemetry.m_GpsRecords[record].data().timestampMs() != p.cameraMs)
            ++record;
        IndexedPoint point;
        point.offsetMs = p.recordMs;
        point.cameraMs = p.cameraMs;
        if (p.utc.isValid())
            point.utcMs = p.utc.toMSecsSinceEpoch();
        point.latitude = p.latitude;
        point.longitude = p.longitude;
        point.metresPerSecond = p.metresPerSecond;
        if (record < telemetry.m_GpsRecords.size())
            point.heading = telemetry.fixAfterGpsRecord(record).CourseOverGround;
        out.points.append(point);
    }
}

} // namespace

IndexedRecording readIndexedRecording(const MediaFile &media, qint64 size, qint64 modifiedMs)
{
    IndexedRecording out;
    out.path = media.path();
    out.size = size;
    out.modifiedMs = modifiedMs;
    out.kind = media.mediaDivision();
    out.side = media.mediaDirection();
    const QDateTime start = nameTime(media);
    if (start.isValid())
        out.start = start.toString(Qt::ISODate).chopped(1); // held as UTC: drop the "Z"
    out.lengthMs = kUnknownRecordingLengthMs;
    QFile file(media.path());
    // A file that cannot be read has no length, as trips read from the files find.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        out.lengthMs.reset();
        return out;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QIODevice *device = &file;
    if (file.size() <= kReadWholeBytes) {
        bytes = file.readAll();
        buffer.open(QIODevice::ReadOnly);
        device = &buffer;
    }
    if (const std::optional<qint64> length = aviHeaderLengthMs(*device)) {
        out.lengthMs = *length;
    } else if (file.error() == QFileDevice::ReadError) {
        out.lengthMs.reset();
        return out;
    }
    if (!device->seek(0))
        return out;
    const tvk::Result<RecordedTelemetryPtr> telemetry = BlackBoxData::extractRoute(*device);
    if (!telemetry)
        return out;
    addPoints(out, **telemetry);
    out.clockOffsetSeconds = rawClockOffset(media, **telemetry);
    return out;
}

RoutePoint routePointOf(const IndexedPoint &point)
{
    RoutePoint p;
    p.latitude = point.latitude;
    p.longitude = point.longitude;
    if (point.utcMs)
        p.utc = QDateTime::fromMSecsSinceEpoch(*point.utcMs, Qt::UTC);
    p.metresPerSecond = point.metresPerSecond;
    p.cameraMs = point.cameraMs;
    p.recordMs = point.offsetMs;
    return p;
}
