#include "core/index/drivelines.h"

#include "core/catalogue/MediaFile.h"
#include "core/index/packedroute.h"

#include <QHash>

#include <algorithm>

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

    tvk::Result<SqliteStatement> routes = index.db().prepare(
        "SELECT r.trip, t.route FROM recordings r JOIN routes t ON t.recording = r.id "
        "WHERE r.side = ?1 AND r.points > 0 AND r.trip IS NOT NULL "
        "ORDER BY r.start, r.id");
    if (!routes)
        return routes.failure();
    routes->bind(1, qint64(MediaFile::Front));
    while (routes->next()) {
        const auto drive = byId.constFind(routes->integer(0));
        if (drive == byId.cend())
            continue;
        // Only the points drawn are taken out of the blob.
        const QByteArrayView blob = routes->blob(1);
        const qsizetype count = packedPointCount(blob);
        QList<QPointF> line;
        line.reserve(count / every + 2);
        for (qsizetype seq = 0; seq < count; ++seq) {
            if (seq % every == 0 || seq + 1 == count)
                line.append(packedPosition(blob, seq));
        }
        drives[*drive].lines.append(line);
    }
    if (tvk::Result<void> done = routes->finish(); !done)
        return done.failure();
    return drives;
}
