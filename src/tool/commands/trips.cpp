// tavik-tool trips DIR [--json] [--gpx OUT|--kml OUT]: the drives on a card and their routes.
#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/common/textescape.h"
#include "core/index/indexreads.h"
#include "core/route/recordingtelemetry.h"
#include "core/route/routeexport.h"
#include "core/trips/triproute.h"
#include "tool/cardwalk.h"
#include "tool/command.h"
#include "tool/jsontext.h"
#include "tool/outputfile.h"

#include <QFileInfo>

namespace {

struct TripRoute
{
    Trip trip;
    QList<RouteSegment> segments;
    double km = 0;
};

QList<TripRoute> tripRoutes(CardIndex *index, const QList<Trip> &trips)
{
    QStringList paths;
    for (const Trip &trip : trips) {
        for (const MediaFile &m : trip.routeRecordings())
            paths.append(m.path());
    }
    RouteCache cache;
    // Routes the card's index holds for unchanged files are not read again.
    if (index)
        (void)adoptIndexedRoutes(*index, cache);
    const QList<QList<RoutePoint>> routes = cache.routes(paths);
    QList<TripRoute> out;
    qsizetype next = 0;
    for (const Trip &trip : trips) {
        const QList<MediaFile> recordings = trip.routeRecordings();
        const PlausibleRoute plausible =
            plausibleRoute(tripRoutePieces(trip, routes.mid(next, recordings.size())));
        next += recordings.size();
        TripRoute route{trip, {}, plausible.kilometres};
        for (qsizetype i = 0; i < recordings.size(); ++i) {
            if (!plausible.pieces[i].isEmpty())
                route.segments.append({recordings[i].fileName(), plausible.pieces[i]});
        }
        out.append(route);
    }
    return out;
}

QString isoText(const QDateTime &t)
{
    return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

void writeJson(const QList<TripRoute> &routes)
{
    toolOut() << "{\"trips\": [";
    for (qsizetype i = 0; i < routes.size(); ++i) {
        const Trip &trip = routes[i].trip;
        toolOut() << (i ? ", " : "") << "{\"start\": " << jsonString(isoText(trip.start))
                  << ", \"end\": " << jsonString(isoText(trip.start.addSecs(trip.seconds())))
                  << ", \"seconds\": " << trip.seconds()
                  << ", \"km\": " << tvk::cformat("%.1f", routes[i].km) << ", \"recordings\": [";
        for (qsizetype j = 0; j < trip.recordings.size(); ++j)
            toolOut() << (j ? ", " : "") << jsonString(trip.recordings[j].path());
        toolOut() << "]}";
    }
    toolOut() << "]}\n";
}

void writeText(const QList<TripRoute> &routes)
{
    for (const TripRoute &route : routes) {
        const Trip &t = route.trip;
        toolOut() << t.start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << " - "
                  << t.start.addSecs(t.seconds()).toString(QStringLiteral("HH:mm:ss"))
                  << tvk::cformat("  %lld:%02lld  ", t.seconds() / 60, t.seconds() % 60)
                  << tvk::text("tool.trip_km").arg(tvk::cformat("%.1f", route.km)) << "  "
                  << tvk::text("tool.trip_recordings").arg(t.recordings.size()) << '\n';
        for (const MediaFile &m : t.recordings)
            toolOut() << "  " << tvk::terminalText(m.path()) << '\n';
    }
    toolOut() << tvk::text("tool.trip_count").arg(routes.size()) << '\n';
}

const QCommandLineOption kGpxOut(QStringLiteral("gpx"), QStringLiteral("tool.help.trips_gpx"),
                                 QStringLiteral("OUT"));
const QCommandLineOption kKmlOut(QStringLiteral("kml"), QStringLiteral("tool.help.trips_kml"),
                                 QStringLiteral("OUT"));

int runTrips(const QCommandLineParser &line)
{
    const QString folder = line.positionalArguments().first();
    const bool json = line.isSet(toolJsonOption());
    if (line.isSet(kGpxOut) && line.isSet(kKmlOut))
        return toolCommandUsageError(QStringLiteral("trips"), tvk::text("tool.gpx_or_kml"));
    const QString format = line.isSet(kGpxOut)   ? QStringLiteral("--gpx")
                           : line.isSet(kKmlOut) ? QStringLiteral("--kml")
                                                 : QString();
    const QString output = line.isSet(kGpxOut)   ? line.value(kGpxOut)
                           : line.isSet(kKmlOut) ? line.value(kKmlOut)
                                                 : QString();
    // Two documents on one stream would be neither.
    if (json && output == QLatin1String("-"))
        return toolCommandUsageError(QStringLiteral("trips"),
                                     tvk::text("trips.json_and_route_on_stdout"));
    if (!QFileInfo(folder).isDir())
        return toolFailure(tvk::Failure{QT_TRID_NOOP("tool.not_a_folder"), folder}.text());

    const tvk::Result<QList<MediaFile>> medias =
        walkCardFolder(QFileInfo(folder).absoluteFilePath());
    if (!medias)
        return toolFailure(medias.failure().text());
    const std::unique_ptr<CardIndex> index = existingCardIndex(folder);
    // A card unchanged since it was indexed is grouped from the index: no file is opened.
    std::optional<IndexedFactsByPath> facts;
    if (index) {
        if (tvk::Result<std::optional<IndexedFactsByPath>> vouched = vouchedFacts(*index))
            facts = std::move(*vouched);
    }
    const TripGrouping grouping = groupTrips(*medias, lengthsFrom(facts));
    for (const tvk::Failure &skipped : grouping.skipped)
        toolErr() << "tavik-tool: " << skipped.text() << Qt::endl;
    const QList<TripRoute> routes = tripRoutes(index.get(), grouping.trips);
    if (!output.isEmpty()) {
        QList<RouteTrack> tracks;
        for (const TripRoute &route : routes) {
            tracks.append(
                {tvk::text("trips.track_name")
                     .arg(route.trip.start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
                 route.segments});
        }
        const tvk::Result<void> written = writeOutputFile(output, [&](QIODevice &device) {
            return format == QLatin1String("--gpx") ? writeRouteGpx(device, tracks)
                                                    : writeRouteKml(device, tracks);
        });
        if (!written)
            return toolFailure(outputFailureText(written.failure()));
    }
    if (json)
        writeJson(routes);
    else if (output != QLatin1String("-"))
        writeText(routes);
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("trips"),
    QStringLiteral("trips DIR [--json] [--gpx OUT|--kml OUT]"),
    QStringLiteral("tool.help.trips_groups_a_card"),
    {toolJsonOption(), kGpxOut, kKmlOut},
    {{QStringLiteral("DIR"), QStringLiteral("tool.help.card_or_copy")}},
    runTrips,
}};

} // namespace
