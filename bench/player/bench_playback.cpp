// Playback of a front and rear pair: the time from the double click to the first frame in
// both views (warm cache), and the CPU time of 20 seconds of playing against two `cvlc`
// processes playing the same two files on the same display. Run it on a display (xvfb-run
// -s "-ac" for a headless machine, so that cvlc, run as "nobody" when we are root, may draw).
//   bench_playback [CARD]
#include "app/controls/AppResources.h"
#include "app/player/PlayerWindow.h"
#include "app/player/VideoView.h"
#include "benchgoal.h"
#include "core/catalogue/MediaList.h"
#include "core/common/strings.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

// CPU seconds (user + system) of a process and all its descendants, from /proc.
double cpuSecondsOfTree(pid_t root)
{
    const double ticks = double(sysconf(_SC_CLK_TCK));
    double total = 0;
    std::vector<pid_t> pending{root};
    const QStringList all = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    while (!pending.empty()) {
        const pid_t pid = pending.back();
        pending.pop_back();
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12)
            total += (fields[11].toDouble() + fields[12].toDouble()) / ticks;
        for (const QString &entry : all) {
            bool isPid = false;
            const pid_t child = entry.toInt(&isPid);
            if (!isPid)
                continue;
            QFile childStat(QStringLiteral("/proc/%1/stat").arg(child));
            if (!childStat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray c = childStat.readAll();
            const QList<QByteArray> f = c.mid(c.lastIndexOf(')') + 2).split(' ');
            if (f.size() > 1 && f[1].toInt() == pid)
                pending.push_back(child);
        }
    }
    return total;
}

qint64 pairedFront(const MediaList *list)
{
    for (qint64 i = 0; i < list->count(); ++i) {
        const MediaFile *m = list->mediaAtIndex(i);
        const MediaPair *pair = list->findMediaPairWithFileName(m->mediaName());
        if (m->isFrontMedia() && pair && pair->rearMedia)
            return i;
    }
    return -1;
}

double timeToFirstFrames(PlayerWindow &app, qint64 row)
{
    app.playback()->stop();
    app.playback()->catalogueReplaced(); // so that the click starts the row anew
    QTest::qWait(300);
    QTableView *table = app.ui().mediaListTableView;
    table->selectRow(int(row));
    QSignalSpy first1(app.video1View(), &VideoView::firstFrameShown);
    QSignalSpy first2(app.video2View(), &VideoView::firstFrameShown);
    QElapsedTimer clock;
    clock.start();
    app.playback()->playRow(row); // what the double click does
    if (!QTest::qWaitFor([&] { return first1.count() && first2.count(); }, 15000))
        return -1;
    return clock.nsecsElapsed() / 1e6;
}

// CPU seconds two cvlc players burn in `seconds` of playing; negative when one of them stopped
// before the end, which would make the comparison worthless.
double cvlcCpu(const QStringList &files, int seconds)
{
    QList<QProcess *> players;
    for (const QString &file : files) {
        auto *p = new QProcess;
        QStringList args{QStringLiteral("--no-video-title-show"), QStringLiteral("--aout=dummy"),
                         QStringLiteral("--loop"), file};
        if (geteuid() == 0) {
            // VLC refuses to run as root.
            args.prepend(QStringLiteral("cvlc"));
            args = QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                               QStringLiteral("--clear-groups")} +
                   args;
            p->start(QStringLiteral("setpriv"), args);
        } else {
            p->start(QStringLiteral("cvlc"), args);
        }
        players << p;
    }
    QTest::qWait(1000); // let both open before counting
    double before = 0;
    for (QProcess *p : players)
        before += cpuSecondsOfTree(pid_t(p->processId()));
    QTest::qWait(seconds * 1000);
    double after = 0;
    bool allRan = true;
    for (QProcess *p : players) {
        after += cpuSecondsOfTree(pid_t(p->processId()));
        if (p->state() != QProcess::Running) {
            allRan = false;
            std::fprintf(stderr, "bench_playback: the cvlc reference stopped (status %d): %s\n",
                         p->exitCode(), p->readAllStandardError().trimmed().constData());
        }
    }
    for (QProcess *p : players) {
        p->kill();
        p->waitForFinished();
        delete p;
    }
    return allRan ? after - before : -1;
}

} // namespace

