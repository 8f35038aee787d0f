// Times the telemetry extraction of a three-minute recording laid out as the camera writes it
// (30 video frames, five audio blocks, one GPS record and ten G-sensor samples per second) on
// a warm page cache, against `ffprobe -v quiet -select_streams 2 -show_packets` on the same
// file and against the floor: plain positioned reads of the same index and telemetry chunks.
// Goals: at least 10 times faster than ffprobe, within 2 times the floor.
#include "benchgoal.h"
#include "camerarecording.h"
#include "core/telemetry/BlackBoxData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

double fastest(const std::vector<double> &times)
{
    return *std::min_element(times.begin(), times.end());
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The floor: the same bytes with nothing but pread and a scan for "02sb".
qint64 plainReads(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return -1;
    char head[4];
    qint64 total = 0;
    if (::pread(fd, head, 4, 14136) == 4) {
        const off_t size = ::lseek(fd, 0, SEEK_END);
        const off_t indexStart = 14148 + qFromLittleEndian<quint32>(head);
        std::vector<char> block(64 * 1024);
        char record[552];
        for (off_t at = indexStart; at < size;) {
            const ssize_t n = ::pread(fd, block.data(), block.size(), at);
            if (n < 16)
                break;
            for (ssize_t e = 0; e + 16 <= n; e += 16) {
                const char *entry = block.data() + e;
                if (std::memcmp(entry, "02sb", 4) != 0)
                    continue;
                const quint32 offset = qFromLittleEndian<quint32>(entry + 8);
                const quint32 length = qFromLittleEndian<quint32>(entry + 12);
                total += ::pread(fd, record, length > 32 ? 552 : 24, 14148 + off_t(offset));
            }
            at += n - n % 16;
        }
    }
    ::close(fd);
    return total;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bench::Goals goals("bench_telemetry");
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : bench::size(180, 10);
    const int frameKiB = argc > 2 ? std::max(1, atoi(argv[2])) : 48;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alwa_20240131_120000_F.avi"));
    if (!writeCameraRecording(path, seconds, frameKiB * 1024))
        return goals.failed(qPrintable(QStringLiteral("cannot write ") + path));
    const QByteArray localPath = QFile::encodeName(path);
    {
        QFile warm(path); // bring the whole file into the page cache
        warm.open(QIODevice::ReadOnly);
        while (!warm.read(1 << 20).isEmpty()) {
        }
    }

    qsizetype samples = 0, fixes = 0;
    qint64 floorBytes = 0;
    const auto extraction = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        const RecordedTelemetryPtr t = BlackBoxData::extract(file).value();
        samples = t->m_GSensors.size();
        fixes = t->m_NMEAs.size();
    };
    // Alternated, so that other load on the machine falls on both alike.
    const int kRuns = bench::runs(31);
    std::vector<double> ourTimes, floorTimes;
    for (int i = 0; i < kRuns; ++i) {
        ourTimes.push_back(timeMs(extraction));
        floorTimes.push_back(timeMs([&] { floorBytes = plainReads(localPath); }));
    }
    const double ours = median(ourTimes);
    const double floor = median(floorTimes);

    const QString ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
    if (ffprobe.isEmpty())
        return goals.failed("ffprobe, the reference, is not installed (package ffmpeg)");
    std::vector<double> probeTimes;
    {
        for (int i = 0; i < bench::runs(5); ++i) {
            probeTimes.push_back(timeMs([&] {
                QProcess p;
                p.start(ffprobe, {QStringLiteral("-v"), QStringLiteral("quiet"),
                                  QStringLiteral("-select_streams"), QStringLiteral("2"),
                                  QStringLiteral("-show_packets"), path});
                p.waitForFinished(-1);
                p.readAllStandardOutput();
            }));
        }
    }

    const double probe = median(probeTimes);
    if (samples == 0 || fixes == 0)
        return goals.failed("the extraction found no telemetry");
    std::printf("recording: %d s, %.1f MB, %lld G-sensor samples, %lld NMEA fixes\n", seconds,
                double(QFile(path).size()) / 1e6, static_cast<long long>(samples),
                static_cast<long long>(fixes));
    std::printf("extraction %.3f ms (median of %d; fastest %.3f ms), floor %.3f ms (fastest "
                "%.3f ms; %lld bytes of records), ffprobe %.3f ms (median of %d)\n",
                ours, kRuns, fastest(ourTimes), floor, fastest(floorTimes),
                static_cast<long long>(floorBytes), probe, bench::runs(5));
    goals.atMost("extraction / plain reads of its records", ours / floor, 2);
    goals.atLeast("ffprobe / extraction", probe / ours, 10);
    return goals.finish();
}
