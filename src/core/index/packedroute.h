#pragma once

#include "core/index/indexedrecording.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QPointF>

#include <cstddef>
#include <limits>
#include <optional>

// A recording's route points stored whole, one blob a recording: a card's routes are read back
// in one row each instead of one row a point. For the search by place, the R*Tree keeps one box
// a stretch of kPointsPerBox points of a front recording, under routePointId(recording, first
// seq): a box a point made the first index of a full card several times slower than reading it.

// Little-endian, one record a point, no padding left undefined.
struct PackedRoutePoint
{
    qint64 offsetMs;
    qint64 utcMs; // kNoUtc when the receiver gave none
    double latitude;
    double longitude;
    double metresPerSecond;
    double heading;
    quint32 cameraMs;
    quint32 reserved;
};
static_assert(sizeof(PackedRoutePoint) == 56);
static_assert(offsetof(PackedRoutePoint, latitude) == 16);
static_assert(offsetof(PackedRoutePoint, cameraMs) == 48);

inline constexpr qint64 kNoUtc = std::numeric_limits<qint64>::min();
// A recording holds fewer points than this (one a second, and recordings last minutes).
inline constexpr int kRouteSeqBits = 20;
inline constexpr qint64 kMaxRoutePoints = qint64(1) << kRouteSeqBits;

inline constexpr qint64 kPointsPerBox = 16;

inline constexpr qint64 routePointId(qint64 recording, qint64 seq)
{
    return (recording << kRouteSeqBits) | seq;
}
inline constexpr qint64 recordingOfPoint(qint64 id)
{
    return id >> kRouteSeqBits;
}
inline constexpr qint64 seqOfPoint(qint64 id)
{
    return id & (kMaxRoutePoints - 1);
}

QByteArray packRoute(const QList<IndexedPoint> &points);
// The points of a blob; nothing of a blob that is not whole records.
QList<IndexedPoint> unpackRoute(QByteArrayView blob);
// One point of a blob, when it holds that many.
std::optional<IndexedPoint> unpackPoint(QByteArrayView blob, qint64 seq);
// The whole points a blob holds; none of a blob that is not whole records.
qsizetype packedPointCount(QByteArrayView blob);
// Where point `seq` (below packedPointCount()) was, x the longitude and y the latitude: all a
// map's line needs, without the rest of the point.
QPointF packedPosition(QByteArrayView blob, qsizetype seq);
