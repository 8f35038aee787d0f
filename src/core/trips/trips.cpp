#include "core/trips/trips.h"

#include "core/telemetry/recordinglength.h"

#include <QSet>

#include <algorithm>

QDateTime nameTime(const MediaFile &media)
{
    const QDate day(media.year(), media.month(), media.day());
    if (!day.isValid() || media.year() == 0)
        return {};
    // The camera's names allow hour 24 and minute or second 60: they count on.
    return QDateTime(day, QTime(0, 0), Qt::UTC)
        .addSecs(qint64(media.hour()) * 3600 + media.minute() * 60 + media.second());
}

QList<MediaFile> Trip::routeRecordings() const
{
    QSet<QString> withFront;
    for (const MediaFile &m : recordings) {
        if (m.isFrontMedia())
            withFront.insert(m.mediaGroupName());
    }
    QList<MediaFile> route;
    for (const MediaFile &m : recordings) {
        if (m.isFrontMedia() || !withFront.contains(m.mediaGroupName()))
            route.append(m);
    }
    return route;
}

bool Trip::contains(const QString &path) const
{
    return std::any_of(recordings.cbegin(), recordings.cend(),
                       [&path](const MediaFile &m) { return m.path() == path; });
}

TripGrouping groupTrips(const QList<MediaFile> &medias, const RecordingLength &lengthMs)
{
    TripGrouping grouping;
    QList<Trip> &trips = grouping.trips;
    Trip current;
    QSet<QString> groups; // moments already in the current trip
    const auto close = [&] {
        if (!current.recordings.isEmpty())
            trips.append(std::move(current));
        current = Trip();
        groups.clear();
    };
    for (const MediaFile &media : medias) {
        if (media.isMotionMedia()) {
            close();
            continue;
        }
        const QDateTime start = nameTime(media);
        if (!start.isValid())
            continue;
        const tvk::Result<qint64> length = lengthMs(media);
        if (!length) {
            grouping.skipped.append(length.failure());
            continue;
        }
        const QString group = media.mediaGroupName();
        const bool sameMoment = groups.contains(group);
        if (!current.recordings.isEmpty() && !sameMoment &&
            current.end.msecsTo(start) > kTripGapSeconds * 1000)
            close();
        const QDateTime end = start.addMSecs(*length);
        if (current.recordings.isEmpty())
            current.start = start;
        if (!current.end.isValid() || end > current.end)
            current.end = end;
        current.recordings.append(media);
        current.lengthsMs.append(*length);
        groups.insert(group);
    }
    close();
    return grouping;
}

TripGrouping groupTrips(const QList<MediaFile> &medias)
{
    return groupTrips(medias, [](const MediaFile &m) { return recordingLengthMs(m.path()); });
}
