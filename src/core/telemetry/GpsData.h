#pragma once

#include <QtGlobal>

#include <array>

// A calendar time as the receiver's RMC sentence gives it (UTC).
struct SystemTime
{
    quint16 wYear = 0;
    quint16 wMonth = 0;
    quint16 wDayOfWeek = 0;
    quint16 wDay = 0;
    quint16 wHour = 0;
    quint16 wMinute = 0;
    quint16 wSecond = 0;
    quint16 wMilliseconds = 0;

    friend bool operator==(const SystemTime &, const SystemTime &) = default;
};

// One GPS fix as the NMEA parser keeps it. Latitude and Longitude stay in the receiver's
// ddmm.mmmm form without sign; NS and EW carry the hemispheres.
class GpsData
{
public:
    static constexpr int kChannels = 12;

    GpsData() = default;

    void clear() { *this = GpsData(); }

    // Channels outside 0..11 read as 0 and ignore writes.
    quint8 SatelliteUsedAtIndex(int index) const;
    void setSatelliteUsed(quint8 value, int index);

    friend bool operator==(const GpsData &, const GpsData &) = default;

    std::array<quint8, kChannels> SatelliteUsed{};
    char NS = 'N';
    char EW = 'E';
    quint8 Enable_GNGNS = 0;
    quint8 Enable_GNGSA = 0;
    // 1 while the next GSA sentence is taken to be the GLONASS one.
    quint8 Cnt_GNGSA = 0;
    quint32 SatelliteUsedCount = 0;
    quint32 SatelliteUsedCount_GPS = 0;
    quint32 SatelliteUsedCount_GLONASS = 0;
    double HDOP = 0;
    double Latitude = 0;
    double Longitude = 0;
    double SpeedOverGround = 0;
    double CourseOverGround = 0;
    SystemTime Now;
};
