#include "tool/output/telemetryformats.h"

const QList<TelemetryFormat> &telemetryFormats()
{
    static const QList<TelemetryFormat> formats{
        {QStringLiteral("json"), QStringLiteral("tool.help.telemetry_print_json_the"),
         makeTelemetryJsonWriter},
        {QStringLiteral("csv"), QStringLiteral("tool.help.telemetry_print_csv_a"),
         makeTelemetryCsvWriter},
        {QStringLiteral("gpx"), QStringLiteral("tool.help.telemetry_print_a_gpx"),
         makeTelemetryGpxWriter},
        {QStringLiteral("kml"), QStringLiteral("tool.help.telemetry_print_a_kml"),
         makeTelemetryKmlWriter},
    };
    return formats;
}
