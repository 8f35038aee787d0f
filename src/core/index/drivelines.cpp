#include "core/index/drivelines.h"

#include "core/catalogue/TVKMedia.h"

#include <QHash>

#include <algorithm>

namespace {

void addPoint(QList<QPointF> &line, const QPointF &point, qint64 seq, int every, bool last)
{
    if (seq % every == 0 || last)
        line.append(point);
}

} // namespace

tvk::Result<QList<DriveLines>> indexedDrives(CardIndex &index, int every)
{
    every = std::max(1, every);
    tvk::Result<SqliteStatement> trips =
        index.db().prepare("SELECT id, start, end, kilometres FROM trips ORDER BY start, id");
    if (!trips)
        return trips.failure();
    QList<DriveLines> drives;
    QHash<qint64, qsizetype> byId;
    while (trips->next()) {
        byId.insert(trips->integer(0), drives.size());
        drives.append({trips->text(1), trips->text(2), trips->real(3), {}});
    }
    if (tvk::Result<void> done = trips->finish(); !done)
        return done.failure();

    tvk::Result<SqliteStatement> points = index.db().prepare(
        "SELECT r.trip, r.id, p.seq, p.latitude, p.longitude, r.points FROM recordings r "
        "JOIN points p ON p.recording = r.id WHERE r.side = ?1 AND r.trip IS NOT NULL "
        "ORDER BY r.start, r.id, p.seq");
    if (!points)
        return points.failure();
    points->bind(1, qint64(TVKMedia::Front));
    qint64 recording = -1;
    QList<QPointF> *line = nullptr;
    while (points->next()) {
        const auto drive = byId.constFind(points->integer(0));
        if (drive == byId.cend())
            continue;
        if (points->integer(1) != recording) {
            recording = points->integer(1);
            drives[*drive].lines.append(QList<QPointF>());
            line = &drives[*drive].lines.last();
        }
        const qint64 seq = points->integer(2);
        addPoint(*line, QPointF(points->real(4), points->real(3)), seq, every,
                 seq + 1 >= points->integer(5));
    }
    if (tvk::Result<void> done = points->finish(); !done)
        return done.failure();
    return drives;
}
