#include "tool/output/telemetryformats.h"

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
