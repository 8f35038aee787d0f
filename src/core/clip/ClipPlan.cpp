#include "core/clip/ClipPlan.h"

#include <algorithm>
#include <set>

namespace clip {

namespace {

// The recording of one camera covering `at`, the latest started first.
const Recording *covering(const QList<Recording> &recordings, bool rear, const QDateTime &at)
{
    const Recording *best = nullptr;
    for (const Recording &r : recordings) {
        if (r.rear != rear || r.lengthMs <= 0 || r.start > at || r.end() <= at)
            continue;
        if (!best || r.start > best->start)
            best = &r;
    }
    return best;
}

std::optional<Source> sourceAt(const Recording *recording, const QDateTime &at)
{
    if (!recording)
        return std::nullopt;
    return Source{recording->path, recording->start.msecsTo(at), recording->lengthMs};
}

// Whether `next` continues `segment` with the same recordings, without a jump inside them.
bool continues(const Segment &segment, const Segment &next)
{
    const auto same = [&segment](const std::optional<Source> &a, const std::optional<Source> &b) {
        if (a.has_value() != b.has_value())
            return false;
        return !a || (a->path == b->path && a->offsetMs + segment.lengthMs == b->offsetMs);
    };
    return same(segment.front, next.front) && same(segment.rear, next.rear);
}

// The recordings with the small holes between one camera's consecutive recordings closed.
QList<Recording> joined(QList<Recording> recordings)
{
    for (Recording &r : recordings) {
        const QDateTime end = r.end();
        for (const Recording &next : std::as_const(recordings)) {
            const qint64 hole = end.msecsTo(next.start);
            if (next.rear == r.rear && hole > 0 && hole <= kJoinToleranceMs) {
                r.lengthMs += hole;
                break;
            }
        }
    }
    return recordings;
}

} // namespace

const Segment &Plan::segmentAt(qint64 clipMs) const
{
    for (const Segment &segment : segments) {
        if (clipMs < segment.endMs())
            return segment;
    }
    return segments.last();
}

tvk::Result<Plan> planRange(const QList<Recording> &given, const QDateTime &from,
                            const QDateTime &to)
{
    const QList<Recording> recordings = joined(given);
    if (!from.isValid() || !to.isValid() || from >= to)
        return tvk::Failure{QT_TRID_NOOP("msg.clip_empty_range")};
    // Every moment a recording starts or ends splits the range.
    std::set<QDateTime> cuts{from, to};
    for (const Recording &r : recordings) {
        for (const QDateTime &t : {r.start, r.end()}) {
            if (t > from && t < to)
                cuts.insert(t);
        }
    }
    Plan plan{from, to, {}};
    bool anyRecording = false;
    for (auto it = cuts.begin(); std::next(it) != cuts.end(); ++it) {
        const QDateTime &a = *it;
        Segment next{from.msecsTo(a), a.msecsTo(*std::next(it)),
                     sourceAt(covering(recordings, false, a), a),
                     sourceAt(covering(recordings, true, a), a)};
        anyRecording = anyRecording || !next.isGap();
        if (!plan.segments.isEmpty() && continues(plan.segments.last(), next))
            plan.segments.last().lengthMs += next.lengthMs;
        else
            plan.segments.append(next);
    }
    if (!anyRecording)
        return tvk::Failure{QT_TRID_NOOP("msg.clip_no_recording")};
    for (const Segment &segment : std::as_const(plan.segments)) {
        if (segment.isGap() && segment.lengthMs > kMaxGapMs)
            return tvk::Failure{
                QT_TRID_NOOP("msg.clip_gap_too_long"),
                {},
                {},
                {QString::number(segment.lengthMs / 1000), QString::number(kMaxGapMs / 1000)}};
    }
    return plan;
}

tvk::Result<Plan> planPair(const QList<Recording> &pair)
{
    if (pair.isEmpty())
        return tvk::Failure{QT_TRID_NOOP("msg.clip_no_recording")};
    QDateTime from = pair.first().start;
    QDateTime to = pair.first().end();
    for (const Recording &r : pair) {
        from = std::min(from, r.start);
        to = std::max(to, r.end());
    }
    return planRange(pair, from, to);
}

std::optional<QDateTime> parseCardTime(const QString &text)
{
    // Date and time apart: as one local time, a daylight-saving gap would make it invalid.
    const QString trimmed = text.trimmed();
    if (trimmed.size() != 19 || trimmed[10] != u' ')
        return std::nullopt;
    const QDate date = QDate::fromString(trimmed.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(trimmed.mid(11), QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

} // namespace clip
