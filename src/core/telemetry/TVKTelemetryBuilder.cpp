#include "core/telemetry/TVKTelemetryBuilder.h"

TVKTelemetryPtr TVKTelemetry::empty()
{
    static const TVKTelemetryPtr nothing = std::make_shared<const TVKTelemetry>();
    return nothing;
}

TVKGpsData TVKTelemetry::fixAfterGpsRecord(qsizetype record) const
{
    if (record < 0 || record >= m_GpsRecordNMEAEnds.size())
        return {};
    const qsizetype end = m_GpsRecordNMEAEnds[record];
    return end > 0 && end <= m_NMEAs.size() ? m_NMEAs[end - 1] : TVKGpsData();
}

TVKTelemetryBuilder::TVKTelemetryBuilder(const TVKTelemetry &from) : m_telemetry(from)
{
    m_NMEAParser.m_Current = from.lastFix;
}

bool TVKTelemetryBuilder::ParseNMEA(char *buffer, qsizetype bufferSize)
{
    if (!buffer || bufferSize <= 0)
        return false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bufferSize; ++i) {
        const char c = buffer[i];
        if (c == '$') {
            start = i;
        } else if (c == '\r' || c == '\n' || c == '\0') {
            buffer[i] = '\0';
            // buffer[i] is now NUL, so a line shorter than two bytes fails the test here.
            if (buffer[start] == '$' && buffer[start + 1] == 'G') {
                m_NMEAParser.parse(QByteArrayView(buffer + start, i - start));
                m_telemetry.m_NMEAs.append(m_NMEAParser.m_Current);
            }
            start = i + 1;
        }
    }
    m_telemetry.lastFix = m_NMEAParser.m_Current;
    return true;
}

bool TVKTelemetryBuilder::ParseGSensor(const AviGSensorRecord &record)
{
    m_telemetry.m_GSensors.append(TVKGSensor::fromRecord(record));
    return true;
}

void TVKTelemetryBuilder::addGpsRecord(AviGpsRecord record)
{
    ParseNMEA(record.RawData, record.textLength());
    m_telemetry.m_GpsRecords.append(TVKAviGpsData(record));
    m_telemetry.m_GpsRecordNMEAEnds.append(m_telemetry.m_NMEAs.size());
}

void TVKTelemetryBuilder::addGSensorRecord(const AviGSensorRecord &record)
{
    m_telemetry.m_vGSensorData.append(TVKAviGSensorData(record));
    ParseGSensor(record);
}

TVKTelemetryPtr TVKTelemetryBuilder::finish()
{
    QList<quint32> gpsTimes, gSensorTimes;
    gpsTimes.reserve(m_telemetry.m_GpsRecords.size());
    for (const TVKAviGpsData &gps : std::as_const(m_telemetry.m_GpsRecords))
        gpsTimes.append(gps.data().timestampMs());
    gSensorTimes.reserve(m_telemetry.m_vGSensorData.size());
    for (const TVKAviGSensorData &sample : std::as_const(m_telemetry.m_vGSensorData))
        gSensorTimes.append(sample.data().timestampMs());

    m_telemetry.m_vGpsRecordIndex = alignGpsToGSensor(gpsTimes, gSensorTimes);
    m_telemetry.m_vGpsData.clear();
    m_telemetry.m_vGpsData.reserve(m_telemetry.m_vGpsRecordIndex.size());
    for (const qsizetype i : std::as_const(m_telemetry.m_vGpsRecordIndex))
        m_telemetry.m_vGpsData.append(m_telemetry.m_GpsRecords[i]);
    m_telemetry.lastFix = m_NMEAParser.m_Current;

    auto result = std::make_shared<const TVKTelemetry>(std::move(m_telemetry));
    m_telemetry = TVKTelemetry();
    m_NMEAParser.clear();
    return result;
}

TVKTelemetryPtr TVKTelemetryBuilder::snapshot() const
{
    return std::make_shared<const TVKTelemetry>(m_telemetry);
}

QList<qsizetype> alignGpsToGSensor(const QList<quint32> &gpsTimes,
                                   const QList<quint32> &gSensorTimes)
{
    QList<qsizetype> cover;
    cover.reserve(std::min(gpsTimes.size(), gSensorTimes.size()) > 0 ? gSensorTimes.size() : 0);
    qsizetype j = 0;
    for (qsizetype i = 0; i < gpsTimes.size() && j < gSensorTimes.size(); ++i) {
        const quint32 gpsTenths = gpsTimes[i] / 100;
        while (j < gSensorTimes.size()) {
            cover.append(i);
            if (gSensorTimes[j++] / 100 >= gpsTenths)
                break;
        }
    }
    return cover;
}
