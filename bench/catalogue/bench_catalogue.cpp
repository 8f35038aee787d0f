// The catalogue walk in this process (collect, sort, pair) against the whole process
// `find DIR -name '*.avi' | sort` (goal: at most 0.6 times), on a card of mixed folders, on
// one of 150 dated folders of the three modes with other files beside the recordings and on
// one of a single folder of 15,000 recordings beside 15,000 other files, and how
// long the interface thread's event loop is kept waiting while a walk runs.
//   bench_catalogue [--keep DIR]
#include "benchgoal.h"
#include "cameracard.h"
#include "core/catalogue/MediaList.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void makeTree(const QString &root, int kRecordings, int kOthers)
{
    // A card as the camera fills it: recordings in a few dated folders, with thumbnails,
    // logs and other files beside them.
    const char *kinds[] = {"alwa", "event", "motion"};
    for (int i = 0; i < kRecordings; ++i) {
        const int second = i / 2;
        const QString folder =
            QStringLiteral("%1/DCIM/%2/%3")
                .arg(root, QLatin1String(kinds[i % 7 == 0 ? 1 : (i % 11 == 0 ? 2 : 0)]))
                .arg(100 + i / 1000);
        QDir().mkpath(folder);
        const QString name = QStringLiteral("%1_2024%2%3_%4%5%6_%7.avi")
                                 .arg(QLatin1String(kinds[i % 7 == 0 ? 1 : (i % 11 == 0 ? 2 : 0)]))
                                 .arg(1 + second / 86400 % 12, 2, 10, QLatin1Char('0'))
                                 .arg(1 + second / 3600 % 28, 2, 10, QLatin1Char('0'))
                                 .arg(second / 3600 % 24, 2, 10, QLatin1Char('0'))
                                 .arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
                                 .arg(second % 60, 2, 10, QLatin1Char('0'))
                                 .arg(QLatin1Char(i % 2 ? 'R' : 'F'));
        QFile(folder + u'/' + name).open(QIODevice::WriteOnly);
    }
    for (int i = 0; i < kOthers; ++i) {
        const QString folder = QStringLiteral("%1/MISC/%2").arg(root).arg(i / 500);
        QDir().mkpath(folder);
        const char *ext[] = {"jpg", "txt", "thm", "log", "mp4"};
        QFile(QStringLiteral("%1/file_%2.%3").arg(folder).arg(i).arg(QLatin1String(ext[i % 5])))
            .open(QIODevice::WriteOnly);
    }
}

// The number of *.avi files find lists.
qsizetype findCount(const QString &root)
{
    QProcess p;
    p.start(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("find \"$1\" -name '*.avi' | sort"),
             QStringLiteral("sh"), root});
    p.waitForFinished(-1);
    return p.readAllStandardOutput().count('\n');
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double minimum(const std::vector<double> &v)
{
    return *std::min_element(v.begin(), v.end());
}

double maximum(const std::vector<double> &v)
{
    return *std::max_element(v.begin(), v.end());
}

double timeFind(const QString &root)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("find \"$1\" -name '*.avi' | sort > /dev/null"),
             QStringLiteral("sh"), root});
    p.waitForFinished(-1);
    return t.nsecsElapsed() / 1e6;
}

double timeWalk(const QString &root, qsizetype *count)
{
    QElapsedTimer t;
    t.start();
    const MediaList::Contents contents = MediaList::walk(root);
    *count = contents.medias.size();
    return t.nsecsElapsed() / 1e6;
}

// Walks through the catalogue object as the window does and records the longest gap between
// ticks of a 1 ms timer on the interface thread.
double longestInterfaceStall(const QString &root)
{
    bool done = false;
    MediaList list;
    QObject::connect(&list, &MediaList::catalogueChanged, [&done] { done = true; });
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    last = clock.nsecsElapsed();
    list.setDirectoryPath(root);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return longest / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bench::Goals goals("bench_catalogue");
    QTemporaryDir temp;
    QString root = temp.path();
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--keep"))
        root = args[2];
    const QString mixed = root + QStringLiteral("/mixed");
    const QString dated = root + QStringLiteral("/dated");
    const QString one = root + QStringLiteral("/one");
    if (!QFileInfo::exists(mixed + QLatin1String("/DCIM")))
        makeTree(mixed, bench::size(15000, 300), bench::size(15000, 300));
    if (!QFileInfo::exists(dated + QLatin1String("/DCIM")) &&
        writeDatedFoldersCard(dated, bench::size(150, 6), bench::size(100, 20)) < 0)
        return goals.failed("cannot write the dated card");
    if (!QFileInfo::exists(one + QLatin1String("/DCIM")) &&
        writeOneFolderCard(one, bench::size(15000, 300)) < 0)
        return goals.failed("cannot write the one-folder card");

    const int runs = bench::runs(9);
    for (const auto &[shape, card] :
         {std::pair("mixed folders", mixed), {"dated folders", dated}, {"one folder", one}}) {
        timeFind(card); // warm the page cache
        qsizetype count = 0;
        timeWalk(card, &count);
        if (count == 0 || findCount(card) < count)
            return goals.failed("the walk or find found nothing");
        std::vector<double> finds, walks;
        for (int i = 0; i < runs; ++i) {
            finds.push_back(timeFind(card));
            walks.push_back(timeWalk(card, &count));
        }
        std::printf("%s, %lld recordings: find | sort %.1f ms (%.1f-%.1f), walk %.1f ms "
                    "(%.1f-%.1f), medians of %d\n",
                    shape, static_cast<long long>(count), median(finds), minimum(finds),
                    maximum(finds), median(walks), minimum(walks), maximum(walks), runs);
        goals.atMost(qPrintable(QStringLiteral("walk / find | sort, %1").arg(QLatin1String(shape))),
                     median(walks) / median(finds), 0.6);
    }
    goals.info("longest interface stall during a walk", longestInterfaceStall(dated), "ms");
    return goals.finish();
}
