#include "core/evidence/evidencereport.h"

#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/common/textescape.h"
#include "core/settings/TimeZones.h"
#include "core/settings/cardsettings.h"
#include "core/trips/trips.h"

#include <cmath>

qsizetype peakSample(const QList<TVKGSensor> &samples)
{
    qsizetype peak = -1;
    double largest = -1;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const TVKGSensor &s = samples[i];
        const double g = std::hypot(s.x, s.y, s.z - 1.0);
        if (g > largest) {
            largest = g;
            peak = i;
        }
    }
    return peak;
}

namespace {

// Names are shown with their control characters made visible, as on the terminal.
QString row(const QString &label, const QString &value)
{
    return QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n")
        .arg(label.toHtmlEscaped(), tvk::terminalText(value).toHtmlEscaped());
}

QString thresholds(qint32 x, qint32 y, qint32 z)
{
    return tvk::cformat("X %.2f g, Y %.2f g, Z %.2f g", x / 100.0, y / 100.0, z / 100.0);
}

QString settingsRows(const std::optional<SettingsRecord> &settings)
{
    if (!settings)
        return row(QStringLiteral("Camera settings"), QStringLiteral("no config.bin on the card"));
    const SettingsRecord &s = *settings;
    const std::optional<int> zone = cardZoneSeconds(s);
    QString zoneValue = zone ? QStringLiteral("UTC%1").arg(zoneText(*zone))
                             : QStringLiteral("not set (time_gmt %1)").arg(s.time_gmt);
    if (zone && s.summer_time == 1)
        zoneValue += QStringLiteral(", summer time included");
    return row(QStringLiteral("G-sensor thresholds, driving"),
               thresholds(s.gsen_x_threshold, s.gsen_y_threshold, s.gsen_z_threshold)) +
           row(QStringLiteral("G-sensor thresholds, parked"),
               thresholds(s.parkmode_x_threshold, s.parkmode_y_threshold, s.parkmode_z_threshold)) +
           row(QStringLiteral("G-sensor event recording"),
               s.g_sensor_enable ? QStringLiteral("on") : QStringLiteral("off")) +
           row(QStringLiteral("Camera time zone"), zoneValue);
}

QString eventRows(const EvidenceFacts &f)
{
    QString rows;
    if (f.peak) {
        const TVKGSensor &p = *f.peak;
        rows += row(QStringLiteral("Peak G-sensor reading"),
                    tvk::cformat("%.2f g (X %+.2f, Y %+.2f, Z %+.2f) at %.1f s",
                                 std::hypot(p.x, p.y, p.z - 1.0), double(p.x), double(p.y),
                                 double(p.z), f.peakSeconds));
    } else {
        rows += row(QStringLiteral("Peak G-sensor reading"), QStringLiteral("no G-sensor data"));
    }
    if (f.place) {
        const RoutePoint &p = *f.place;
        rows += row(QStringLiteral("Place (WGS 84)"),
                    tvk::cformat("%.6f, %.6f", p.latitude, p.longitude));
        rows += row(QStringLiteral("Speed"), tvk::cformat("%.0f km/h", p.metresPerSecond * 3.6));
        if (p.utc.isValid())
            rows += row(QStringLiteral("GPS time (UTC)"),
                        p.utc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    } else {
        rows += row(QStringLiteral("Place"), QStringLiteral("no GPS fix in the recording"));
    }
    return rows;
}

} // namespace

QByteArray evidenceReportHtml(const EvidenceFacts &f)
{
    const QString title =
        QStringLiteral("Evidence: %1").arg(tvk::terminalText(f.recording.fileName()));
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                                  "<title>%1</title>\n<style>body{font-family:sans-serif;"
                                  "max-width:60em;margin:2em auto}th{text-align:left;"
                                  "padding-right:2em}img{max-width:100%}</style></head>\n"
                                  "<body><h1>%1</h1>\n<table>\n")
                       .arg(title.toHtmlEscaped());
    html += row(QStringLiteral("Recording"), f.recording.fileName());
    html +=
        row(QStringLiteral("Partner recording"),
            !f.partnerName.isEmpty()     ? f.partnerName
            : f.partnerRefused.isEmpty() ? QStringLiteral("none on the card")
                                         : QStringLiteral("none taken: %1").arg(f.partnerRefused));
    html += row(QStringLiteral("Start (camera clock)"),
                nameTime(f.recording).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    html += eventRows(f);
    html += row(QStringLiteral("Camera clock against GPS"),
                f.clockOffsetSeconds
                    ? tvk::cformat("%+.1f s (positive: the camera's clock is ahead)",
                                   *f.clockOffsetSeconds) +
                          (f.clockZoneGuessed
                               ? QStringLiteral("; ") + tvk::text("evidence.clock_zone_guessed")
                               : QString())
                    : QStringLiteral("unknown: no valid GPS fix"));
    html += settingsRows(f.settings);
    html += QStringLiteral("</table>\n<h2>G-sensor</h2><img src=\"%1\" alt=\"G-sensor "
                           "graph\">\n<h2>Route</h2><img src=\"%2\" alt=\"Route\">\n"
                           "<h2>Files</h2><ul>\n")
                .arg(tvk::relativeHref(f.graphFile), tvk::relativeHref(f.mapFile));
    for (const QString &file : f.files)
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                    .arg(tvk::relativeHref(file), tvk::terminalText(file).toHtmlEscaped());
    html += QStringLiteral("</ul>\n");
    for (const QString &name : f.withoutTelemetry)
        html += QStringLiteral("<p>%1 carries no telemetry: no CSV or GPX was made for it.</p>\n")
                    .arg(tvk::terminalText(name).toHtmlEscaped());
    const QString sums = tvk::terminalText(f.sumsFile).toHtmlEscaped();
    html += QStringLiteral("<p>%1 holds the SHA-256 of every file; check them with "
                           "<code>sha256sum -c %1</code>.</p></body></html>\n")
                .arg(sums);
    return html.toUtf8();
}
