#include "core/index/indexreads.h"

#include "core/index/packedroute.h"

#include <QFileInfo>
#include <QHash>

tvk::Result<void> adoptIndexedRoutes(CardIndex &index, RouteCache &cache)
{
    tvk::Result<SqliteStatement> select =
        index.db().prepare("SELECT r.path, r.size, r.mtime_ms, t.route FROM recordings r "
                           "LEFT JOIN routes t ON t.recording = r.id ORDER BY r.id");
    if (!select)
        return select.failure();
    while (select->next()) {
        const QList<IndexedPoint> points = unpackRoute(select->blob(3));
        QList<RoutePoint> route;
        route.reserve(points.size());
        for (const IndexedPoint &point : points)
            route.append(routePointOf(point));
        cache.adopt(index.absolutePath(select->text(0)), select->integer(1),
                    QDateTime::fromMSecsSinceEpoch(select->integer(2), Qt::UTC), std::move(route));
    }
    return select->finish();
}

tvk::Result<std::optional<QList<ClockReading>>> indexedClockReadings(CardIndex &index,
                                                                     const QStringList &paths)
{
    tvk::Result<SqliteStatement> select =
        index.db().prepare("SELECT size, mtime_ms, clock_offset_s FROM recordings WHERE path = ?1");
    if (!select)
        return select.failure();
    QList<ClockReading> readings;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        select->bind(1, index.relativePath(path));
        std::optional<ClockReading> reading;
        if (select->next() && select->integer(0) == info.size() &&
            select->integer(1) == info.lastModified().toMSecsSinceEpoch()) {
            reading = ClockReading{path, std::nullopt};
            if (!select->isNull(2))
                reading->offsetSeconds = select->real(2);
        }
        if (tvk::Result<void> done = select->finish(); !done)
            return done.failure();
        if (!reading)
            return std::optional<QList<ClockReading>>();
        readings.append(*reading);
    }
    return std::optional<QList<ClockReading>>(readings);
}

std::unique_ptr<CardIndex> existingCardIndex(const QString &folder)
{
    if (!QFileInfo::exists(CardIndex::fileOf(CardIndex::identityOf(folder))))
        return nullptr;
    tvk::Result<std::unique_ptr<CardIndex>> index = CardIndex::open(folder);
    return index ? std::move(*index) : nullptr;
}
