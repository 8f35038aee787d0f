#pragma once

#include "core/common/result.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// A stretch of the card's clock turned into the pieces of recordings that show it. Times on
// the card's clock are kept as UTC QDateTimes holding the camera's wall time, so that no
// time zone or daylight rule shifts them.
namespace clip {

// The longest stretch without any recording that a clip shows as black; a longer one means
// the range spans separate drives and is refused.
inline constexpr qint64 kMaxGapMs = 30000;

// A recording's header gives its length in whole frames, the name its start in whole seconds:
// a recording that ends this little before the camera's next one starts runs up to it.
inline constexpr qint64 kJoinToleranceMs = 100;

// A recording that may take part in a clip.
struct Recording
{
    QString path;
    bool rear = false;
    QDateTime start; // the card's clock, from the file name
    qint64 lengthMs = 0;
    QDateTime end() const { return start.addMSecs(lengthMs); }
};

// Where a camera's picture comes from during a segment.
struct Source
{
    QString path;
    qint64 offsetMs = 0; // into the recording, at the segment's start
    qint64 lengthMs = 0; // of the whole recording
    friend bool operator==(const Source &, const Source &) = default;
};

// A stretch of the clip during which each camera shows one recording (or nothing).
struct Segment
{
    qint64 startMs = 0; // from the clip's start
    qint64 lengthMs = 0;
    std::optional<Source> front;
    std::optional<Source> rear;
    qint64 endMs() const { return startMs + lengthMs; }
    bool isGap() const { return !front && !rear; }
    friend bool operator==(const Segment &, const Segment &) = default;
};

struct Plan
{
    QDateTime from;
    QDateTime to;
    QList<Segment> segments; // in order, without holes, together from `from` to `to`
    qint64 lengthMs() const { return from.msecsTo(to); }
    // The segment holding a moment of the clip (the last one for its very end).
    const Segment &segmentAt(qint64 clipMs) const;
};

// The recordings that cover [from, to), camera by camera: where several recordings of one
// camera overlap, the one that started last is shown. Refused when the range is empty, holds
// no recording, or has a stretch without any recording longer than kMaxGapMs.
tvk::Result<Plan> planRange(const QList<Recording> &recordings, const QDateTime &from,
                            const QDateTime &to);

// The whole length of a recording and its partner, from the earlier start to the later end.
tvk::Result<Plan> planPair(const QList<Recording> &pair);

// Reads "yyyy-MM-dd HH:mm:ss" as a time on the card's clock.
std::optional<QDateTime> parseCardTime(const QString &text);

} // namespace clip
