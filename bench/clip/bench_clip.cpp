// A 60-second pair of the sample card exported side by side, as users run it:
//   tavik-tool clip F OUT.mp4 (with the overlay)
//       against ffmpeg -i F -i R -filter_complex "[1:v]scale=W:H[r];[0:v][r]hstack"
//               -c:v libx264 -preset P -crf Q -c:a aac OUT.mp4 (without any overlay)
//   goals: ours at most 1.0 times its time; peak memory at most 300 MB.
// Both run in turn, several times, whole processes; the median time and the largest peak
// resident size count. The reference's file must play (ffmpeg decodes it without error).
//   bench_clip [CARD [RUNS]]   (CARD written by `tavik-tool demo-card CARD --seconds 60`;
//                               RUNS of each, 3 unless given)
// The processor time of each is printed too: on a shared machine it shows the work done when
// the elapsed time shows mostly the others' load. With TAVIK_BENCH_SHORT set, a card of
// 10-second recordings and one run of each prove that both still work; no goal is judged.
#include "benchgoal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

const QString kTool = QStringLiteral(TAVIK_TOOL_PATH);
const QString kPreset = QStringLiteral("veryfast");
const QString kQuality = QStringLiteral("23");

struct Run
{
    bool ok = false;
    double seconds = 0;
    double peakMb = 0;
    double cpuSeconds = 0; // user and system
};

// Runs a program to its end, with its output to /dev/null.
Run run(const QStringList &words)
{
    std::vector<QByteArray> bytes;
    for (const QString &word : words)
        bytes.push_back(word.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : bytes)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    Run result;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid) {
            result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            result.peakMb = double(usage.ru_maxrss) / 1024;
            result.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                                double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        }
    }
    result.seconds = double(timer.nsecsElapsed()) / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QString card = app.arguments().value(1);
    if (card.isEmpty()) {
        card = dir.filePath(QStringLiteral("card"));
        std::fprintf(stderr, "writing a sample card of one-minute recordings…\n");
        if (!run({kTool, QStringLiteral("demo-card"), card, QStringLiteral("--seconds"),
                  QString::number(bench::size(60, 10))})
                 .ok) {
            std::fprintf(stderr, "bench_clip: the sample card could not be written\n");
            return 1;
        }
    }
    const QString front = card + QStringLiteral("/DCIM/100ALWAY/alwa_20261017_083000_F.avi");
    const QString rear = card + QStringLiteral("/DCIM/100ALWAY/alwa_20261017_083000_R.avi");
    const QString ours = dir.filePath(QStringLiteral("ours.mp4"));
    const QString theirs = dir.filePath(QStringLiteral("ffmpeg.mp4"));
    const QStringList oursCommand{
        kTool,   QStringLiteral("clip"),      front,    QStringLiteral("--preset"),
        kPreset, QStringLiteral("--quality"), kQuality, ours};
    const QStringList theirCommand{QStringLiteral("ffmpeg"),
                                   QStringLiteral("-y"),
                                   QStringLiteral("-v"),
                                   QStringLiteral("error"),
                                   QStringLiteral("-i"),
                                   front,
                                   QStringLiteral("-i"),
                                   rear,
                                   QStringLiteral("-filter_complex"),
                                   QStringLiteral("[1:v]scale=960:540[r];[0:v][r]hstack"),
                                   QStringLiteral("-c:v"),
                                   QStringLiteral("libx264"),
                                   QStringLiteral("-preset"),
                                   kPreset,
                                   QStringLiteral("-crf"),
                                   kQuality,
                                   QStringLiteral("-c:a"),
                                   QStringLiteral("aac"),
                                   theirs};

    std::vector<double> oursTimes, theirTimes, oursCpu, theirCpu;
    double oursPeak = 0, theirPeak = 0;
    const int runs = std::max(1, app.arguments().value(2, QString::number(bench::runs(3))).toInt());
    for (int i = 0; i < runs; ++i) {
        const Run a = run(oursCommand);
        const Run b = run(theirCommand);
        if (!a.ok || !b.ok) {
            std::fprintf(stderr, "bench_clip: %s failed\n", a.ok ? "ffmpeg" : "tavik-tool clip");
            return 1;
        }
        oursTimes.push_back(a.seconds);
        theirTimes.push_back(b.seconds);
        oursCpu.push_back(a.cpuSeconds);
        theirCpu.push_back(b.cpuSeconds);
        oursPeak = std::max(oursPeak, a.peakMb);
        theirPeak = std::max(theirPeak, b.peakMb);
        std::printf(
            "run %d: ours %.1f s (cpu %.1f s) %.0f MB, ffmpeg %.1f s (cpu %.1f s) %.0f MB\n", i + 1,
            a.seconds, a.cpuSeconds, a.peakMb, b.seconds, b.cpuSeconds, b.peakMb);
    }
    if (!run({QStringLiteral("ffmpeg"), QStringLiteral("-v"), QStringLiteral("error"),
              QStringLiteral("-xerror"), QStringLiteral("-i"), theirs, QStringLiteral("-f"),
              QStringLiteral("null"), QStringLiteral("-")})
             .ok) {
        std::fprintf(stderr, "bench_clip: the reference's file does not play\n");
        return 1;
    }
    const double ratio = median(oursTimes) / median(theirTimes);
    const bool timeMet = ratio <= 1.0, memoryMet = oursPeak <= 300;
    std::printf("%d-second pair, side by side, preset %s, crf %s\n", bench::size(60, 10),
                qPrintable(kPreset), qPrintable(kQuality));
    std::printf("time:   ours %.1f s (with overlay), ffmpeg %.1f s (without): %.2fx, goal <= 1.0x: "
                "%s\n",
                median(oursTimes), median(theirTimes), ratio, timeMet ? "met" : "NOT met");
    std::printf("cpu:    ours %.1f s, ffmpeg %.1f s: %.2fx\n", median(oursCpu), median(theirCpu),
                median(oursCpu) / median(theirCpu));
    std::printf("memory: ours %.0f MB peak, ffmpeg %.0f MB; goal <= 300 MB: %s\n", oursPeak,
                theirPeak, memoryMet ? "met" : "NOT met");
    if (bench::shortMode())
        return 0;
    return timeMet && memoryMet ? 0 : 2;
}
