// What the player window reads out of a recording's telemetry at a play position.
#include "core/player/TelemetryReadout.h"

#include <QTest>

namespace {

AviGpsData gpsRecord(char km)
{
    AviGpsRecord record;
    record.header = AviGpsRecord::kHeader;
    record.fLatitude = 3731.5;
    record.fLongitude = 12659.25;
    record.fSpeed = 57;
    record.KM = km;
    return AviGpsData(record);
}

GpsData fix(char ns, char ew, double hdop, quint32 satellites)
{
    GpsData f;
    f.NS = ns;
    f.EW = ew;
    f.HDOP = hdop;
    f.SatelliteUsedCount = satellites;
    return f;
}

} // namespace

class TestTelemetryReadout : public QObject
{
    Q_OBJECT
private slots:
    void sampleIndex_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("index");
        QTest::newRow("middle of 300") << 0.5 << qint64(300) << qint64(150);
        QTest::newRow("end of 300") << 1.0 << qint64(300) << qint64(299);
        QTest::newRow("beyond the end") << 1.7 << qint64(300) << qint64(299);
        QTest::newRow("start") << 0.0 << qint64(300) << qint64(0);
        QTest::newRow("negative") << -0.2 << qint64(300) << qint64(0);
        QTest::newRow("truncated") << 0.999 << qint64(10) << qint64(9);
        QTest::newRow("one entry") << 0.3 << qint64(1) << qint64(0);
    }

    void sampleIndex()
    {
        QFETCH(double, position);
        QFETCH(qint64, count);
        QTEST(qint64(readout::sampleIndex(position, count)), "index");
    }

    void gsensorTextsOfASample()
    {
        RecordedTelemetry telemetry;
        telemetry.m_GSensors = {GSensor(1, 1, 1), GSensor(0.25f, -0.5f, 0.0f)};
        const auto texts = readout::gsensorTexts(telemetry, 0.75);
        QVERIFY(texts);
        QCOMPARE(QStringList({texts->x, texts->y, texts->z}),
                 QStringList({"X=+0.25", "Y=-0.50", "Z=0.00"}));
        QVERIFY(!readout::gsensorTexts(RecordedTelemetry(), 0.5));
        QCOMPARE(readout::resetAxisText('Y'), "Y=+0.00");
        QCOMPARE(readout::axisText('X', -0.001), "X=-0.00"); // the sign of what was measured
    }

    void positionSpeedAndHemispheres()
    {
        RecordedTelemetry telemetry;
        telemetry.m_vGpsData = {gpsRecord('9'), gpsRecord('K'), gpsRecord('9')};
        telemetry.m_NMEAs = {fix('S', 'W', 0.93, 8), fix('N', 'E', 0.93, 8)};
        readout::HemisphereMemory memory;
        const readout::GpsReadout first = memory.gpsReadout(telemetry, 0.0);
        QVERIFY(first.hasGps);
        QCOMPARE(QPointF(first.latitude, first.longitude), QPointF(-37.525, -126.9875));
        QCOMPARE(*first.speed, "57 Km/h");
        // The third record has no fix of its own: the last hemispheres hold.
        QCOMPARE(memory.gpsReadout(telemetry, 1.0).latitude, -37.525);
        const readout::GpsReadout second = memory.gpsReadout(telemetry, 0.5);
        QCOMPARE(QPointF(second.latitude, second.longitude), QPointF(37.525, 126.9875));
        QCOMPARE(QStringList({*second.speed, *second.hdop, *second.satellites}),
                 QStringList({"57 Mi/h", "0.9", "8"}));
        QCOMPARE(memory.gpsReadout(telemetry, 1.0).latitude, 37.525);
    }

    void gpsRecordsWithoutGSensorSamples()
    {
        RecordedTelemetry telemetry;
        telemetry.m_GpsRecords = {gpsRecord('9'), gpsRecord('9')};
        AviGpsRecord damaged = telemetry.m_GpsRecords[1].data();
        damaged.fLatitude = 100065; // 1000.65 degrees
        telemetry.m_GpsRecords[1] = AviGpsData(damaged);
        readout::HemisphereMemory memory;
        const readout::GpsReadout first = memory.gpsReadout(telemetry, 0.2);
        QVERIFY(first.hasGps);
        QCOMPARE(*first.speed, "57 Km/h");
        // An impossible position moves no marker.
        QVERIFY(!memory.gpsReadout(telemetry, 0.9).hasGps);
    }

    void noGpsRecordsStillReadTheFixes()
    {
        RecordedTelemetry telemetry;
        telemetry.m_NMEAs = {fix('N', 'E', 1.26, 11)};
        readout::HemisphereMemory memory;
        const readout::GpsReadout gps = memory.gpsReadout(telemetry, 0.3);
        QVERIFY(!gps.hasGps && !gps.speed);
        QCOMPARE(QStringList({*gps.hdop, *gps.satellites}), QStringList({"1.3", "11"}));
        const readout::GpsReadout empty = memory.gpsReadout(RecordedTelemetry(), 0.3);
        QVERIFY(!empty.hasGps && !empty.hdop && !empty.satellites);
    }
};

QTEST_GUILESS_MAIN(TestTelemetryReadout)
#include "test_telemetryreadout.moc"
