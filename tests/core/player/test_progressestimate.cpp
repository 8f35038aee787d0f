// The remaining-time estimate of a progress bar: its phrases and how its base follows the
// recent rate.
#include "player/progressestimate.h"

#include <QTest>

class TestProgressEstimate : public QObject
{
    Q_OBJECT
private slots:
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
        ProgressEstimate::Settings settings;
        QCOMPARE(estimate.update(0, 0, settings), QString()); // the base is taken
        std::optional<QString> text;
        for (int second = 1; second <= 4; ++second)
            text = estimate.update(second, second * 1000, settings);
        QCOMPARE(*text, QStringLiteral("About two minutes remaining")); // 96 s left
        for (int second = 5; second <= 96; ++second)
            text = estimate.update(second, second * 1000, settings);
        QCOMPARE(*text, QStringLiteral("About five seconds remaining"));
    }

    void percentageWithPhrase()
    {
        ProgressEstimate estimate;
        ProgressEstimate::Settings settings;
        settings.displayPercentage = true;
        estimate.update(1, 0, settings);
        const auto text = estimate.update(42, 600, settings);
        QVERIFY(text->startsWith(QStringLiteral("42 % completed - ")));
    }

    void percentageAloneBeforeHalfASecond()
    {
        ProgressEstimate estimate;
        ProgressEstimate::Settings settings;
        settings.displayPercentage = true;
        estimate.update(1, 0, settings);
        QCOMPARE(*estimate.update(42, 400, settings), QStringLiteral("42 % completed"));
    }

    void noProgressSaysNothing()
    {
        ProgressEstimate estimate;
        ProgressEstimate::Settings settings;
        estimate.update(10, 0, settings);
        QVERIFY(!estimate.update(10, 2000, settings).has_value());
    }

    void baseFollowsTheRecentRate()
    {
        // Fast at first, then slow: after the base has moved on, only the slow rate counts.
        ProgressEstimate estimate;
        ProgressEstimate::Settings settings;
        estimate.update(1, 0, settings);
        estimate.update(40, 4000, settings); // second base taken at 40 %
        estimate.update(41, 8000, settings); // base moves to 4 s / 40 %
        const auto text = estimate.update(42, 9000, settings);
        // 2 % in 5 s: 58 % left takes 145 s.
        QCOMPARE(*text, QStringLiteral("About three minutes remaining"));
    }

    void indeterminateClearsTheText()
    {
        ProgressEstimate estimate;
        ProgressEstimate::Settings settings;
        settings.indeterminate = true;
        QCOMPARE(*estimate.update(50, 1000, settings), QString());
    }
};

QTEST_GUILESS_MAIN(TestProgressEstimate)
#include "test_progressestimate.moc"
