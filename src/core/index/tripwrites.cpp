#include "core/index/indexwrites.h"
#include "core/index/packedroute.h"
#include "core/route/routepoints.h"
#include "core/trips/triproute.h"
#include "core/trips/trips.h"

#include <QHash>
#include <QSet>
#include <QtConcurrent>

#include <algorithm>

namespace {

struct Row
{
    qint64 id;
    MediaFile media;
    std::optional<qint64> lengthMs; // none for a file that could not be read
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
                     select->isNull(2) ? std::nullopt : std::optional(select->integer(2))});
    if (tvk::Result<void> done = select->finish(); !done)
        return done.failure();
    // The catalogue's order: start time, then the name, which puts front before rear.
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        const int order = a.media.compareDate(b.media);
        return order != 0 ? order < 0 : a.media.path() < b.media.path();
    });
    return rows;
}

// The packed routes of the recordings that draw the trips, by id: the rear of a front is never
// drawn, and its points are half of the card.
tvk::Result<QHash<qint64, QByteArray>> packedRoutes(CardIndex &index, const QSet<qint64> &wanted)
{
    tvk::Result<SqliteStatement> select = index.db().prepare("SELECT recording, route FROM routes");
    if (!select)
        return select.failure();
    QHash<qint64, QByteArray> routes;
    routes.reserve(wanted.size());
    while (select->next()) {
        const qint64 id = select->integer(0);
        if (wanted.contains(id))
            routes.insert(id, select->blob(1).toByteArray());
    }
    if (tvk::Result<void> done = select->finish(); !done)
        return done.failure();
    return routes;
}

double tripKilometres(const Trip &trip, const QHash<QString, qint64> &ids,
                      const QHash<qint64, QByteArray> &routes)
{
    QList<QList<RoutePoint>> pieces;
    for (const MediaFile &m : trip.routeRecordings()) {
        QList<RoutePoint> &route = pieces.emplace_back();
        for (const IndexedPoint &point : unpackRoute(routes.value(ids.value(m.path()))))
            route.append(routePointOf(point));
    }
    return plausibleRoute(tripRoutePieces(trip, pieces)).kilometres;
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
        QList<MediaFile> medias;
        QHash<QString, std::optional<qint64>> lengths;
        QHash<QString, qint64> ids;
        for (const Row &row : std::as_const(*rows)) {
            medias.append(row.media);
            lengths.insert(row.media.path(), row.lengthMs);
            ids.insert(row.media.path(), row.id);
        }
        const QList<Trip> trips =
            groupTrips(medias, [&lengths](const MediaFile &m) -> tvk::Result<qint64> {
                if (const std::optional<qint64> length = lengths.value(m.path()))
                    return *length;
                return tvk::Failure{"trips.recording_unreadable", m.path()};
            }).trips;
        QSet<qint64> drawn;
        for (const Trip &trip : trips) {
            for (const MediaFile &m : trip.routeRecordings())
                drawn.insert(ids.value(m.path()));
        }
        tvk::Result<QHash<qint64, QByteArray>> routes = packedRoutes(m_index, drawn);
        if (!routes)
            return routes.failure();
        // Trips are measured apart from each other, on every core.
        const QList<double> kilometres =
            QtConcurrent::blockingMapped(trips, [&ids, &routes](const Trip &trip) {
                return tripKilometres(trip, ids, *routes);
            });
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
        for (qsizetype t = 0; t < trips.size(); ++t) {
            const Trip &trip = trips[t];
            insert->bind(1, wallClock(trip.start)).bind(2, wallClock(trip.end));
            if (tvk::Result<void> done = insert->bind(3, kilometres[t]).run(); !done)
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
