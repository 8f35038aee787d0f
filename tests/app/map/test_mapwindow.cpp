// The map window: its place beside the window that opens it and the position it passes on.
#include "app/controls/AppResources.h"
#include "app/telemetry/TVKMapWindowController.h"
#include "mapprobe.h"

#include <QStandardPaths>

class TestMapWindow : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        QStandardPaths::setTestModeEnabled(true);
        tvk::initAppResources();
    }

private slots:
    // The map window opens to the right of the given frame with its top edge level with the
    // frame's.
    void movesBeside()
    {
        TVKMapWindowController window;
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
