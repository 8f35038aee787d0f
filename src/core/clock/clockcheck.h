#pragma once

#include "core/catalogue/MediaFile.h"
#include "core/telemetry/RecordedTelemetry.h"

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
std::optional<FirstValidFix> firstValidFix(const RecordedTelemetry &telemetry);

// (name time + the fix's record time) - the fix's UTC time, in seconds, before any zone is
// taken off. Nothing when the name has no time or the recording no valid fix.
std::optional<double> rawClockOffset(const MediaFile &media, const RecordedTelemetry &telemetry);

struct ClockReading
{
    QString path;
    std::optional<double> offsetSeconds; // positive: the camera's clock is ahead
};

// Where the zone taken off the offsets comes from.
enum class ClockZoneSource {
    Settings, // the card's config.bin
    Guessed,  // the real zone nearest the median offset
    None,     // neither: no config.bin and no fix to guess from
};

struct ClockReport
{
    QList<ClockReading> recordings;
    std::optional<double> medianOffsetSeconds;
    int zoneSeconds = 0;
    ClockZoneSource zoneSource = ClockZoneSource::None;
};

// Zones in use run from UTC-12:00 to UTC+14:00, in steps of 15 minutes.
inline constexpr int kZoneStepSeconds = 15 * 60;
inline constexpr int kWestmostZoneSeconds = -12 * 3600;
inline constexpr int kEastmostZoneSeconds = 14 * 3600;

// The real zone nearest an offset in seconds: a camera a year off keeps its year as clock
// error rather than getting a zone no place has.
int nearestZoneSeconds(double offsetSeconds);

// Takes the card's zone off every raw offset. Without a zone, the zone is guessed as the real
// one nearest the median raw offset, so only the clock's own error is reported.
ClockReport clockReport(const QList<ClockReading> &rawOffsets, std::optional<int> zoneSeconds);

// Beyond this the camera's clock wants setting.
inline constexpr double kClockToleranceSeconds = 2;
