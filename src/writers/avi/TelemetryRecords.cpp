#include "writers/avi/TelemetryRecords.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace telemetry {

namespace {

QByteArray format(const char *pattern, auto... values)
{
    char text[160];
    const int n = std::snprintf(text, sizeof text, pattern, values...);
    return QByteArray(text, std::clamp(n, 0, int(sizeof text) - 1));
}

QByteArray time(const QDateTime &utc)
{
    if (!utc.isValid())
        return {};
    const QTime t = utc.toUTC().time();
    return format("%02d%02d%02d.%03d", t.hour(), t.minute(), t.second(), t.msec());
}

QByteArray date(const QDateTime &utc)
{
    if (!utc.isValid())
        return {};
    const QDate d = utc.toUTC().date();
    return format("%02d%02d%02d", d.day(), d.month(), d.year() % 100);
}

// "4807.0380,N" / "01131.0000,E"
QByteArray position(const Fix &fix)
{
    return format("%09.4f,%c,%010.4f,%c", nmeaCoordinate(fix.latitude),
                  fix.latitude < 0 ? 'S' : 'N', nmeaCoordinate(fix.longitude),
                  fix.longitude < 0 ? 'W' : 'E');
}

} // namespace

QByteArray nmeaSentence(const QByteArray &body)
{
    quint8 sum = 0;
    for (const char c : body)
        sum ^= static_cast<quint8>(c);
    return '$' + body + format("*%02X\r\n", sum);
}

double nmeaCoordinate(double degrees)
{
    const double magnitude = std::fabs(degrees);
    const double whole = std::floor(magnitude);
    return whole * 100 + (magnitude - whole) * 60;
}

QByteArray rmcSentence(const Fix &fix, const char *talker)
{
    return nmeaSentence(QByteArray(talker) + "RMC," + time(fix.utc) + ",A," + position(fix) + ',' +
                        format("%.2f,%.2f,", fix.knots, fix.course) + date(fix.utc) + ",,,A");
}

QByteArray ggaSentence(const Fix &fix, const char *talker)
{
    return nmeaSentence(QByteArray(talker) + "GGA," + time(fix.utc) + ',' + position(fix) +
                        format(",1,%02d,%.1f,50.0,M,0.0,M,,", fix.satellites, fix.hdop));
}

AviGpsRecord gpsRecord(quint32 timestampMs, const QByteArray &nmeaText, double latitudeNmea,
                       double longitudeNmea, quint32 speed, char km)
{
    AviGpsRecord record;
    record.header = AviGpsRecord::kHeader;
    record.nTimestamp = timestampMs;
    const qsizetype length = std::min(nmeaText.size(), AviGpsRecord::kRawDataSize);
    record.nLen = static_cast<quint32>(length);
    std::memcpy(record.RawData, nmeaText.constData(), static_cast<size_t>(length));
    record.fLatitude = latitudeNmea;
    record.fLongitude = longitudeNmea;
    record.fSpeed = speed;
    record.KM = km;
    return record;
}

AviGpsRecord gpsRecord(quint32 timestampMs, const Fix &fix)
{
    const auto kmh = static_cast<quint32>(std::lround(fix.knots * 1.852));
    AviGpsRecord record =
        gpsRecord(timestampMs, rmcSentence(fix) + ggaSentence(fix), nmeaCoordinate(fix.latitude),
                  nmeaCoordinate(fix.longitude), kmh, '9');
    record.NS = fix.latitude < 0 ? 'S' : 'N';
    record.EW = fix.longitude < 0 ? 'W' : 'E';
    return record;
}

AviGSensorRecord gSensorRecord(quint32 timestampMs, qint32 x, qint32 y, qint32 z)
{
    AviGSensorRecord record;
    record.header = AviGSensorRecord::kHeader;
    record.timestamp = timestampMs;
    record.xAxis = x;
    record.yAxis = y;
    record.zAxis = z;
    return record;
}

} // namespace telemetry
