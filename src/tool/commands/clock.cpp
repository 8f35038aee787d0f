// tavik-tool clock DIR [--json]: how far the camera's clock is off, from the GPS time.
#include "core/catalogue/TVKMediaList.h"
#include "core/clock/clockcheck.h"
#include "core/common/cformat.h"
#include "core/common/textescape.h"
#include "core/route/recordingtelemetry.h"
#include "core/settings/cardsettings.h"
#include "tool/command.h"
#include "tool/jsontext.h"

#include <QFileInfo>

#include <cmath>

namespace {

QString offsetJson(const std::optional<double> &offset)
{
    return offset ? tvk::cformat("%.1f", *offset) : QStringLiteral("null");
}

void writeJson(const ClockReport &report)
{
    toolOut() << "{\"recordings\": [";
    for (qsizetype i = 0; i < report.recordings.size(); ++i) {
        const ClockReading &r = report.recordings[i];
        toolOut() << (i ? ", " : "") << "{\"path\": " << jsonString(r.path)
                  << ", \"offset_s\": " << offsetJson(r.offsetSeconds) << '}';
    }
    toolOut() << "], \"median_offset_s\": " << offsetJson(report.medianOffsetSeconds)
              << ", \"zone\": " << jsonString(zoneText(report.zoneSeconds)) << ", \"zone_from\": "
              << jsonString(report.zoneFromSettings ? QStringLiteral("config.bin")
                                                    : QStringLiteral("rounded"))
              << "}\n";
}

void writeText(const ClockReport &report)
{
    for (const ClockReading &r : report.recordings) {
        toolOut() << (r.offsetSeconds ? tvk::cformat("%+8.1f s  ", *r.offsetSeconds)
                                      : QStringLiteral("  no fix    "))
                  << tvk::terminalText(r.path) << '\n';
    }
    toolOut() << "zone " << zoneText(report.zoneSeconds)
              << (report.zoneFromSettings ? " (config.bin)" : " (taken from the GPS time)") << '\n';
    if (!report.medianOffsetSeconds) {
        toolOut() << "no recording has a valid GPS fix: the clock cannot be checked\n";
        return;
    }
    const double median = *report.medianOffsetSeconds;
    toolOut() << tvk::cformat("median offset %+.1f s: ", median)
              << (std::abs(median) <= kClockToleranceSeconds
                      ? QStringLiteral("the camera's clock is right")
                      : tvk::cformat("the camera's clock is %.1f s %s", std::abs(median),
                                     median > 0 ? "ahead" : "behind"))
              << '\n';
}

int runClock(const QCommandLineParser &line)
{
    const QString folder = line.positionalArguments().first();
    const bool json = line.isSet(toolJsonOption());
    if (!QFileInfo(folder).isDir())
        return toolFailure(QStringLiteral("%1: not a folder").arg(folder));

    const QString root = QFileInfo(folder).absoluteFilePath();
    QList<TVKMedia> fronts;
    QStringList paths;
    for (const TVKMedia &m : TVKMediaList::walk(root).medias) {
        if (m.isFrontMedia()) {
            fronts.append(m);
            paths.append(m.path());
        }
    }
    const QList<TVKTelemetryPtr> telemetry = readRecordingTelemetry(paths);
    QList<ClockReading> raw;
    for (qsizetype i = 0; i < fronts.size(); ++i)
        raw.append({paths[i], rawClockOffset(fronts[i], *telemetry[i])});
    std::optional<int> zone;
    if (const std::optional<_FILEDATA> settings = cardSettings(root))
        zone = cardZoneSeconds(*settings);
    const ClockReport report = clockReport(raw, zone);
    if (json)
        writeJson(report);
    else
        writeText(report);
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("clock"),
    QStringLiteral("clock DIR [--json]"),
    QStringLiteral("Tells how far the camera's clock is off, from the GPS time of its recordings."),
    {toolJsonOption()},
    {{QStringLiteral("DIR"), QStringLiteral("The card or a folder copied from it.")}},
    runClock,
}};

} // namespace
