// The map window: beside the window that opens it, and the position it passes on.
#include "app/controls/AppResources.h"
#include "app/telemetry/MapWindow.h"
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
    void opensBesideWithoutCovering_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::newRow("player window") << QRect(100, 280, 800, 600);
        QTest::newRow("low on the screen") << QRect(0, 620, 640, 480);
    }

    // The map window stands right of the frame that opens it, level with it, covering none of it.
    void opensBesideWithoutCovering()
    {
        QFETCH(QRect, frame);
        MapWindow window;
        window.show();
        window.moveWindowRightBy(frame);
        const QRect map = window.frameGeometry();
        QVERIFY(!map.intersects(frame));
        QCOMPARE(map.left(), frame.right() + 1);
        QCOMPARE(map.top(), frame.top());
        QVERIFY(!window.mapWebView()->size().isEmpty());
    }

    // The record page asks for the map right after creating the window, before its page loaded.
    void updateMapLatReachesThePage()
    {
        MapWindow window;
        window.show();
        window.updateMapLat(37.525, 126.9875);
        MapView *view = window.mapWebView();
        QVERIFY(waitForPage(*view));
        const QVariantList position = mapState(*view)["position"].toList();
        QCOMPARE(position, (QVariantList{37.525, 126.9875}));
    }
};

QTEST_MAIN(TestMapWindow)
#include "test_mapwindow.moc"
