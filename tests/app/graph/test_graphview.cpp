// The G-sensor chart drawn into an image. A 240 x 116 chart: area 200 x 100 from (20, 8) up,
// one unit 25 high; in the image (y down) the line of value v runs along y = 58 - 25 v.
#include "app/telemetry/GraphView.h"

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
    // Four samples spread over the width, each a quarter: X steps through -2, -1, 1 and 2
    // while Y stays on -0.5 and Z on 1.5; the cursor stands at the middle.
    void linesAndCursorLandWhereTheSamplesSay()
    {
        GraphView view;
        view.setGraphData(
            {{-2, -0.5f, 1.5f}, {-1, -0.5f, 1.5f}, {1, -0.5f, 1.5f}, {2, -0.5f, 1.5f}});
        view.updateTimePosition(0.5);
        const QImage image = draw(view);
        const auto lineAt = [](double value) {
            return 58 - 25 * value;
        };
        const auto near = [](const QList<int> &rows, double y) {
            return !rows.isEmpty() && std::abs((rows.first() + rows.last()) / 2.0 - y) <= 1.0;
        };
        for (auto [column, x] : {std::pair{40, -2.0}, {100, -1.0}, {150, 1.0}, {210, 2.0}}) {
            QVERIFY2(near(rowsOf(image, column, Ink::Red), lineAt(x)),
                     qPrintable(QString::number(column)));
            QVERIFY(near(rowsOf(image, column, Ink::Green), lineAt(-0.5)));
            QVERIFY(near(rowsOf(image, column, Ink::Blue), lineAt(1.5)));
        }
        for (int y : {8, 45, 70, 107})
            QVERIFY(isWhite(image, 120, y) && !isWhite(image, 123, y));
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
