#pragma once

#include "core/catalogue/TVKMedia.h"
#include "core/telemetry/TVKTelemetry.h"

#include <QDateTime>
#include <QList>

#include <optional>

// How far the camera's clock is off, from the GPS time its recordings carry.

// The first fix of a recording with a valid RMC sentence (status A, time and date).
struct FirstValidFix
{
    qint64 recordMs = 0; // the record's time in the recording, from its first record
    QDateTime utc;
};
std::optional<FirstValidFix> firstValidFix(const TVKTelemetry &telemetry);

// (name time + the fix's record time) - the fix's UTC time, in seconds, before any zone is
// taken off. Nothing when the name has no time or the recording no valid fix.
std::optional<double> rawClockOffset(const TVKMedia &media, const TVKTelemetry &telemetry);

struct ClockReading
{
    QString path;
    std::optional<double> offsetSeconds; // positive: the camera's clock is ahead
};

struct ClockReport
{
    QList<ClockReading> recordings;
    std::optional<double> medianOffsetSeconds;
    int zoneSeconds = 0;
    bool zoneFromSettings = false; // else the zone is the median rounded to 15 minutes
};

// Takes the card's zone off every raw offset. Without a zone, the zone is the median raw
// offset rounded to the nearest 15 minutes, so only the clock's own error is reported.
ClockReport clockReport(const QList<ClockReading> &rawOffsets, std::optional<int> zoneSeconds);

// Beyond this the camera's clock wants setting.
inline constexpr double kClockToleranceSeconds = 2;
