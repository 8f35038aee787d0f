// `tavik-tool clip` on the sample card, checked with FFmpeg's own tools: the streams ffprobe
// sees, the frames on both sides of a join against the source frames, the sound against the
// recordings' sound, and that a cancel, a full disk or a refused command leave no file.
#include "core/testsupport.h"

#include <QDirIterator>
#include <QJsonArray>

#include <cmath>

namespace {

constexpr int kSeconds = 4; // each recording of the sample card
constexpr int kWidth = 1920, kHeight = 540;
constexpr int kFrontWidth = 960;
// Our band along the top; the comparison looks below it.
constexpr int kBandBottom = 48;

QString day(const char *hms)
{
    return QStringLiteral("2026-10-17 ") + QLatin1String(hms);
}

// `count` frames from frame `first` on, as packed RGB.
QList<QByteArray> framesOf(const QString &file, int first, int count, QSize size)
{
    const ProcessRun run = runProgram(
        "ffmpeg", {"-v", "error", "-i", file, "-vf",
                   QStringLiteral("select=between(n\\,%1\\,%2)").arg(first).arg(first + count - 1),
                   "-vsync", "0", "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    const qsizetype bytes = qsizetype(size.width()) * size.height() * 3;
    QList<QByteArray> frames;
    for (qsizetype at = 0; at + bytes <= run.out.size(); at += bytes)
        frames.append(run.out.mid(at, bytes));
    return frames;
}

// PSNR of the front picture below our band, between a clip frame and a source frame.
double frontPsnr(const QByteArray &clip, const QByteArray &source)
{
    double sum = 0;
    qint64 n = 0;
    for (int y = kBandBottom; y < kHeight; ++y) {
        for (int x = 0; x < kFrontWidth * 3; ++x) {
            const double d = double(quint8(clip[(qsizetype(y) * kWidth * 3) + x])) -
                             double(quint8(source[(qsizetype(y) * kFrontWidth * 3) + x]));
            sum += d * d;
            ++n;
        }
    }
    const double mse = sum / double(n);
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

QVector<qint16> soundOf(const QStringList &files)
{
    QByteArray bytes;
    for (const QString &file : files)
        bytes += runProgram("ffmpeg", {"-v", "error", "-i", file, "-vn", "-ac", "1", "-ar", "16000",
                                       "-f", "s16le", "-"})
                     .out;
    QVector<qint16> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.constData(), size_t(samples.size()) * 2);
    return samples;
}

// The shift (in samples) of `clip` against `source` around `at` that matches best.
int lagAt(const QVector<qint16> &clip, const QVector<qint16> &source, int at, int window,
          int search)
{
    int best = 0;
    double bestScore = -2;
    for (int lag = -search; lag <= search; ++lag) {
        double xy = 0, xx = 0, yy = 0;
        for (int i = 0; i < window; ++i) {
            const double x = clip.value(at + i), y = source.value(at + i + lag);
            xy += x * y;
            xx += x * x;
            yy += y * y;
        }
        const double score = xy / std::sqrt(std::max(xx * yy, 1.0));
        if (score > bestScore) {
            bestScore = score;
            best = lag;
        }
    }
    return best;
}

} // namespace

class TestClipExport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_card;

    QString recording(const char *name) const
    {
        const QString folder =
            QString::fromLatin1(name).startsWith(u"event") ? "200EVENT" : "100ALWAY";
        return m_card + "/DCIM/" + folder + '/' + QLatin1String(name) + ".avi";
    }
    // Files the exporter may have left beside its output.
    QStringList leftovers() const
    {
        return QDir(m_dir.path()).entryList({"*.part", "*.mp4"}, QDir::Files | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_card = m_dir.filePath("card");
        QCOMPARE(runTool({"demo-card", m_card, "--seconds", QString::number(kSeconds)}).status, 0);
    }
    void cleanup()
    {
        for (const QString &name : leftovers())
            QFile::remove(m_dir.filePath(name));
    }

    void streams_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QSize>("size");
        QTest::newRow("event pair, side by side")
            << QStringList{"event_20261017_083012_F"} << double(kSeconds) << QSize(1920, 540);
        QTest::newRow("range across a join, inset")
            << QStringList{"--from", day("08:30:03"), "--to", day("08:30:05"), "--layout", "inset"}
            << 2.0 << QSize(960, 540);
        QTest::newRow("rear only, rear's sound")
            << QStringList{"--from", day("08:30:01"), "--to", day("08:30:02"), "--layout",
                           "rear",   "--sound",       "rear", "--no-overlay"}
            << 1.0 << QSize(640, 360);
    }
    void streams()
    {
        QFETCH(QStringList, args);
        QFETCH(double, seconds);
        QFETCH(QSize, size);
        const QString out = m_dir.filePath("clip.mp4");
        const QString source =
            args.first().startsWith(u"--") ? m_card : recording(args.takeFirst().toLatin1());
        const ProcessRun run = runTool(QStringList{"clip", source} + args + QStringList{out});
        QVERIFY2(run.status == 0, run.err.constData());
        QVERIFY(run.err.isEmpty()); // stderr is no terminal: no progress

        const ProcessRun probe = runProgram(
            "ffprobe", {"-v", "error", "-of", "json", "-show_streams", "-show_format", out});
        const QJsonObject json = QJsonDocument::fromJson(probe.out).object();
        const QJsonArray streams = json["streams"].toArray();
        QCOMPARE(streams.size(), 2);
        const QJsonObject video = streams[0].toObject(), audio = streams[1].toObject();
        QCOMPARE(jsonFields(video, {"codec_name", "pix_fmt", "width", "height", "r_frame_rate"}),
                 QStringLiteral("codec_name=h264 pix_fmt=yuv420p width=%1 height=%2 "
                                "r_frame_rate=30/1")
                     .arg(size.width())
                     .arg(size.height()));
        QCOMPARE(audio["codec_name"].toString(), "aac");
        QVERIFY(std::abs(video["duration"].toString().toDouble() - seconds) <= 1.0 / 30);
        QCOMPARE(video["nb_frames"].toString().toInt(), int(std::lround(seconds * 30)));
        QVERIFY(std::abs(audio["duration"].toString().toDouble() - seconds) <= 1.0 / 30);
        // The index before the data, so that the clip plays while it downloads.
        const QByteArray head = readFile(out).left(4096);
        QVERIFY(head.indexOf("moov") >= 0 && head.indexOf("moov") < head.indexOf("mdat"));
    }

    void frames_across_a_join()
    {
        // From 08:30:02 the first recording shows 60 more frames; the next one starts at frame 60.
        const QString out = m_dir.filePath("join.mp4");
        const ProcessRun run =
            runTool({"clip", m_card, "--from", day("08:30:02"), "--to", day("08:30:06"), out});
        QVERIFY2(run.status == 0, run.err.constData());
        const QList<QByteArray> clip = framesOf(out, 57, 6, {kWidth, kHeight});
        QList<QByteArray> source =
            framesOf(recording("alwa_20261017_083000_F"), 117, 3, {kFrontWidth, kHeight});
        source += framesOf(recording("alwa_20261017_083004_F"), 0, 3, {kFrontWidth, kHeight});
        QCOMPARE(clip.size(), 6);
        QCOMPARE(source.size(), 6);
        for (int i = 1; i < 5; ++i) {
            const double right = frontPsnr(clip[i], source[i]);
            QVERIFY2(right > 30,
                     qPrintable(QStringLiteral("frame %1: %2 dB").arg(57 + i).arg(right)));
            // A frame lost or doubled would match a neighbour better.
            QVERIFY(right > frontPsnr(clip[i], source[i - 1]));
            QVERIFY(right > frontPsnr(clip[i], source[i + 1]));
        }
    }

    void sound_in_step()
    {
        const QString out = m_dir.filePath("sound.mp4");
        const ProcessRun run = runTool({"clip", m_card, "--from", day("08:30:00"), "--to",
                                        day("08:30:12"), "--layout", "front", out});
        QVERIFY2(run.status == 0, run.err.constData());
        const QVector<qint16> clip = soundOf({out});
        const QVector<qint16> source =
            soundOf({recording("alwa_20261017_083000_F"), recording("alwa_20261017_083004_F"),
                     recording("alwa_20261017_083008_F")});
        QVERIFY(std::abs(clip.size() - source.size()) <= 16000 / 30);
        const int frame = 16000 / 30;
        for (const double at : {0.5, 3.8, 4.02, 7.9, 8.1, 11.5}) {
            const int lag = lagAt(clip, source, int(at * 16000), 2000, 3 * frame);
            QVERIFY2(std::abs(lag) <= frame,
                     qPrintable(QStringLiteral("%1 s: %2 samples").arg(at).arg(lag)));
        }
    }

    void cancel_leaves_nothing()
    {
        QProcess tool;
        tool.start(qEnvironmentVariable("TAVIK_TOOL"),
                   {"clip", m_card, "--from", day("08:30:00"), "--to", day("08:30:28"),
                    m_dir.filePath("cancelled.mp4")});
        QVERIFY(tool.waitForStarted());
        // Once the file beside the destination exists, encoding has begun.
        QTRY_VERIFY_WITH_TIMEOUT(!leftovers().isEmpty() || tool.state() == QProcess::NotRunning,
                                 120000);
        QCOMPARE(tool.state(), QProcess::Running);
        tool.terminate();
        QVERIFY(tool.waitForFinished(120000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 1);
        QCOMPARE(leftovers(), QStringList());
    }

    void full_disk_leaves_nothing()
    {
        ProcessRun run;
        {
            const FileSizeLimit limit(200 * 1024);
            run = runTool({"clip", m_card, "--from", day("08:30:00"), "--to", day("08:30:04"),
                           m_dir.filePath("full.mp4")});
        }
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("File too large"), run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(leftovers(), QStringList());
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        const QString f = day("08:30:00");
        QTest::newRow("no recording in range")
            << QStringList{"--from", day("08:40:00"), "--to", day("08:40:05")} << 1
            << "No recording covers";
        QTest::newRow("hole over the limit")
            << QStringList{"--from", day("08:30:20"), "--to", day("08:31:10")} << 1
            << "without any recording";
        QTest::newRow("folder without a range") << QStringList{} << 2 << "needs --from";
        QTest::newRow("only --from") << QStringList{"--from", f} << 2 << "go together";
        QTest::newRow("bad time") << QStringList{"--from", "08:30", "--to", f} << 2 << "yyyy-MM-dd";
        QTest::newRow("bad layout")
            << QStringList{"--from", f, "--to", day("08:30:01"), "--layout", "grid"} << 2
            << "unknown layout";
        QTest::newRow("bad quality")
            << QStringList{"--from", f, "--to", day("08:30:01"), "--quality", "52"} << 2
            << "--quality";
    }
    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        const ProcessRun run =
            runTool(QStringList{"clip", m_card} + args + QStringList{m_dir.filePath("no.mp4")});
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
        QCOMPARE(leftovers(), QStringList());
    }

    void destination_not_replaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("the recording itself") << "input";
    }
    void destination_not_replaced()
    {
        QFETCH(QString, kind);
        const QString input = recording("event_20261017_083012_F");
        QString out = input;
        if (kind == u"folder") {
            out = m_dir.filePath("folder.mp4");
            QVERIFY(QDir().mkpath(out));
        }
        const QByteArray before = readFile(input);
        const ProcessRun run = runTool({"clip", input, out});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(readFile(input), before);
        QVERIFY(QFileInfo(out).exists());
        QVERIFY(QDir(QFileInfo(out).absolutePath())
                    .entryList({"*.part"}, QDir::Files | QDir::Hidden)
                    .isEmpty());
        if (kind == u"folder")
            QDir(out).removeRecursively();
    }
};

QTEST_GUILESS_MAIN(TestClipExport)
#include "test_clipexport.moc"
