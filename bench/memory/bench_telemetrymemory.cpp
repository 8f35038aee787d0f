// Peak memory (the child's maximum resident set, as wait4 reports it) of the whole
// `tavik-tool telemetry FILE [--csv]` process, start-up included, on recordings made to
// inflate the extraction: an index repeating its entries over one GPS chunk packed with
// sentences, and files made of nothing but small telemetry chunks. Goal: at most
// 64 MB + 4 x the file size. A recording as the camera writes it is the reference run.
#include "benchgoal.h"
#include "writers/avi/TVKAviWriter.h"
#include "writers/avi/TelemetryRecords.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint64 kMoviType = 14140;

QByteArray le32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray chunk(const char *code, const QByteArray &payload)
{
    return QByteArray(code, 4) + le32(quint32(payload.size())) + payload;
}

// A GPS record whose 508 bytes of text are "$G" sentences of three bytes.
QByteArray packedGps(quint32 ms, qsizetype bytes)
{
    QByteArray record(bytes, '\0');
    qToLittleEndian<qint32>(205, record.data());
    qToLittleEndian<quint32>(ms, record.data() + 4);
    qToLittleEndian<quint32>(508, record.data() + 8);
    for (qsizetype i = 44; i + 3 <= bytes; i += 3)
        record.replace(i, 3, "$G\n");
    return record;
}

QByteArray gSensor(quint32 ms)
{
    QByteArray record(24, '\0');
    qToLittleEndian<qint32>(171, record.data());
    qToLittleEndian<quint32>(ms, record.data() + 4);
    return record;
}

// Headers, the movi list of `movi`, and an index of `index`.
QByteArray recording(const QByteArray &movi, const QByteArray &index)
{
    QByteArray file(kMoviType + 4, '\0');
    file.replace(0, 4, "RIFF");
    file.replace(8, 4, "AVI ");
    file.replace(kMoviType - 8, 4, "LIST");
    file.replace(kMoviType - 4, 4, le32(quint32(4 + movi.size())));
    file.replace(kMoviType, 4, "movi");
    file += movi + chunk("idx1", index);
    file.replace(4, 4, le32(quint32(file.size() - 8)));
    return file;
}

QByteArray entry(quint32 offset, quint32 size)
{
    return QByteArray("02sb") + le32(0x10) + le32(offset) + le32(size);
}

QByteArray repeatedIndex(qint64 size)
{
    const QByteArray movi = chunk("02sb", packedGps(0, 552)) + chunk("02sb", gSensor(0));
    QByteArray index;
    while (kMoviType + movi.size() + index.size() < size)
        index += entry(4, 552) + entry(4 + 560, 24);
    return recording(movi, index);
}

QByteArray smallChunks(qint64 size, bool gps)
{
    QByteArray movi, index;
    for (quint32 ms = 0; kMoviType + movi.size() + index.size() < size; ms += 100) {
        const QByteArray record = gps ? packedGps(ms, 44 + 30) : gSensor(ms);
        index += entry(quint32(4 + movi.size()), quint32(record.size()));
        movi += chunk("02sb", record);
    }
    return recording(movi, index);
}

bool cameraRecording(const QString &path, int seconds)
{
    TVKAviWriter writer;
    if (!writer.open(path))
        return false;
    const QByteArray frame(60000, 'v');
    const QDateTime start(QDate(2024, 1, 31), QTime(12, 0), Qt::UTC);
    for (int s = 0; s < seconds; ++s) {
        const auto base = quint32(s * 1000);
        for (int f = 0; f < 30; ++f)
            writer.addVideoFrame(base + quint32(f * 33), frame);
        telemetry::Fix fix;
        fix.utc = start.addSecs(s);
        fix.latitude = 37.5;
        fix.longitude = 127.0;
        writer.addGps(base + 500, telemetry::gpsRecord(base + 500, fix));
        for (int g = 0; g < 10; ++g)
            writer.addGSensor(base + quint32(g * 100),
                              telemetry::gSensorRecord(base + quint32(g * 100), 0, 0, 256));
        writer.flush(base + 1000);
    }
    return writer.finish();
}

struct Run
{
    int status = -1;
    qint64 outputBytes = 0;
    long peakKiB = 0;
};

// Runs a program with its output read and counted, and the child's peak memory. The child
// counts the peak of this process's pages at its start too, so this process stays small: the
// files are written by children of their own.
Run runProgram(const QByteArray &program, const QStringList &args)
{
    Run run;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return run;
    // Spawned without copying this process's pages, which fork would count as the child's.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<QByteArray> words{program};
    for (const QString &arg : args)
        words.push_back(QFile::encodeName(arg));
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return run;
    }
    ::close(pipeFds[1]);
    char buffer[65536];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        run.outputBytes += n;
    ::close(pipeFds[0]);
    int status = 0;
    rusage usage = {};
    if (::wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.peakKiB = usage.ru_maxrss;
    return run;
}

Run runTool(const QStringList &args)
{
    return runProgram(QByteArrayLiteral(TAVIK_TOOL), args);
}

bool writeCase(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("camera"))
        return cameraRecording(path, 18);
    const QByteArray bytes = kind == QLatin1String("repeated-3")    ? repeatedIndex(3200000)
                             : kind == QLatin1String("repeated-32") ? repeatedIndex(32000000)
                             : kind == QLatin1String("gps-32")      ? smallChunks(32000000, true)
                                                                    : smallChunks(32000000, false);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArrayView(argv[1]) == "write")
        return writeCase(QString::fromLatin1(argv[2]), QFile::decodeName(argv[3])) ? 0 : 1;
    bench::Goals goals("bench_telemetrymemory");
    QTemporaryDir dir;
    QList<std::pair<const char *, QString>> cases{
        {"camera recording (reference)", QStringLiteral("camera")},
        {"repeated index, 3.2 MB", QStringLiteral("repeated-3")},
        {"repeated index, 32 MB", QStringLiteral("repeated-32")},
        {"GPS chunks only, 32 MB", QStringLiteral("gps-32")},
        {"G-sensor chunks only, 32 MB", QStringLiteral("gsensor-32")},
    };
    if (bench::shortMode())
        cases = cases.first(2);
    std::printf("%-30s %8s %8s %10s %10s %10s\n", "recording", "file MB", "output", "peak MB",
                "goal MB", "csv MB");
    for (const auto &[name, kind] : cases) {
        const QString path = dir.filePath(kind + QStringLiteral(".avi"));
        if (runProgram(QByteArrayLiteral("/proc/self/exe"), {QStringLiteral("write"), kind, path})
                .status != 0)
            return goals.failed("cannot write a recording");
        const qint64 size = QFile(path).size();
        const Run json = runTool({QStringLiteral("telemetry"), path});
        const Run csv = runTool({QStringLiteral("telemetry"), path, QStringLiteral("--csv")});
        const double goal = 64 + 4 * double(size) / 1e6;
        const double peak = std::max(json.peakKiB, csv.peakKiB) * 1024 / 1e6;
        if (json.status != 0 || json.outputBytes == 0 || csv.status != 0)
            return goals.failed(qPrintable(QStringLiteral("tavik-tool telemetry failed on ") +
                                           QLatin1String(name)));
        std::printf("%-30s %8.1f %7.2fM %10.1f %10.1f %10.1f\n", name, double(size) / 1e6,
                    double(json.outputBytes) / 1e6, json.peakKiB * 1024 / 1e6, goal,
                    csv.peakKiB * 1024 / 1e6);
        goals.atMost(qPrintable(QStringLiteral("peak memory, ") + QLatin1String(name)), peak, goal,
                     "MB");
    }
    return goals.finish();
}
