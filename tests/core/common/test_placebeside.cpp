// Where a second window opens next to the first without leaving the screen.
#include "core/common/placebeside.h"

#include <QTest>

class TestPlaceBeside : public QObject
{
    Q_OBJECT
private slots:
    void place_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("origin");
        // A 1600×1000 screen with a 30 px panel at the top.
        QTest::newRow("room on the right")
            << QRect(100, 100, 900, 600) << QSize(488, 436) << QPoint(1000, 100);
        QTest::newRow("no room on the right: to the left")
            << QRect(700, 200, 880, 640) << QSize(488, 436) << QPoint(212, 200);
        QTest::newRow("no room either side: against the right edge")
            << QRect(200, 100, 1200, 600) << QSize(488, 436) << QPoint(1112, 100);
        QTest::newRow("low anchor: moved up")
            << QRect(100, 800, 400, 180) << QSize(488, 436) << QPoint(500, 564);
        QTest::newRow("above the panel: moved down")
            << QRect(100, 0, 400, 300) << QSize(488, 436) << QPoint(500, 30);
        QTest::newRow("wider than the screen")
            << QRect(0, 100, 400, 300) << QSize(2000, 436) << QPoint(0, 100);
    }

    void place()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, frame);
        const QRect available(0, 30, 1600, 970);
        const QPoint origin = placeBeside(anchor, frame, available);
        QTEST(origin, "origin");
        QVERIFY(available.contains(QRect(origin, frame)) || frame.width() > available.width());
    }
};

QTEST_GUILESS_MAIN(TestPlaceBeside)
#include "test_placebeside.moc"
