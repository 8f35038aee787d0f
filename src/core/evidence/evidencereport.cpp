#include "core/evidence/evidencereport.h"

#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/common/textescape.h"
#include "core/settings/TimeZones.h"
#include "core/settings/cardsettings.h"
#include "core/trips/trips.h"

#include <cmath>

qsizetype peakSample(const QList<GSensor> &samples)
{
    qsizetype peak = -1;
    double largest = -1;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const GSensor &s = samples[i];
        const double g = std::hypot(s.x, s.y, s.z - 1.0);
        if (g > largest) {
            largest = g;
            peak = i;
        }
    }
    return peak;
}

namespace {

using tvk::text;

// Names are shown with their control characters made visible, as on the terminal.
QString row(const char *label, const QString &value)
{
    return QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n")
        .arg(text(label).toHtmlEscaped(), tvk::terminalText(value).toHtmlEscaped());
}

QString thresholds(qint32 x, qint32 y, qint32 z)
{
    return text("report.thresholds_value")
        .arg(tvk::cformat("%.2f", x / 100.0), tvk::cformat("%.2f", y / 100.0),
             tvk::cformat("%.2f", z / 100.0));
}

QString settingsRows(const std::optional<SettingsRecord> &settings)
{
    if (!settings)
        return row("report.camera_settings", text("report.no_config"));
    const SettingsRecord &s = *settings;
    const std::optional<int> zone = cardZoneSeconds(s);
    QString zoneValue = zone ? text("report.zone_value").arg(zoneText(*zone))
                             : text("report.zone_not_set").arg(s.time_gmt);
    if (zone && s.summer_time == 1)
        zoneValue = text("report.zone_summer_time").arg(zoneValue);
    return row("report.thresholds_driving",
               thresholds(s.gsen_x_threshold, s.gsen_y_threshold, s.gsen_z_threshold)) +
           row("report.thresholds_parked",
               thresholds(s.parkmode_x_threshold, s.parkmode_y_threshold, s.parkmode_z_threshold)) +
           row("report.event_recording", text(s.g_sensor_enable ? "report.on" : "report.off")) +
           row("report.time_zone", zoneValue);
}

QString eventRows(const EvidenceFacts &f)
{
    QString rows;
    if (f.peak) {
        const GSensor &p = *f.peak;
        rows +=
            row("report.peak",
                text("report.peak_value")
                    .arg(tvk::cformat("%.2f", std::hypot(p.x, p.y, p.z - 1.0)),
                         tvk::cformat("%+.2f", double(p.x)), tvk::cformat("%+.2f", double(p.y)),
                         tvk::cformat("%+.2f", double(p.z)), tvk::cformat("%.1f", f.peakSeconds)));
    } else {
        rows += row("report.peak", text("report.no_gsensor"));
    }
    if (f.place) {
        const RoutePoint &p = *f.place;
        rows += row("report.place_wgs84", tvk::cformat("%.6f, %.6f", p.latitude, p.longitude));
        rows += row("report.speed",
                    text("report.speed_value").arg(tvk::cformat("%.0f", p.metresPerSecond * 3.6)));
        if (p.utc.isValid())
            rows += row("report.gps_time", p.utc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    } else {
        rows += row("report.place", text("report.no_fix"));
    }
    return rows;
}

QString clockValue(const EvidenceFacts &f)
{
    if (!f.clockOffsetSeconds)
        return text("report.clock_unknown");
    const QString offset =
        text("report.clock_value").arg(tvk::cformat("%+.1f", *f.clockOffsetSeconds));
    return f.clockZoneGuessed
               ? text("report.clock_with_note").arg(offset, text("evidence.clock_zone_guessed"))
               : offset;
}

QString partnerValue(const EvidenceFacts &f)
{
    if (!f.partnerName.isEmpty())
        return f.partnerName;
    return f.partnerRefused ? text("report.partner_refused").arg(f.partnerRefused->text())
                            : text("report.no_partner");
}

} // namespace

QByteArray evidenceReportHtml(const EvidenceFacts &f)
{
    const QString title = text("report.title").arg(tvk::terminalText(f.recording.fileName()));
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                                  "<title>%1</title>\n<style>body{font-family:sans-serif;"
                                  "max-width:60em;margin:2em auto}th{text-align:left;"
                                  "padding-right:2em}img{max-width:100%}</style></head>\n"
                                  "<body><h1>%1</h1>\n<table>\n")
                       .arg(title.toHtmlEscaped());
    html += row("report.recording", f.recording.fileName());
    html += row("report.partner", partnerValue(f));
    html +=
        row("report.start", nameTime(f.recording).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    html += eventRows(f);
    html += row("report.clock", clockValue(f));
    html += settingsRows(f.settings);
    html += QStringLiteral("</table>\n<h2>%1</h2><img src=\"%2\" alt=\"%3\">\n<h2>%4</h2><img "
                           "src=\"%5\" alt=\"%6\">\n<h2>%7</h2><ul>\n")
                .arg(text("report.gsensor").toHtmlEscaped(), tvk::relativeHref(f.graphFile),
                     text("report.gsensor_graph").toHtmlEscaped(),
                     text("report.route").toHtmlEscaped(), tvk::relativeHref(f.mapFile),
                     text("report.route").toHtmlEscaped(), text("report.files").toHtmlEscaped());
    for (const QString &file : f.files)
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                    .arg(tvk::relativeHref(file), tvk::terminalText(file).toHtmlEscaped());
    html += QStringLiteral("</ul>\n");
    for (const QString &name : f.withoutTelemetry)
        html += QStringLiteral("<p>%1</p>\n")
                    .arg(text("report.no_telemetry")
                             .toHtmlEscaped()
                             .arg(tvk::terminalText(name).toHtmlEscaped()));
    const QString sums = tvk::terminalText(f.sumsFile).toHtmlEscaped();
    html += QStringLiteral("<p>%1</p></body></html>\n")
                .arg(text("report.sums")
                         .toHtmlEscaped()
                         .arg(sums, QStringLiteral("<code>sha256sum -c %1</code>").arg(sums)));
    return html.toUtf8();
}
