#pragma once

#include "core/catalogue/MediaFile.h"
#include "core/route/routepoints.h"

#include <QList>
#include <QString>

#include <optional>

// One route point as the index keeps it: a second of the recording.
struct IndexedPoint
{
    qint64 offsetMs = 0;         // from the recording's first record
    quint32 cameraMs = 0;        // the record's time stamp on the camera's clock
    std::optional<qint64> utcMs; // the receiver's time, when it gave one
    double latitude = 0;
    double longitude = 0;
    double metresPerSecond = 0;
    double heading = 0; // degrees clockwise from north, as the receiver gave it
};

// The route point an indexed point stands for, as a reading of the recording would give it.
RoutePoint routePointOf(const IndexedPoint &point);

// What the index learns of one recording file, read off the interface thread.
struct IndexedRecording
{
    QString path; // absolute
    qint64 size = 0;
    qint64 modifiedMs = 0;
    int kind = MediaFile::Always;
    int side = MediaFile::Front;
    QString start;                  // the name's time, "yyyy-MM-ddTHH:mm:ss", camera's clock
    std::optional<qint64> lengthMs; // none when the file could not be read: not guessed
    std::optional<double> clockOffsetSeconds; // raw, before the zone is taken off
    QList<IndexedPoint> points;
};

// Reads the recording's header and telemetry in one pass over the file.
IndexedRecording readIndexedRecording(const MediaFile &media, qint64 size, qint64 modifiedMs);
