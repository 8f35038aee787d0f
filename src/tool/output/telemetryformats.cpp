#include "telemetryformats.h"

#include "telemetry/nmeacoordinate.h"

const QList<TelemetryFormat> &telemetryFormats()
{
    static const QList<TelemetryFormat> formats{
        {QStringLiteral("json"), QStringLiteral("Print JSON (the default)."),
         makeTelemetryJsonWriter},
        {QStringLiteral("csv"), QStringLiteral("Print CSV, a row per G-sensor sample."),
         makeTelemetryCsvWriter},
        {QStringLiteral("gpx"), QStringLiteral("Print a GPX file, a track per recording."),
         makeTelemetryGpxWriter},
        {QStringLiteral("kml"),
         QStringLiteral("Print a KML file, a track with times and speeds per recording."),
         makeTelemetryKmlWriter},
    };
    return formats;
}

TelemetryPosition positionOfGpsRecord(const TVKTelemetry &t, qsizetype record)
{
    const _AVI_GPS_DATA_T &r = t.m_GpsRecords[record].data();
    const TVKGpsData fix = t.fixAfterGpsRecord(record);
    TelemetryPosition p{};
    degreesFromNmeaCoordinate(r.fLatitude, r.fLongitude, &p.latitude, &p.longitude);
    if (fix.NS == 'S')
        p.latitude = -p.latitude;
    if (fix.EW == 'W')
        p.longitude = -p.longitude;
    return p;
}

double metresPerSecond(const _AVI_GPS_DATA_T &r)
{
    return r.KM == '9' ? r.fSpeed / 3.6 : r.fSpeed * 0.44704;
}
