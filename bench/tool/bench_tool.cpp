// tavik-tool as users run it: whole processes on a warm page cache, start-up included, each
// the median of several runs taken in turn with its reference, printed as ratios.
//   list DIR [--json] on a card of 15,000 recordings and 15,000 other files
//       against `find DIR -name '*.avi' | sort`                          goal: at most 1.5 times
//   telemetry F --json on a three-minute recording
//       against `ffprobe -v quiet -select_streams 2 -show_packets F`    goal: 8 times faster
//   telemetry of 60 one-minute recordings in one process
//       against that ffprobe command once per file                       goal: 25 times faster
// A reference that fails or prints nothing ends the benchmark with an error.
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

bool writeCard(const QString &root)
{
    QDir().mkpath(root + QStringLiteral("/DCIM/100ALWAY"));
    QDir().mkpath(root + QStringLiteral("/DCIM/OTHER"));
    QDateTime at(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < 15000; ++i) {
        const QString stamp = at.toString(QStringLiteral("yyyyMMdd_HHmmss"));
        const QString side = i % 2 ? QStringLiteral("R") : QStringLiteral("F");
        QFile avi(root + QStringLiteral("/DCIM/100ALWAY/alwa_%1_%2.avi").arg(stamp, side));
        QFile other(root + QStringLiteral("/DCIM/OTHER/note_%1_%2.txt").arg(stamp, side));
        if (!avi.open(QIODevice::WriteOnly) || !other.open(QIODevice::WriteOnly))
            return false;
        if (i % 2)
            at = at.addSecs(60);
    }
    return true;
}

void report(const char *what, const Pair &m, const char *reference, double ratio, const char *goal)
{
    std::printf("%-34s %8.1f ms   %-40s %8.1f ms   ratio %6.2f  (%s)\n", what, m.ours, reference,
                m.reference, ratio, goal);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("card"));
    const QString three = dir.filePath(QStringLiteral("alwa_20240131_120000_F.avi"));
    QStringList minutes;
    bool written = writeCard(card) && writeCameraRecording(three, 180, 48 * 1024);
    for (int i = 0; written && i < 60; ++i) {
        minutes << dir.filePath(
            QStringLiteral("alwa_20240131_12%1_F.avi").arg(i, 2, 10, QLatin1Char('0')));
        written = writeCameraRecording(minutes.last(), 60, 16 * 1024);
    }
    if (!written) {
        std::fprintf(stderr, "bench_tool: cannot write the test files in %s\n",
                     qPrintable(dir.path()));
        return 1;
    }
    QStringList quotedMinutes;
    for (const QString &path : std::as_const(minutes))
        quotedMinutes << quoted(path);
    const QString find = QStringLiteral("find %1 -name '*.avi' | sort").arg(quoted(card));
    const QString probe = QStringLiteral("ffprobe -v quiet -select_streams 2 -show_packets ");
    const QString probeEach = QStringLiteral("for f in %1; do %2\"$f\" || exit 1; done")
                                  .arg(quotedMinutes.join(u' '), probe);

    // The references must really do their work: every recording found, every packet shown.
    const QByteArray found = output(find);
    const QByteArray packets = output(probe + quoted(three));
    const QByteArray allPackets = output(probeEach);
    if (found.count('\n') != 15000 || packets.count("[PACKET]") < 180 ||
        allPackets.count("[PACKET]") < 60 * 60) {
        std::fprintf(stderr,
                     "bench_tool: a reference did not run: find listed %lld files, "
                     "ffprobe showed %lld and %lld packets\n",
                     static_cast<long long>(found.count('\n')),
                     static_cast<long long>(packets.count("[PACKET]")),
                     static_cast<long long>(allPackets.count("[PACKET]")));
        return 1;
    }

    Pair json, text, one, many, help;
    const QString tool = quoted(kTool);
    if (!timePair(tool + QStringLiteral(" list %1 --json").arg(quoted(card)), find, 11, json) ||
        !timePair(tool + QStringLiteral(" list %1").arg(quoted(card)), find, 11, text) ||
        !timePair(tool + QStringLiteral(" telemetry %1 --json").arg(quoted(three)),
                  probe + quoted(three), 11, one) ||
        !timePair(tool + QStringLiteral(" telemetry --json ") + quotedMinutes.join(u' '), probeEach,
                  3, many) ||
        !timePair(tool + QStringLiteral(" help"), QStringLiteral("true"), 21, help))
        return 1;

    std::printf("whole processes, warm cache, medians (11 runs; 3 for the 60 files)\n");
    report("list DIR --json", json, "find DIR -name '*.avi' | sort", json.ours / json.reference,
           "goal <= 1.5");
    report("list DIR", text, "find DIR -name '*.avi' | sort", text.ours / text.reference,
           "goal <= 1.5");
    report("telemetry F --json (3 min)", one, "ffprobe ... -show_packets F",
           one.reference / one.ours, "ffprobe / ours, goal >= 8");
    report("telemetry 60 files --json", many, "ffprobe once per file", many.reference / many.ours,
           "ffprobe / ours, goal >= 25");
    std::printf("%-34s %8.1f ms\n", "help", help.ours);
    return 0;
}
