// tavik-tool find DIR --near LAT,LON [--radius M] [--json]: every pass of the car by a place.
#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/index/indexupdate.h"
#include "core/index/placesearch.h"
#include "tool/command.h"
#include "tool/jsontext.h"

#include <cmath>
#include <optional>

namespace {

QCommandLineOption nearOption()
{
    return QCommandLineOption(QStringLiteral("near"), QStringLiteral("tool.help.find_the_place_as"),
                              QStringLiteral("LAT,LON"));
}

QCommandLineOption radiusOption()
{
    return QCommandLineOption(QStringLiteral("radius"),
                              QStringLiteral("tool.help.find_how_close_a"), QStringLiteral("M"),
                              QString::number(kDefaultPassRadiusMetres));
}

struct Place
{
    double latitude;
    double longitude;
};

std::optional<Place> parsePlace(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return std::nullopt;
    bool latOk = false, lonOk = false;
    const double lat = parts[0].trimmed().toDouble(&latOk);
    const double lon = parts[1].trimmed().toDouble(&lonOk);
    if (!latOk || !lonOk || !(std::abs(lat) <= 90) || !(std::abs(lon) <= 180))
        return std::nullopt;
    return Place{lat, lon};
}

QString timeText(const PlacePass &pass)
{
    return pass.time.isValid() ? pass.time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
                               : QString();
}

void writeJson(const QList<PlacePass> &passes)
{
    toolOut() << "{\"passes\": [";
    for (qsizetype i = 0; i < passes.size(); ++i) {
        const PlacePass &p = passes[i];
        toolOut() << (i ? ", " : "") << "{\"path\": " << jsonString(p.path)
                  << ", \"offset_s\": " << tvk::cformat("%.1f", p.offsetSeconds) << ", \"time\": "
                  << (p.time.isValid() ? jsonString(timeText(p)) : QStringLiteral("null"))
                  << ", \"distance_m\": " << tvk::cformat("%.1f", p.distanceMetres)
                  << ", \"speed_kmh\": " << tvk::cformat("%.1f", p.speedKmh)
                  << ", \"heading_deg\": " << tvk::cformat("%.0f", p.heading) << '}';
    }
    toolOut() << "]}\n";
}

void writeText(const QList<PlacePass> &passes)
{
    for (const PlacePass &p : passes) {
        toolOut() << timeText(p).replace(u'T', u' ')
                  << tvk::cformat("  %7.1f s  %6.1f m  %5.1f km/h  %3.0f deg  ", p.offsetSeconds,
                                  p.distanceMetres, p.speedKmh, p.heading)
                  << p.path << '\n';
    }
    toolOut() << passes.size() << " passes\n";
}

int runFind(const QCommandLineParser &line)
{
    if (!line.isSet(QStringLiteral("near")))
        return toolCommandUsageError(QStringLiteral("find"), tvk::text("tool.find_near_needed"));
    const std::optional<Place> place = parsePlace(line.value(QStringLiteral("near")));
    if (!place)
        return toolCommandUsageError(QStringLiteral("find"), tvk::text("tool.find_bad_place"));
    double radius = kDefaultPassRadiusMetres;
    if (line.isSet(QStringLiteral("radius"))) {
        bool ok = false;
        radius = line.value(QStringLiteral("radius")).toDouble(&ok);
        if (!ok || !(radius > 0) || radius > 100000)
            return toolCommandUsageError(QStringLiteral("find"), tvk::text("tool.find_bad_radius"));
    }
    const QString folder = line.positionalArguments().first();
    tvk::Result<std::unique_ptr<CardIndex>> index = CardIndex::open(folder);
    if (!index)
        return toolFailure(index.failure().text());
    // A card its folders' times vouch for is searched at once: an update would count its rows.
    // Any doubt (a damaged file too) is left to the update.
    if (const tvk::Result<bool> current = isVouchedCurrent(**index); !current || !*current) {
        if (const tvk::Result<IndexUpdateReport> report = updateCardIndex(**index); !report)
            return toolFailure(report.failure().text());
    }
    const tvk::Result<QList<PlacePass>> passes =
        findPasses(**index, place->latitude, place->longitude, radius);
    if (!passes)
        return toolFailure(passes.failure().text());
    if (line.isSet(toolJsonOption()))
        writeJson(*passes);
    else
        writeText(*passes);
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("find"),
    QStringLiteral("find DIR --near LAT,LON [--radius M] [--json]"),
    QStringLiteral("tool.help.find_lists_every_pass"),
    {nearOption(), radiusOption(), toolJsonOption()},
    {{QStringLiteral("DIR"), QStringLiteral("tool.help.card_folder")}},
    runFind,
}};

} // namespace
