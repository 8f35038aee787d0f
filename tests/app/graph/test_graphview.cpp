// The G-sensor chart drawn into an image, checked pixel by pixel at the chart's own measures.
// A 240 x 116 chart: area 200 x 100 from (20, 8) up, one unit 25 high, the zero line 58 up.
// In the image (y down) the line of value v runs along y = 58 - 25 v, and the grid line i
// fills row 107 - 25 i.
#include "telemetry/GraphView.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QRectF kBounds(0, 0, 240, 116);

// The chart in a taller image, so that what is drawn beyond its bounds shows too.
QImage draw(const GraphView &view, QSize size = QSize(240, 160))
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    view.paint(&painter, kBounds);
    return image;
}

enum class Ink { Red, Green, Blue };

bool has(const QImage &image, int x, int y, Ink ink)
{
    const QColor c = image.pixelColor(x, y);
    const int channels[] = {c.red(), c.green(), c.blue()};
    const int i = static_cast<int>(ink);
    const int others = std::max(channels[(i + 1) % 3], channels[(i + 2) % 3]);
    // Dominant, also where the line crosses the grey grid.
    return c.alpha() > 60 && channels[i] - others > 60;
}

// The rows of one column where the ink shows.
QList<int> rowsOf(const QImage &image, int x, Ink ink)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (has(image, x, y, ink))
            rows << y;
    }
    return rows;
}

bool isWhite(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) == Qt::white;
}

} // namespace

