// The telemetry as CSV: a row per G-sensor sample with the GPS record that belongs to it.
// Several recordings share one table, the first column naming the file.
#include "telemetryformats.h"

#include <QIODevice>

#include <cstdio>

namespace {

QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

class CsvWriter : public TelemetryWriter
{
public:
    CsvWriter(QIODevice *out, bool many) : m_out(out), m_many(many) {}

    // The title line comes with the first readable recording: nothing is written without one.
    void recording(const QString &path, bool ok, const TVKTelemetry &t) override
    {
        if (!ok)
            return;
        if (!m_begun) {
            m_begun = true;
            m_out->write(m_many ? "file," : "");
            m_out->write("t,x,y,z,gps_t,latitude,longitude,speed,unit\n");
        }
        const QByteArray file = m_many ? csvField(path) + ',' : QByteArray();
        QByteArray rows;
        char text[256];
        for (qsizetype j = 0; j < t.m_vGSensorData.size(); ++j) {
            const TVKGSensor &g = t.m_GSensors[j];
            rows += file;
            std::snprintf(text, sizeof text, "%u,%.8g,%.8g,%.8g",
                          t.m_vGSensorData[j].data().timestamp, double(g.x), double(g.y),
                          double(g.z));
            rows += text;
            if (j < t.m_vGpsRecordIndex.size()) {
                const qsizetype record = t.m_vGpsRecordIndex[j];
                const _AVI_GPS_DATA_T &r = t.m_GpsRecords[record].data();
                const TelemetryPosition p = positionOfGpsRecord(t, record);
                std::snprintf(text, sizeof text, ",%u,%.7f,%.7f,%u,%s\n", r.nTimestamp, p.latitude,
                              p.longitude, r.fSpeed, r.KM == '9' ? "km/h" : "mph");
                rows += text;
            } else {
                rows += ",,,,,\n";
            }
            if (rows.size() > (1 << 16)) {
                m_out->write(rows);
                rows.clear();
            }
        }
        m_out->write(rows);
    }

private:
    QIODevice *m_out;
    bool m_many;
    bool m_begun = false;
};

} // namespace

std::unique_ptr<TelemetryWriter> makeTelemetryCsvWriter(QIODevice *out, bool many)
{
    return std::make_unique<CsvWriter>(out, many);
}
