// The card index on a full card (15,000 one-minute recordings, 900,000 route points):
// the first index as a whole process against a plain program reading the same telemetry
// bytes (warm cache, then cold); opening the card again with nothing changed, up to its trips,
// its clock and its routes on the map; and `find`, the query and the whole process against
// `tavik-tool help`.
//   bench_cardindex [--keep DIR [--skip-first]]  (DIR keeps the card between runs)
//   bench_cardindex --plain DIR      (the plain program)
#include "benchgoal.h"
#include "bigcard.h"
#include "core/catalogue/MediaList.h"
#include "core/index/drivelines.h"
#include "core/index/indexreads.h"
#include "core/index/indexupdate.h"
#include "core/index/placesearch.h"
#include "telemetrybytes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Run
{
    double ms = -1; // -1: the program failed
    QByteArray out;
};

Run timed(const QString &program, const QStringList &args, const QString &cache = {})
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    if (!cache.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        p.setProcessEnvironment(environment);
    }
    p.start(program, args);
    p.waitForFinished(-1);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return {ms, p.readAllStandardOutput()};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int plain(const QString &root)
{
    qint64 bytes = 0;
    for (QDirIterator it(root, {QStringLiteral("*.avi")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        bytes += readTelemetryBytes(QFile::encodeName(it.next()).constData());
    std::printf("%lld telemetry bytes\n", static_cast<long long>(bytes));
    return 0;
}

// The bytes the plain program read; 0 when it failed or read nothing.
qint64 plainBytes(const Run &run)
{
    return run.ms < 0 ? 0 : run.out.split(' ').first().toLongLong();
}

// What the window shows of a card opened again once its list is there: the index checked, the
// trips and the clock from it, the routes handed to the map's cache, the playing trip's route and
// every drive of the card on the map.
struct Reopened
{
    bool walked = true;
    qsizetype trips = 0;
    qsizetype clockReadings = 0;
    qsizetype tripPoints = 0;
    qsizetype drives = 0;
    // Milliseconds of each step: the index checked, its facts read, the trips grouped, the
    // first trip's route, every drive for the map; then the clock's offsets.
    std::vector<double> steps;
};

std::optional<Reopened> openAgain(const QString &root, const QList<MediaFile> &medias)
{
    Reopened r;
    QElapsedTimer t;
    t.start();
    const auto step = [&r, &t] {
        r.steps.push_back(double(t.nsecsElapsed()) / 1e6);
        t.restart();
    };
    auto index = CardIndex::open(root);
    if (!index)
        return std::nullopt;
    const tvk::Result<IndexUpdateReport> report = updateCardIndex(**index);
    if (!report)
        return std::nullopt;
    r.walked = report->walked;
    step();
    const std::optional<IndexedFactsByPath> facts = vouchedFactsOf(root);
    step();
    const QList<Trip> trips = groupTrips(medias, lengthsFrom(facts)).trips;
    r.trips = trips.size();
    step();
    RouteCache routes;
    if (!adoptIndexedRoutes(**index, routes) || trips.isEmpty())
        return std::nullopt;
    QStringList paths;
    for (const MediaFile &m : trips.first().routeRecordings())
        paths.append(m.path());
    for (const QList<RoutePoint> &route : routes.routes(paths))
        r.tripPoints += route.size();
    step();
    const tvk::Result<QList<DriveLines>> drives = indexedDrives(**index);
    if (!drives)
        return std::nullopt;
    r.drives = drives->size();
    step();
    // The clock line, apart: it is shown beside the map, by a job of its own.
    QList<MediaFile> fronts;
    for (const MediaFile &m : medias) {
        if (m.isFrontMedia())
            fronts.append(m);
    }
    const QList<ClockReading> clock = rawClockReadings(fronts, facts);
    r.clockReadings = std::count_if(clock.cbegin(), clock.cend(),
                                    [](const ClockReading &c) { return c.offsetSeconds; });
    step();
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--plain"))
        return plain(args[2]);
    bench::Goals goals("bench_cardindex");
    const int recordings = bench::size(kBigCardRecordings, 4 * kBigCardPerDrive);
    const int runs = bench::runs(5);
    QTemporaryDir temp;
    const QString root = args.size() >= 3 && args[1] == QLatin1String("--keep")
                             ? args[2]
                             : temp.filePath(QStringLiteral("card"));
    if (!QFileInfo::exists(root + QStringLiteral("/DCIM"))) {
        std::printf("writing %d one-minute recordings into %s\n", recordings, qPrintable(root));
        const QString error = writeBigCard(root, recordings, [](int n) {
            std::printf("  %d\n", n);
            std::fflush(stdout);
        });
        if (!error.isEmpty())
            return goals.failed(qPrintable(error));
    }
    if (!ageFolders(root))
        return goals.failed("cannot set the card's folder times");
    const QString self = app.applicationFilePath();
    const QString tool = QStringLiteral(TAVIK_TOOL);
    const QStringList indexArgs{QStringLiteral("index"), root};
    const bool firstIndex = !args.contains(QStringLiteral("--skip-first"));
    for (const bool cold : {false, true}) {
        if (!firstIndex)
            break;
        QTemporaryDir cache;
        if (cold)
            evict(root);
        else
            timed(self, {QStringLiteral("--plain"), root}); // warms the cache
        const Run index = timed(tool, indexArgs, cache.path());
        if (cold)
            evict(root);
        const Run reference = timed(self, {QStringLiteral("--plain"), root});
        if (index.ms < 0 || plainBytes(reference) <= 0)
            return goals.failed("the first index or the plain reader failed");
        std::printf(
            "first index, %s: tavik-tool index %.0f ms, plain reader %.0f ms (%lld bytes)\n",
            cold ? "cold" : "warm", index.ms, reference.ms,
            static_cast<long long>(plainBytes(reference)));
        goals.atMost(cold ? "first index / plain reader, cold" : "first index / plain reader, warm",
                     index.ms / reference.ms, 1.3, "x");
    }

    // The index the tool keeps for this user, built once here.
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    if (timed(tool, indexArgs, cache.path()).ms < 0)
        return goals.failed("tavik-tool index failed");
    // The list is shown before all this: its walk is not counted.
    const QList<MediaFile> medias = MediaList::collect(root).found;
    std::vector<double> reopen;
    std::vector<std::vector<double>> steps(6);
    constexpr size_t kShownSteps = 5; // up to the trips and the whole card on the map
    for (int i = 0; i < runs; ++i) {
        const std::optional<Reopened> r = openAgain(root, medias);
        if (!r || r->steps.size() != steps.size() || r->walked || r->trips == 0 ||
            r->drives != r->trips || r->clockReadings != medias.size() / 2 || r->tripPoints == 0)
            return goals.failed("opening again did not find the index current and whole");
        double shown = 0;
        for (size_t s = 0; s < steps.size(); ++s) {
            steps[s].push_back(r->steps[s]);
            shown += s < kShownSteps ? r->steps[s] : 0;
        }
        reopen.push_back(shown);
        if (i == 0)
            std::printf("opened again: %lld trips, %lld clock offsets, %lld points of the first "
                        "trip, %lld drives on the map\n",
                        static_cast<long long>(r->trips), static_cast<long long>(r->clockReadings),
                        static_cast<long long>(r->tripPoints), static_cast<long long>(r->drives));
    }
    const char *stepNames[] = {
        "  of which the index checked",       "  of which its facts read",
        "  of which the trips grouped",       "  of which the first trip's route",
        "  of which every drive for the map", "clock line's offsets (apart)"};
    for (size_t s = 0; s < steps.size(); ++s)
        goals.info(stepNames[s], median(steps[s]), "ms");
    goals.atMost("open again, nothing changed: trips and every route", median(reopen), 150, "ms");

    auto index = CardIndex::open(root);
    if (!index)
        return goals.failed("cannot open the index");
    std::vector<double> query;
    qsizetype passes = 0;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer t;
        t.start();
        const auto found = findPasses(**index, 37.45 + (i % 20) * 0.009, 126.85 + 0.1);
        query.push_back(double(t.nsecsElapsed()) / 1e6);
        passes += found ? found->size() : 0;
    }
    if (passes == 0)
        return goals.failed("find found no pass");
    std::printf("find: %lld passes over 21 places\n", static_cast<long long>(passes));
    goals.atMost("find, query", median(query), 20, "ms");
    std::vector<double> find, help;
    for (int i = 0; i < runs; ++i) {
        const Run found = timed(tool,
                                {QStringLiteral("find"), root, QStringLiteral("--near"),
                                 QStringLiteral("37.45,126.95"), QStringLiteral("--json")},
                                cache.path());
        const Run usage = timed(tool, {QStringLiteral("help")});
        if (found.ms < 0 || !found.out.contains("\"path\"") || usage.ms < 0 ||
            !usage.out.startsWith("usage: tavik-tool"))
            return goals.failed("tavik-tool find or help failed");
        find.push_back(found.ms);
        help.push_back(usage.ms);
    }
    goals.info("tavik-tool find, whole process", median(find), "ms");
    goals.info("tavik-tool help, whole process", median(help), "ms");
    goals.atMost("find, whole process / help", median(find) / median(help), 3, "x");
    return goals.finish();
}
