// The G-sensor chart's plot data: every sample's value reached where its time says, however
// many samples share a column, the thresholds that fit on the scale and the seconds below.
#include "core/plot/gsensorplot.h"

#include <QTest>

#include <algorithm>

using namespace gsensorplot;

namespace {

// X runs through `pattern` over and over; Y is its negation, Z rests on +1 g above it.
QList<GSensor> samplesOf(const QList<float> &pattern, qsizetype count)
{
    QList<GSensor> samples;
    for (qsizetype i = 0; i < count; ++i) {
        const float v = pattern[i % pattern.size()];
        samples.append({v, -v, 1 + v});
    }
    return samples;
}

float GSensor::*member(char axis)
{
    return axis == 'X' ? &GSensor::x : axis == 'Y' ? &GSensor::y : &GSensor::z;
}

} // namespace

class TestGSensorPlot : public QObject
{
    Q_OBJECT

private slots:
    void seriesReachEverySample_data()
    {
        QTest::addColumn<QList<float>>("pattern");
        QTest::addColumn<qsizetype>("count");
        QTest::addColumn<qsizetype>("columns");
        QTest::newRow("one sample") << QList<float>{0.5f} << qsizetype(1) << qsizetype(440);
        QTest::newRow("fewer samples than pixels")
            << QList<float>{-2, -1, 1, 2} << qsizetype(4) << qsizetype(200);
        QTest::newRow("a spike narrower than a pixel")
            << QList<float>{0, 0, 0, 0, 0, 0, 0, 2.5f, 0, 0, 0} << qsizetype(9000)
            << qsizetype(440);
        QTest::newRow("as many samples as pixels")
            << QList<float>{-1, 1} << qsizetype(100) << qsizetype(100);
        QTest::newRow("one more than pixels")
            << QList<float>{0, 1.75f, -0.5f} << qsizetype(101) << qsizetype(100);
        QTest::newRow("uneven runs")
            << QList<float>{0.25f, -2, 1} << qsizetype(1001) << qsizetype(7);
        QTest::newRow("a dip first in its column")
            << QList<float>{-1.5f, 0, 0.2f} << qsizetype(301) << qsizetype(7);
        QTest::newRow("no width") << QList<float>{1} << qsizetype(50) << qsizetype(0);
        QTest::newRow("negative width") << QList<float>{1} << qsizetype(50) << qsizetype(-3);
    }

