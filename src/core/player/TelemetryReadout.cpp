#include "core/player/TelemetryReadout.h"

#include "core/common/cformat.h"
#include "core/telemetry/NmeaCoordinate.h"

#include <cmath>

namespace readout {

qsizetype sampleIndex(double position, qsizetype count)
{
    if (count <= 0)
        return -1;
    // Truncated toward zero; NaN and negative positions land on the first sample.
    const double scaled = position * static_cast<double>(count);
    qsizetype index = 0;
    if (scaled >= static_cast<double>(count))
        index = count - 1;
    else if (scaled > 0)
        index = static_cast<qsizetype>(scaled);
    return std::min(index, count - 1);
}

qsizetype gpsRecordOfSample(const RecordedTelemetry &telemetry, qsizetype sample)
{
    const QList<AviGpsData> &records = telemetry.m_GpsRecords;
    const QList<AviGSensorData> &samples = telemetry.m_vGSensorData;
    if (records.isEmpty() || sample < 0 || sample >= samples.size())
        return -1;
    // Samples after the last record are not aligned: the last record is their second's.
    if (sample >= telemetry.m_vGpsRecordIndex.size())
        return records.size() - 1;
    const qsizetype next = telemetry.m_vGpsRecordIndex[sample];
    if (next < 0 || next >= records.size())
        return -1;
    // The same tenths as the alignment compares.
    const quint32 sampleTenths = samples[sample].data().timestampMs() / 100;
    const quint32 recordTenths = records[next].data().timestampMs() / 100;
    return sampleTenths >= recordTenths || next == 0 ? next : next - 1;
}

QString axisText(char axis, double value)
{
    return tvk::cformat("%c=%s%.2lf", axis, value > 0.0 ? "+" : "", value);
}

QString resetAxisText(char axis)
{
    return tvk::cformat("%c=+0.00", axis);
}

std::optional<GSensorTexts> gsensorTexts(const RecordedTelemetry &telemetry, double position)
{
    const qsizetype n = telemetry.m_GSensors.size();
    if (n == 0)
        return std::nullopt;
    const GSensor &sample = telemetry.m_GSensors[sampleIndex(position, n)];
    return GSensorTexts{axisText('X', sample.x), axisText('Y', sample.y), axisText('Z', sample.z)};
}

GpsReadout HemisphereMemory::gpsReadout(const RecordedTelemetry &telemetry, double position)
{
    GpsReadout out;
    // The record of the second on screen, found through the G-sensor sample at the position;
    // without samples the GPS records follow their own times.
    const qsizetype samples = telemetry.m_vGSensorData.size();
    const qsizetype onScreen =
        samples > 0 ? gpsRecordOfSample(telemetry, sampleIndex(position, samples)) : -1;
    const QList<AviGpsData> &records = onScreen >= 0 || telemetry.m_vGpsData.isEmpty()
                                           ? telemetry.m_GpsRecords
                                           : telemetry.m_vGpsData;
    const qsizetype n = records.size();
    if (n > 0) {
        const qsizetype i = onScreen >= 0 ? onScreen : sampleIndex(position, n);
        const AviGpsRecord &record = records[i].data();
        double lat = std::fabs(record.nmeaLatitude());
        double lon = std::fabs(record.nmeaLongitude());
        if (onScreen >= 0) {
            const GpsData fix = telemetry.fixAfterGpsRecord(i);
            if (fix.NS == 'N' || fix.NS == 'S')
                m_south = fix.NS == 'S';
            if (fix.EW == 'E' || fix.EW == 'W')
                m_west = fix.EW == 'W';
        } else if (i < telemetry.m_NMEAs.size()) {
            const GpsData &fix = telemetry.m_NMEAs[i];
            m_south = fix.NS != 'N';
            m_west = fix.EW != 'E';
        }
        if (m_south)
            lat = -lat;
        if (m_west)
            lon = -lon;
        out.latitude = degreesFromNmeaValue(lat);
        out.longitude = degreesFromNmeaValue(lon);
        // A damaged record's impossible position moves no marker.
        out.hasGps = isPossiblePosition(out.latitude, out.longitude);
        // The number as recorded, whatever its unit; the camera converts nothing.
        out.speed = tvk::cformat(record.speedInKmh() ? "%d Km/h" : "%d Mi/h",
                                 static_cast<int>(record.speed()));
    }
    const qsizetype m = telemetry.m_NMEAs.size();
    if (m > 0) {
        const GpsData &fix = telemetry.m_NMEAs[sampleIndex(position, m)];
        out.hdop = tvk::cformat("%.1f", fix.HDOP);
        out.satellites = tvk::cformat("%d", static_cast<int>(fix.SatelliteUsedCount));
    }
    return out;
}

} // namespace readout
