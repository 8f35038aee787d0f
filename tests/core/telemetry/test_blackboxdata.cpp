// The extraction of a recording's telemetry: which index entries count, damaged and cut
// files, the text bounds of a GPS record.
#include "core/route/routepoints.h"
#include "rawrecording.h"

class TestBlackBoxData : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void extraction_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("gSensors");
        QTest::addColumn<int>("gpsRecords");
        QTest::addColumn<bool>("recovered"); // read through the movi list, not the index

        const QByteArray good = recordingWith(3, 2).bytes();
        QTest::newRow("recording") << good << true << 3 << 2 << false;
        QTest::newRow("empty file") << QByteArray() << false << 0 << 0 << false;
        QTest::newRow("cut in the RIFF header") << good.first(10) << false << 0 << 0 << false;
        QTest::newRow("not RIFF") << QByteArray("RIFX").append(good.sliced(4)) << false << 0 << 0
                                  << false;
        QTest::newRow("not AVI") << QByteArray(good).replace(8, 4, "WAVE") << false << 0 << 0
                                 << false;
        QTest::newRow("RIFF header only") << good.first(12) << true << 0 << 0 << false;
        QTest::newRow("cut before the movi size") << good.first(14138) << true << 0 << 0 << false;
        QTest::newRow("no telemetry") << recordingWith(0, 0).bytes() << true << 0 << 0 << false;

        // Only "02sb" entries count, and their size alone says which record they hold; a
        // chunk too short for a G-sensor sample holds none, and each chunk is read once
        // however often the index repeats it.
        RawRecording mixed;
        const quint32 g = mixed.add("02sb", gSensorPayload(0, 1));
        mixed.add("02sb", gpsPayload(0, kGga));
        mixed.add("00dc", QByteArray(24, 'v'));
        mixed.add("01wb", QByteArray(600, 'a'));
        mixed.add("02tx", gSensorPayload(0, 1));
        mixed.add("02sb", gSensorPayload(10, 1) + QByteArray(8, 'x')); // 32 bytes: a sample
        mixed.add("02sb", gSensorPayload(20, 1) + QByteArray(9, 'x')); // 33 bytes: GPS
        mixed.add("02sb", QByteArray());
        mixed.add("02sb", gSensorPayload(30, 1).first(23));
        for (int i = 0; i < 100; ++i)
            mixed.entry("02sb", g, 24);
        QTest::newRow("index of every stream") << mixed.bytes() << true << 2 << 2 << false;

        // Damaged indexes: entries whose chunk lies outside the file are skipped, the rest
        // is read.
        RawRecording outside = recordingWith(2, 1);
        outside.index.replace(16 + 8, 4, le32(0xFFFFFF00)); // the first 02sb entry's offset
        QTest::newRow("offset beyond the file") << outside.bytes() << true << 1 << 1 << false;
        RawRecording longSize = recordingWith(2, 1);
        longSize.index.replace(3 * 16 + 12, 4, le32(0x7FFFFFFF)); // the GPS entry's size
        QTest::newRow("size beyond the file") << longSize.bytes() << true << 2 << 0 << false;
        RawRecording wrap = recordingWith(2, 1);
        wrap.index.replace(16 + 8, 4, le32(0xFFFFFFFF));
        wrap.index.replace(16 + 12, 4, le32(0xFFFFFFFF));
        QTest::newRow("offset and size at 32-bit limits")
            << wrap.bytes() << true << 1 << 1 << false;

        // Recordings cut by a crash: without a whole index every complete chunk of the movi
        // list is recovered, in file order.
        RawRecording beyond = recordingWith(2, 1);
        beyond.moviSize = 0x7FFFFFF0;
        QTest::newRow("movi size beyond the file") << beyond.bytes() << true << 2 << 1 << true;
        beyond.moviSize = 0xFFFFFFFF;
        QTest::newRow("movi size at the 32-bit limit") << beyond.bytes() << true << 2 << 1 << true;
        beyond.moviSize = 4; // the provisional size of a recording that was never finished
        QTest::newRow("provisional movi size") << beyond.bytes() << true << 2 << 1 << true;
        // Movi order of recordingWith(3, 2): 00dc 02sb(G) 01wb 02sb(GPS) | 00dc 02sb(G) ...
        const RawRecording cut = recordingWith(3, 2);
        const qsizetype start = cut.indexStart();
        const QByteArray whole = cut.bytes();
        QTest::newRow("index cut after an entry")
            << whole.first(start + 4 * 16) << true << 3 << 2 << true;
        QTest::newRow("index cut in an entry's offset")
            << whole.first(start + 5 * 16 + 10) << true << 3 << 2 << true;
        QTest::newRow("no index") << whole.first(start - 8) << true << 3 << 2 << true;
        QTest::newRow("cut in the last G-sensor chunk")
            << whole.first(start - 8 - 100) << true << 2 << 2 << true;
        QByteArray unwritten = whole.first(start - 8 - 100); // after the last sample's code
        unwritten.append(QByteArray(4000, '\0')); // room the file system gave but never filled
        QTest::newRow("cut, zeros after") << unwritten << true << 2 << 2 << true;

        // The walk stops after the entry that starts at the RIFF end.
        RawRecording riff = recordingWith(3, 2);
        riff.riffSize = quint32(riff.indexStart() + 5 * 16 - 8);
        QTest::newRow("RIFF end inside the index") << riff.bytes() << true << 2 << 1 << false;
        riff.riffSize = 0;
        QTest::newRow("RIFF end before the index") << riff.bytes() << true << 0 << 0 << false;
    }

    void extraction()
    {
        QFETCH(QByteArray, file);
        const tvk::Result<RecordedTelemetryPtr> extracted = extractBytes(file);
        const bool ok = extracted.ok();
        QTEST(ok, "ok");
        const RecordedTelemetryPtr t = ok ? *extracted : RecordedTelemetry::empty();
        QTEST(int(t->m_vGSensorData.size()), "gSensors");
        QCOMPARE(t->m_GSensors.size(), t->m_vGSensorData.size());
        QTEST(int(t->m_GpsRecords.size()), "gpsRecords");
        QTEST(t->recovered, "recovered");
        QVERIFY(t->m_vGpsData.size() <= t->m_vGSensorData.size());

        // The same through the file system (positioned reads instead of seek and read).
        const QString path = m_dir.filePath(QStringLiteral("case.avi"));
        QVERIFY(writeFile(path, file));
        BlackBoxData blackBox;
        QCOMPARE(blackBox.ExtractStreamInformation(QFile::encodeName(path).constData()).ok(), ok);
        QCOMPARE(*blackBox.snapshot(), *t);

        // What a route needs, read apart: the same records and fixes, and the first moment.
        QByteArray copy = file;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        const tvk::Result<RecordedTelemetryPtr> route = BlackBoxData::extractRoute(buffer);
        QCOMPARE(route.ok(), ok);
        const RecordedTelemetryPtr r = ok ? *route : RecordedTelemetry::empty();
        QCOMPARE(r->m_GpsRecords, t->m_GpsRecords);
        QCOMPARE(r->m_NMEAs, t->m_NMEAs);
        QCOMPARE(r->m_GpsRecordNMEAEnds, t->m_GpsRecordNMEAEnds);
        QCOMPARE(firstRecordTime(*r), firstRecordTime(*t));
        QCOMPARE(r->recovered, t->recovered);
        QCOMPARE(r->m_vGSensorData.size(), std::min<qsizetype>(1, t->m_vGSensorData.size()));
    }

    void recoveryReadsWhatTheIndexWould()
    {
        const QByteArray whole = recordingWith(3, 2).bytes();
        const RecordedTelemetryPtr intact = extractBytes(whole).value();
        RawRecording cut = recordingWith(3, 2);
        const RecordedTelemetryPtr recovered =
            extractBytes(whole.first(cut.indexStart() - 8)).value();
        RecordedTelemetry same = *recovered;
        same.recovered = false;
        QCOMPARE(same, *intact);
    }

    void textStaysInsideRawData()
    {
        // 508 bytes of sentences, the last one cut by the end of RawData, and nLen claiming
        // far more. The next chunk holds a complete sentence that must not be reached.
        QByteArray text;
        while (text.size() + kGga.size() <= AviGpsRecord::kRawDataSize)
            text += kGga;
        const int whole = int(text.size() / kGga.size());
        text += kRmc.first(AviGpsRecord::kRawDataSize - text.size());
        AviGpsRecord record = telemetry::gpsRecord(1000, text, 3731.5, 12659.25, 57);
        record.nLen = 0xFFFFFFFF;
        RawRecording r;
        r.add("02sb", gpsPayload(record));
        r.add("00dc", "\r\n" + kRmc + "\r\n");
        const tvk::Result<RecordedTelemetryPtr> extracted = extractBytes(r.bytes());
        QVERIFY(extracted);
        const RecordedTelemetryPtr t = *extracted;
        QCOMPARE(t->m_NMEAs.size(), whole);
        QCOMPARE(t->lastFix.Now, SystemTime()); // no RMC was parsed
    }

    void recordCutByTheEndOfTheFile()
    {
        // Chunks after the index: a G-sensor record of which only 12 bytes made it to the
        // disk (no sample), and a GPS record of 60 bytes. The trailer starts with 8 bytes so that
        // the walk, which goes on to the end of the file, finds no entry in it.
        RawRecording r;
        r.chunk("00dc", QByteArray(40, 'v'));
        const QByteArray gps = gpsPayload(2000, kGga).first(60);
        const QByteArray g = gSensorPayload(1900, 1024).first(12);
        r.trailer = QByteArray(8, 'J');
        // Where the next chunk of the trailer starts, counted as the index counts (two entries).
        const auto next = [&] {
            return quint32(r.indexStart() + 2 * 16 + r.trailer.size() - 14140);
        };
        r.entry("02sb", next(), 60);
        r.trailer += QByteArray("02sb") + le32(60) + gps;
        r.entry("02sb", next(), 12);
        r.trailer += QByteArray("02sb") + le32(12) + g;
        const tvk::Result<RecordedTelemetryPtr> extracted = extractBytes(r.bytes());
        QVERIFY(extracted);
        const RecordedTelemetryPtr t = *extracted;
        QCOMPARE(t->m_vGSensorData.size(), 0);
        QCOMPARE(t->m_GpsRecords.size(), 1);
        QCOMPARE(t->m_GpsRecords[0].data().nTimestamp, 2000u);
        // The GPS record keeps its own 60 bytes only: its cut text ends there, never running
        // into the next chunk, and is rejected.
        QCOMPARE(t->m_NMEAs.size(), 1);
        QCOMPARE(t->m_NMEAs[0], GpsData());
    }
};

QTEST_GUILESS_MAIN(TestBlackBoxData)
#include "test_blackboxdata.moc"
