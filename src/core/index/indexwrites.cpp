#include "core/index/indexwrites.h"

#include "core/index/packedroute.h"
#include "core/route/routepoints.h"
#include "core/trips/trips.h"

#include <QHash>

#include <algorithm>

namespace {

tvk::Result<void> runWith(SqliteDb &db, const char *sql, qint64 value)
{
    tvk::Result<SqliteStatement *> statement = db.reusable(sql);
    if (!statement)
        return statement.failure();
    return (*statement)->bind(1, value).run();
}

} // namespace

tvk::Result<void> IndexWriter::inTransaction(const std::function<tvk::Result<void>()> &work)
{
    SqliteDb &db = m_index.db();
    if (tvk::Result<void> begun = db.exec("BEGIN IMMEDIATE"); !begun)
        return begun;
    tvk::Result<void> done = work();
    if (done)
        done = db.exec("COMMIT");
    if (!done)
        (void)db.exec("ROLLBACK");
    return done;
}

tvk::Result<void> IndexWriter::markTrips(bool current)
{
    tvk::Result<SqliteStatement> mark =
        m_index.db().prepare("INSERT OR REPLACE INTO card(key, value) VALUES('trips', ?1)");
    if (!mark)
        return mark.failure();
    return mark->bind(1, QString::fromLatin1(current ? "current" : "stale")).run();
}

tvk::Result<bool> IndexWriter::tripsCurrent()
{
    tvk::Result<qint64> current =
        m_index.db().integer("SELECT count(*) FROM card WHERE key = 'trips' AND value = 'current'");
    if (!current)
        return current.failure();
    return *current > 0;
}

tvk::Result<void> IndexWriter::forgetOne(const QString &relative)
{
    SqliteDb &db = m_index.db();
    tvk::Result<SqliteStatement *> found =
        db.reusable("SELECT id, points, side FROM recordings WHERE path = ?1");
    if (!found)
        return found.failure();
    SqliteStatement *find = *found;
    find->bind(1, relative);
    const bool known = find->next();
    const qint64 id = known ? find->integer(0) : -1;
    const qint64 points = known ? find->integer(1) : 0;
    const bool boxed = known && find->integer(2) == MediaFile::Front;
    if (tvk::Result<void> done = find->finish(); !done || id < 0)
        return done;
    // The R*Tree finds its rows by id alone: one delete a box.
    for (qint64 seq = 0; boxed && seq < points; seq += kPointsPerBox) {
        if (tvk::Result<void> done =
                runWith(db, "DELETE FROM point_boxes WHERE id = ?1", routePointId(id, seq));
            !done)
            return done;
    }
    if (tvk::Result<void> done = runWith(db, "DELETE FROM routes WHERE recording = ?1", id); !done)
        return done;
    return runWith(db, "DELETE FROM recordings WHERE id = ?1", id);
}

tvk::Result<void> IndexWriter::forget(const QStringList &relativePaths)
{
    if (relativePaths.isEmpty())
        return {};
    return inTransaction([&]() -> tvk::Result<void> {
        for (const QString &relative : relativePaths) {
            if (tvk::Result<void> done = forgetOne(relative); !done)
                return done;
        }
        return markTrips(false);
    });
}

tvk::Result<void> IndexWriter::storeOne(const IndexedRecording &r)
{
    SqliteDb &db = m_index.db();
    const QString relative = m_index.relativePath(r.path);
    if (tvk::Result<void> done = forgetOne(relative); !done)
        return done;
    tvk::Result<SqliteStatement *> inserting =
        db.reusable("INSERT INTO recordings(path, size, mtime_ms, kind, side, start, length_ms, "
                    "clock_offset_s, points) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    if (!inserting)
        return inserting.failure();
    SqliteStatement *insert = *inserting;
    insert->bind(1, relative).bind(2, r.size).bind(3, r.modifiedMs);
    insert->bind(4, qint64(r.kind)).bind(5, qint64(r.side));
    if (r.start.isEmpty())
        insert->bindNull(6);
    else
        insert->bind(6, r.start);
    if (r.lengthMs)
        insert->bind(7, *r.lengthMs);
    else
        insert->bindNull(7);
    if (r.clockOffsetSeconds)
        insert->bind(8, *r.clockOffsetSeconds);
    else
        insert->bindNull(8);
    // Beyond the ids the R*Tree can tell apart: the route is kept to what fits.
    const QList<IndexedPoint> points = r.points.mid(0, kMaxRoutePoints);
    insert->bind(9, qint64(points.size()));
    if (tvk::Result<void> done = insert->run(); !done)
        return done;
    const qint64 recording = db.lastInsertId();
    // Apart from the recordings: their table stays small enough to count and scan at once.
    tvk::Result<SqliteStatement *> route =
        db.reusable("INSERT INTO routes(recording, route) VALUES(?1, ?2)");
    if (!route)
        return route.failure();
    if (tvk::Result<void> done = (*route)->bind(1, recording).bindBlob(2, packRoute(points)).run();
        !done)
        return done;
    // Only the front recordings are searched by place.
    if (r.side != MediaFile::Front)
        return {};
    tvk::Result<SqliteStatement *> boxing =
        db.reusable("INSERT INTO point_boxes(id, min_lat, max_lat, min_lon, max_lon) "
                    "VALUES(?1, ?2, ?3, ?4, ?5)");
    if (!boxing)
        return boxing.failure();
    SqliteStatement *box = *boxing;
    for (qsizetype first = 0; first < points.size(); first += kPointsPerBox) {
        const qsizetype end = std::min<qsizetype>(points.size(), first + kPointsPerBox);
        double minLat = points[first].latitude, maxLat = minLat;
        double minLon = points[first].longitude, maxLon = minLon;
        for (qsizetype i = first + 1; i < end; ++i) {
            minLat = std::min(minLat, points[i].latitude);
            maxLat = std::max(maxLat, points[i].latitude);
            minLon = std::min(minLon, points[i].longitude);
            maxLon = std::max(maxLon, points[i].longitude);
        }
        box->bind(1, routePointId(recording, first)).bind(2, minLat).bind(3, maxLat);
        box->bind(4, minLon).bind(5, maxLon);
        if (tvk::Result<void> done = box->run(); !done)
            return done;
    }
    return {};
}

tvk::Result<void> IndexWriter::store(const QList<IndexedRecording> &recordings)
{
    if (recordings.isEmpty())
        return {};
    return inTransaction([&]() -> tvk::Result<void> {
        for (const IndexedRecording &r : recordings) {
            if (tvk::Result<void> done = storeOne(r); !done)
                return done;
        }
        return markTrips(false);
    });
}
