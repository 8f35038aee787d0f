// Peak memory (the child's maximum resident set, as wait4 reports it) of whole tavik-tool
// processes, start-up included. Recordings made to inflate the extraction (an index repeating
// its entries over one GPS chunk packed with sentences, files of nothing but small telemetry
// chunks) go through `telemetry` and `telemetry --csv`; valid recordings filled with
// telemetry go through every command that reads one: telemetry in each format, clock, trips
// and evidence. Goal: at most 64 MB + 4 x the file size. A recording as the camera writes it
// is the reference run.
#include "benchgoal.h"
#include "childpeak.h"
#include "writers/avi/AviWriter.h"
#include "writers/avi/FilledRecording.h"
#include "writers/avi/TelemetryRecords.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdio>

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
    AviWriter writer;
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
        if (!writer.flush(base + 1000))
            return false;
    }
    return bool(writer.finish());
}

Run runTool(const QStringList &args)
{
    return runProgram(QByteArrayLiteral(TAVIK_TOOL), args);
}

bool writeCase(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("camera"))
        return cameraRecording(path, 18);
    if (kind == QLatin1String("filled-64"))
        return bool(writeFilledRecording(path, 64 << 20));
    if (kind == QLatin1String("filled-128"))
        return bool(writeFilledRecording(path, 128 << 20));
    const QByteArray bytes = kind == QLatin1String("repeated-3")    ? repeatedIndex(3200000)
                             : kind == QLatin1String("repeated-32") ? repeatedIndex(32000000)
                             : kind == QLatin1String("gps-32")      ? smallChunks(32000000, true)
                                                                    : smallChunks(32000000, false);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Case
{
    const char *name;
    QString kind;
    bool everyCommand; // a valid recording: every command that reads one, not telemetry alone
};

// The runs of one recording, lying at `path` in the card `card`.
QList<std::pair<QString, QStringList>> commandsFor(const Case &c, const QString &card,
                                                   const QString &path, const QString &out)
{
    const QString telemetry = QStringLiteral("telemetry");
    QList<std::pair<QString, QStringList>> runs{
        {QStringLiteral("telemetry"), {telemetry, path}},
        {QStringLiteral("--csv"), {telemetry, path, QStringLiteral("--csv")}}};
    if (!c.everyCommand)
        return runs;
    runs.append({QStringLiteral("--gpx"), {telemetry, path, QStringLiteral("--gpx")}});
    runs.append({QStringLiteral("--kml"), {telemetry, path, QStringLiteral("--kml")}});
    runs.append({QStringLiteral("clock"), {QStringLiteral("clock"), card}});
    runs.append({QStringLiteral("trips"), {QStringLiteral("trips"), card}});
    runs.append({QStringLiteral("evidence"), {QStringLiteral("evidence"), path, out}});
    return runs;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArrayView(argv[1]) == "write")
        return writeCase(QString::fromLatin1(argv[2]), QFile::decodeName(argv[3])) ? 0 : 1;
    bench::Goals goals("bench_telemetrymemory");
    QTemporaryDir dir;
    QList<Case> cases{
        {"camera recording (reference)", QStringLiteral("camera"), true},
        {"repeated index, 3.2 MB", QStringLiteral("repeated-3"), false},
        {"repeated index, 32 MB", QStringLiteral("repeated-32"), false},
        {"GPS chunks only, 32 MB", QStringLiteral("gps-32"), false},
        {"G-sensor chunks only, 32 MB", QStringLiteral("gsensor-32"), false},
        {"valid, filled with telemetry", QStringLiteral("filled-64"), true},
        {"valid, filled with telemetry", QStringLiteral("filled-128"), true},
    };
    std::printf("%-30s %8s %-10s %8s %10s %10s  %s\n", "recording", "file MB", "command", "output",
                "peak MB", "goal MB", "");
    // The short run keeps a small reference and one inflated file: the large ones take minutes.
    if (bench::shortMode())
        cases = cases.first(2);
    for (const Case &c : cases) {
        // Each recording alone on a card of its own, named as the camera names them.
        const QString card = dir.filePath(c.kind);
        const QString folder = card + QStringLiteral("/DCIM/100ALWAY");
        const QString path = folder + QStringLiteral("/alwa_20240131_120000_F.avi");
        if (!QDir().mkpath(folder) ||
            runProgram(QByteArrayLiteral("/proc/self/exe"), {QStringLiteral("write"), c.kind, path})
                    .status != 0)
            return goals.failed("cannot write a recording");
        const qint64 size = QFile(path).size();
        const double goal = 64 + 4 * double(size) / 1e6;
        const QString out = dir.filePath(c.kind + QStringLiteral("-evidence"));
        for (const auto &[command, args] : commandsFor(c, card, path, out)) {
            const Run run = runTool(args);
            const double peak = double(run.peakKiB) * 1024 / 1e6;
            const bool ran = run.status == 0 && run.outputBytes > 0;
            if (!ran)
                return goals.failed(qPrintable(QStringLiteral("tavik-tool ") + command +
                                               QStringLiteral(" failed on ") +
                                               QLatin1String(c.name)));
            goals.atMost(qPrintable(command + QStringLiteral(", ") + QLatin1String(c.name) +
                                    QStringLiteral(" ") + c.kind),
                         peak, goal, "MB");
            std::printf("%-30s %8.1f %-10s %7.2fM %10.1f %10.1f  %s\n", c.name, double(size) / 1e6,
                        qPrintable(command), double(run.outputBytes) / 1e6, peak, goal,
                        !ran ? "DID NOT RUN" : (peak <= goal ? "ok" : "OVER"));
            std::fflush(stdout);
        }
        QFile::remove(path); // the disk holds one large recording at a time
        QDir(out).removeRecursively();
    }
    return goals.finish();
}