int main(int argc, char **argv)
{
    tvk::prepareApplicationEnvironment();
    qputenv("TAVIK_VLC_AOUT", "dummy");
    QApplication app(argc, argv);
    tvk::initApplicationIdentity();
    tvk::initAppResources();
    tvk::installStringTable();
    bench::Goals goals("bench_playback");

    QTemporaryDir temp;
    QString card = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (card.isEmpty()) {
        // The cvlc reference runs as nobody when we are root: it must be able to read the card.
        QFile::setPermissions(temp.path(), QFile::permissions(temp.path()) | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
        card = temp.filePath(QStringLiteral("card"));
        std::printf("writing a sample card of one-minute recordings...\n");
        QStringList demo{QStringLiteral("demo-card"), card};
        if (bench::shortMode())
            demo << QStringLiteral("--seconds") << QStringLiteral("10");
        if (QProcess::execute(QStringLiteral(TAVIK_TOOL_PATH), demo) != 0)
            return goals.failed("cannot write the sample card");
    }
    PlayerWindow window;
    window.show();
    window.openFolder(card);
    if (!QTest::qWaitFor([&] { return window.mediaList()->count() > 0; }, 10000))
        return goals.failed("the catalogue stayed empty");
    const qint64 row = pairedFront(window.mediaList());
    if (row < 0)
        return goals.failed(qPrintable(QStringLiteral("no front and rear pair in ") + card));
    const MediaPair *pair = window.mediaList()->findMediaPairWithFileName(
        window.mediaList()->mediaAtIndex(row)->mediaName());
    std::printf("pair: %s + %s\n", qPrintable(pair->frontMedia->fileName()),
                qPrintable(pair->rearMedia->fileName()));

    timeToFirstFrames(window, row); // warms the page cache and the decoders
    std::vector<double> latencies;
    for (int i = 0; i < bench::runs(7); ++i)
        latencies.push_back(timeToFirstFrames(window, row));
    std::sort(latencies.begin(), latencies.end());
    if (latencies.front() < 0)
        return goals.failed("a view showed no first frame within 15 s");
    std::printf("double click to first frame in both views: median %.0f ms, best %.0f ms, worst "
                "%.0f ms (%zu runs)\n",
                latencies[latencies.size() / 2], latencies.front(), latencies.back(),
                latencies.size());
    goals.atMost("double click to first frame in both views", latencies[latencies.size() / 2], 80,
                 "ms");

    // The pair playing in the window, against two cvlc players.
    const int seconds = bench::size(20, 3);
    timeToFirstFrames(window, row);
    QTest::qWait(1000);
    const double before = cpuSecondsOfTree(getpid());
    QTest::qWait(seconds * 1000);
    const double ours = cpuSecondsOfTree(getpid()) - before;
    window.playback()->stop();

    const double theirs = cvlcCpu({pair->frontMedia->path(), pair->rearMedia->path()}, seconds);
    // Two players decoding burn a twentieth of a second of CPU each second at least; a
    // reference that burned less did not play, and a ratio against it would mean nothing.
    if (theirs < seconds / 20.0)
        return goals.failed(qPrintable(
            QStringLiteral("the cvlc reference did not play (%1 s of CPU)").arg(theirs)));
    std::printf("CPU for %d s of the pair: Tavik Viewer %.2f s, two cvlc %.2f s\n", seconds, ours,
                theirs);
    goals.atMost("CPU of the pair playing / two cvlc", ours / theirs, 1.3);
    return goals.finish();
}