class TestGraphView : public QObject
{
    Q_OBJECT

private slots:
    // Without samples: the grid and its labels only, on a transparent ground.
    void gridOnly()
    {
        GraphView view;
        view.updateTimePosition(0.5);
        const QImage image = draw(view);
        const QColor grey(204, 204, 204);
        for (int i = 0; i <= 4; ++i) {
            QCOMPARE(image.pixelColor(20, 107 - 25 * i), grey);
            QCOMPARE(image.pixelColor(219, 107 - 25 * i), grey);
            QCOMPARE(image.pixelColor(220, 107 - 25 * i).alpha(), 0);
            QCOMPARE(image.pixelColor(120, 106 - 25 * i).alpha(), 0);
        }
        QCOMPARE(image.pixelColor(20, 7), grey); // the top grid line starts at the axis
        QCOMPARE(image.pixelColor(21, 45).alpha(), 0);
        // Right of the labels nothing but grid: no line, no bar.
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 19; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                QVERIFY2(c.alpha() == 0 || c == grey,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }

    // Each label in white left of the axis, 2 right of its right edge, centred near its line.
    void labels()
    {
        GraphView view;
        const QImage image = draw(view);
        for (int i = 0; i <= 4; ++i) {
            const int line = 107 - 25 * i;
            int top = image.height(), bottom = -1, right = -1;
            for (int y = std::max(0, line - 14); y <= line + 12; ++y) {
                for (int x = 0; x < 20; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.alpha() > 100 && c.red() > 100 && c.red() == c.blue()) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                        right = std::max(right, x);
                    }
                }
            }
            QVERIFY2(bottom >= 0, qPrintable(QString::number(i)));
            QVERIFY(right <= 18 && right >= 12);
            // The ink's middle lies a little above the line (2 up, less the font's descent).
            const double middle = (top + bottom) / 2.0;
            QVERIFY2(middle < line && middle > line - 8, qPrintable(QString::number(middle)));
        }
    }

    void sampleOnItsLine_data()
    {
        QTest::addColumn<QList<float>>("sample");
        QTest::addColumn<QList<int>>("redRows");
        QTest::addColumn<QList<int>>("greenRows");
        QTest::addColumn<QList<int>>("blueRows");
        // A line on y = 33 covers rows 32 and 33 by half; the grid line +1 fills row 32.
        QTest::newRow("x on +1") << QList<float>{1, 0, -1} << QList<int>{32, 33}
                                 << QList<int>{57, 58} << QList<int>{82, 83};
        // Half a unit below the bottom line, beyond the grid and the view: nothing is clipped.
        QTest::newRow("z at -2.5") << QList<float>{2, -2, -2.5} << QList<int>{7, 8}
                                   << QList<int>{107, 108} << QList<int>{120};
        // Lines centred on a row's middle fill that row alone.
        QTest::newRow("between lines")
            << QList<float>{0.5, 0.3f, 0.02f} << QList<int>{45} << QList<int>{50} << QList<int>{57};
    }

    // A single sample draws three level lines over the whole width: from x = 21 to 221.
    void sampleOnItsLine()
    {
        QFETCH(QList<float>, sample);
        QFETCH(QList<int>, redRows);
        QFETCH(QList<int>, greenRows);
        QFETCH(QList<int>, blueRows);
        GraphView view;
        view.setGraphData({TVKGSensor(sample[0], sample[1], sample[2])});
        view.updateTimePosition(0.97);
        const QImage image = draw(view);
        for (int column : {21, 60, 120, 180, 220}) {
            QCOMPARE(rowsOf(image, column, Ink::Red), redRows);
            QCOMPARE(rowsOf(image, column, Ink::Green), greenRows);
            QCOMPARE(rowsOf(image, column, Ink::Blue), blueRows);
        }
        for (int column : {19, 222}) {
            QVERIFY(rowsOf(image, column, Ink::Red).isEmpty());
            QVERIFY(rowsOf(image, column, Ink::Blue).isEmpty());
        }
    }

    // Four samples over 2001 steps: sample k / 500.25 at step k, so each holds a quarter;
    // 4002 samples: only every second one is drawn.
    void samplesSpreadOverTheWidth()
    {
        GraphView view;
        view.setGraphData({{-2, 0, 0}, {-1, 0, 0}, {1, 0, 0}, {2, 0, 0}});
        QImage image = draw(view);
        for (auto [column, row] : {std::pair{40, 107}, {100, 82}, {150, 32}, {210, 7}})
            QCOMPARE(rowsOf(image, column, Ink::Red), QList<int>({row, row + 1}));
        QList<TVKGSensor> samples;
        for (int i = 0; i < 4002; ++i)
            samples << TVKGSensor(i % 2 == 0 ? 1.0f : -1.0f, 0, 0);
        view.setGraphData(samples);
        image = draw(view);
        for (int column : {30, 120, 215})
            QCOMPARE(rowsOf(image, column, Ink::Red), QList<int>({32, 33}));
    }

    void positionBar_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<int>("left");
        QTest::newRow("start: on the axis") << 0.0 << 20;
        QTest::newRow("middle") << 0.5 << 120;
        QTest::newRow("end: the right end of the area") << 1.0 << 220;
    }

    void positionBar()
    {
        QFETCH(double, position);
        QFETCH(int, left);
        GraphView view;
        view.setGraphData({{0, 0, 0}});
        view.updateTimePosition(position);
        const QImage image = draw(view);
        // Two columns wide, over the area's height.
        for (int y : {8, 45, 70, 107}) {
            QVERIFY(isWhite(image, left, y) && isWhite(image, left + 1, y));
            QVERIFY(!isWhite(image, left + 2, y) && !isWhite(image, left - 1, y));
        }
        QVERIFY(!isWhite(image, left, 7) && !isWhite(image, left, 108));
    }

    // What the player window shows: a recording with braking, curves and a bump, on the dark
    // panel of the window.
    void renderPicture()
    {
        QList<TVKGSensor> samples;
        for (int i = 0; i < 900; ++i) {
            const double t = i / 10.0;
            const double braking = t > 52 && t < 58 ? -0.9 * std::sin((t - 52) / 6 * M_PI) : 0;
            const double bump = t > 70 && t < 71.5 ? 0.7 * std::sin((t - 70) * 9) : 0;
            samples << TVKGSensor(static_cast<float>(0.06 * std::sin(t * 0.8) + braking),
                                  static_cast<float>(0.45 * std::sin(t / 7) + 0.03 * std::sin(t)),
                                  static_cast<float>(1.0 + 0.04 * std::sin(t * 0.6) + bump));
        }
        QWidget panel;
        panel.setStyleSheet(QStringLiteral("background: #1a1f26"));
        auto *layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *view = new GraphView(&panel);
        layout->addWidget(view);
        panel.resize(640, 136);
        view->setGraphData(samples);
        view->updateTimePosition(0.62);
        panel.show();
        const QImage image = panel.grab().toImage();
        QVERIFY(image.save(QStringLiteral(TAVIK_BUILD_DIR "/graph.png")));
        QVERIFY(isWhite(image, 20 + qRound(600 * 0.62), 60));
    }
};

QTEST_MAIN(TestGraphView)
#include "test_graphview.moc"
