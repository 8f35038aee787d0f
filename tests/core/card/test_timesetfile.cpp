// timeset.cfg: 19 bytes of local time, written whole, failures reported; and the command line.
#include "core/card/TimeSetFile.h"
#include "core/testsupport.h"

#include <QTimeZone>

class TestTimesetFile : public QObject
{
    Q_OBJECT
private slots:
    void text_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QByteArray>("text"); // empty: refused
        QTest::newRow("example") << QDate(2026, 12, 5) << QTime(14, 3, 9)
                                 << QByteArray("2026/12/05 14:03:09");
        QTest::newRow("midnight") << QDate(2024, 1, 1) << QTime(0, 0, 0)
                                  << QByteArray("2024/01/01 00:00:00");
        QTest::newRow("milliseconds dropped")
            << QDate(2024, 2, 29) << QTime(23, 59, 59, 999) << QByteArray("2024/02/29 23:59:59");
        QTest::newRow("small year")
            << QDate(999, 5, 6) << QTime(7, 8, 9) << QByteArray("0999/05/06 07:08:09");
        QTest::newRow("year 10000") << QDate(10000, 1, 1) << QTime(0, 0) << QByteArray();
        QTest::newRow("negative year") << QDate(-5, 1, 1) << QTime(0, 0) << QByteArray();
        QTest::newRow("no date") << QDate() << QTime(0, 0) << QByteArray();
        QTest::newRow("no time") << QDate(2024, 1, 1) << QTime() << QByteArray();
    }

    void text()
    {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QByteArray, text);
        QCOMPARE(timesetText(date, time),
                 text.isEmpty() ? std::nullopt : std::optional<QByteArray>(text));
    }

    void failuresAreReported()
    {
        QVERIFY(
            !writeTimesetFile("/nonexistent/dir/timeset.cfg", QDate(2026, 12, 5), QTime(14, 3)));
        QTemporaryDir dir;
        const QString path = dir.filePath("timeset.cfg");
        tvk::Result<void> written;
        {
            FileSizeLimit limit(10);
            written = writeTimesetFile(path, QDate(2026, 12, 5), QTime(14, 3, 9));
        }
        QVERIFY(!written);
        QVERIFY(!QFile::exists(path));
    }

    // Only a year a recording name can hold: the camera would otherwise name its files after
    // a time no catalogue accepts.
    void yearsOfTheNames_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<int>("status");
        QTest::newRow("first") << "1970/01/01 00:00:00" << 0;
        QTest::newRow("last") << "2700/12/31 23:59:59" << 0;
        QTest::newRow("before") << "1969/12/31 23:59:59" << 2;
        QTest::newRow("after") << "2701/01/01 00:00:00" << 2;
        QTest::newRow("year one") << "0001/01/01 00:00:00" << 2;
        QTest::newRow("year 9999") << "9999/12/31 23:59:59" << 2;
    }
    void yearsOfTheNames()
    {
        QFETCH(QString, at);
        QFETCH(int, status);
        QTemporaryDir dir;
        const ProcessRun run = runTool({"timeset", dir.filePath("timeset.cfg"), "--at", at});
        QCOMPARE(run.status, status);
        QCOMPARE(QFile::exists(dir.filePath("timeset.cfg")), status == 0);
        if (status != 0)
            QVERIFY2(run.err.contains("between 1970 and 2700"), run.err.constData());
    }

    void commandLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("timeset.cfg");
        QCOMPARE(runTool({"timeset", path, "--at", "2026/12/05 14:03:09"}).status, 0);
        QCOMPARE(readFile(path), "2026/12/05 14:03:09");
        QCOMPARE(runTool({"timeset", path, "--at", "2026/13/05 14:03:09"}).status, 2);

        // Now, in the zone TZ names.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TZ", "Asia/Kathmandu");
        const QDateTime before = QDateTime::currentDateTimeUtc();
        QCOMPARE(runTool({"timeset", path}, environment).status, 0);
        const QByteArray written = readFile(path);
        QCOMPARE(written.size(), 19);
        QDateTime local =
            QDateTime::fromString(QString::fromLatin1(written), "yyyy/MM/dd HH:mm:ss");
        local.setTimeZone(QTimeZone("Asia/Kathmandu"));
        QVERIFY2(qAbs(local.toUTC().secsTo(before)) <= 5, written.constData());
    }
};

QTEST_GUILESS_MAIN(TestTimesetFile)
#include "test_timesetfile.moc"
