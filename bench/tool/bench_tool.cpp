// tavik-tool as users run it: whole processes on a warm page cache, start-up included, each
// the median of several runs taken in turn with its reference, printed as ratios.
//   list DIR [--json] on a card of each shape a camera makes (one folder of 15,000 recordings
//       and 15,000 other files; 150 dated folders of the three modes with other files beside)
//       against `find DIR -name '*.avi' | sort`                          goal: at most 1.2 times
//   telemetry F --json on a three-minute recording
//       against `ffprobe -v quiet -select_streams 2 -show_packets F`    goal: 8 times faster
//   telemetry of 60 one-minute recordings in one process
//       against that ffprobe command once per file                       goal: 25 times faster
// A reference that fails or prints nothing ends the benchmark with an error.
#include "benchgoal.h"
#include "cameracard.h"
#include "camerarecording.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QString kTool = QStringLiteral(TAVIK_TOOL_PATH);

QString quoted(const QString &word)
{
    QString text = word;
    return u'\'' + text.replace(u'\'', QLatin1String("'\\''")) + u'\'';
}

// Runs a shell command line; its output, or a null array when it failed.
QByteArray output(const QString &command)
{
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    shell.waitForFinished(-1);
    const QByteArray out = shell.readAllStandardOutput();
    const bool ok = shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0;
    return ok ? (out.isNull() ? QByteArray("") : out) : QByteArray();
}

// Milliseconds of one run with the output thrown away; negative when it failed.
double runMs(const QString &command)
{
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    shell.waitForFinished(-1);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    return shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0 ? ms : -1;
}

struct Pair
{
    double ours = 0;
    double reference = 0;
};

// Both commands `runs` times, alternated so that other load falls on both alike.
bool timePair(const QString &ours, const QString &reference, int runs, Pair &medians)
{
    std::vector<double> a, b;
    for (int i = 0; i < runs; ++i) {
        a.push_back(runMs(ours));
        b.push_back(runMs(reference));
        if (a.back() < 0 || b.back() < 0) {
            std::fprintf(stderr, "bench_tool: failed: %s\n",
                         qPrintable(a.back() < 0 ? ours : reference));
            return false;
        }
    }
    medians = {median(a), median(b)};
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bench::Goals goals("bench_tool");
    QTemporaryDir dir;
    struct Card
    {
        const char *shape;
        QString root;
        int avis;
    };
    std::vector<Card> cards{
        {"one folder", dir.filePath(QStringLiteral("one")), 0},
        {"dated folders", dir.filePath(QStringLiteral("dated")), 0},
    };
    cards[0].avis = writeOneFolderCard(cards[0].root, bench::size(15000, 200));
    cards[1].avis = writeDatedFoldersCard(cards[1].root, bench::size(150, 6), bench::size(100, 20));
    const int minuteCount = bench::size(60, 3);
    const QString three = dir.filePath(QStringLiteral("alwa_20240131_120000_F.avi"));
    QStringList minutes;
    bool written = cards[0].avis > 0 && cards[1].avis > 0 &&
                   writeCameraRecording(three, bench::size(180, 10), 48 * 1024);
    for (int i = 0; written && i < minuteCount; ++i) {
        minutes << dir.filePath(
            QStringLiteral("alwa_20240131_12%1_F.avi").arg(i, 2, 10, QLatin1Char('0')));
        written = writeCameraRecording(minutes.last(), 60, 16 * 1024);
    }
    if (!written)
        return goals.failed(
            qPrintable(QStringLiteral("cannot write the test files in ") + dir.path()));
    QStringList quotedMinutes;
    for (const QString &path : std::as_const(minutes))
        quotedMinutes << quoted(path);
    const QString probe = QStringLiteral("ffprobe -v quiet -select_streams 2 -show_packets ");
    const QString probeEach = QStringLiteral("for f in %1; do %2\"$f\" || exit 1; done")
                                  .arg(quotedMinutes.join(u' '), probe);
    const QString tool = quoted(kTool);
    const int runs = bench::runs(11);

    // The references must really do their work: every recording found, every packet shown.
    for (const Card &card : cards) {
        const QString find = QStringLiteral("find %1 -name '*.avi' | sort").arg(quoted(card.root));
        if (output(find).count('\n') != card.avis)
            return goals.failed("find did not list every recording");
        Pair json, text;
        if (!timePair(tool + QStringLiteral(" list %1 --json").arg(quoted(card.root)), find, runs,
                      json) ||
            !timePair(tool + QStringLiteral(" list %1").arg(quoted(card.root)), find, runs, text))
            return goals.failed("a run failed");
        std::printf("%s: %d *.avi files; find | sort %.1f ms, list --json %.1f ms, list %.1f ms "
                    "(medians of %d)\n",
                    card.shape, card.avis, json.reference, json.ours, text.ours, runs);
        goals.atMost(
            qPrintable(
                QStringLiteral("list --json / find | sort, %1").arg(QLatin1String(card.shape))),
            json.ours / json.reference, 1.2);
        goals.atMost(
            qPrintable(QStringLiteral("list / find | sort, %1").arg(QLatin1String(card.shape))),
            text.ours / text.reference, 1.2);
    }

    const QByteArray packets = output(probe + quoted(three));
    const QByteArray allPackets = output(probeEach);
    if (packets.count("[PACKET]") < bench::size(180, 10) ||
        allPackets.count("[PACKET]") < minuteCount * 60)
        return goals.failed("the ffprobe reference did not show every packet");
    Pair one, many, help;
    if (!timePair(tool + QStringLiteral(" telemetry %1 --json").arg(quoted(three)),
                  probe + quoted(three), runs, one) ||
        !timePair(tool + QStringLiteral(" telemetry --json ") + quotedMinutes.join(u' '), probeEach,
                  bench::runs(3), many) ||
        !timePair(tool + QStringLiteral(" help"), QStringLiteral("true"), bench::runs(21), help))
        return goals.failed("a run failed");
    std::printf("telemetry: one file %.1f ms against ffprobe %.1f ms; %d files %.1f ms against "
                "%.1f ms; help %.1f ms\n",
                one.ours, one.reference, minuteCount, many.ours, many.reference, help.ours);
    goals.atLeast("ffprobe / telemetry F --json, 3 minutes", one.reference / one.ours, 8);
    goals.atLeast("ffprobe once per file / telemetry of 60 files", many.reference / many.ours, 25);
    return goals.finish();
}
