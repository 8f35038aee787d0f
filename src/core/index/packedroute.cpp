#include "core/index/packedroute.h"

#include <QtEndian>

#include <cstddef>
#include <cstring>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the packed route is written as it lies in memory");

namespace {

IndexedPoint pointOf(const PackedRoutePoint &packed)
{
    IndexedPoint p;
    p.offsetMs = packed.offsetMs;
    p.cameraMs = packed.cameraMs;
    if (packed.utcMs != kNoUtc)
        p.utcMs = packed.utcMs;
    p.latitude = packed.latitude;
    p.longitude = packed.longitude;
    p.metresPerSecond = packed.metresPerSecond;
    p.heading = packed.heading;
    return p;
}

} // namespace

QByteArray packRoute(const QList<IndexedPoint> &points)
{
    QByteArray blob(points.size() * qsizetype(sizeof(PackedRoutePoint)), Qt::Uninitialized);
    char *out = blob.data();
    for (const IndexedPoint &p : points) {
        const PackedRoutePoint packed{p.offsetMs,        p.utcMs.value_or(kNoUtc),
                                      p.latitude,        p.longitude,
                                      p.metresPerSecond, p.heading,
                                      p.cameraMs,        0};
        std::memcpy(out, &packed, sizeof packed);
        out += sizeof packed;
    }
    return blob;
}

QList<IndexedPoint> unpackRoute(QByteArrayView blob)
{
    QList<IndexedPoint> points;
    if (blob.size() % qsizetype(sizeof(PackedRoutePoint)) != 0)
        return points;
    const qsizetype count = blob.size() / qsizetype(sizeof(PackedRoutePoint));
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        PackedRoutePoint packed;
        std::memcpy(&packed, blob.data() + i * qsizetype(sizeof packed), sizeof packed);
        points.append(pointOf(packed));
    }
    return points;
}

std::optional<IndexedPoint> unpackPoint(QByteArrayView blob, qint64 seq)
{
    if (blob.size() % qsizetype(sizeof(PackedRoutePoint)) != 0 || seq < 0 ||
        seq >= blob.size() / qsizetype(sizeof(PackedRoutePoint)))
        return std::nullopt;
    PackedRoutePoint packed;
    std::memcpy(&packed, blob.data() + seq * qsizetype(sizeof packed), sizeof packed);
    return pointOf(packed);
}

qsizetype packedPointCount(QByteArrayView blob)
{
    const qsizetype size = qsizetype(sizeof(PackedRoutePoint));
    return blob.size() % size == 0 ? blob.size() / size : 0;
}

QPointF packedPosition(QByteArrayView blob, qsizetype seq)
{
    const char *at = blob.data() + seq * qsizetype(sizeof(PackedRoutePoint));
    double latitude = 0, longitude = 0;
    std::memcpy(&latitude, at + offsetof(PackedRoutePoint, latitude), sizeof latitude);
    std::memcpy(&longitude, at + offsetof(PackedRoutePoint, longitude), sizeof longitude);
    return QPointF(longitude, latitude);
}
