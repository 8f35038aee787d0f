// Publication of a recording's telemetry: one step, never a mix, empty after a failure;
// the alignment of GPS records to G-sensor samples.
#include "core/common/log.h"
#include "core/telemetry/TelemetryBuilder.h"
#include "rawrecording.h"

#include <atomic>
#include <thread>

class TestTelemetryPublication : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void alignment_data()
    {
        QTest::addColumn<QList<quint32>>("gps");
        QTest::addColumn<QList<quint32>>("samples");
        QTest::addColumn<QList<qsizetype>>("cover");
        QTest::newRow("the documented case")
            << QList<quint32>{1000, 2000} << QList<quint32>{900, 1000, 1100, 1900, 2000, 2100}
            << QList<qsizetype>{0, 0, 1, 1, 1};
        QTest::newRow("tenths of a second compare equal")
            << QList<quint32>{1050} << QList<quint32>{1000, 1099, 1100} << QList<qsizetype>{0};
        QTest::newRow("no samples")
            << QList<quint32>{1000} << QList<quint32>{} << QList<qsizetype>{};
        QTest::newRow("no GPS") << QList<quint32>{} << QList<quint32>{100} << QList<qsizetype>{};
        QTest::newRow("records left over")
            << QList<quint32>{0, 100, 200} << QList<quint32>{50} << QList<qsizetype>{0};
        QTest::newRow("a late record takes every sample")
            << QList<quint32>{9000, 100} << QList<quint32>{100, 200, 300}
            << QList<qsizetype>{0, 0, 0};
        QTest::newRow("zero time stamps")
            << QList<quint32>{0, 0} << QList<quint32>{0, 0, 0} << QList<qsizetype>{0, 1};
    }

    void alignment()
    {
        QFETCH(QList<quint32>, gps);
        QFETCH(QList<quint32>, samples);
        QTEST(alignGpsToGSensor(gps, samples), "cover");
    }

    void failedExtractionEmptiesThePreviousOne()
    {
        BlackBoxData blackBox;
        QVERIFY(writeFile(m_dir.filePath("good.avi"), recordingWith(3, 2).bytes()));
        QVERIFY(writeFile(m_dir.filePath("bad.avi"), "RIFX"));
        const QByteArray good = QFile::encodeName(m_dir.filePath("good.avi"));
        const QByteArray bad = QFile::encodeName(m_dir.filePath("bad.avi"));
        QVERIFY(blackBox.ExtractStreamInformation(good.constData()));
        const RecordedTelemetryPtr kept = blackBox.snapshot();
        QCOMPARE(kept->m_GSensors.size(), 3);
        for (const char *failing : {"/nonexistent/alwa_20240101_000000_F.avi", bad.constData()}) {
            QVERIFY(!blackBox.ExtractStreamInformation(failing));
            QVERIFY(blackBox.snapshot()->isEmpty() && blackBox.snapshot()->m_NMEAs.isEmpty());
            QVERIFY(blackBox.ExtractStreamInformation(good.constData()));
        }
        QCOMPARE(kept->m_GSensors.size(), 3); // a reader keeps what it was given
        QVERIFY(!blackBox.ExtractStreamInformation(nullptr));
    }

    void readersSeeOneRecordingOrTheOther()
    {
        const QString a = m_dir.filePath("a.avi");
        const QString b = m_dir.filePath("b.avi");
        QVERIFY(writeFile(a, recordingWith(3, 1).bytes()));
        QVERIFY(writeFile(b, recordingWith(70, 9).bytes()));
        BlackBoxData blackBox;
        std::atomic<bool> done = false;
        std::thread extractions([&] {
            for (int i = 0; i < 200; ++i)
                (void)blackBox.ExtractStreamInformation(
                    QFile::encodeName(i % 2 ? b : a).constData());
            done = true;
        });
        tvk::setLogSink([](const QString &) {});
        int seen = 0;
        QString mixed;
        while (!done && mixed.isEmpty()) {
            const RecordedTelemetryPtr t = blackBox.snapshot();
            const auto samples = t->m_GSensors.size();
            const bool consistent =
                (samples == 0 && t->isEmpty() && t->m_NMEAs.isEmpty()) ||
                (samples == 3 && t->m_NMEAs.size() == 2 && t->m_vGpsData.size() == 1) ||
                (samples == 70 && t->m_NMEAs.size() == 18 && t->m_vGpsData.size() == 70);
            if (!consistent || t->m_vGSensorData.size() != samples)
                mixed = QStringLiteral("%1 samples, %2 fixes").arg(samples).arg(t->m_NMEAs.size());
            ++seen;
        }
        extractions.join();
        tvk::setLogSink({});
        QVERIFY2(mixed.isEmpty(), qPrintable(mixed));
        QVERIFY(seen > 0);
    }

    void parsingIntoThePublishedTelemetry()
    {
        BlackBoxData blackBox;
        QByteArray text = kGga;
        QVERIFY(!blackBox.ParseNMEA(nullptr, 10) && !blackBox.ParseNMEA(text.data(), 0));
        const RecordedTelemetryPtr before = blackBox.snapshot();
        QVERIFY(blackBox.ParseNMEA(text.data(), text.size()));
        QCOMPARE(text, QByteArray(kGga).replace('\r', '\0').replace('\n', '\0'));
        QVERIFY(blackBox.ParseGSensor(telemetry::gSensorRecord(0, 256, 512, -256)));
        QCOMPARE(blackBox.fixes().size(), 1);
        QCOMPARE(blackBox.gSensorSamples(), (QList<GSensor>{{1.0f, 2.0f, -1.0f}}));
        QVERIFY(before->isEmpty() && before->m_NMEAs.isEmpty()); // published data never changes
        blackBox.clear();
        QVERIFY(blackBox.fixes().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTelemetryPublication)
#include "test_telemetrypublication.moc"
