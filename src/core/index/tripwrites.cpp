#include "core/index/indexwrites.h"
#include "core/index/packedroute.h"
#include "core/route/routepoints.h"
#include "core/trips/triproute.h"
#include "core/trips/trips.h"

#include <QHash>

#include <algorithm>

namespace {

struct Row
{
    qint64 id;
    MediaFile media;
    qint64 lengthMs;
};

tvk::Result<QList<Row>> indexedRows(CardIndex &index)
{
    tvk::Result<SqliteStatement> select =
        index.db().prepare("SELECT id, path, length_ms FROM recordings");
    if (!select)
        return select.failure();
    QList<Row> rows;
    while (select->next())
        rows.append({select->integer(0), MediaFile(index.absolutePath(select->text(1))),
                     select->integer(2)});
    if (tvk::Result<void> done = select->finish(); !done)
        return done.failure();
    // The catalogue's order: start time, then the name, which puts front before rear.
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        const int order = a.media.compareDate(b.media);
        return order != 0 ? order < 0 : a.media.path() < b.media.path();
    });
    return rows;
}

tvk::Result<QHash<QString, QList<RoutePoint>>> routesByPath(CardIndex &index)
{
    tvk::Result<SqliteStatement> select = index.db().prepare(
        "SELECT r.path, t.route FROM recordings r JOIN routes t ON t.recording = r.id");
    if (!select)
        return select.failure();
    QHash<QString, QList<RoutePoint>> routes;
    while (select->next()) {
        QList<RoutePoint> &route = routes[index.absolutePath(select->text(0))];
        for (const IndexedPoint &point : unpackRoute(select->blob(1)))
            route.append(routePointOf(point));
    }
    if (tvk::Result<void> done = select->finish(); !done)
        return done.failure();
    return routes;
}

QString wallClock(const QDateTime &t)
{
    return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

} // namespace

tvk::Result<void> IndexWriter::regroupTrips()
{
    return inTransaction([&]() -> tvk::Result<void> {
        SqliteDb &db = m_index.db();
        tvk::Result<QList<Row>> rows = indexedRows(m_index);
        if (!rows)
            return rows.failure();
        tvk::Result<QHash<QString, QList<RoutePoint>>> routes = routesByPath(m_index);
        if (!routes)
            return routes.failure();
        QList<MediaFile> medias;
        QHash<QString, qint64> lengths, ids;
        for (const Row &row : std::as_const(*rows)) {
            medias.append(row.media);
            lengths.insert(row.media.path(), row.lengthMs);
            ids.insert(row.media.path(), row.id);
        }
        const QList<Trip> trips =
            groupTrips(medias, [&lengths](const MediaFile &m) -> tvk::Result<qint64> {
                return lengths.value(m.path());
            }).trips;
        if (tvk::Result<void> done =
                db.exec("DELETE FROM trips; UPDATE recordings SET trip = NULL");
            !done)
            return done;
        tvk::Result<SqliteStatement> insert =
            db.prepare("INSERT INTO trips(start, end, kilometres) VALUES(?1, ?2, ?3)");
        tvk::Result<SqliteStatement> join =
            db.prepare("UPDATE recordings SET trip = ?1 WHERE id = ?2");
        if (!insert)
            return insert.failure();
        if (!join)
            return join.failure();
        for (const Trip &trip : trips) {
            QList<QList<RoutePoint>> pieces;
            for (const MediaFile &m : trip.routeRecordings())
                pieces.append(routes->value(m.path()));
            insert->bind(1, wallClock(trip.start)).bind(2, wallClock(trip.end));
            if (tvk::Result<void> done =
                    insert->bind(3, plausibleRoute(tripRoutePieces(trip, pieces)).kilometres).run();
                !done)
                return done;
            const qint64 tripId = db.lastInsertId();
            for (const MediaFile &m : trip.recordings) {
                if (tvk::Result<void> done =
                        join->bind(1, tripId).bind(2, ids.value(m.path())).run();
                    !done)
                    return done;
            }
        }
        return markTrips(true);
    });
}
