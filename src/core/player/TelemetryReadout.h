#pragma once

#include "core/telemetry/RecordedTelemetry.h"

#include <QString>

#include <optional>

// What the player window shows of the telemetry at a play position. The G-sensor readouts
// follow the G-sensor samples; map position and speed follow the GPS record of the second the
// sample lies in (the speed the camera burnt into that second's picture);
// HDOP and satellites follow the NMEA fixes, each array indexed by its own count.
namespace readout {

// The GPS record of the second G-sensor sample `sample` lies in: the last one not later than
// the sample (the first before any), an index into m_GpsRecords; -1 without records. The
// stored alignment (m_vGpsData) pairs a sample with the next record instead, as the exports
// expect, which on screen would show the following second's fix.
qsizetype gpsRecordOfSample(const RecordedTelemetry &telemetry, qsizetype sample);

// The entry of an array of n (> 0) entries that a position (0 to 1) falls on.
qsizetype sampleIndex(double position, qsizetype count);

// "X=+0.25", "Y=-0.50", "Z=0.00": a plus sign only above zero.
QString axisText(char axis, double value);

struct GSensorTexts
{
    QString x, y, z;
};
// Nothing when there are no samples (the fields keep their texts).
std::optional<GSensorTexts> gsensorTexts(const RecordedTelemetry &telemetry, double position);

struct GpsReadout
{
    bool hasGps = false; // false: the map is told there is no GPS data
    double latitude = 0; // decimal degrees, signed
    double longitude = 0;
    std::optional<QString> speed; // "57 Km/h" / "57 Mi/h"
    std::optional<QString> hdop;  // "%.1f"
    std::optional<QString> satellites;
};

// The map position and speed at play positions in turn. The hemispheres last seen are kept:
// a record without its own fix shows them, so one memory follows one playback.
class HemisphereMemory
{
public:
    GpsReadout gpsReadout(const RecordedTelemetry &telemetry, double position);

private:
    bool m_south = false;
    bool m_west = false;
};

inline constexpr char kNoGpsDebugText[] = "GPS Data Count=Zero";

// The reset text shown when a recording starts: "X=+0.00" (a sample of zero shows "X=0.00").
QString resetAxisText(char axis);

} // namespace readout
