#include "core/telemetry/TelemetryBuilder.h"

RecordedTelemetryPtr RecordedTelemetry::empty()
{
    static const RecordedTelemetryPtr nothing = std::make_shared<const RecordedTelemetry>();
    return nothing;
}

GpsData RecordedTelemetry::fixAfterGpsRecord(qsizetype record) const
{
    if (record < 0 || record >= m_GpsRecordNMEAEnds.size())
        return {};
    const qsizetype end = m_GpsRecordNMEAEnds[record];
    return end > 0 && end <= m_NMEAs.size() ? m_NMEAs[end - 1] : GpsData();
}

TelemetryBuilder::TelemetryBuilder(const RecordedTelemetry &from) : m_telemetry(from)
{
    m_NMEAParser.m_Current = from.lastFix;
}

bool TelemetryBuilder::ParseNMEA(char *buffer, qsizetype bufferSize)
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

bool TelemetryBuilder::ParseGSensor(const AviGSensorRecord &record)
{
    m_telemetry.m_GSensors.append(GSensor::fromRecord(record));
    return true;
}

void TelemetryBuilder::addGpsRecord(AviGpsRecord record)
{
    ParseNMEA(record.RawData, record.textLength());
    m_telemetry.m_GpsRecords.append(AviGpsData(record));
    m_telemetry.m_GpsRecordNMEAEnds.append(m_telemetry.m_NMEAs.size());
}

void TelemetryBuilder::addGSensorRecord(const AviGSensorRecord &record)
{
    m_telemetry.m_vGSensorData.append(AviGSensorData(record));
    ParseGSensor(record);
}

RecordedTelemetryPtr TelemetryBuilder::finish()
{
    QList<quint32> gpsTimes, gSensorTimes;
    gpsTimes.reserve(m_telemetry.m_GpsRecords.size());
    for (const AviGpsData &gps : std::as_const(m_telemetry.m_GpsRecords))
        gpsTimes.append(gps.data().timestampMs());
    gSensorTimes.reserve(m_telemetry.m_vGSensorData.size());
    for (const AviGSensorData &sample : std::as_const(m_telemetry.m_vGSensorData))
        gSensorTimes.append(sample.data().timestampMs());

    m_telemetry.m_vGpsRecordIndex = alignGpsToGSensor(gpsTimes, gSensorTimes);
    m_telemetry.m_vGpsData.clear();
    m_telemetry.m_vGpsData.reserve(m_telemetry.m_vGpsRecordIndex.size());
    for (const qsizetype i : std::as_const(m_telemetry.m_vGpsRecordIndex))
        m_telemetry.m_vGpsData.append(m_telemetry.m_GpsRecords[i]);
    m_telemetry.lastFix = m_NMEAParser.m_Current;

    auto result = std::make_shared<const RecordedTelemetry>(std::move(m_telemetry));
    m_telemetry = RecordedTelemetry();
    m_NMEAParser.clear();
    return result;
}

RecordedTelemetryPtr TelemetryBuilder::snapshot() const
{
    return std::make_shared<const RecordedTelemetry>(m_telemetry);
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
