#pragma once

#include "core/index/cardindex.h"
#include "core/index/indexedrecording.h"

// The index's writes, all on the connection of one CardIndex, each a transaction taken with
// the write lock from its start. Another program may have written the same recordings in the
// meantime: each write looks again under the lock, so both end with the same rows.
class IndexWriter
{
public:
    explicit IndexWriter(CardIndex &index) : m_index(index) {}

    // Forgets recordings (paths relative to the card) with their points.
    tvk::Result<void> forget(const QStringList &relativePaths);
    // Stores recordings read from the card, replacing what the index held of them.
    tvk::Result<void> store(const QList<IndexedRecording> &recordings);
    // Groups the indexed recordings into trips again, with each trip's distance.
    tvk::Result<void> regroupTrips();
    // False after a write that has not been followed by regroupTrips().
    tvk::Result<bool> tripsCurrent();

private:
    tvk::Result<void> inTransaction(const std::function<tvk::Result<void>()> &work);
    tvk::Result<void> forgetOne(const QString &relative);
    tvk::Result<void> storeOne(const IndexedRecording &recording);
    tvk::Result<void> markTrips(bool current);

    CardIndex &m_index;
};
