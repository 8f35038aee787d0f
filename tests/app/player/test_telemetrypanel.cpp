// The telemetry readouts and map calls that follow the play position.
#include "app/controls/AppResources.h"
#include "app/player/TelemetryPanel.h"
#include "app/telemetry/GraphView.h"
#include "app/telemetry/MapView.h"
#include "core/player/ScriptedVideoPlayer.h"

#include <QLabel>
#include <QTest>

namespace {

AviGpsData gpsRecord()
{
    AviGpsRecord record;
    record.fLatitude = 3731.5;
    record.fLongitude = 12659.25;
    record.fSpeed = 57;
    record.KM = '9';
    return AviGpsData(record);
}

GpsData fix(char ns, char ew)
{
    GpsData f;
    f.NS = ns;
    f.EW = ew;
    f.HDOP = 0.93;
    f.SatelliteUsedCount = 8;
    return f;
}

} // namespace

class TestTelemetryPanel : public QObject
{
    Q_OBJECT
public:
    static void initMain() { tvk::prepareApplicationEnvironment(); }

private:
    struct Panel
    {
        GraphView graph;
        MapView map;
        QLabel x, y, z, speed, hdop, sats, position;
        ScriptedVideoPlayer player;
        TelemetryPanel panel{{&graph, &map, &x, &y, &z, &speed, &hdop, &sats, &position}, &player};
        QStringList texts() const
        {
            return {x.text(), y.text(), z.text(), speed.text(), hdop.text(), sats.text()};
        }
    };

private slots:
    void initTestCase() { tvk::initAppResources(); }

    void followsThePositionWithHemispheres()
    {
        Panel p;
        QTRY_VERIFY_WITH_TIMEOUT(p.map.isPageLoaded(), 20000);
        auto telemetry = std::make_shared<RecordedTelemetry>();
        telemetry->m_GSensors = {GSensor(0.25f, -0.5f, 0.0f), GSensor(1, 1, 1)};
        telemetry->m_vGpsData = {gpsRecord(), gpsRecord()};
        telemetry->m_NMEAs = {fix('N', 'E'), fix('S', 'W')};
        p.panel.setTelemetry(telemetry);
        QCOMPARE(p.graph.values().size(), 2);
        p.panel.updateGsensorUIByPlayPosition(0.2);
        p.panel.updateGpsUIByPlayPosition(0.2);
        QCOMPARE(p.texts(), QStringList({"X=+0.25", "Y=-0.50", "Z=0.00", "57 Km/h", "0.9", "8"}));
        QCOMPARE(p.map.lastScript(), "moveMarker('37.525000','126.987500')");
        p.panel.updateGpsUIByPlayPosition(0.9);
        QCOMPARE(p.map.lastScript(), "moveMarker('-37.525000','-126.987500')");
        p.panel.reset();
        QCOMPARE(p.texts(), QStringList({"X=+0.00", "Y=+0.00", "Z=+0.00", "", "", ""}));
    }

    void recordingWithoutGpsTellsTheMapEachTime()
    {
        Panel p;
        QTRY_VERIFY_WITH_TIMEOUT(p.map.isPageLoaded(), 20000);
        // A start resets the readouts first and hands out its telemetry once it shows.
        p.panel.reset();
        p.panel.updateGpsUIByPlayPosition(0.1); // nothing of the last recording is read
        QVERIFY(p.map.lastScript() != "showDebugText('GPS Data Count=Zero')");
        p.panel.setTelemetry(RecordedTelemetry::empty());
        for (double position : {0.1, 0.5, 1.0}) {
            p.panel.updateGsensorUIByPlayPosition(position);
            p.panel.updateGpsUIByPlayPosition(position);
            QCOMPARE(p.map.lastScript(), "showDebugText('GPS Data Count=Zero')");
        }
        QCOMPARE(p.texts(), QStringList({"X=+0.00", "Y=+0.00", "Z=+0.00", "", "", ""}));
    }
};

QTEST_MAIN(TestTelemetryPanel)
#include "test_telemetrypanel.moc"
