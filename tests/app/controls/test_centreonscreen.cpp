// Windows opened on a laptop screen at scale factor 2 (1600 x 1000, so 800 x 500): each opens
// inside the screen's area, as small as it may be when it is larger.
#include "app/apptestsetup.h"
#include "app/controls/CentreOnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

class TestCentreOnScreen : public QObject
{
    Q_OBJECT

public:
    // What the windows see of a 1600 x 1000 screen at scale factor 2.
    static void initMain() { useOffscreenScreen(800, 500); }

private slots:
    void opensInside_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("small: centred") << QSize(400, 300) << QSize() << QRect(200, 100, 400, 300);
        QTest::newRow("too large: shrinks to the screen")
            << QSize(1020, 640) << QSize(300, 200) << QRect(0, 0, 800, 500);
        QTest::newRow("too wide only") << QSize(900, 300) << QSize() << QRect(0, 100, 800, 300);
        QTest::newRow("cannot shrink: the top left stays on the screen")
            << QSize(1020, 640) << QSize(900, 600) << QRect(0, 0, 900, 600);
    }
    void opensInside()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, minimum);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 500));
        QWidget window;
        if (minimum.isValid())
            window.setMinimumSize(minimum);
        window.resize(size);
        centreOnScreen(&window);
        QTEST(window.frameGeometry(), "placed");
    }
};

QTEST_MAIN(TestCentreOnScreen)
#include "test_centreonscreen.moc"
