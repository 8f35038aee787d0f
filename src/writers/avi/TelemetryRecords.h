#pragma once

#include "core/telemetry/AviRecords.h"

#include <QByteArray>
#include <QDateTime>

// Telemetry as the camera records it: NMEA text and the raw records around it.
namespace telemetry {

// One receiver fix, in signed decimal degrees.
struct Fix
{
    QDateTime utc;
    double latitude = 0;  // negative: south
    double longitude = 0; // negative: west
    double knots = 0;
    double course = 0;
    int satellites = 0;
    double hdop = 0;
};

// "$" + body + "*" + checksum + CR LF.
QByteArray nmeaSentence(const QByteArray &body);
// The unsigned ddmm.mmmm (or dddmm.mmmm) form of a coordinate.
double nmeaCoordinate(double degrees);
// RMC and GGA sentences of a fix, with the talker "GP" or "GN".
QByteArray rmcSentence(const Fix &fix, const char *talker = "GP");
QByteArray ggaSentence(const Fix &fix, const char *talker = "GP");

// A GPS record with the given NMEA text (cut to the 508 bytes of RawData).
AviGpsRecord gpsRecord(quint32 timestampMs, const QByteArray &nmeaText, double latitudeNmea,
                       double longitudeNmea, quint32 speed, char km = '9');
// The record the camera makes of one fix: position, speed in km/h and the RMC and GGA
// sentences of the fix.
AviGpsRecord gpsRecord(quint32 timestampMs, const Fix &fix);
AviGSensorRecord gSensorRecord(quint32 timestampMs, qint32 x, qint32 y, qint32 z);

} // namespace telemetry
