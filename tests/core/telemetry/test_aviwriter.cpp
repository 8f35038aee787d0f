// The AVI writer: ffprobe reads its recordings with the right streams, counts and durations,
// and the extraction reads back exactly what was written.
#include "core/telemetry/BlackBoxData.h"
#include "recordingfixture.h"

#include <QJsonArray>

class TestAviWriter : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void ffprobeReadsTheRecording_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::newRow("front camera: video, audio, telemetry") << true;
        QTest::newRow("rear camera: video, empty stream, telemetry") << false;
    }

    void ffprobeReadsTheRecording()
    {
        QFETCH(bool, audio);
        const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
        const QByteArray jpeg = realJpeg(m_dir.path());
        if (ffprobe.isEmpty() || jpeg.isEmpty())
            QSKIP("ffmpeg and ffprobe are needed (scripts/install-deps installs them)");
        RecordingPlan plan;
        plan.audio = audio;
        plan.frame = jpeg;
        const QString path = m_dir.filePath("probe.avi");
        const WrittenRecording written = writeRecording(path, plan);
        QCOMPARE(written.frames, 90);

        const ProcessRun probe =
            runProgram(ffprobe, {"-v", "error", "-show_streams", "-show_format", "-count_packets",
                                 "-of", "json", path});
        QCOMPARE(probe.status, 0);
        QCOMPARE(probe.err, QByteArray()); // no complaint at all
        const QJsonObject report = QJsonDocument::fromJson(probe.out).object();
        const QJsonArray streams = report["streams"].toArray();
        // Telemetry is stream 2 with or without sound: a silent recording holds stream 1 empty.
        QCOMPARE(streams.size(), 3);
        QCOMPARE(jsonFields(streams[0], {"codec_type", "codec_name", "width", "r_frame_rate",
                                         "nb_frames", "nb_read_packets", "duration"}),
                 "codec_type=video codec_name=mjpeg width=160 r_frame_rate=30/1 nb_frames=90 "
                 "nb_read_packets=90 duration=3.000000");
        // The samples, as ffprobe splits the chunks.
        if (audio)
            QCOMPARE(jsonFields(streams[1], {"codec_type", "codec_name", "sample_rate", "channels",
                                             "nb_frames"}),
                     "codec_type=audio codec_name=pcm_s16le sample_rate=16000 channels=1 "
                     "nb_frames=48000");
        else
            QCOMPARE(jsonFields(streams[1], {"codec_type", "duration"}),
                     "codec_type=data duration=0.000000");
        const qsizetype chunks = written.gps.size() + written.gSensor.size();
        QCOMPARE(jsonFields(streams[2], {"codec_type", "nb_frames", "nb_read_packets", "duration"}),
                 QStringLiteral("codec_type=data nb_frames=%1 nb_read_packets=%1 duration=3.000000")
                     .arg(chunks));
        QCOMPARE(report["format"]["duration"].toString(), "3.000000");
    }

    void extractionReadsBackWhatWasWritten_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::newRow("front camera, with sound") << true;
        QTest::newRow("rear camera, without sound") << false;
    }

    void extractionReadsBackWhatWasWritten()
    {
        QFETCH(bool, audio);
        const QString path = m_dir.filePath("roundtrip.avi");
        RecordingPlan plan;
        plan.audio = audio;
        plan.seconds = 5;
        plan.latitude = -33.85;
        plan.longitude = -151.2;
        const WrittenRecording written = writeRecording(path, plan);
        BlackBoxData blackBox;
        QVERIFY(blackBox.ExtractStreamInformation(QFile::encodeName(path).constData()));
        const RecordedTelemetryPtr t = blackBox.snapshot();

        QCOMPARE(t->m_vGSensorData.size(), written.gSensor.size());
        for (qsizetype i = 0; i < written.gSensor.size(); ++i) {
            QCOMPARE(t->m_vGSensorData[i].data(), written.gSensor[i]);
            QCOMPARE(t->m_GSensors[i].x, float(written.gSensor[i].xAxis) / 256);
        }
        QCOMPARE(t->m_GpsRecords.size(), written.gps.size());
        for (qsizetype i = 0; i < written.gps.size(); ++i) {
            // The text comes back with its line ends turned into NUL.
            AviGpsRecord expected = written.gps[i];
            std::replace(std::begin(expected.RawData), std::end(expected.RawData), '\r', '\0');
            std::replace(std::begin(expected.RawData), std::end(expected.RawData), '\n', '\0');
            QVERIFY(t->m_GpsRecords[i].data() == expected);
        }
        // RMC and GGA in every record; the fixes keep the southern, western position.
        QCOMPARE(t->m_NMEAs.size(), 2 * written.gps.size());
        QVERIFY(t->lastFix.NS == 'S' && t->lastFix.EW == 'W');
        QCOMPARE(t->lastFix.Now, (SystemTime{2014, 5, 0, 26, 8, 14, 15, 0}));
        // Each sample has the GPS record that covers it; the samples after the last have none.
        QCOMPARE(t->m_vGpsData.size(), written.gSensor.size() - 4);
    }

    void writingInSlicesGivesTheSameFile()
    {
        auto write = [&](const QString &name, bool sliced) {
            AviWriter writer;
            const QString path = m_dir.filePath(name);
            if (!writer.open(path))
                return QByteArray();
            // Added out of order within each second; odd payload sizes need a pad byte.
            for (quint32 s = 0; s < 3; ++s) {
                writer.addGSensor(s * 1000 + 900,
                                  telemetry::gSensorRecord(s * 1000 + 900, 1, 2, 3));
                writer.addVideoFrame(s * 1000, QByteArray(101 + int(s), 'j'));
                writer.addAudio(s * 1000, QByteArray(64, 'a'));
                writer.addVideoFrame(s * 1000 + 500, QByteArray(77, 'k'));
                if (sliced && !writer.flush(s * 1000 + 1000))
                    return QByteArray();
            }
            return writer.finish() ? readFile(path) : QByteArray();
        };
        const QByteArray whole = write("whole.avi", false);
        QVERIFY(!whole.isEmpty());
        QCOMPARE(write("sliced.avi", true), whole);
        QCOMPARE(whole.size() % 2, 0);
        const qsizetype first = whole.indexOf("00dc", 14140);
        QCOMPARE(whole.sliced(first + 8 + 101 + 1, 4), "01wb"); // 101 bytes, one pad byte
    }
};

QTEST_GUILESS_MAIN(TestAviWriter)
#include "test_aviwriter.moc"
