// `tavik-tool trips DIR --gpx OUT` on a day of driving (1,000 one-minute recordings), as a
// whole process with the card's files dropped from the page cache before every run, against
// reading every file whole (`cat`) under the same conditions.
//   bench_trips [--keep DIR]
#include "cardfiles/plannedrecording.h"
#include "settings/settingsrecord.h"

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

constexpr int kRecordings = 1000;
constexpr int kPerTrip = 100; // then a stop of ten minutes

QString writeCard(const QString &root)
{
    const QDateTime first(QDate(2026, 10, 17), QTime(6, 0), Qt::UTC);
    QDateTime at = first;
    for (int i = 0; i < kRecordings; ++i) {
        if (i && i % kPerTrip == 0)
            at = at.addSecs(600);
        PlannedRecording plan;
        plan.path = QStringLiteral("%1/DCIM/100ALWAY/alwa_%2_F.avi")
                        .arg(root, at.toString(QStringLiteral("yyyyMMdd_HHmmss")));
        plan.seconds = 60;
        plan.utcStart = at.addSecs(-9 * 3600);
        plan.longitude = 126.978 + i * 0.0068; // 600 m a minute, due east
        plan.cameraClockMs = quint32(i) * 60000;
        if (const QString error = writePlannedRecording(plan); !error.isEmpty())
            return error;
        at = at.addSecs(60);
    }
    _FILEDATA settings = factoryDefaultRecord();
    settings.time_gmt = 28;
    applySaveStep(settings);
    const tvk::Result<void> written = writeRecord(settings, root + QStringLiteral("/config.bin"));
    return written ? QString() : written.failure().text();
}

// Drops the card's files from the page cache, so that every run reads from the disk.
void evict(const QString &root)
{
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const int fd = ::open(QFile::encodeName(it.next()).constData(), O_RDONLY);
        if (fd >= 0) {
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
}

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
        if (const QString error = writeCard(root); !error.isEmpty()) {
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
