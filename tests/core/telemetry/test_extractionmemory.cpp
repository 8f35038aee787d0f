// What an extraction keeps is bounded by the file: a valid recording filled with telemetry is
// read whole, and files packed to inflate the extraction stop at twice their size in memory.
#include "rawrecording.h"
#include "writers/avi/FilledRecording.h"

namespace {

constexpr qint64 kFileBytes = 8 << 20;

// A lower estimate of the memory the telemetry takes: its records and fixes alone.
qint64 keptBytes(const RecordedTelemetry &t)
{
    return qint64(t.m_GpsRecords.size()) * AviGpsRecord::kSize +
           qint64(t.m_NMEAs.size()) * qint64(sizeof(GpsData)) +
           qint64(t.m_vGSensorData.size()) * (AviGSensorRecord::kSize + 3 * sizeof(float));
}

// GPS records of `payload` bytes whose text is nothing but three-byte "$G" sentences.
QByteArray packedGpsChunks()
{
    RawRecording r;
    QByteArray payload = gpsPayload(0, QByteArray()).first(44 + 30);
    for (qsizetype i = 44; i + 3 <= payload.size(); i += 3)
        payload.replace(i, 3, "$G\n");
    qToLittleEndian<quint32>(30, payload.data() + 8);
    while (r.movi.size() + r.index.size() < kFileBytes)
        r.add("02sb", payload);
    return r.bytes();
}

QByteArray gSensorChunks()
{
    RawRecording r;
    for (quint32 ms = 0; r.movi.size() + r.index.size() < kFileBytes; ms += 100)
        r.add("02sb", gSensorPayload(ms, 1));
    return r.bytes();
}

} // namespace

class TestExtractionMemory : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void filledRecordingIsReadWhole()
    {
        const QString path = m_dir.filePath(QStringLiteral("filled.avi"));
        const tvk::Result<qint64> written = writeFilledRecording(path, kFileBytes);
        QVERIFY2(written, qPrintable(written ? QString() : written.failure().text()));
        const qint64 seconds = *written;
        QVERIFY(seconds > 0);
        BlackBoxData blackBox;
        QVERIFY(blackBox.ExtractStreamInformation(QFile::encodeName(path).constData()).ok());
        const RecordedTelemetryPtr t = blackBox.snapshot();
        QCOMPARE(t->m_GpsRecords.size(), seconds);
        QCOMPARE(t->m_vGSensorData.size(), 10 * seconds);
        QCOMPARE(t->m_NMEAs.size(), 6 * seconds); // RMC, GGA, GSA and three GSV
    }

    void inflatedFilesStopAtTheirShare_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("GPS chunks packed with sentences") << packedGpsChunks();
        QTest::newRow("G-sensor chunks only") << gSensorChunks();
    }

    void inflatedFilesStopAtTheirShare()
    {
        QFETCH(QByteArray, file);
        const tvk::Result<RecordedTelemetryPtr> extracted = extractBytes(file);
        QVERIFY(extracted);
        const RecordedTelemetryPtr t = *extracted;
        QVERIFY(!t->isEmpty());
        const qint64 kept = keptBytes(*t);
        QVERIFY2(
            kept <= 2 * file.size() + (1 << 20),
            qPrintable(QStringLiteral("%1 bytes kept of a file of %2").arg(kept).arg(file.size())));
    }
};

QTEST_GUILESS_MAIN(TestExtractionMemory)
#include "test_extractionmemory.moc"
