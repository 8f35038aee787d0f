// A recording's route as one blob: every field back as stored, and blobs that are not whole
// records give nothing.
#include "core/index/packedroute.h"

#include <QTest>

namespace {

IndexedPoint point(qint64 offsetMs, std::optional<qint64> utcMs, double latitude)
{
    IndexedPoint p;
    p.offsetMs = offsetMs;
    p.cameraMs = 4000000000u;
    p.utcMs = utcMs;
    p.latitude = latitude;
    p.longitude = -179.999999;
    p.metresPerSecond = 13.25;
    p.heading = 359.5;
    return p;
}

bool same(const IndexedPoint &a, const IndexedPoint &b)
{
    return a.offsetMs == b.offsetMs && a.cameraMs == b.cameraMs && a.utcMs == b.utcMs &&
           a.latitude == b.latitude && a.longitude == b.longitude &&
           a.metresPerSecond == b.metresPerSecond && a.heading == b.heading;
}

} // namespace

class TestPackedRoute : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QList<IndexedPoint>>("points");
        QTest::newRow("none") << QList<IndexedPoint>();
        QTest::newRow("with and without the receiver's time") << QList<IndexedPoint>{
            point(0, 1792222200000, 37.5), point(1000, std::nullopt, -33.8), point(-5, 0, 0)};
    }

    void roundTrip()
    {
        QFETCH(QList<IndexedPoint>, points);
        const QByteArray blob = packRoute(points);
        QCOMPARE(blob.size(), points.size() * 56);
        const QList<IndexedPoint> back = unpackRoute(blob);
        QCOMPARE(back.size(), points.size());
        QCOMPARE(packedPointCount(blob), points.size());
        for (qsizetype i = 0; i < points.size(); ++i) {
            QVERIFY(same(back[i], points[i]));
            QVERIFY(same(*unpackPoint(blob, i), points[i]));
            QCOMPARE(packedPosition(blob, i), QPointF(points[i].longitude, points[i].latitude));
        }
        QVERIFY(!unpackPoint(blob, points.size()));
        QVERIFY(!unpackPoint(blob, -1));
    }

    void brokenBlobs_data()
    {
        QTest::addColumn<int>("cut");
        QTest::newRow("one byte short") << 1;
        QTest::newRow("half a record short") << 28;
    }

    void brokenBlobs()
    {
        QFETCH(int, cut);
        QByteArray blob = packRoute({point(0, 1, 2), point(1, 2, 3)});
        blob.chop(cut);
        QVERIFY(unpackRoute(blob).isEmpty());
        QVERIFY(!unpackPoint(blob, 0));
        QCOMPARE(packedPointCount(blob), 0);
    }

    void pointIds()
    {
        const qint64 id = routePointId(123456, kMaxRoutePoints - 1);
        QCOMPARE(recordingOfPoint(id), 123456);
        QCOMPARE(seqOfPoint(id), kMaxRoutePoints - 1);
    }
};

QTEST_GUILESS_MAIN(TestPackedRoute)
#include "test_packedroute.moc"
