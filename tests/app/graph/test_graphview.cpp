// The G-sensor chart as a user reads it in the window and in an evidence folder: a value level
// with its label on the scale, the scale filling the chart, the play position on the moment it
// stands for, the peak marked where it happened, and the evidence chart drawn as the window's.
#include "app/telemetry/GraphView.h"
#include "render/EvidencePictures.h"
#include "render/GSensorChart.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>

namespace {

enum class Ink { Red, Green, Blue, Label, White, Orange, Panel };

bool has(const QImage &image, int x, int y, Ink ink)
{
    const QColor c = image.pixelColor(x, y);
    const int rgb[] = {c.red(), c.green(), c.blue()};
    switch (ink) {
    case Ink::Label: // light grey on the dark panel
        return std::max({rgb[0], rgb[1], rgb[2]}) - std::min({rgb[0], rgb[1], rgb[2]}) < 24 &&
               c.value() > 80;
    case Ink::White:
        return c == Qt::white;
    case Ink::Panel:
        return c == GSensorChart::panelColor();
    case Ink::Orange:
        return rgb[0] > 180 && rgb[1] > 80 && rgb[1] < 160 && rgb[2] < 60;
    default: {
        // Dominant, also where the line crosses the faint grid.
        const int i = static_cast<int>(ink);
        return rgb[i] - std::max(rgb[(i + 1) % 3], rgb[(i + 2) % 3]) > 60;
    }
    }
}

// Where the ink shows along column x (its rows) or, with x < 0, along row y (its columns).
QList<int> inkAt(const QImage &image, Ink ink, int x, int y = 0)
{
    QList<int> at;
    const int length = x >= 0 ? image.height() : image.width();
    for (int i = 0; i < length; ++i) {
        if (x >= 0 ? has(image, x, i, ink) : has(image, i, y, ink))
            at << i;
    }
    return at;
}

double middle(const QList<int> &at)
{
    return at.isEmpty() ? -100 : (at.first() + at.last()) / 2.0;
}

// The window's chart, on the dark panel it sits on.
QImage windowChart(const GraphView &view, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(GSensorChart::panelColor());
    QPainter painter(&image);
    view.paint(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

// The labels of the scale from top to bottom, as runs of rows of the left margin with ink.
QList<QList<int>> labelRows(const QImage &image)
{
    QList<QList<int>> labels;
    int last = -10;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < 18 && !ink; ++x)
            ink = has(image, x, y, Ink::Label);
        if (!ink)
            continue;
        if (y > last + 1)
            labels.append(QList<int>());
        labels.last() << y;
        last = y;
    }
    return labels;
}

// X on a value, Y and Z off the scale, out of the way.
QList<GSensor> steady(float x, qsizetype count = 50)
{
    return QList<GSensor>(count, GSensor(x, 10, 10));
}

} // namespace

