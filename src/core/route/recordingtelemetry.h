#pragma once

#include "core/route/routepoints.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QStringList>

// The telemetry of a recording file, read without the diagnostic lines of playback; empty
// telemetry when the file is not a readable recording.
RecordedTelemetryPtr readRecordingTelemetry(const QString &path);
// Many files at once, on the background pool; the result is in the order of `paths`.
QList<RecordedTelemetryPtr> readRecordingTelemetry(const QStringList &paths);

// Routes of recordings, kept per file as long as its path, size and modification time stay
// the same. Safe from any thread.
class RouteCache
{
public:
    // The route of each file, in the order of `paths`, extracting those not yet known.
    QList<QList<RoutePoint>> routes(const QStringList &paths);
    // A route known without reading the file (the card's index), for as long as the file
    // keeps this size and modification time.
    void adopt(const QString &path, qint64 size, const QDateTime &modified,
               QList<RoutePoint> route);

private:
    struct Key
    {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        friend bool operator==(const Key &, const Key &) = default;
    };
    friend size_t qHash(const Key &key, size_t seed) { return qHash(key.path, seed); }
    static Key keyOf(const QString &path);

    QMutex m_mutex;
    QHash<Key, QList<RoutePoint>> m_routes;
};
