#include "core/index/indexreads.h"

#include <QFileInfo>
#include <QHash>

tvk::Result<void> adoptIndexedRoutes(CardIndex &index, RouteCache &cache)
{
    tvk::Result<SqliteStatement> select = index.db().prepare(
        "SELECT r.id, r.path, r.size, r.mtime_ms, p.latitude, p.longitude, p.utc_ms, "
        "p.speed_mps, p.camera_ms FROM recordings r LEFT JOIN points p ON p.recording = r.id "
        "ORDER BY r.id, p.seq");
    if (!select)
        return select.failure();
    qint64 current = -1, size = 0, modifiedMs = 0;
    QString path;
    QList<RoutePoint> route;
    const auto hand = [&] {
        if (current >= 0)
            cache.adopt(index.absolutePath(path), size,
                        QDateTime::fromMSecsSinceEpoch(modifiedMs, Qt::UTC), std::move(route));
        route = {};
    };
    while (select->next()) {
        if (select->integer(0) != current) {
            hand();
            current = select->integer(0);
            path = select->text(1);
            size = select->integer(2);
            modifiedMs = select->integer(3);
        }
        if (select->isNull(4))
            continue; // a recording without a route
        RoutePoint p;
        p.latitude = select->real(4);
        p.longitude = select->real(5);
        if (!select->isNull(6))
            p.utc = QDateTime::fromMSecsSinceEpoch(select->integer(6), Qt::UTC);
        p.metresPerSecond = select->real(7);
        p.cameraMs = quint32(select->integer(8));
        route.append(p);
    }
    hand();
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
