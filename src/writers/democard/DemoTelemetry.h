#pragma once

#include "core/telemetry/AviRecords.h"
#include "writers/democard/DemoDrive.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

// What the camera's GPS receiver and G-sensor report along the drive. The receiver speaks
// NMEA with the GN talker (GPS and GLONASS): RMC, GGA, then one GSA for each system, once a
// second. The G-sensor is sampled ten times a second.
//
// G-sensor axes, as the camera is mounted: X points forward, Y to the left, Z up. A sample is
// the car's acceleration in g plus the 1 g with which the road holds it up, so a car at rest
// reads (0, 0, +1), braking reads negative X and a right-hand bend negative Y.
class DemoTelemetry
{
public:
    struct Fix
    {
        QDateTime utc;
        double latitude = 0;  // degrees, north positive
        double longitude = 0; // degrees, east positive
        double knots = 0;
        double course = 0; // degrees from north
        double altitude = 0;
        QList<int> gpsSatellites;     // PRNs 1-32 used in the fix
        QList<int> glonassSatellites; // PRNs 65-96
        double hdop = 0;
        double pdop = 0;
        double vdop = 0;
        int satellites() const { return int(gpsSatellites.size() + glonassSatellites.size()); }
    };

    struct Sample
    {
        qint32 x = 0, y = 0, z = 0; // 256 counts per g
    };

    // `start` is the first slot's start in the camera's local time.
    DemoTelemetry(const DemoDrive &drive, const QDateTime &start, quint64 seed);

    // The fix at whole second `second` of the drive.
    Fix fix(int second) const;
    // The four sentences of one fix, each ended by CR LF.
    QByteArray nmea(const Fix &fix) const;
    // The camera's record of that second: header, clock, position and speed, and the text.
    AviGpsRecord gpsRecord(int second) const;

    // The G-sensor sample at tenth `tenth` of the drive, and its record.
    Sample sample(int tenth) const;
    AviGSensorRecord gSensorRecord(int tenth) const;

    // The camera's millisecond clock, which started when it was switched on shortly before
    // the drive.
    static quint32 cameraClock(double driveSeconds);
    // The text's coordinate as a number: ddmm.mmmm, exactly as printed.
    static double printedCoordinate(double degrees, bool longitude);

    const QDateTime &start() const { return m_start; }

private:
    const DemoDrive &m_drive;
    QDateTime m_start;
    quint64 m_seed;
    QList<int> m_gpsPool;
    QList<int> m_glonassPool;
};