    // A user reads each axis' highest and lowest value off the chart, at its time.
    void seriesReachEverySample()
    {
        QFETCH(QList<float>, pattern);
        QFETCH(qsizetype, count);
        QFETCH(qsizetype, columns);
        const QList<GSensor> samples = samplesOf(pattern, count);
        const Plot p = plot(samples, {}, 0.25, columns);
        QCOMPARE(p.series.size(), 3);
        QCOMPARE(p.position, 0.25);
        for (const Series &series : p.series) {
            const auto value = [&](qsizetype i) {
                return double(samples[i].*member(series.axis));
            };
            if (columns <= 0) {
                QVERIFY(series.points.isEmpty());
                continue;
            }
            // Two points a column, four where samples share it: no more columns than pixels,
            // and none fewer than the samples need.
            QVERIFY(series.points.size() >= 2 * std::min(count, columns));
            QVERIFY(series.points.size() <= 4 * std::min(count, columns));
            QCOMPARE(series.points.first(), QPointF(0, value(0)));
            QCOMPARE(series.points.last(), QPointF(1, value(count - 1)));
            QVERIFY(
                std::is_sorted(series.points.begin(), series.points.end(),
                               [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); }));
            // The line passes through each sample's value within the sample's own column.
            const double column = 1.0 / double(std::min(count, columns));
            for (qsizetype i = 0; i < count; ++i) {
                const double x = sampleX(i, count);
                bool below = false, above = false;
                for (const QPointF &point : series.points) {
                    if (std::abs(point.x() - x) <= column) {
                        below = below || point.y() <= value(i);
                        above = above || point.y() >= value(i);
                    }
                }
                QVERIFY2(below && above,
                         qPrintable(QStringLiteral("%1 sample %2").arg(series.axis).arg(i)));
            }
            const auto [low, high] = std::minmax_element(
                series.points.begin(), series.points.end(),
                [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); });
            const auto [lowest, highest] = std::minmax_element(
                samples.begin(), samples.end(), [&](const GSensor &a, const GSensor &b) {
                    return a.*member(series.axis) < b.*member(series.axis);
                });
            QCOMPARE(low->y(), double((*lowest).*member(series.axis)));
            QCOMPARE(high->y(), double((*highest).*member(series.axis)));
        }
    }

    // A rise and a fall within one column are drawn the way they happened.
    void extremesInTheOrderTheyCame_data()
    {
        QTest::addColumn<QList<float>>("pattern");
        QTest::addColumn<QList<double>>("heights");
        QTest::newRow("rise") << QList<float>{0, -1, 2, 0} << QList<double>{0, -1, 2, 0};
        QTest::newRow("fall") << QList<float>{0, 2, -1, 0} << QList<double>{0, 2, -1, 0};
    }

    void extremesInTheOrderTheyCame()
    {
        QFETCH(QList<float>, pattern);
        QFETCH(QList<double>, heights);
        const Plot p = plot(samplesOf(pattern, pattern.size()), {}, 0, 1);
        QList<double> ys;
        for (const QPointF &point : p.series.first().points)
            ys << point.y();
        QCOMPARE(ys, heights);
    }

    void nothingToDrawWithoutSamples()
    {
        const Plot p = plot({}, {{'X', 0.5}}, 0.5, 440);
        QVERIFY(p.series.isEmpty());
        QVERIFY(!p.position);
        QCOMPARE(p.thresholds.size(), 1); // the card's thresholds show before any recording
    }

    void thresholdsOnTheScale_data()
    {
        QTest::addColumn<double>("g");
        QTest::addColumn<bool>("shown");
        QTest::newRow("inside") << 0.5 << true;
        QTest::newRow("below zero") << -1.25 << true;
        QTest::newRow("on the top line") << 2.0 << true;
        QTest::newRow("on the bottom line") << -2.0 << true;
        QTest::newRow("above the scale") << 2.5 << false;
        QTest::newRow("below the scale") << -3.0 << false;
    }

    void thresholdsOnTheScale()
    {
        QFETCH(double, g);
        QFETCH(bool, shown);
        const Plot p = plot(samplesOf({0}, 3), {{'Z', g}}, 0, 100);
        QCOMPARE(p.thresholds.size(), shown ? 1 : 0);
    }

    void secondsAlongTheBottom_data()
    {
        QTest::addColumn<qsizetype>("samples");
        QTest::addColumn<double>("width");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("a minute, wide")
            << qsizetype(600) << 1100.0
            << QStringList{"0 s", "10 s", "20 s", "30 s", "40 s", "50 s"};
        QTest::newRow("three minutes, doubled")
            << qsizetype(1800) << 1100.0 << QStringList{"0 s",   "20 s",  "40 s",  "60 s", "80 s",
                                                        "100 s", "120 s", "140 s", "160 s"};
        QTest::newRow("shorter than ten seconds") << qsizetype(42) << 1100.0 << QStringList{"0 s"};
        QTest::newRow("narrow") << qsizetype(600) << 50.0 << QStringList{"0 s"};
        QTest::newRow("no samples") << qsizetype(0) << 1100.0 << QStringList{};
    }

    // Marks that stand clear of each other, each at the sample of its second.
    void secondsAlongTheBottom()
    {
        QFETCH(qsizetype, samples);
        QFETCH(double, width);
        QFETCH(QStringList, labels);
        const QList<TimeTick> ticks = timeTicks(samples, width, 70);
        QStringList texts;
        for (qsizetype i = 0; i < ticks.size(); ++i) {
            texts << ticks[i].label;
            const double seconds = ticks[i].label.chopped(2).toDouble();
            QCOMPARE(ticks[i].x, sampleX(qsizetype(seconds * 10), samples));
            if (i > 0)
                QVERIFY((ticks[i].x - ticks[i - 1].x) * width >= 70);
        }
        QCOMPARE(texts, labels);
    }
};

QTEST_GUILESS_MAIN(TestGSensorPlot)
#include "test_gsensorplot.moc"
