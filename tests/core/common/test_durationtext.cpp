// Lengths of time as the clock proposal and other messages write them.
#include "core/common/durationtext.h"
#include "core/coretestsetup.h"

#include <QTest>

class TestDurationText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(initCoreTest()); }

    void text_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("two hours and a quarter") << 8100.0 << "2 h 15 min";
        QTest::newRow("behind reads the same") << -8100.0 << "2 h 15 min";
        QTest::newRow("minutes rounded up") << 8099.6 << "2 h 15 min";
        QTest::newRow("seconds of an hour dropped") << 3629.0 << "1 h";
        QTest::newRow("half a minute rounds up") << 3630.0 << "1 h 1 min";
        QTest::newRow("59.5 min is an hour") << 3570.0 << "59 min 30 s";
        QTest::newRow("59 min 59.6 s") << 3599.6 << "1 h";
        QTest::newRow("one minute") << 60.0 << "1 min";
        QTest::newRow("minutes and seconds") << 200.0 << "3 min 20 s";
        QTest::newRow("just under a minute") << 59.4 << "59 s";
        QTest::newRow("one second") << 1.0 << "1 s";
        QTest::newRow("a day") << 86400.0 << "24 h";
        QTest::newRow("not a number") << qQNaN() << "0 s";
    }

    void text()
    {
        QFETCH(double, seconds);
        QTEST(tvk::durationText(seconds), "text");
    }

    // The words come from the table with both plural forms, not glued to a number in code.
    void pluralFormsComeFromTheTable_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("hours") << QByteArray("duration.hours");
        QTest::newRow("minutes") << QByteArray("duration.minutes");
        QTest::newRow("seconds") << QByteArray("duration.seconds");
    }

    void pluralFormsComeFromTheTable()
    {
        QFETCH(QByteArray, key);
        for (int n : {1, 2, 17}) {
            const QString text = qtTrId(key.constData(), n);
            QVERIFY2(text != QLatin1String(key) && text.startsWith(QString::number(n) + u' '),
                     qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(TestDurationText)
#include "test_durationtext.moc"
