// The remaining-time estimate of a progress bar: its phrases and how its base follows the
// recent rate.
#include "core/coretestsetup.h"
#include "core/player/ProgressEstimate.h"

#include <QTest>

class TestProgressEstimate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(initCoreTest()); }

    void phrase_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("over ten minutes") << 1200.0 << "About 20 minutes remaining";
        QTest::newRow("just over 615") << 616.0 << "About 11 minutes remaining";
        QTest::newRow("615") << 615.0 << "About ten minutes remaining";
        QTest::newRow("556") << 556.0 << "About ten minutes remaining";
        QTest::newRow("555") << 555.0 << "About nine minutes remaining";
        QTest::newRow("196") << 196.0 << "About four minutes remaining";
        QTest::newRow("96") << 96.0 << "About two minutes remaining";
        QTest::newRow("75") << 75.0 << "About one minute remaining";
        QTest::newRow("51") << 51.0 << "About one minute remaining";
        QTest::newRow("50") << 50.0 << "Less than a minute remaining";
        QTest::newRow("11") << 11.0 << "Less than a minute remaining";
        QTest::newRow("10") << 10.0 << "About ten seconds remaining";
        QTest::newRow("5") << 5.0 << "About five seconds remaining";
        QTest::newRow("0") << 0.0 << "About five seconds remaining";
    }

    void phrase()
    {
        QFETCH(double, seconds);
        QTEST(ProgressEstimate::phrase(seconds), "text");
    }

    void steadyProgressOfOnePerSecond()
    {
        ProgressEstimate estimate;
        QCOMPARE(estimate.update(0, 0, {}), QString()); // the base is taken
        std::optional<QString> text;
        for (int second = 1; second <= 4; ++second)
            text = estimate.update(second, second * 1000, {});
        QCOMPARE(*text, "About two minutes remaining"); // 96 s left
        for (int second = 5; second <= 96; ++second)
            text = estimate.update(second, second * 1000, {});
        QCOMPARE(*text, "About five seconds remaining");
    }

    // Values given at moments (x: the value, y: milliseconds), and the last text.
    void updates_data()
    {
        QTest::addColumn<QList<QPointF>>("steps");
        QTest::addColumn<bool>("percentage");
        QTest::addColumn<bool>("indeterminate");
        QTest::addColumn<QString>("text"); // "-": nothing changes
        QTest::newRow("percentage with phrase")
            << QList<QPointF>{{1, 0}, {42, 600}} << true << false
            << "42 % completed - About five seconds remaining";
        QTest::newRow("percentage alone before half a second")
            << QList<QPointF>{{1, 0}, {42, 400}} << true << false << "42 % completed";
        QTest::newRow("no progress says nothing")
            << QList<QPointF>{{10, 0}, {10, 2000}} << false << false << "-";
        // Fast at first, then slow: once the base has moved on (to 4 s, 40 %) only the slow
        // rate counts; 2 % in 5 s leaves 145 s for 58 %.
        QTest::newRow("base follows the recent rate")
            << QList<QPointF>{{1, 0}, {40, 4000}, {41, 8000}, {42, 9000}} << false << false
            << "About three minutes remaining";
        QTest::newRow("indeterminate clears the text")
            << QList<QPointF>{{50, 1000}} << false << true << "";
    }

    void updates()
    {
        QFETCH(QList<QPointF>, steps);
        ProgressEstimate::Settings settings;
        QFETCH(bool, percentage);
        QFETCH(bool, indeterminate);
        settings.displayPercentage = percentage;
        settings.indeterminate = indeterminate;
        ProgressEstimate estimate;
        std::optional<QString> text;
        for (const QPointF &step : steps)
            text = estimate.update(step.x(), qint64(step.y()), settings);
        QTEST(text.value_or("-"), "text");
    }
};

QTEST_GUILESS_MAIN(TestProgressEstimate)
#include "test_progressestimate.moc"
