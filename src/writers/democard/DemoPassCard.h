#pragma once

#include "core/common/result.h"
#include "writers/democard/DemoRoute.h"

#include <QDateTime>
#include <QList>
#include <QString>

// A card of two mornings on the sample card's loop, a day apart, in light recordings (one
// placeholder frame a second, front and rear): the second drive starts further along the loop,
// so both pass the same stretch at different moments of their recordings. Cheap enough to
// write in every test that wants routes to search.
class DemoPassCard
{
public:
    static constexpr int kRecordingSeconds = 20;
    static constexpr double kMetresPerSecond = 10;
    static constexpr int kZoneSeconds = 9 * 3600;

    struct Drive
    {
        QDateTime start;   // camera's clock, held as UTC
        double fromMetres; // where on the loop it starts, from the loop's start
        int recordings;
    };
    // Where a drive was at one moment of one of its recordings.
    struct Moment
    {
        QString path; // relative to the card
        double offsetSeconds;
        QDateTime time; // camera's clock
    };

    static QList<Drive> drives();
    // The front and rear recordings of a drive, relative to the card.
    static QStringList recordingPaths(const Drive &drive);

    // Writes every drive into `folder`.
    static tvk::Result<void> write(const QString &folder);
    // Writes one recording of a drive: slot `slot`, front or rear.
    static tvk::Result<void> writeRecording(const QString &folder, const Drive &drive, int slot,
                                            bool rear);

    // The place `metres` along the loop from its start, in signed degrees.
    static DemoRoute::Degrees placeAt(double metres);
    // Every moment a front recording is at that place, in time order.
    static QList<Moment> frontMomentsAt(double metres);
};
