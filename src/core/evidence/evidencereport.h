#pragma once

#include "core/catalogue/MediaFile.h"
#include "core/common/result.h"
#include "core/route/routepoints.h"
#include "core/settings/FileData.h"

#include <QStringList>

#include <optional>

// The sample that strays furthest from rest (0, 0, +1 g); -1 without samples.
qsizetype peakSample(const QList<GSensor> &samples);

// What the report of an evidence folder states.
struct EvidenceFacts
{
    MediaFile recording;
    QString partnerName;                        // empty without a partner
    std::optional<tvk::Failure> partnerRefused; // why a file of the partner's name was not taken
    std::optional<GSensor> peak;
    double peakSeconds = 0;          // from the recording's first record
    std::optional<RoutePoint> place; // the fix nearest the peak, or the first one
    std::optional<SettingsRecord> settings;
    std::optional<double> clockOffsetSeconds; // with the card's zone taken off
    bool clockZoneGuessed = false;            // no config.bin: the zone came from the GPS time
    QStringList files;                        // as named in the folder
    QStringList withoutTelemetry;             // recordings that carry none: no CSV or GPX for them
    QString graphFile = QStringLiteral("gsensor.png");
    QString mapFile = QStringLiteral("route.png");
    QString sumsFile = QStringLiteral("SHA256SUMS");
};

// A short self-contained HTML page: time, place, speed and peak G at the event, the camera
// settings that matter (thresholds, time zone), the clock check and the files.
QByteArray evidenceReportHtml(const EvidenceFacts &facts);
