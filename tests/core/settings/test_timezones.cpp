// The time-zone list and the computer's zone index, under TZ set per case.
#include "core/settings/TimeZones.h"

#include <QTest>

#include <ctime>

class TestTimeZones : public QObject
{
    Q_OBJECT
private slots:
    void computerZone_data()
    {
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<int>("index");
        QTest::newRow("+9:00") << QByteArray("Asia/Tokyo") << 28;
        QTest::newRow("+5:30") << QByteArray("Asia/Kolkata") << 22;
        QTest::newRow("+5:45") << QByteArray("Asia/Kathmandu") << 23;
        QTest::newRow("+8:45") << QByteArray("Australia/Eucla") << -1;
        QTest::newRow("+14:00") << QByteArray("Pacific/Kiritimati") << -1;
        QTest::newRow("-3:30 (POSIX rule)") << QByteArray("XXX+3:30") << 10;
        QTest::newRow("-12:00 (POSIX rule)") << QByteArray("XXX+12") << 0;
        QTest::newRow("UTC") << QByteArray("UTC") << 14;
    }

    void computerZone()
    {
        QFETCH(QByteArray, tz);
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", tz);
        tzset();
        const int index = computerTimeZoneIndex();
        if (saved.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", saved);
        tzset();
        QTEST(index, "index");
    }

    void offsetAtTheGivenMoment()
    {
        const QTimeZone newYork(QByteArrayLiteral("America/New_York"));
        QCOMPARE(
            timeZoneIndexForZone(newYork, QDateTime(QDate(2024, 1, 15), QTime(12, 0), Qt::UTC)), 7);
        QCOMPARE(
            timeZoneIndexForZone(newYork, QDateTime(QDate(2024, 7, 15), QTime(12, 0), Qt::UTC)), 9);
        QCOMPARE(
            timeZoneIndexForZone(QTimeZone(-(3 * 3600 + 30 * 60)), QDateTime::currentDateTimeUtc()),
            10);
    }
};

QTEST_GUILESS_MAIN(TestTimeZones)
#include "test_timezones.moc"
