#include "core/telemetry/telemetrycsv.h"

#include "core/telemetry/NmeaCoordinate.h"

#include <QIODevice>

#include <cstdio>

namespace {

void appendGpsColumns(QByteArray &rows, const TVKTelemetry &t, qsizetype record)
{
    const _AVI_GPS_DATA_T &r = t.m_GpsRecords[record].data();
    const TVKGpsData fix = t.fixAfterGpsRecord(record);
    double latitude = 0, longitude = 0;
    degreesFromNmeaCoordinate(r.fLatitude, r.fLongitude, &latitude, &longitude);
    char text[128];
    if (isPossiblePosition(latitude, longitude))
        std::snprintf(text, sizeof text, ",%u,%.7f,%.7f,%u,%s\n", r.nTimestamp,
                      fix.NS == 'S' ? -latitude : latitude, fix.EW == 'W' ? -longitude : longitude,
                      r.fSpeed, r.KM == '9' ? "km/h" : "mph");
    else
        std::snprintf(text, sizeof text, ",%u,,,%u,%s\n", r.nTimestamp, r.fSpeed,
                      r.KM == '9' ? "km/h" : "mph");
    rows += text;
}

} // namespace

QByteArray telemetryCsvRows(const TVKTelemetry &t, const QByteArray &prefix)
{
    QByteArray rows;
    char text[128];
    if (t.m_vGSensorData.isEmpty()) {
        for (qsizetype i = 0; i < t.m_GpsRecords.size(); ++i) {
            rows += prefix;
            std::snprintf(text, sizeof text, "%u,,,", t.m_GpsRecords[i].data().nTimestamp);
            rows += text;
            appendGpsColumns(rows, t, i);
        }
        return rows;
    }
    for (qsizetype j = 0; j < t.m_vGSensorData.size(); ++j) {
        const TVKGSensor &g = t.m_GSensors[j];
        rows += prefix;
        std::snprintf(text, sizeof text, "%u,%.8g,%.8g,%.8g", t.m_vGSensorData[j].data().timestamp,
                      double(g.x), double(g.y), double(g.z));
        rows += text;
        if (j < t.m_vGpsRecordIndex.size())
            appendGpsColumns(rows, t, t.m_vGpsRecordIndex[j]);
        else
            rows += ",,,,,\n";
    }
    return rows;
}

bool writeTelemetryCsv(QIODevice &out, const TVKTelemetry &t)
{
    const QByteArray text = QByteArray(kTelemetryCsvTitle) + '\n' + telemetryCsvRows(t);
    return out.write(text) == text.size();
}
