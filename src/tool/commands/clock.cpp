// tavik-tool clock DIR [--json]: how far the camera's clock is off, from the GPS time.
#include "core/clock/clockcheck.h"
#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/common/textescape.h"
#include "core/index/indexreads.h"
#include "core/route/recordingtelemetry.h"
#include "core/settings/cardsettings.h"
#include "tool/cardwalk.h"
#include "tool/command.h"
#include "tool/jsontext.h"

#include <QFileInfo>

#include <cmath>

namespace {

QString offsetJson(const std::optional<double> &offset)
{
    return offset ? tvk::cformat("%.1f", *offset) : QStringLiteral("null");
}

QString zoneFromJson(ClockZoneSource source)
{
    switch (source) {
    case ClockZoneSource::Settings:
        return jsonString(QStringLiteral("config.bin"));
    case ClockZoneSource::Guessed:
        return jsonString(QStringLiteral("rounded"));
    case ClockZoneSource::None:
        break;
    }
    return QStringLiteral("null");
}

void writeJson(const ClockReport &report)
{
    toolOut() << "{\"recordings\": [";
    for (qsizetype i = 0; i < report.recordings.size(); ++i) {
        const ClockReading &r = report.recordings[i];
        toolOut() << (i ? ", " : "") << "{\"path\": " << jsonString(r.path)
                  << ", \"offset_s\": " << offsetJson(r.offsetSeconds) << '}';
    }
    const bool zone = report.zoneSource != ClockZoneSource::None;
    toolOut() << "], \"median_offset_s\": " << offsetJson(report.medianOffsetSeconds)
              << ", \"zone\": "
              << (zone ? jsonString(zoneText(report.zoneSeconds)) : QStringLiteral("null"))
              << ", \"zone_from\": " << zoneFromJson(report.zoneSource) << ", \"zone_guessed\": "
              << (report.zoneSource == ClockZoneSource::Guessed ? "true" : "false") << "}\n";
}

void writeText(const ClockReport &report)
{
    for (const ClockReading &r : report.recordings) {
        // The offsets' column is as wide as "%+8.1f s  ".
        toolOut()
            << (r.offsetSeconds
                    ? tvk::cformat("%+8.1f s  ", *r.offsetSeconds)
                    : (QStringLiteral("  ") + tvk::text("tool.clock_no_fix")).leftJustified(12))
            << tvk::terminalText(r.path) << '\n';
    }
    if (report.zoneSource == ClockZoneSource::Settings)
        toolOut() << tvk::text("tool.clock_zone").arg(zoneText(report.zoneSeconds)) << '\n';
    else if (report.zoneSource == ClockZoneSource::Guessed)
        toolOut() << tvk::text("clock.zone_guessed").arg(zoneText(report.zoneSeconds)) << '\n';
    if (!report.medianOffsetSeconds) {
        toolOut() << tvk::text("clock.nothing_to_compare") << '\n';
        return;
    }
    const double median = *report.medianOffsetSeconds;
    const QString off = tvk::cformat("%.1f", std::abs(median));
    const QString verdict = std::abs(median) <= kClockToleranceSeconds
                                ? tvk::text("tool.clock_right")
                            : median > 0 ? tvk::text("tool.clock_ahead").arg(off)
                                         : tvk::text("tool.clock_behind").arg(off);
    toolOut() << tvk::text("tool.clock_median").arg(tvk::cformat("%+.1f", median), verdict) << '\n';
}

int runClock(const QCommandLineParser &line)
{
    const QString folder = line.positionalArguments().first();
    const bool json = line.isSet(toolJsonOption());
    if (!QFileInfo(folder).isDir())
        return toolFailure(tvk::Failure{QT_TRID_NOOP("tool.not_a_folder"), folder}.text());

    const QString root = QFileInfo(folder).absoluteFilePath();
    QList<MediaFile> fronts;
    QStringList paths;
    const tvk::Result<QList<MediaFile>> medias = walkCardFolder(root);
    if (!medias)
        return toolFailure(medias.failure().text());
    for (const MediaFile &m : *medias) {
        if (m.isFrontMedia()) {
            fronts.append(m);
            paths.append(m.path());
        }
    }
    QList<ClockReading> raw;
    std::optional<IndexedFactsByPath> facts;
    // The card's index spares reading the recordings: all of them when the folders' times
    // vouch for it, else when it holds every recording as it is now.
    if (const std::unique_ptr<CardIndex> index = existingCardIndex(root)) {
        if (auto vouched = vouchedFacts(*index); vouched && *vouched)
            facts = std::move(*vouched);
        else if (auto indexed = indexedClockReadings(*index, paths); indexed && *indexed)
            raw = std::move(**indexed);
    }
    if (raw.size() != paths.size())
        raw = rawClockReadings(fronts, facts);
    std::optional<int> zone;
    if (const std::optional<SettingsRecord> settings = cardSettings(root))
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
    QStringLiteral("tool.help.clock_tells_how_far"),
    {toolJsonOption()},
    {{QStringLiteral("DIR"), QStringLiteral("tool.help.card_or_copy")}},
    runClock,
}};

} // namespace
