#pragma once

#include "core/clock/clockcheck.h"
#include "core/index/cardindex.h"
#include "core/route/recordingtelemetry.h"

// What the rest of the program reads from the index instead of the recordings.

// Hands every indexed route to the cache, keyed by the size and time the index read the file
// at: a file changed since is read again by the cache as before.
tvk::Result<void> adoptIndexedRoutes(CardIndex &index, RouteCache &cache);

// The raw clock offsets of the given recordings, when the index holds each of them as the card
// has it now; nothing when one is missing or changed.
tvk::Result<std::optional<QList<ClockReading>>> indexedClockReadings(CardIndex &index,
                                                                     const QStringList &paths);

// The index of a card folder when one was built before; nothing otherwise (none is created).
std::unique_ptr<CardIndex> existingCardIndex(const QString &folder);
