// The reduction of G-sensor samples to a plot's columns: no more columns than the width, every
// sample in exactly one column, and the extremes of each column (a one-sample spike too) kept.
#include "core/plot/plotcolumns.h"

#include <QTest>

#include <cmath>

namespace {

// An oscillation of +-1 g on X, with a spike of `spike` g at sample `spikeAt`.
QList<TVKGSensor> shake(qsizetype count, qsizetype spikeAt, float spike)
{
    QList<TVKGSensor> samples;
    samples.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        samples.append({i % 2 ? 1.0f : -1.0f, 0.0f, 1.0f});
    if (spikeAt >= 0 && spikeAt < count)
        samples[spikeAt].x = spike;
    return samples;
}

} // namespace

class TestPlotColumns : public QObject
{
    Q_OBJECT

private slots:
    void columnsCoverTheSamplesAndKeepTheirExtremes_data()
    {
        QTest::addColumn<qsizetype>("samples");
        QTest::addColumn<qsizetype>("width");
        QTest::addColumn<qsizetype>("spikeAt");
        QTest::addColumn<qsizetype>("expectedColumns");
        QTest::newRow("none") << qsizetype(0) << qsizetype(100) << qsizetype(-1) << qsizetype(0);
        QTest::newRow("one") << qsizetype(1) << qsizetype(100) << qsizetype(0) << qsizetype(1);
        QTest::newRow("fewer than columns")
            << qsizetype(37) << qsizetype(100) << qsizetype(5) << qsizetype(37);
        QTest::newRow("as many as columns")
            << qsizetype(100) << qsizetype(100) << qsizetype(99) << qsizetype(100);
        QTest::newRow("one more than columns")
            << qsizetype(101) << qsizetype(100) << qsizetype(50) << qsizetype(100);
        QTest::newRow("a minute's shake on the evidence picture")
            << qsizetype(600) << qsizetype(1120) << qsizetype(301) << qsizetype(600);
        QTest::newRow("a long recording on the window's graph")
            << qsizetype(600000) << qsizetype(440) << qsizetype(123457) << qsizetype(440);
        QTest::newRow("uneven runs")
            << qsizetype(1001) << qsizetype(7) << qsizetype(1000) << qsizetype(7);
        QTest::newRow("no width") << qsizetype(50) << qsizetype(0) << qsizetype(-1) << qsizetype(0);
        QTest::newRow("negative width")
            << qsizetype(50) << qsizetype(-3) << qsizetype(-1) << qsizetype(0);
    }

    void columnsCoverTheSamplesAndKeepTheirExtremes()
    {
        QFETCH(qsizetype, samples);
        QFETCH(qsizetype, width);
        QFETCH(qsizetype, spikeAt);
        QFETCH(qsizetype, expectedColumns);
        const QList<TVKGSensor> values = shake(samples, spikeAt, 1.75f);
        const QList<PlotColumn> columns = plotColumns(values, &TVKGSensor::x, width);
        QCOMPARE(columns.size(), expectedColumns);

        qsizetype next = 0;
        bool spikeShown = false;
        for (const PlotColumn &c : columns) {
            QCOMPARE(c.first, next);
            QVERIFY(c.count >= 1);
            next = c.first + c.count;
            float low = values[c.first].x, high = low;
            for (qsizetype i = c.first; i < next; ++i) {
                low = std::min(low, values[i].x);
                high = std::max(high, values[i].x);
            }
            QCOMPARE(c.opening, values[c.first].x);
            QCOMPARE(c.closing, values[next - 1].x);
            QCOMPARE(c.low, low);
            QCOMPARE(c.high, high);
            spikeShown = spikeShown || (spikeAt >= c.first && spikeAt < next && c.high == 1.75f);
        }
        // Every sample is in a column unless there is nowhere to draw.
        QCOMPARE(next, expectedColumns ? samples : 0);
        QCOMPARE(spikeShown, expectedColumns > 0 && spikeAt >= 0);
    }

    // Which extreme the line reaches first follows the samples, so that a rise and a fall
    // within one column are drawn the way they happened.
    void orderOfTheExtremes_data()
    {
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<bool>("lowComesFirst");
        QTest::newRow("rise") << QList<float>{0, -1, 2, 0} << true;
        QTest::newRow("fall") << QList<float>{0, 2, -1, 0} << false;
        QTest::newRow("flat") << QList<float>{0.5f, 0.5f} << true;
    }

    void orderOfTheExtremes()
    {
        QFETCH(QList<float>, values);
        QFETCH(bool, lowComesFirst);
        QList<TVKGSensor> samples;
        for (const float v : values)
            samples.append({0, v, 0});
        const QList<PlotColumn> columns = plotColumns(samples, &TVKGSensor::y, 1);
        QCOMPARE(columns.size(), 1);
        QCOMPARE(columns[0].lowComesFirst, lowComesFirst);
    }
};

QTEST_APPLESS_MAIN(TestPlotColumns)
#include "test_plotcolumns.moc"
