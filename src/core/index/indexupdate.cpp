#include "core/index/indexupdate.h"

#include "core/catalogue/MediaList.h"
#include "core/index/foldertimes.h"
#include "core/index/indexedrecording.h"
#include "core/index/indexwrites.h"

#include <QFileInfo>
#include <QHash>
#include <QtConcurrent>

namespace {

struct Stored
{
    qint64 id;
    qint64 size;
    qint64 modifiedMs;
};

struct Pending
{
    MediaFile media;
    qint64 size;
    qint64 modifiedMs;
};

tvk::Result<QHash<QString, Stored>> storedRecordings(CardIndex &index)
{
    tvk::Result<SqliteStatement> select =
        index.db().prepare("SELECT id, path, size, mtime_ms FROM recordings");
    if (!select)
        return select.failure();
    QHash<QString, Stored> stored;
    while (select->next())
        stored.insert(select->text(1),
                      {select->integer(0), select->integer(2), select->integer(3)});
    if (tvk::Result<void> done = select->finish(); !done)
        return done.failure();
    return stored;
}

QFuture<IndexedRecording> extractBatch(const QList<Pending> &pending, qsizetype from)
{
    const QList<Pending> batch = pending.mid(from, kIndexBatch);
    return QtConcurrent::mapped(batch, [](const Pending &p) {
        return readIndexedRecording(p.media, p.size, p.modifiedMs);
    });
}

tvk::Result<IndexUpdateReport> countsOf(CardIndex &index, IndexUpdateReport report)
{
    const tvk::Result<qint64> points =
        index.db().integer("SELECT coalesce(sum(points), 0) FROM recordings");
    const tvk::Result<qint64> trips = index.db().integer("SELECT count(*) FROM trips");
    if (!points)
        return points.failure();
    if (!trips)
        return trips.failure();
    report.points = *points;
    report.trips = *trips;
    return report;
}

tvk::Result<void> storeFolderTimes(CardIndex &index, const std::optional<QByteArray> &times)
{
    if (!times)
        return index.db().exec("DELETE FROM card WHERE key = 'folders'");
    tvk::Result<SqliteStatement> store =
        index.db().prepare("INSERT OR REPLACE INTO card(key, value) VALUES('folders', ?1)");
    if (!store)
        return store.failure();
    return store->bind(1, QString::fromLatin1(times->toBase64())).run();
}

// The report of an index whose card has not changed since its last whole walk; nothing when
// the card must be walked.
tvk::Result<std::optional<IndexUpdateReport>> unchangedSinceLastWalk(CardIndex &index)
{
    const tvk::Result<bool> current = isVouchedCurrent(index);
    if (!current)
        return current.failure();
    if (!*current)
        return std::optional<IndexUpdateReport>();
    const tvk::Result<qint64> recordings = index.db().integer("SELECT count(*) FROM recordings");
    if (!recordings)
        return recordings.failure();
    IndexUpdateReport report;
    report.recordings = report.unchanged = *recordings;
    report.walked = false;
    tvk::Result<IndexUpdateReport> counted = countsOf(index, report);
    if (!counted)
        return counted.failure();
    return std::optional<IndexUpdateReport>(*counted);
}

} // namespace

tvk::Result<bool> isVouchedCurrent(CardIndex &index)
{
    if (index.wasRebuilt())
        return false;
    tvk::Result<SqliteStatement> select = index.db().prepare(
        "SELECT value FROM card WHERE key = 'folders' AND EXISTS (SELECT 1 FROM card "
        "WHERE key = 'trips' AND value = 'current')");
    if (!select)
        return select.failure();
    const QByteArray stored =
        select->next() ? QByteArray::fromBase64(select->text(0).toLatin1()) : QByteArray();
    if (tvk::Result<void> done = select->finish(); !done)
        return done.failure();
    return folderTimesMatch(index.folder(), stored);
}

