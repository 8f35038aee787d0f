#pragma once

#include "core/clock/clockcheck.h"
#include "core/index/cardindex.h"
#include "core/route/recordingtelemetry.h"
#include "core/trips/trips.h"

#include <QHash>

// What the rest of the program reads from the index instead of the recordings.

// Makes the index a source of the cache: a route asked for is read from the index, one
// recording at a time and only when asked, as long as the file keeps the size and time the
// index read it at; a file changed since is read again by the cache as before.
tvk::Result<void> adoptIndexedRoutes(CardIndex &index, RouteCache &cache);

// The raw clock offsets of the given recordings, when the index holds each of them as the card
// has it now; nothing when one is missing or changed.
tvk::Result<std::optional<QList<ClockReading>>> indexedClockReadings(CardIndex &index,
                                                                     const QStringList &paths);

// What the index knows of a recording that trips and the clock need.
struct IndexedFacts
{
    std::optional<qint64> lengthMs;           // none for a file that could not be read
    std::optional<double> clockOffsetSeconds; // raw, before the zone is taken off
};
using IndexedFactsByPath = QHash<QString, IndexedFacts>; // by absolute path

// Every recording's facts, when the folders' times vouch for the index (isVouchedCurrent):
// no file is looked at. Nothing when the card may have changed since.
tvk::Result<std::optional<IndexedFactsByPath>> vouchedFacts(CardIndex &index);
// The same of a card folder's index when one was built before (none is made or updated);
// nothing when there is none or it cannot be read.
std::optional<IndexedFactsByPath> vouchedFactsOf(const QString &folder,
                                                 const QString &cacheFolder = {});

// Each recording's length from the facts; one they lack is read from its AVI header.
RecordingLength lengthsFrom(const std::optional<IndexedFactsByPath> &facts);
// The raw clock offset of each of the recordings, from the facts; those they lack are read
// (on the background pool, each file's telemetry dropped once its offset is known).
QList<ClockReading> rawClockReadings(const QList<MediaFile> &recordings,
                                     const std::optional<IndexedFactsByPath> &facts);

// The index of a card folder when one was built before; nothing otherwise (none is created).
std::unique_ptr<CardIndex> existingCardIndex(const QString &folder,
                                             const QString &cacheFolder = {});
