// The map window: its place beside another window, its log line and the position it passes on.
#include "common/log.h"
#include "mapprobe.h"
#include "telemetry/TVKMapView.h"
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
    // 600) and a window 400 high give the origin (900, 400). On a screen of height H the same
    // rectangles have their top edges at H - 800, in both.
    void originRightOf_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<QRect>("frameUp");
        QTest::addColumn<int>("windowHeight");
        QTest::addColumn<QPoint>("originUp");
        QTest::newRow("example, 1080 high")
            << 1080 << QRect(100, 200, 800, 600) << 400 << QPoint(900, 400);
        QTest::newRow("example, 900 high")
            << 900 << QRect(100, 200, 800, 600) << 400 << QPoint(900, 400);
        QTest::newRow("taller map window")
            << 1200 << QRect(0, 100, 640, 480) << 700 << QPoint(640, -120);
    }

    void originRightOf()
    {
        QFETCH(int, screenHeight);
        QFETCH(QRect, frameUp);
        QFETCH(int, windowHeight);
        QFETCH(QPoint, originUp);
        const auto flip = [screenHeight](int y, int height) {
            return screenHeight - y - height;
        };
        const QRect frameDown(frameUp.x(), flip(frameUp.y(), frameUp.height()), frameUp.width(),
                              frameUp.height());
        const QPoint expected(originUp.x(), flip(originUp.y(), windowHeight));
        QCOMPARE(TVKMapWindowController::originRightOf(frameDown), expected);
    }

    void moveWindowRightBy()
    {
        TVKMapWindowController window;
        window.show();
        const QSize size = window.size();
        QCOMPARE(size, QSize(480, 400));
        window.moveWindowRightBy(QRect(100, 280, 800, 600));
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(900, 280));
        QCOMPARE(window.size(), size);
    }

    void logsItsFrame()
    {
        QStringList lines;
        tvk::setLogSink([&lines](const QString &line) { lines << line; });
        TVKMapWindowController window;
        tvk::setLogSink({});
        QCOMPARE(lines, QStringList{"{{0, 0}, {480, 400}}"});
        QCOMPARE(TVKMapWindowController::rectText(QRect(-5, 7, 480, 400)), "{{-5, 7}, {480, 400}}");
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
