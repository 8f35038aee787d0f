// The catalogue walk of a large card against `find DIR -name '*.avi' | sort`, and how long the
// interface thread's event loop is kept waiting while a walk runs.
//   bench_catalogue [--keep DIR]
#include "core/catalogue/TVKMediaList.h"

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

constexpr int kRecordings = 15000;
constexpr int kOthers = 15000;

void makeTree(const QString &root)
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

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
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
    const TVKMediaList::Contents contents = TVKMediaList::walk(root);
    *count = contents.medias.size();
    return t.nsecsElapsed() / 1e6;
}

// Walks through the catalogue object as the window does and records the longest gap between
// ticks of a 1 ms timer on the interface thread.
double longestInterfaceStall(const QString &root)
{
    struct Delegate : TVKMediaListDelegate
    {
        bool done = false;
        void mediaListChanged(TVKMediaList *) override { done = true; }
    } delegate;
    TVKMediaList list;
    list.setDelegate(&delegate);
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
    while (!delegate.done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return longest / 1e6;
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
    std::printf("building %d recordings and %d other files in %s\n", kRecordings, kOthers,
                qPrintable(root));
    if (!QFileInfo::exists(root + QLatin1String("/DCIM")))
        makeTree(root);

    timeFind(root); // warm the page cache
    qsizetype count = 0;
    timeWalk(root, &count);

    std::vector<double> finds, walks;
    for (int i = 0; i < 9; ++i) {
        finds.push_back(timeFind(root));
        walks.push_back(timeWalk(root, &count));
    }
    const double find = median(finds), walk = median(walks);
    std::printf("find | sort      : %8.1f ms (median of 9)\n", find);
    std::printf("catalogue walk   : %8.1f ms (median of 9), %lld recordings\n", walk,
                static_cast<long long>(count));
    std::printf("ratio walk/find  : %8.2f (goal <= 1.5)\n", walk / find);
    std::printf("longest interface stall during a walk: %.1f ms\n", longestInterfaceStall(root));
    return 0;
}
