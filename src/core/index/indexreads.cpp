#include "core/index/indexreads.h"

#include "core/index/indexupdate.h"
#include "core/index/packedroute.h"
#include "core/telemetry/recordinglength.h"

#include <QDir>
#include <QFileInfo>
#include <QtConcurrent>

#include <algorithm>

namespace {

// The routes the index file holds of these files as they are now. Opens a connection of its
// own: the cache asks from any thread.
QHash<QString, QList<RoutePoint>> indexedRoutes(const QString &folder, const QString &file,
                                                const QList<RouteCache::FileState> &files)
{
    QHash<QString, QList<RoutePoint>> routes;
    const QDir root(folder);
    const QString prefix = folder + u'/';
    if (std::none_of(files.cbegin(), files.cend(), [&prefix](const RouteCache::FileState &f) {
            return f.path.startsWith(prefix);
        }))
        return routes;
    SqliteDb db;
    if (!db.open(file, false, kCardIndexBusyMs))
        return routes;
    const QByteArray map = "PRAGMA mmap_size = " + QByteArray::number(kCardIndexMapBytes);
    (void)db.exec(map.constData());
    tvk::Result<SqliteStatement> select =
        db.prepare("SELECT r.size, r.mtime_ms, t.route FROM recordings r "
                   "JOIN routes t ON t.recording = r.id WHERE r.path = ?1");
    if (!select)
        return routes;
    for (const RouteCache::FileState &f : files) {
        if (!f.path.startsWith(prefix))
            continue;
        select->bind(1, root.relativeFilePath(f.path));
        if (select->next() && select->integer(0) == f.size &&
            select->integer(1) == f.modified.toMSecsSinceEpoch()) {
            const QList<IndexedPoint> points = unpackRoute(select->blob(2));
            QList<RoutePoint> route;
            route.reserve(points.size());
            for (const IndexedPoint &point : points)
                route.append(routePointOf(point));
            routes.insert(f.path, std::move(route));
        }
        if (!select->finish())
            break;
    }
    return routes;
}

} // namespace

tvk::Result<void> adoptIndexedRoutes(CardIndex &index, RouteCache &cache)
{
    cache.setSource(index.file(), [folder = index.folder(),
                                   file = index.file()](const QList<RouteCache::FileState> &files) {
        return indexedRoutes(folder, file, files);
    });
    return {};
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

tvk::Result<std::optional<IndexedFactsByPath>> vouchedFacts(CardIndex &index)
{
    const tvk::Result<bool> current = isVouchedCurrent(index);
    if (!current)
        return current.failure();
    if (!*current)
        return std::optional<IndexedFactsByPath>();
    const tvk::Result<qint64> count = index.db().integer("SELECT max(id) FROM recordings");
    tvk::Result<SqliteStatement> select =
        index.db().prepare("SELECT path, length_ms, clock_offset_s FROM recordings");
    if (!select)
        return select.failure();
    IndexedFactsByPath facts;
    facts.reserve(count ? *count : 0);
    while (select->next()) {
        IndexedFacts &f = facts[index.absolutePath(select->text(0))];
        if (!select->isNull(1))
            f.lengthMs = select->integer(1);
        if (!select->isNull(2))
            f.clockOffsetSeconds = select->real(2);
    }
    if (tvk::Result<void> done = select->finish(); !done)
        return done.failure();
    return std::optional<IndexedFactsByPath>(std::move(facts));
}

std::optional<IndexedFactsByPath> vouchedFactsOf(const QString &folder, const QString &cacheFolder)
{
    const std::unique_ptr<CardIndex> index = existingCardIndex(folder, cacheFolder);
    if (!index)
        return std::nullopt;
    tvk::Result<std::optional<IndexedFactsByPath>> facts = vouchedFacts(*index);
    return facts ? std::move(*facts) : std::nullopt;
}

namespace {

// The facts of a recording, found under its path as the catalogue or the index spells it.
const IndexedFacts *factsOf(const IndexedFactsByPath &facts, const QString &path)
{
    auto it = facts.constFind(path);
    if (it == facts.cend())
        it = facts.constFind(QDir::cleanPath(path));
    return it == facts.cend() ? nullptr : &*it;
}

} // namespace

RecordingLength lengthsFrom(const std::optional<IndexedFactsByPath> &facts)
{
    if (!facts)
        return [](const MediaFile &m) {
            return recordingLengthMs(m.path());
        };
    return [facts = *facts](const MediaFile &m) -> tvk::Result<qint64> {
        // A file that could not be read is asked again: it gives its own reason.
        if (const IndexedFacts *f = factsOf(facts, m.path()); f && f->lengthMs)
            return *f->lengthMs;
        return recordingLengthMs(m.path());
    };
}

QList<ClockReading> rawClockReadings(const QList<MediaFile> &recordings,
                                     const std::optional<IndexedFactsByPath> &facts)
{
    QList<ClockReading> readings(recordings.size());
    QList<qsizetype> unread;
    for (qsizetype i = 0; i < recordings.size(); ++i) {
        readings[i].path = recordings[i].path();
        if (const IndexedFacts *f = facts ? factsOf(*facts, readings[i].path) : nullptr)
            readings[i].offsetSeconds = f->clockOffsetSeconds;
        else
            unread.append(i);
    }
    // Each recording's telemetry is dropped as soon as its offset is known: a card's worth
    // of it is never held at once.
    ClockReading *out = readings.data();
    QtConcurrent::blockingMap(unread, [out, &recordings](qsizetype i) {
        const MediaFile &m = recordings[i];
        out[i].offsetSeconds = rawClockOffset(m, *readRecordingTelemetry(m.path()));
    });
    return readings;
}

std::unique_ptr<CardIndex> existingCardIndex(const QString &folder, const QString &cacheFolder)
{
    if (!QFileInfo::exists(CardIndex::fileOf(CardIndex::identityOf(folder), cacheFolder)))
        return nullptr;
    tvk::Result<std::unique_ptr<CardIndex>> index = CardIndex::open(folder, cacheFolder);
    return index ? std::move(*index) : nullptr;
}
