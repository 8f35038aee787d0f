// The clip's overlay draws inside the areas it names and nowhere else: the exporter turns
// only those parts of a frame into pixels to paint on, so anything drawn outside them would be
// lost, and anything named but not drawn costs time for nothing.
#include "core/clip/ClipLayout.h"
#include "render/ClipOverlay.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTest>

Q_DECLARE_METATYPE(clip::Layout)
Q_DECLARE_METATYPE(clip::Corner)

namespace {

QList<RoutePoint> route()
{
    QList<RoutePoint> points;
    for (int i = 0; i < 20; ++i)
        points.append({37.5 + i * 1e-4, 127.0 + (i % 5) * 1e-4, {}, 10, 0, 0});
    return points;
}

} // namespace

class TestClipOverlayAreas : public QObject
{
    Q_OBJECT
private slots:
    void drawn_inside_its_areas_data()
    {
        QTest::addColumn<clip::Layout>("layout");
        QTest::addColumn<clip::Corner>("corner");
        QTest::addColumn<bool>("frontMissing");
        QTest::addColumn<bool>("rearMissing");
        QTest::addColumn<bool>("readouts");
        QTest::newRow("side by side")
            << clip::Layout::SideBySide << clip::Corner::BottomRight << false << false << true;
        QTest::newRow("inset bottom right, map moves")
            << clip::Layout::Inset << clip::Corner::BottomRight << false << false << true;
        QTest::newRow("inset top left")
            << clip::Layout::Inset << clip::Corner::TopLeft << false << false << true;
        QTest::newRow("rear missing")
            << clip::Layout::SideBySide << clip::Corner::BottomRight << false << true << true;
        QTest::newRow("both missing, no readouts")
            << clip::Layout::SideBySide << clip::Corner::BottomRight << true << true << false;
        QTest::newRow("front only, nothing")
            << clip::Layout::FrontOnly << clip::Corner::BottomRight << false << false << false;
    }
    void drawn_inside_its_areas()
    {
        QFETCH(clip::Layout, layout);
        QFETCH(clip::Corner, corner);
        QFETCH(bool, frontMissing);
        QFETCH(bool, rearMissing);
        QFETCH(bool, readouts);
        const clip::Frame frame = clip::frameFor(layout, corner, QSize(960, 540), QSize(640, 360));
        ClipOverlay overlay({readouts, readouts, readouts, readouts}, route());
        clip::Readout readout;
        readout.clock = QDateTime(QDate(2026, 10, 17), QTime(8, 30, 5), Qt::UTC);
        readout.speed = QStringLiteral("88 km/h");
        readout.gx = 2.0; // beyond the circle's full scale: the dot stays on its edge
        readout.gy = -2.0;
        readout.gz = 1.0;
        readout.position = route().at(19);
        readout.headingDegrees = 45;
        overlay.setReadout(readout);
        QList<QRectF> missing;
        if (frontMissing)
            missing.append(frame.front);
        if (rearMissing)
            missing.append(frame.rear);
        overlay.setMissing(missing);
        const bool inset = frame.rear.isValid() && frame.front.contains(frame.rear);
        overlay.setKeepClear(inset ? QRectF(frame.rear) : QRectF());

        QImage image(frame.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const QRectF whole(QPointF(0, 0), frame.size);
        overlay.paint(&painter, whole);
        painter.end();
        QRegion named;
        for (const QRectF &area : overlay.areas(whole))
            named += area.toAlignedRect();
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(row[x]) == 0)
                    continue;
                ++drawn;
                if (!named.contains(QPoint(x, y)))
                    QFAIL(qPrintable(
                        QStringLiteral("drawn outside its areas at %1,%2").arg(x).arg(y)));
            }
        }
        QCOMPARE(drawn > 0, readouts || !missing.isEmpty());
        QCOMPARE(named.isEmpty(), drawn == 0);
    }

    // The exporter paints the overlay again only when it would look different: a change that
    // shows must be noticed, or the clip's readouts freeze.
    void looks_same_data()
    {
        QTest::addColumn<bool>("itemShown");
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("same");
        QTest::newRow("clock within its second") << true << 0 << true;
        QTest::newRow("clock to the next second") << true << 1 << false;
        QTest::newRow("speed") << true << 2 << false;
        QTest::newRow("speed not shown") << false << 2 << true;
        QTest::newRow("G-sensor") << true << 3 << false;
        QTest::newRow("G-sensor not shown") << false << 3 << true;
        QTest::newRow("position") << true << 4 << false;
        QTest::newRow("heading") << true << 5 << false;
        QTest::newRow("position, no map") << false << 4 << true;
    }
    void looks_same()
    {
        QFETCH(bool, itemShown);
        QFETCH(int, change);
        QFETCH(bool, same);
        ClipOverlay::Items items;
        items.speed = change != 2 || itemShown;
        items.gforce = change != 3 || itemShown;
        items.map = change < 4 || itemShown;
        const ClipOverlay overlay(items, route());
        clip::Readout a;
        a.clock = QDateTime(QDate(2026, 10, 17), QTime(8, 30, 5, 100), Qt::UTC);
        a.speed = QStringLiteral("88 km/h");
        a.gx = 0.1;
        a.gy = 0.2;
        a.gz = 1.0;
        a.position = route().at(3);
        a.headingDegrees = 45;
        clip::Readout b = a;
        switch (change) {
        case 0:
            b.clock = a.clock.addMSecs(850);
            break;
        case 1:
            b.clock = a.clock.addMSecs(900);
            break;
        case 2:
            b.speed = QStringLiteral("89 km/h");
            break;
        case 3:
            b.gy = 0.25;
            break;
        case 4:
            b.position = route().at(4);
            break;
        case 5:
            b.headingDegrees = 50;
            break;
        }
        QCOMPARE(overlay.looksSame(a, b), same);
        QVERIFY(overlay.looksSame(a, a));
    }

    void band_readouts_stand_apart_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::newRow("side by side") << QSize(1600, 540);
        QTest::newRow("front with inset") << QSize(960, 540);
        QTest::newRow("rear only") << QSize(640, 360);
        QTest::newRow("a small picture") << QSize(320, 180);
    }
    // Time, speed and G-force each whole, none over another, all within the band.
    void band_readouts_stand_apart()
    {
        QFETCH(QSize, frame);
        ClipOverlay overlay({}, route());
        clip::Readout readout;
        readout.clock = QDateTime(QDate(2026, 10, 17), QTime(8, 30, 5), Qt::UTC);
        readout.speed = QStringLiteral("104 Km/h");
        readout.gx = -0.13;
        readout.gy = 1.25;
        readout.gz = -0.98;
        overlay.setReadout(readout);
        const QRectF band(0, 0, frame.width(), ClipOverlay::bandHeight(frame.height()));
        const ClipOverlay::BandLayout layout = overlay.bandLayout(band, QFont());
        const QFontMetricsF metrics(layout.font);
        const QList<QPair<QRectF, QString>> texts{{layout.timeArea, layout.time},
                                                  {layout.speedArea, layout.speed},
                                                  {layout.valuesArea, layout.values}};
        QList<QRectF> taken{layout.dial};
        for (const auto &[area, text] : texts) {
            QVERIFY(!text.isEmpty());
            QVERIFY2(area.width() + 0.5 >= metrics.horizontalAdvance(text), qPrintable(text));
            QVERIFY2(band.contains(area), qPrintable(text));
            for (const QRectF &other : std::as_const(taken))
                QVERIFY2(!area.intersects(other), qPrintable(text));
            taken.append(area);
        }
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TestClipOverlayAreas test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_clipoverlayareas.moc"
