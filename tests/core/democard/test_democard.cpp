// The sample card written by the real `tavik-tool demo-card`: ffprobe reads its recordings with
// the right streams, durations and frame counts, our extraction reads back exactly the
// telemetry the drive produced, the catalogue lists exactly the recordings and pairs, the card
// files read back, and the same seed gives the same bytes.
#include "core/catalogue/MediaList.h"
#include "core/records/drivingrecordfile.h"
#include "core/settings/SettingsRecord.h"
#include "core/telemetry/BlackBoxData.h"
#include "core/testsupport.h"
#include "writers/democard/DemoCard.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QJsonArray>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>

namespace {

constexpr int kSeconds = 6;
constexpr quint64 kSeed = 7;

QMap<QString, QByteArray> hashes(const QString &folder)
{
    QMap<QString, QByteArray> found;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        found.insert(QDir(folder).relativeFilePath(path),
                     QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256));
    }
    return found;
}

int writeCard(const QString &folder)
{
    return runTool({"demo-card", folder, "--seconds", QString::number(kSeconds), "--seed",
                    QString::number(kSeed)})
        .status;
}

} // namespace

class TestDemoCard : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_card;
    DemoCard m_model{{kSeconds, kSeed}};

    const DemoCard::Recording &recording(int slot, bool rear) const
    {
        for (const DemoCard::Recording &r : m_model.recordings()) {
            if (r.slot == slot && r.rear == rear)
                return r;
        }
        qFatal("no such recording");
    }
    QString pathOf(const DemoCard::Recording &r) const { return QDir(m_card).filePath(r.path); }

