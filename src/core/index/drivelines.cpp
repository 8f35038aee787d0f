#include "core/index/drivelines.h"

#include "core/catalogue/MediaFile.h"
#include "core/index/packedroute.h"

#include <QHash>

#include <algorithm>
#include <optional>

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

    // The order is taken from the recordings alone and the routes read in the order they lie:
    // sorting the rows with their blobs would spill a card's routes into a temporary file.
    tvk::Result<SqliteStatement> order =
        index.db().prepare("SELECT id, trip FROM recordings "
                           "WHERE side = ?1 AND points > 0 AND trip IS NOT NULL "
                           "ORDER BY start, id");
    if (!order)
        return order.failure();
    order->bind(1, qint64(MediaFile::Front));
    QHash<qint64, qsizetype> slotOf; // recording -> its place in the order
    QList<qsizetype> driveOfSlot;
    while (order->next()) {
        const auto drive = byId.constFind(order->integer(1));
        if (drive == byId.cend())
            continue;
        slotOf.insert(order->integer(0), driveOfSlot.size());
        driveOfSlot.append(*drive);
    }
    if (tvk::Result<void> done = order->finish(); !done)
        return done.failure();

    tvk::Result<SqliteStatement> routes = index.db().prepare("SELECT recording, route FROM routes");
    if (!routes)
        return routes.failure();
    QList<std::optional<QList<QPointF>>> lines(driveOfSlot.size());
    while (routes->next()) {
        const auto slot = slotOf.constFind(routes->integer(0));
        if (slot == slotOf.cend())
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
        lines[*slot] = std::move(line);
    }
    if (tvk::Result<void> done = routes->finish(); !done)
        return done.failure();
    for (qsizetype slot = 0; slot < lines.size(); ++slot) {
        if (lines[slot])
            drives[driveOfSlot[slot]].lines.append(std::move(*lines[slot]));
    }
    return drives;
}
