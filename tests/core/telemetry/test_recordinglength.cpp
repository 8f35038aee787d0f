// The length of a recording from its header, and from its movi list when a crash cut the file
// before the header's totals and the index were written.
#include "core/telemetry/recordinglength.h"
#include "writers/avi/AviWriter.h"

#include <QBuffer>
#include <QTest>

class TestRecordingLength : public QObject
{
    Q_OBJECT

    // `seconds` of video at `fps` (with sound and telemetry chunks between the frames); a
    // cut file ends after the chunks of `keptSeconds`, less `chopBytes`.
    static QByteArray recording(int seconds, int fps, bool cut, int keptSeconds, int chopBytes)
    {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        AviWriter::Format format;
        format.width = 64;
        format.height = 36;
        format.frameRate = quint32(fps);
        AviWriter writer(format);
        if (!writer.open(&buffer))
            return {};
        for (int s = 0; s < seconds; ++s) {
            for (int f = 0; f < fps; ++f)
                writer.addVideoFrame(quint32(s * 1000 + f * 1000 / fps), QByteArray(100, 'v'));
            writer.addAudio(quint32(s * 1000), QByteArray(3200, '\0'));
            writer.addGSensor(quint32(s * 1000), AviGSensorRecord{});
        }
        if (!cut)
            return writer.finish() ? buffer.data() : QByteArray();
        if (!writer.flush(quint32(keptSeconds * 1000)))
            return {};
        return buffer.data().chopped(chopBytes);
    }

private slots:
    void lengths_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("header"); // -1: none
        QTest::addColumn<qint64>("playable");
        QTest::newRow("whole recording") << recording(5, 25, false, 0, 0) << 5000LL << 5000LL;
        QTest::newRow("cut after 3 s") << recording(5, 25, true, 3, 0) << -1LL << 3000LL;
        QTest::newRow("cut after 2 s at 1 fps") << recording(4, 1, true, 2, 0) << -1LL << 2000LL;
        // The last frame lost its final byte (its second's sound and G-sensor chunks follow it:
        // 8 + 3200 and 8 + 24 bytes): it is no whole frame.
        QTest::newRow("cut inside the last frame")
            << recording(4, 1, true, 2, 3208 + 32 + 1) << -1LL << 1000LL;
        QTest::newRow("cut before any frame") << recording(4, 1, true, 0, 0) << -1LL << -1LL;
        QTest::newRow("no AVI") << QByteArray(20000, 'x') << -1LL << -1LL;
    }

    void lengths()
    {
        QFETCH(QByteArray, file);
        QVERIFY(!file.isEmpty());
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QTEST(aviHeaderLengthMs(buffer).value_or(-1), "header");
        QTEST(playableLengthMs(buffer).value_or(-1), "playable");
    }
};

QTEST_GUILESS_MAIN(TestRecordingLength)
#include "test_recordinglength.moc"
