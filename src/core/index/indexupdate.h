#pragma once

#include "core/common/result.h"
#include "core/index/cardindex.h"

#include <atomic>
#include <functional>

// What bringing an index up to date with its card did.
struct IndexUpdateReport
{
    qsizetype recordings = 0; // on the card now
    qsizetype added = 0;
    qsizetype changed = 0; // size or modification time differ from the index
    qsizetype removed = 0;
    qsizetype unchanged = 0;
    qsizetype points = 0; // route points in the index afterwards
    qsizetype trips = 0;
    bool rebuilt = false; // the file was of another version or damaged and started again
    bool walked = true;   // false when the folders' times showed nothing had changed

    bool changedAnything() const { return added || changed || removed; }
};

// Files are read in batches this size: each is extracted on all cores while the one before
// is written, and each is one transaction.
inline constexpr qsizetype kIndexBatch = 64;

// Brings the index up to date with the card's folder. When no folder of the card has changed
// its time since the last whole walk, nothing is walked (see foldertimes.h). Otherwise reads the
// recordings that are new or changed (on the background pool), forgets removed ones and regroups
// the trips. The card is only read. `progress` hears (done, total) from the calling thread; the
// update stops between batches once `cancel` is set, leaving every batch written whole.
tvk::Result<IndexUpdateReport>
updateCardIndex(CardIndex &index,
                const std::function<void(qsizetype done, qsizetype total)> &progress = {},
                const std::atomic<bool> *cancel = nullptr);

// True when the card has not changed since the index's last whole walk, as its folders' times
// show, and its trips are grouped: the index then answers for every recording without a look
// at the files. Nothing is walked or written.
tvk::Result<bool> isVouchedCurrent(CardIndex &index);
