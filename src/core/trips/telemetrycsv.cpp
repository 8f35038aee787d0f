#include "telemetrycsv.h"

#include "common/cformat.h"
#include "telemetry/nmeacoordinate.h"

#include <QIODevice>

bool writeTelemetryCsv(QIODevice &out, const TVKTelemetry &t)
{
    QByteArray text = "t,x,y,z,gps_t,latitude,longitude,speed,unit\n";
    for (qsizetype j = 0; j < t.m_vGSensorData.size(); ++j) {
        const TVKGSensor &g = t.m_GSensors[j];
        text += tvk::cformat("%u,%.8g,%.8g,%.8g", t.m_vGSensorData[j].data().timestamp, double(g.x),
                             double(g.y), double(g.z))
                    .toUtf8();
        if (j < t.m_vGpsRecordIndex.size()) {
            const qsizetype record = t.m_vGpsRecordIndex[j];
            const _AVI_GPS_DATA_T &r = t.m_GpsRecords[record].data();
            const TVKGpsData fix = t.fixAfterGpsRecord(record);
            double latitude = 0, longitude = 0;
            degreesFromNmeaCoordinate(r.fLatitude, r.fLongitude, &latitude, &longitude);
            text += tvk::cformat(",%u,%.7f,%.7f,%u,%s", r.nTimestamp,
                                 fix.NS == 'S' ? -latitude : latitude,
                                 fix.EW == 'W' ? -longitude : longitude, r.fSpeed,
                                 r.KM == '9' ? "km/h" : "mph")
                        .toUtf8();
        } else {
            text += ",,,,,";
        }
        text += '\n';
    }
    return out.write(text) == text.size();
}
