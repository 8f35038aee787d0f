// The telemetry readouts and map calls that follow the play position.
#include "ScriptedVideoPlayer.h"
#include "controls/appresources.h"
#include "player/TVKTelemetryPanel.h"
#include "telemetry/GraphView.h"
#include "telemetry/TVKMapView.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

TVKAviGpsData gpsRecord(double lat, double lon)
{
    _AVI_GPS_DATA_T record;
    record.fLatitude = lat;
    record.fLongitude = lon;
    record.fSpeed = 57;
    record.KM = '9';
    return TVKAviGpsData(record);
}

TVKGpsData fix(char ns, char ew)
{
    TVKGpsData f;
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
        TVKMapView map;
        QLabel x, y, z, speed, hdop, sats, position;
        ScriptedVideoPlayer player;
        TVKTelemetryPanel panel{{&graph, &map, &x, &y, &z, &speed, &hdop, &sats, &position},
                                &player};
    };

private slots:
    void initTestCase() { tvk::initAppResources(); }

    void followsThePositionWithHemispheres()
    {
        Panel p;
        QTRY_VERIFY_WITH_TIMEOUT(p.map.isPageLoaded(), 20000);
        auto telemetry = std::make_shared<TVKTelemetry>();
        telemetry->m_GSensors = {TVKGSensor(0.25f, -0.5f, 0.0f), TVKGSensor(1, 1, 1)};
        telemetry->m_vGpsData = {gpsRecord(3731.5, 12659.25), gpsRecord(3731.5, 12659.25)};
        telemetry->m_NMEAs = {fix('N', 'E'), fix('S', 'W')};
        p.panel.setTelemetry(telemetry);
        QCOMPARE(p.graph.values().size(), 2);
        QSignalSpy scripts(&p.map, &TVKMapView::scriptSent);

        p.panel.updateGsensorUIByPlayPositon(0.2);
        p.panel.updateGpsUIByPlayPosition(0.2);
        QCOMPARE(p.x.text(), QStringLiteral("X=+0.25"));
        QCOMPARE(p.y.text(), QStringLiteral("Y=-0.50"));
        QCOMPARE(p.z.text(), QStringLiteral("Z=0.00"));
        QCOMPARE(p.speed.text(), QStringLiteral("57 Km/h"));
        QCOMPARE(p.hdop.text(), QStringLiteral("0.9"));
        QCOMPARE(p.sats.text(), QStringLiteral("8"));
        QCOMPARE(p.map.lastScript(), QStringLiteral("setLatLag('126.987500','37.525000')"));

        p.panel.updateGpsUIByPlayPosition(0.9);
        QCOMPARE(p.map.lastScript(), QStringLiteral("setLatLag('-126.987500','-37.525000')"));

        p.panel.reset();
        QCOMPARE(p.x.text(), QStringLiteral("X=+0.00"));
        QVERIFY(p.speed.text().isEmpty() && p.hdop.text().isEmpty() && p.sats.text().isEmpty());
    }

    void recordingWithoutGpsTellsTheMapEachTime()
    {
        Panel p;
        QTRY_VERIFY_WITH_TIMEOUT(p.map.isPageLoaded(), 20000);
        p.panel.setTelemetry(TVKTelemetry::empty());
        p.panel.reset();
        for (double position : {0.1, 0.5, 1.0}) {
            p.panel.updateGsensorUIByPlayPositon(position);
            p.panel.updateGpsUIByPlayPosition(position);
            QCOMPARE(p.map.lastScript(), QStringLiteral("TVKDebug('GPS Data Count=Zero')"));
        }
        QCOMPARE(p.x.text(), QStringLiteral("X=+0.00"));
        QVERIFY(p.speed.text().isEmpty() && p.hdop.text().isEmpty() && p.sats.text().isEmpty());
    }
};

QTEST_MAIN(TestTelemetryPanel)
#include "test_telemetrypanel.moc"