class TestGraphView : public QObject
{
    Q_OBJECT

private slots:
    void valueLevelWithItsLabel_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<float>("g");
        QTest::addColumn<bool>("asThreshold");
        for (const QSize size : {QSize(480, 96), QSize(640, 136), QSize(900, 240)}) {
            for (const float g : {2.0f, 1.0f, 0.0f, -1.0f, -2.0f}) {
                for (const bool threshold : {false, true}) {
                    QTest::addRow("%dx%d %+.0f%s", size.width(), size.height(), double(g),
                                  threshold ? " threshold" : "")
                        << size << g << threshold;
                }
            }
        }
    }

    // The five labels stand whole and apart, and a line at a label's value runs level with it;
    // the scale spans the chart's height.
    void valueLevelWithItsLabel()
    {
        QFETCH(QSize, size);
        QFETCH(float, g);
        QFETCH(bool, asThreshold);
        GraphView view;
        if (asThreshold)
            view.setThresholdLines({{'X', g}});
        else
            view.setGraphData(steady(g));
        const QImage image = windowChart(view, size);
        const QList<QList<int>> labels = labelRows(image);
        QCOMPARE(labels.size(), 5);
        QVERIFY(labels.first().first() > 0 && labels.last().last() < size.height() - 1);
        const QList<int> &label = labels[qRound(2 - g)];
        QList<int> rows; // over a few columns: a threshold is dashed
        for (int x = size.width() / 2; x < size.width() / 2 + 8; ++x)
            rows << inkAt(image, Ink::Red, x);
        std::sort(rows.begin(), rows.end());
        const double line = middle(rows);
        QVERIFY2(std::abs(middle(label) + 2 - line) <= 3,
                 qPrintable(QStringLiteral("label %1, line %2").arg(middle(label)).arg(line)));
        if (std::abs(g) == 2)
            QVERIFY(g > 0 ? line < 12 : line > size.height() - 12);
    }

    void playPositionOnTheMomentItShows_data()
    {
        QTest::addColumn<int>("samples");
        QTest::addColumn<double>("position");
        QTest::newRow("a short recording, a quarter in") << 8 << 0.25;
        QTest::newRow("a minute, halfway") << 600 << 0.5;
        QTest::newRow("an hour, late") << 36000 << 0.9;
    }

    // A brake at the play position's moment: the bar stands on the change in the line.
    void playPositionOnTheMomentItShows()
    {
        QFETCH(int, samples);
        QFETCH(double, position);
        QList<GSensor> values = steady(0, samples);
        for (qsizetype i = qsizetype(samples * position); i < samples; ++i)
            values[i].x = -1;
        GraphView view;
        view.setGraphData(values);
        view.updateTimePosition(position);
        const QSize size(640, 136);
        const QImage image = windowChart(view, size);
        const double bar = middle(inkAt(image, Ink::White, -1, size.height() / 4));
        const int atZero = qRound(middle(inkAt(image, Ink::Red, 40)));
        const QList<int> zeroRun = inkAt(image, Ink::Red, -1, atZero);
        QVERIFY(!zeroRun.isEmpty());
        QVERIFY2(std::abs(bar - zeroRun.last()) <= 2,
                 qPrintable(QStringLiteral("bar %1, change %2").arg(bar).arg(zeroRun.last())));
        QCOMPARE(inkAt(image, Ink::White, qRound(bar)).size(), size.height() - 16);
    }

    // The evidence folder's chart is the window's, on the same panel, scale and colours.
    void evidenceChartIsTheWindows()
    {
        QList<GSensor> values;
        for (int i = 0; i < 600; ++i)
            values.append({float(i % 40) / 20 - 1, float(i % 90) / 60, 1 + float(i % 7) / 10});
        const QImage evidence = EvidencePictures::gSensorImage(values, -1);
        // The panel: the dark rectangle across the middle, seen along its middle row and down
        // its margin left of the scale.
        const QList<int> across = inkAt(evidence, Ink::Panel, -1, evidence.height() / 2);
        const QList<int> down = inkAt(evidence, Ink::Panel, across.value(0) + 1);
        QVERIFY(!across.isEmpty() && !down.isEmpty());
        const QRect panel(QPoint(across.first(), down.first()), QPoint(across.last(), down.last()));
        QVERIFY(panel.width() > 1000 && panel.height() > 300);
        GraphView view;
        view.setGraphData(values);
        view.updateTimePosition(1); // the bar past the lines' end, where it is left out below
        const QImage window = windowChart(view, panel.size());
        const int barAt = panel.width() - 21;
        for (int y = 0; y < panel.height(); ++y) {
            for (int x = 0; x < panel.width(); ++x) {
                if (x >= barAt - 1 && x <= barAt + 3)
                    continue;
                QVERIFY2(window.pixel(x, y) == evidence.pixel(panel.x() + x, panel.y() + y),
                         qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
            }
        }
    }

    void evidenceMarksThePeakWhereItHappened_data()
    {
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("peak");
        QTest::newRow("early") << 600 << 30;
        QTest::newRow("late in a long recording") << 9000 << 8500;
        QTest::newRow("last sample") << 120 << 119;
    }

    // The orange mark stands on the spike of Z, and the caption stays clear of the legend.
    void evidenceMarksThePeakWhereItHappened()
    {
        QFETCH(int, samples);
        QFETCH(int, peak);
        QList<GSensor> values(samples, GSensor(0, 0, 1));
        values[peak].z = 1.8f;
        const QImage image = EvidencePictures::gSensorImage(values, peak);
        int spike = -1, top = image.height();
        for (int x = 0; x < image.width(); ++x) {
            const QList<int> rows = inkAt(image, Ink::Blue, x);
            if (!rows.isEmpty() && rows.first() < top && rows.first() > 40) {
                top = rows.first();
                spike = x;
            }
        }
        QList<int> marked;
        for (int y = 0; y < image.height(); ++y)
            marked << inkAt(image, Ink::Orange, -1, y);
        std::sort(marked.begin(), marked.end());
        const double mark = marked.isEmpty() ? -100 : marked[marked.size() / 2];
        QVERIFY2(std::abs(mark - spike) <= 2,
                 qPrintable(QStringLiteral("mark %1, spike %2").arg(mark).arg(spike)));
        int captionEnd = 0, legendStart = image.width();
        for (int y = 0; y < 36; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const bool grey = c.red() == c.green() && c.green() == c.blue();
                if (grey && c.value() < 200) // the caption's black
                    captionEnd = std::max(captionEnd, x);
                if (c == GSensorChart::panelColor())
                    legendStart = std::min(legendStart, x);
            }
        }
        QVERIFY(captionEnd > 100 && captionEnd < legendStart);
    }
};

QTEST_MAIN(TestGraphView)
#include "test_graphview.moc"
