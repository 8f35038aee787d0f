// The map view: the script texts, calls that wait for the page, and the page's functions
// read back from the page itself, offline.
#include "app/apptestsetup.h"
#include "app/controls/AppResources.h"
#include "app/player/TelemetryPanel.h"
#include "app/telemetry/GraphView.h"
#include "core/common/strings.h"
#include "core/index/drivelines.h"
#include "mapprobe.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QWebEngineProfile>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const QList<QPointF> kRoute = {{126.9875, 37.525}, {126.9900, 37.5262}, {126.9931, 37.5281}};

std::unique_ptr<MapView> loadedView()
{
    auto view = std::make_unique<MapView>();
    view->resize(480, 400);
    view->show();
    if (!waitForPage(*view))
        qWarning("the map page did not load");
    return view;
}

QPointF pointOf(const QVariant &pair)
{
    const QVariantList list = pair.toList();
    return list.size() == 2 ? QPointF(list[0].toDouble(), list[1].toDouble()) : QPointF(-999, -999);
}

} // namespace

class TestMapView : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        QStandardPaths::setTestModeEnabled(true);
        useOwnUserDefaults();
        tvk::initAppResources();
    }

private:
    TileBlocker m_blocker;

private slots:
    void initTestCase()
    {
        QVERIFY(tvk::installStringTable());
        MapView probe;
        probe.page()->profile()->setUrlRequestInterceptor(&m_blocker);
    }

    void wordsInTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        QTest::newRow("ko") << "ko";
    }
    void wordsInTheInterfaceLanguage()
    {
        QFETCH(QString, language);
        tvk::setChosenLanguage(language);
        QVERIFY(tvk::installStringTable());
        const QVariantMap texts = mapState(*loadedView())["texts"].toMap();
        const QStringList expected{tvk::text("map.offline_note"), tvk::text("map.no_gps"),
                                   tvk::text("map.event_label")};
        tvk::setChosenLanguage(QString());
        QVERIFY(tvk::installStringTable());
        QCOMPARE((QStringList{texts["offline"].toString(), texts["noGps"].toString(),
                              texts["event"].toString()}),
                 expected);
    }

    void cleanupTestCase()
    {
        MapView probe;
        probe.page()->profile()->setUrlRequestInterceptor(nullptr);
    }

    void scripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("north-east")
            << MapView::markerScript(37.525, 126.9875) << "moveMarker('37.525000','126.987500')";
        QTest::newRow("south-west")
            << MapView::markerScript(-33.8, -70.6) << "moveMarker('-33.800000','-70.600000')";
        // 1/128 ends in an exact 5 at the seventh decimal: C rounds such ties to even.
        QTest::newRow("tie rounds to even")
            << MapView::markerScript(0.0078125, -0.0078125) << "moveMarker('0.007812','-0.007812')";
        QTest::newRow("quote") << MapView::debugScript("it's") << "showDebugText('it\\'s')";
        QTest::newRow("backslash")
            << MapView::debugScript("C:\\card") << "showDebugText('C:\\\\card')";
        QTest::newRow("line end") << MapView::debugScript("a\nb") << "showDebugText('a\\u000ab')";
        QTest::newRow("no route") << MapView::routeScript({}) << "setRoute([])";
        QTest::newRow("route without broken points")
            << MapView::routeScript({{126.9875, 37.525}, {nan, 1.0}, {-70.6, -33.8}})
            << "setRoute([[37.525000,126.987500],[-33.800000,-70.600000]])";
        QTest::newRow("no drives") << MapView::allDrivesScript({}) << "setAllDrives(null)";
        QTest::newRow("drives with a hostile label")
            << MapView::allDrivesScript(
                   {{"x');alert('1", "", 0, {{{126.9875, 37.525}, {nan, 1.0}}, {}}},
                    {"2026-10-18T08:00:00", "", 0, {{{-70.6, -33.8}}}}})
            << "setAllDrives([{label:'x\\');alert(\\'1',lines:[[[37.525000,126.987500]],[]]},"
               "{label:'2026-10-18T08:00:00',lines:[[[-33.800000,-70.600000]]]}])";
    }

    void scripts()
    {
        QFETCH(QString, script);
        QTEST(script, "expected");
    }

    void callsWaitForThePage()
    {
        MapView view;
        view.resize(480, 400);
        view.show();
        QSignalSpy sent(&view, &MapView::scriptSent);
        QVERIFY(!view.isPageLoaded());
        view.setRoute(kRoute);
        view.moveMarker(10.0, 20.0);
        view.moveMarker(37.525, 126.9875);
        QCOMPARE(sent.count(), 0);

        QVERIFY(waitForPage(view));
        // The page's words first; the older position was replaced while waiting; the order is
        // kept.
        QCOMPARE(sent.count(), 3);
        QCOMPARE(sent.at(0).at(0).toString(), MapView::textsScript());
        QCOMPARE(sent.at(1).at(0).toString(), MapView::routeScript(kRoute));
        QCOMPARE(sent.at(2).at(0).toString(), "moveMarker('37.525000','126.987500')");
        QCOMPARE(view.lastScript(), sent.at(2).at(0).toString());
        const QVariantMap state = mapState(view);
        QCOMPARE(pointOf(state["position"]), QPointF(37.525, 126.9875));
        QVERIFY(state["markerVisible"].toBool() && state["markerInView"].toBool());
        QCOMPARE(state["routeLength"].toInt(), 3);
    }

    void pageFunctions()
    {
        auto view = loadedView();
        QSignalSpy sent(view.get(), &MapView::scriptSent);
        view->setRoute(kRoute);
        QCOMPARE(mapState(*view)["routeLength"].toInt(), 3);
        QVERIFY(mapState(*view)["markerInView"].toBool() == false);

        view->moveMarker(-33.8, -70.6);
        QCOMPARE(sent.last().at(0).toString(), "moveMarker('-33.800000','-70.600000')");
        QCOMPARE(pointOf(mapState(*view)["position"]), QPointF(-33.8, -70.6));
        QTRY_VERIFY(mapState(*view)["markerInView"].toBool());

        view->setNoGps(true);
        QVariantMap state = mapState(*view);
        QVERIFY(state["noGps"].toBool() && !state["markerVisible"].toBool());

        view->moveMarker(37.525, 126.9875);
        state = mapState(*view);
        QVERIFY(!state["noGps"].toBool() && state["markerVisible"].toBool());
        QTRY_VERIFY(mapState(*view)["markerInView"].toBool());

        view->setRoute({});
        QCOMPARE(mapState(*view)["routeLength"].toInt(), 0);

        // Receivers without a fix report 0,0, and broken numbers must not move the car anywhere.
        view->moveMarker(0.0, 0.0);
        view->moveMarker(std::nan(""), 10.0);
        view->moveMarker(91.0, 10.0);
        QCOMPARE(pointOf(mapState(*view)["position"]), QPointF(37.525, 126.9875));
        view->setRoute({{126.9875, 37.525}, {0.0, 0.0}, {126.99, 37.53}});
        QCOMPARE(mapState(*view)["routeLength"].toInt(), 2);
    }

    // The player's map panel is hidden while the list is shown: a route given then must still
    // be framed once the panel appears, never leave the map without a view.
    // The no-GPS notice speaks of the recording that had none: reset for the next start, or
    // for nothing playing, it goes, and a trip shown meanwhile is not covered.
    void resetReadoutsTakeTheNoGpsNoticeAway()
    {
        auto view = loadedView();
        GraphView graph;
        QLabel x, y, z, speed, hdop, satellites;
        TelemetryPanel panel({&graph, view.get(), &x, &y, &z, &speed, &hdop, &satellites, nullptr},
                             nullptr);
        panel.setTelemetry(RecordedTelemetry::empty());
        panel.updateGpsUIByPlayPosition(0.5);
        QTRY_VERIFY(mapState(*view)["noGps"].toBool());
        panel.reset();
        QTRY_VERIFY(!mapState(*view)["noGps"].toBool());
    }

    void routeGivenWhileHidden()
    {
        MapView view;
        view.resize(0, 0);
        view.setRoute(kRoute);
        view.moveMarker(37.5262, 126.9900);
        QVERIFY(waitForPage(view));
        view.resize(480, 400);
        view.show();
        QTRY_VERIFY(mapState(view)["zoom"].toDouble() >= 14);
        const QVariantMap state = mapState(view);
        const QPointF center = pointOf(state["center"]);
        QVERIFY(std::isfinite(center.x()) && std::isfinite(center.y()));
        QVERIFY(state["markerInView"].toBool());
    }

    // Offline, the page shows a grid, the marker and the route: read back, and drawn.
    void offlinePicture()
    {
        auto view = loadedView();
        view->setRoute(kRoute);
        view->moveMarker(37.5262, 126.9900);
        QTRY_VERIFY_WITH_TIMEOUT(mapState(*view)["offline"].toBool(), 15000);
        QVERIFY(m_blocker.blocked > 0);
        const QVariantMap state = mapState(*view);
        QCOMPARE(state["offlineNote"].toString(),
                 "Map tiles unavailable (offline) — showing coordinates only");
        QCOMPARE(state["gridSteps"].toList().size(), 2);
        // No latitude label (drawn just above its line) hides under the notice, wherever the
        // lines fall: the map is moved down by steps over more than a line's spacing.
        QVERIFY(!state["latitudeLabels"].toList().isEmpty());
        for (int step = 0; step < 32; ++step) {
            const QVariantMap moved = mapState(*view);
            QVERIFY(moved["offlineNoteBottom"].toDouble() > 0);
            for (const QVariant &y : moved["latitudeLabels"].toList())
                QVERIFY2(y.toDouble() - 14 >= moved["offlineNoteBottom"].toDouble(),
                         qPrintable(QString("line at %1 under the notice, which ends at %2")
                                        .arg(y.toDouble())
                                        .arg(moved["offlineNoteBottom"].toDouble())));
            evaluate(*view, "routeMap.panBy([0, -8], {animate: false}); true");
        }
        evaluate(*view, "routeMap.panBy([0, 256], {animate: false}); true");
        QVERIFY(state["markerVisible"].toBool() && state["markerInView"].toBool());
        QCOMPARE(state["routeLength"].toInt(), 3);
        QTest::qWait(500);
        const QImage image = view->grab().toImage();
        QVERIFY(image.save(TAVIK_BUILD_DIR "/map-offline.png"));
        const QPointF marker = pointOf(mapState(*view)["markerPoint"]);
        const QColor centre = image.pixelColor(marker.toPoint() * image.devicePixelRatio());
        QVERIFY2(centre.blue() > 200 && centre.red() < 120, qPrintable(centre.name()));

        // A narrow panel playing a recording without GPS.
        view->resize(300, 360);
        view->setRoute({});
        view->setNoGps(true);
        QTest::qWait(500);
        QVERIFY(view->grab().save(TAVIK_BUILD_DIR "/map-nogps.png"));
    }
};

QTEST_MAIN(TestMapView)
#include "test_mapview.moc"
