// The map window: its place beside another window, its log line and the position it passes on.
#include "common/log.h"
#include "mapprobe.h"
#include "telemetry/TVKMapWindowController.h"

#include <QStandardPaths>

class TestMapWindow : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        QStandardPaths::setTestModeEnabled(true);
    }

private slots:
    // The camera maker's example is in coordinates with y upwards: the frame (100, 200, 800,
    // 600) and a window 400 high give the origin (900, 400). With y downwards, on a screen 1080
    // high, both have their top edges at 280; a taller window keeps its top at the frame's.
    void logsItsFrameAndMovesBeside()
    {
        QStringList lines;
        tvk::setLogSink([&lines](const QString &line) { lines << line; });
        TVKMapWindowController window;
        tvk::setLogSink({});
        QCOMPARE(lines, QStringList{"{{0, 0}, {480, 400}}"});
        QCOMPARE(TVKMapWindowController::rectText(QRect(-5, 7, 480, 400)), "{{-5, 7}, {480, 400}}");
        QCOMPARE(TVKMapWindowController::originRightOf(QRect(0, 620, 640, 480)), QPoint(640, 620));
        window.show();
        window.moveWindowRightBy(QRect(100, 280, 800, 600));
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(900, 280));
        QCOMPARE(window.size(), QSize(480, 400));
    }

    // The record page asks for the map right after creating the window, before its page loaded.
    void updateMapLatReachesThePage()
    {
        TVKMapWindowController window;
        window.show();
        window.updateMapLat(37.525, 126.9875);
        TVKMapView *view = window.mapWebView();
        QVERIFY(waitForPage(*view));
        QCOMPARE(view->lastScript(), "setLatLag('126.987500','37.525000')");
        const QVariantList position = mapState(*view)["position"].toList();
        QCOMPARE(position, (QVariantList{37.525, 126.9875}));
    }
};

QTEST_MAIN(TestMapWindow)
#include "test_mapwindow.moc"
