// `tavik-tool trips DIR --gpx OUT` on a day of driving (1,000 one-minute recordings), as a
// whole process with the card's files dropped from the page cache before every run, against
// reading every file whole (`cat`) under the same conditions.
//   bench_trips [--keep DIR]
#include "benchgoal.h"
#include "daycard.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run
{
    double ms = 0;
    int status = -1;
};

Run timed(const QString &program, const QStringList &args)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, args);
    p.waitForFinished(-1);
    return {t.nsecsElapsed() / 1e6, p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bench::Goals goals("bench_trips");
    const int recordings = bench::size(kRecordings, 2 * kPerTrip);
    QTemporaryDir temp;
    QString root = temp.path();
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--keep"))
        root = args[2];
    if (!QFileInfo::exists(root + QStringLiteral("/config.bin"))) {
        std::printf("writing %d one-minute recordings into %s\n", recordings, qPrintable(root));
        if (const QString error = writeDayCard(root, recordings); !error.isEmpty())
            return goals.failed(qPrintable(error));
    }
    const QString gpx = temp.filePath(QStringLiteral("day.gpx"));
    const QString cat = QStringLiteral("find \"$1\" -name '*.avi' -exec cat {} + > /dev/null");
    std::vector<double> tool, reference;
    const int runs = bench::runs(5);
    for (int i = 0; i < runs; ++i) {
        evict(root);
        const Run run = timed(QStringLiteral(TAVIK_TOOL),
                              {QStringLiteral("trips"), root, QStringLiteral("--gpx"), gpx});
        evict(root);
        const Run read = timed(QStringLiteral("/bin/sh"),
                               {QStringLiteral("-c"), cat, QStringLiteral("sh"), root});
        if (run.status != 0 || read.status != 0)
            return goals.failed(qPrintable(
                QStringLiteral("a run failed (tool %1, cat %2)").arg(run.status).arg(read.status)));
        tool.push_back(run.ms);
        reference.push_back(read.ms);
    }
    QFile file(gpx);
    file.open(QIODevice::ReadOnly);
    const QByteArray text = file.readAll();
    const qsizetype points = text.count("<trkpt "), segments = text.count("<trkseg>");
    std::printf("GPX: %lld tracks, %lld segments, %lld points (expected %d, %d, %d)\n",
                static_cast<long long>(text.count("<trk>")), static_cast<long long>(segments),
                static_cast<long long>(points), recordings / kPerTrip, recordings, recordings * 60);
    if (points != recordings * 60 || segments != recordings)
        return goals.failed("the GPX does not hold every point");
    std::printf("cold page cache, medians of %d: tavik-tool trips --gpx %.1f ms, cat of every "
                "recording %.1f ms\n",
                runs, median(tool), median(reference));
    goals.atMost("tavik-tool trips --gpx, a day, cold", median(tool), 2000, "ms");
    return goals.finish();
}
