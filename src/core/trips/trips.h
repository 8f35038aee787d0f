#pragma once

#include "core/catalogue/MediaFile.h"
#include "core/common/result.h"

#include <QDateTime>
#include <QList>

#include <functional>

// Recordings that follow each other within this many seconds belong to one drive.
inline constexpr qint64 kTripGapSeconds = 90;

// One drive: continuous and event recordings in a row, front and rear.
struct Trip
{
    QList<MediaFile> recordings; // catalogue order, front and rear
    QList<qint64> lengthsMs;     // one per recording
    QDateTime start;             // the first recording's name time (camera's clock, no zone)
    QDateTime end;               // the latest end of a recording: name time plus length

    // Whole seconds, to the nearest: a header's 1800 frames of 33,333 us end just short.
    qint64 seconds() const { return (start.msecsTo(end) + 500) / 1000; }
    // The recordings that carry the trip's route: each moment's front recording, or its rear
    // one when the front is missing.
    QList<MediaFile> routeRecordings() const;
    bool contains(const QString &path) const;
};

// A recording's start as its name gives it, as a wall-clock time without zone (held as
// UTC); invalid when the name has no valid time.
QDateTime nameTime(const MediaFile &media);

using RecordingLength = std::function<tvk::Result<qint64>(const MediaFile &)>;

struct TripGrouping
{
    QList<Trip> trips;
    QList<tvk::Failure> skipped; // recordings whose length could not be read
};

// Groups catalogue entries (in catalogue order) into trips. A recording joins the trip
// before it when it starts at most kTripGapSeconds after the latest end so far; the front
// and rear recording of one moment always share their trip. Motion recordings belong to no
// trip and end the one before them; recordings without a valid name time are left out, and
// so are those whose length cannot be read (no length is guessed for them).
TripGrouping groupTrips(const QList<MediaFile> &medias, const RecordingLength &lengthMs);
// The same with each length read from the recording's AVI header.
TripGrouping groupTrips(const QList<MediaFile> &medias);