private slots:
    void initTestCase()
    {
        m_card = m_dir.filePath("card");
        QCOMPARE(writeCard(m_card), 0);
    }

    void cardFiles()
    {
        const QByteArray config = readFile(m_card + "/config.bin");
        const tvk::Result<SettingsRecord> decoded = SettingsRecord::decode(config);
        QVERIFY(decoded);
        const SettingsRecord &record = *decoded;
        QCOMPARE(record.checksum, computeChecksum(record));
        QCOMPARE(record.osd_plate_flag, 1);
        QCOMPARE(config, m_model.settings().encode());

        // The clock file the camera read when switched on, 12 s before the first recording.
        QCOMPARE(readFile(m_card + "/timeset.cfg"), "2026/10/17 08:29:48");

        const tvk::Result<DrivingRecordFile> read =
            readDrivingRecordFile(m_card + '/' + QLatin1String(kDrivingRecordFilePath));
        QVERIFY(read && !read->truncated());
        const DrivingRecordFile &drv = *read;
        const int interval = m_model.drivingRecordInterval();
        QVERIFY(interval > 0);
        QCOMPARE(drv.records.size(),
                 qsizetype(std::floor(m_model.drive().parkedTime()) / interval + 1));
        const DrivingRecordImage &first = drv.records.first();
        // A Saturday in 2026, at Gwanghwamun: 37 degrees 34.5 minutes north.
        QCOMPARE(QList<int>({first.seq, first.weekDay, first.yearSince1900, first.gpsValid,
                             first.latitudeInt, first.longitudeInt}),
                 QList<int>({1, 6, 126, 1, 3734, 12658}));
        for (qsizetype i = 1; i < drv.records.size(); ++i) {
            const DrivingRecordImage &r = drv.records[i];
            QCOMPARE(r.seq, i + 1);
            QVERIFY(r.maxSpeed >= r.curSpeed);
            QVERIFY(r.drivingDistance >= drv.records[i - 1].drivingDistance);
            QVERIFY(r.battery >= 120 && r.battery <= 128);
            QVERIFY(r.latitudeInt >= 3733 && r.latitudeInt <= 3735);
        }
    }

    void ffprobeReadsTheRecordings_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("rear");
        QTest::newRow("continuous front") << 0 << false;
        QTest::newRow("continuous rear") << 0 << true;
        QTest::newRow("event front") << 3 << false;
        QTest::newRow("motion rear, parked") << 6 << true;
    }

    void ffprobeReadsTheRecordings()
    {
        QFETCH(int, slot);
        QFETCH(bool, rear);
        const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
        if (ffprobe.isEmpty())
            QSKIP("ffprobe is needed (scripts/install-deps installs ffmpeg)");
        const DemoCard::Recording &r = recording(slot, rear);
        const ProcessRun probe =
            runProgram(ffprobe, {"-v", "error", "-show_streams", "-count_frames", "-count_packets",
                                 "-of", "json", pathOf(r)});
        QCOMPARE(probe.status, 0);
        QCOMPARE(probe.err, QByteArray());
        const QJsonArray streams = QJsonDocument::fromJson(probe.out)["streams"].toArray();
        QCOMPARE(streams.size(), 3); // the silent rear holds stream 1 empty
        const QSize size = rear ? DemoCard::kRearSize : DemoCard::kFrontSize;
        QCOMPARE(jsonFields(streams[0], {"codec_name", "width", "height", "r_frame_rate",
                                         "nb_read_frames", "duration"}),
                 QStringLiteral("codec_name=mjpeg width=%1 height=%2 r_frame_rate=30/1 "
                                "nb_read_frames=%3 duration=%4.000000")
                     .arg(size.width())
                     .arg(size.height())
                     .arg(kSeconds * 30)
                     .arg(kSeconds));
        // PCM has no duration of its own in ffprobe's report: its length is its samples.
        if (!rear)
            QCOMPARE(jsonFields(streams[1], {"codec_name", "sample_rate", "channels", "nb_frames"}),
                     "codec_name=pcm_s16le sample_rate=16000 channels=1 nb_frames=" +
                         QString::number(kSeconds * 16000));
        const int gps = m_model.hasGps(r) ? kSeconds : 0;
        QCOMPARE(jsonFields(streams[2], {"codec_type", "nb_read_packets"}),
                 "codec_type=data nb_read_packets=" + QString::number(gps + kSeconds * 10));
    }

    void extractionReadsBackTheTelemetry_data()
    {
        QTest::addColumn<int>("slot");
        for (const DemoCard::Recording &r : m_model.recordings()) {
            if (!r.rear)
                QTest::newRow(qPrintable(r.path)) << r.slot;
        }
    }

    void extractionReadsBackTheTelemetry()
    {
        QFETCH(int, slot);
        const DemoCard::Recording &r = recording(slot, false);
        QFile file(pathOf(r));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const tvk::Result<RecordedTelemetryPtr> extracted = BlackBoxData::extract(file);
        QVERIFY(extracted);
        const RecordedTelemetryPtr t = *extracted;
        const DemoTelemetry &model = m_model.telemetry();

        QCOMPARE(t->m_vGSensorData.size(), kSeconds * 10);
        for (int j = 0; j < kSeconds * 10; ++j)
            QCOMPARE(t->m_vGSensorData[j].data(), model.gSensorRecord(slot * kSeconds * 10 + j));

        const int gps = m_model.hasGps(r) ? kSeconds : 0;
        QCOMPARE(t->m_GpsRecords.size(), gps);
        QCOMPARE(t->m_NMEAs.size(), gps * 4); // RMC, GGA and the two GSA sentences
        for (int i = 0; i < gps; ++i) {
            const AviGpsRecord written = model.gpsRecord(slot * kSeconds + i);
            const AviGpsRecord &read = t->m_GpsRecords[i].data();
            QCOMPARE(read.nTimestamp, written.nTimestamp);
            QCOMPARE(read.nLen, written.nLen);
            QCOMPARE(read.fLatitude, written.fLatitude);
            QCOMPARE(read.fSpeed, written.fSpeed);

            const DemoTelemetry::Fix fix = model.fix(slot * kSeconds + i);
            const GpsData parsed = t->fixAfterGpsRecord(i);
            QVERIFY(std::fabs(parsed.Latitude -
                              DemoTelemetry::printedCoordinate(fix.latitude, false)) < 1e-3);
            QVERIFY(std::fabs(parsed.Longitude -
                              DemoTelemetry::printedCoordinate(fix.longitude, true)) < 1e-3);
            QVERIFY(parsed.NS == 'N' && parsed.EW == 'E');
            QVERIFY(std::fabs(parsed.HDOP - fix.hdop) < 1e-5);
            QVERIFY(fix.hdop >= 0.7 && fix.hdop <= 1.4);
            QCOMPARE(parsed.SatelliteUsedCount_GPS, quint32(fix.gpsSatellites.size()));
            QCOMPARE(parsed.SatelliteUsedCount_GLONASS, quint32(fix.glonassSatellites.size()));
            QCOMPARE(parsed.SatelliteUsedCount, quint32(fix.satellites()));
            // 08:30 in Seoul is the evening before in UTC.
            QCOMPARE(QTime(parsed.Now.wHour, parsed.Now.wMinute, parsed.Now.wSecond),
                     fix.utc.time());
            QCOMPARE(parsed.Now.wDay, 16);
        }
    }

    void sentencesAreWholeAndChecked()
    {
        // Straight from the file's bytes: every sentence the GN talker, CR LF ended, its
        // checksum right.
        const QString text = QString::fromLatin1(readFile(pathOf(recording(1, false))));
        static const QRegularExpression sentence(
            QStringLiteral("\\$(GN(?:RMC|GGA|GSA)[^*\\r\\n\\x00]*)\\*([0-9A-F]{2})\\r\\n"));
        int count = 0;
        for (auto it = sentence.globalMatch(text); it.hasNext(); ++count) {
            const QRegularExpressionMatch m = it.next();
            quint8 sum = 0;
            for (const QChar c : m.captured(1))
                sum ^= quint8(c.unicode());
            QCOMPARE(m.captured(2).toUInt(nullptr, 16), uint(sum));
        }
        QCOMPARE(count, kSeconds * 4);
    }

    void gSensorMatchesTheRecordingKind()
    {
        // Only the event recording goes past the driving thresholds of the card's config.bin.
        const SettingsRecord settings = m_model.settings();
        const double limitX = settings.gsen_x_threshold / 100.0,
                     limitY = settings.gsen_y_threshold / 100.0,
                     limitZ = settings.gsen_z_threshold / 100.0;
        for (const DemoCard::Recording &r : m_model.recordings()) {
            if (r.rear)
                continue;
            double peak = 0;
            for (int j = 0; j < kSeconds * 10; ++j) {
                const DemoTelemetry::Sample s =
                    m_model.telemetry().sample(r.slot * kSeconds * 10 + j);
                QVERIFY2(std::fabs(s.y / 256.0) < limitY, qPrintable(r.path));
                QVERIFY2(std::fabs(s.z / 256.0 - 1) < limitZ, qPrintable(r.path));
                peak = std::max(peak, std::fabs(s.x / 256.0));
            }
            QVERIFY2((peak > limitX) == (r.division == 2),
                     qPrintable(r.path + ' ' + QString::number(peak)));
        }
    }

    void catalogueListsTheRecordingsAndPairs()
    {
        const MediaList::Contents contents = MediaList::walk(m_card);
        QStringList listed;
        for (const MediaFile &m : contents.medias)
            listed << QDir(m_card).relativeFilePath(m.path());
        QStringList expected;
        for (const DemoCard::Recording &r : m_model.recordings())
            expected << r.path;
        QCOMPARE(listed, expected); // catalogue order is the drive's order, front before rear
        QCOMPARE(contents.mediaPairDic.size(), 7);
        for (const DemoCard::Recording &r : m_model.recordings()) {
            const MediaPair *pair = contents.findMediaPairWithFileName(pathOf(r));
            QVERIFY(pair);
            QCOMPARE(bool(pair->frontMedia), r.slot != 4);
            QCOMPARE(bool(pair->rearMedia), r.slot != 5);
        }
        for (const QString &decoy : m_model.decoys())
            QVERIFY2(QFileInfo::exists(QDir(m_card).filePath(decoy)), qPrintable(decoy));
    }

    void sameSeedSameBytes()
    {
        const QString again = m_dir.filePath("again");
        QCOMPARE(writeCard(again), 0);
        const auto first = hashes(m_card);
        QCOMPARE(first.size(), 20);
        QCOMPARE(hashes(again), first);
    }

    void refusesAFolderInUse()
    {
        const QString used = m_dir.filePath("used");
        QVERIFY(QDir().mkpath(used) && writeFile(used + "/keep.txt", {}));
        const ProcessRun run = runTool({"demo-card", used, "--seconds", "4"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("not empty"));
        QCOMPARE(QDir(used).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
        QCOMPARE(runTool({"demo-card", m_dir.filePath("short"), "--seconds", "2"}).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestDemoCard)
#include "test_democard.moc"
