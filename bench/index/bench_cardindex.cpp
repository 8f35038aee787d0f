// The card index on a full card (15,000 one-minute recordings, 900,000 route points):
// the first index as a whole process against a plain program reading the same telemetry
// bytes (warm cache, then cold), opening it again with nothing changed, and `find`.
//   bench_cardindex [--keep DIR [--skip-first]]  (DIR keeps the card between runs)
//   bench_cardindex --plain DIR      (the plain program)
#include "bigcard.h"
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

double timedMs(const QString &program, const QStringList &args, const QString &cache = {})
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    if (!cache.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        p.setProcessEnvironment(environment);
    }
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, args);
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return -1;
    return double(t.nsecsElapsed()) / 1e6;
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

void verdict(const char *what, double value, double goal, const char *unit)
{
    std::printf("%-52s %9.1f %s (goal <= %.1f): %s\n", what, value, unit, goal,
                value >= 0 && value <= goal ? "met" : "NOT met");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--plain"))
        return plain(args[2]);
    QTemporaryDir temp;
    const QString root = args.size() >= 3 && args[1] == QLatin1String("--keep")
                             ? args[2]
                             : temp.filePath(QStringLiteral("card"));
    if (!QFileInfo::exists(root + QStringLiteral("/DCIM"))) {
        std::printf("writing %d one-minute recordings into %s\n", kBigCardRecordings,
                    qPrintable(root));
        const QString error = writeBigCard(root, [](int n) {
            std::printf("  %d\n", n);
            std::fflush(stdout);
        });
        if (!error.isEmpty()) {
            std::fprintf(stderr, "bench_cardindex: %s\n", qPrintable(error));
            return 1;
        }
    }
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
            timedMs(self, {QStringLiteral("--plain"), root}); // warms the cache
        const double indexMs = timedMs(tool, indexArgs, cache.path());
        if (cold)
            evict(root);
        const double plainMs = timedMs(self, {QStringLiteral("--plain"), root});
        std::printf("first index, %s: tavik-tool index %.0f ms, plain reader %.0f ms\n",
                    cold ? "cold" : "warm", indexMs, plainMs);
        verdict(cold ? "first index / plain reader, cold" : "first index / plain reader, warm",
                indexMs / plainMs, 1.3, "x");
    }

    // The index the tool keeps for this user, built once here.
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    if (timedMs(tool, indexArgs, cache.path()) < 0)
        return 1;
    std::vector<double> reopen;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        auto index = CardIndex::open(root);
        if (!index || !updateCardIndex(**index))
            return 1;
        auto trips = (*index)->db().prepare("SELECT start, end, kilometres FROM trips");
        qint64 rows = 0;
        while (trips && trips->next())
            ++rows;
        // The whole-card route as the map's layers take it: through the route cache.
        RouteCache routes;
        if (!adoptIndexedRoutes(**index, routes))
            return 1;
        reopen.push_back(double(t.nsecsElapsed()) / 1e6);
        if (i == 0)
            std::printf("opened again: %lld trips read, every route adopted\n",
                        static_cast<long long>(rows));
    }
    verdict("open again, nothing changed, trips + whole route", median(reopen), 150, "ms");

    auto index = CardIndex::open(root);
    if (!index)
        return 1;
    std::vector<double> query;
    qsizetype passes = 0;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer t;
        t.start();
        const auto found = findPasses(**index, 37.45 + (i % 20) * 0.009, 126.85 + 0.1);
        query.push_back(double(t.nsecsElapsed()) / 1e6);
        passes += found ? found->size() : 0;
    }
    std::printf("find: %lld passes over 21 places\n", static_cast<long long>(passes));
    verdict("find, query", median(query), 20, "ms");
    std::vector<double> find, help;
    for (int i = 0; i < 5; ++i) {
        find.push_back(timedMs(tool,
                               {QStringLiteral("find"), root, QStringLiteral("--near"),
                                QStringLiteral("37.45,126.95"), QStringLiteral("--json")},
                               cache.path()));
        help.push_back(timedMs(tool, {QStringLiteral("help")}));
    }
    std::printf("tavik-tool find %.1f ms, tavik-tool help %.1f ms\n", median(find), median(help));
    verdict("find, whole process / help", median(find) / median(help), 3, "x");
    return 0;
}
