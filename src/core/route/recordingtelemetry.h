#pragma once

#include "core/route/routepoints.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QStringList>

#include <functional>

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
    // A file as it is now.
    struct FileState
    {
        QString path;
        qint64 size = -1;
        QDateTime modified;
    };
    // Where a route not yet known is looked for before its file is read (a card's index): the
    // routes it holds of those files as they are now, by path. Called from any thread.
    using Source = std::function<QHash<QString, QList<RoutePoint>>(const QList<FileState> &)>;

    // The route of each file, in the order of `paths`, extracting those not yet known.
    QList<QList<RoutePoint>> routes(const QStringList &paths);
    // Sets (or replaces) the source known as `name`.
    void setSource(const QString &name, Source source);

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
    QHash<QString, Source> m_sources;
};