namespace {

tvk::Result<IndexUpdateReport> updateOnce(CardIndex &index,
                                          const std::function<void(qsizetype, qsizetype)> &progress,
                                          const std::atomic<bool> *cancel)
{
    const qint64 walkStart = QDateTime::currentMSecsSinceEpoch();
    tvk::Result<std::optional<IndexUpdateReport>> unchanged = unchangedSinceLastWalk(index);
    if (!unchanged)
        return unchanged.failure();
    if (*unchanged)
        return **unchanged;
    // Until this walk is whole and written, the folders' times vouch for nothing.
    if (tvk::Result<void> done = storeFolderTimes(index, std::nullopt); !done)
        return done.failure();
    IndexUpdateReport report;
    report.rebuilt = index.wasRebuilt();
    const Walk collected = MediaList::collect(index.folder(), cancel);
    const WalkReport &walk = collected.report;
    const QList<MediaFile> &medias = collected.found;
    if (!walk.unreadableFolders.isEmpty() &&
        walk.unreadableFolders.first().subject == index.folder())
        return walk.unreadableFolders.first();
    tvk::Result<QHash<QString, Stored>> stored = storedRecordings(index);
    if (!stored)
        return stored.failure();
    QList<Pending> pending;
    QStringList gone;
    QSet<QString> present;
    for (const MediaFile &media : medias) {
        const QFileInfo info(media.path());
        const QString relative = index.relativePath(media.path());
        present.insert(relative);
        const qint64 modified = info.lastModified().toMSecsSinceEpoch();
        const auto known = stored->constFind(relative);
        if (known != stored->cend() && known->size == info.size() &&
            known->modifiedMs == modified) {
            ++report.unchanged;
            continue;
        }
        (known == stored->cend() ? report.added : report.changed) += 1;
        pending.append({media, info.size(), modified});
    }
    // A walk that missed folders (unreadable, or stopped) says nothing of what is gone.
    const bool wholeWalk = !walk.cancelled && !(cancel && *cancel) &&
                           walk.unreadableFolders.isEmpty() && !walk.stoppedAtLimit;
    for (auto it = stored->cbegin(); wholeWalk && it != stored->cend(); ++it) {
        if (!present.contains(it.key()))
            gone.append(it.key());
    }
    report.recordings = medias.size();
    report.removed = gone.size();

    IndexWriter writer(index);
    if (tvk::Result<void> done = writer.forget(gone); !done)
        return done.failure();
    const qsizetype total = pending.size();
    if (progress)
        progress(0, total);
    QFuture<IndexedRecording> next = extractBatch(pending, 0);
    for (qsizetype from = 0; from < total; from += kIndexBatch) {
        const QList<IndexedRecording> batch = next.results();
        if (from + kIndexBatch < total && !(cancel && *cancel))
            next = extractBatch(pending, from + kIndexBatch);
        if (tvk::Result<void> done = writer.store(batch); !done)
            return done.failure();
        if (progress)
            progress(std::min(total, from + kIndexBatch), total);
        if (cancel && *cancel)
            break;
    }
    tvk::Result<bool> tripsCurrent = writer.tripsCurrent();
    if (!tripsCurrent)
        return tripsCurrent.failure();
    if (!*tripsCurrent && !(cancel && *cancel)) {
        if (tvk::Result<void> done = writer.regroupTrips(); !done)
            return done.failure();
    }
    if (wholeWalk && !(cancel && *cancel)) {
        if (tvk::Result<void> done =
                storeFolderTimes(index, folderTimes(index.folder(), walkStart));
            !done)
            return done.failure();
    }
    return countsOf(index, report);
}

} // namespace

tvk::Result<IndexUpdateReport>
updateCardIndex(CardIndex &index, const std::function<void(qsizetype, qsizetype)> &progress,
                const std::atomic<bool> *cancel)
{
    tvk::Result<IndexUpdateReport> report = updateOnce(index, progress, cancel);
    // Damage that only shows once pages are read: start again from the card.
    if (!report && isDamagedDatabase(report.failure())) {
        if (tvk::Result<void> restarted = index.restart(); !restarted)
            return restarted.failure();
        report = updateOnce(index, progress, cancel);
    }
    return report;
}
