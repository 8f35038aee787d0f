// `tavik-tool trips DIR --gpx OUT` on a day of driving (1,000 one-minute recordings), as a
// whole process with the card's files dropped from the page cache before every run, against
// reading every file whole (`cat`) under the same conditions.
//   bench_trips [--keep DIR]
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
    QTemporaryDir temp;
    QString root = temp.path();
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--keep"))
        root = args[2];
    if (!QFileInfo::exists(root + QStringLiteral("/config.bin"))) {
        std::printf("writing %d one-minute recordings into %s\n", kRecordings, qPrintable(root));
        if (const QString error = writeDayCard(root); !error.isEmpty()) {
            std::fprintf(stderr, "bench_trips: %s\n", qPrintable(error));
            return 1;
        }
    }
    const QString gpx = temp.filePath(QStringLiteral("day.gpx"));
    const QString cat = QStringLiteral("find \"$1\" -name '*.avi' -exec cat {} + > /dev/null");
    std::vector<double> tool, reference;
    for (int i = 0; i < 5; ++i) {
        evict(root);
        const Run run = timed(QStringLiteral(TAVIK_TOOL),
                              {QStringLiteral("trips"), root, QStringLiteral("--gpx"), gpx});
        evict(root);
        const Run read = timed(QStringLiteral("/bin/sh"),
                               {QStringLiteral("-c"), cat, QStringLiteral("sh"), root});
        if (run.status != 0 || read.status != 0) {
            std::fprintf(stderr, "bench_trips: a run failed (tool %d, cat %d)\n", run.status,
                         read.status);
            return 1;
        }
        tool.push_back(run.ms);
        reference.push_back(read.ms);
    }
    QFile file(gpx);
    file.open(QIODevice::ReadOnly);
    const QByteArray text = file.readAll();
    const qsizetype points = text.count("<trkpt "), segments = text.count("<trkseg>");
    std::printf("GPX: %lld tracks, %lld segments, %lld points (expected %d, %d, %d)\n",
                static_cast<long long>(text.count("<trk>")), static_cast<long long>(segments),
                static_cast<long long>(points), kRecordings / kPerTrip, kRecordings,
                kRecordings * 60);
    std::printf("tavik-tool trips --gpx, cold : %8.1f ms (median of 5, goal < 2000)\n",
                median(tool));
    std::printf("cat of every recording, cold: %8.1f ms (median of 5)\n", median(reference));
    return points == kRecordings * 60 && segments == kRecordings ? 0 : 1;
}
