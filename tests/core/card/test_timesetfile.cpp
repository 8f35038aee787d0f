// timeset.cfg: 19 bytes of local time, written whole, failures reported; and the command line.
#include "card/timesetfile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTimesetFile : public QObject
{
    Q_OBJECT
private slots:
    void text_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("example") << QDate(2026, 12, 5) << QTime(14, 3, 9)
                                 << QByteArray("2026/12/05 14:03:09");
        QTest::newRow("midnight") << QDate(2024, 1, 1) << QTime(0, 0, 0)
                                  << QByteArray("2024/01/01 00:00:00");
        QTest::newRow("milliseconds dropped")
            << QDate(2024, 2, 29) << QTime(23, 59, 59, 999) << QByteArray("2024/02/29 23:59:59");
        QTest::newRow("small year")
            << QDate(999, 5, 6) << QTime(7, 8, 9) << QByteArray("0999/05/06 07:08:09");
    }

    void text()
    {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QByteArray, text);
        QCOMPARE(timesetText(date, time), std::optional<QByteArray>(text));
        QCOMPARE(text.size(), 19);
    }

    void datesThatDoNotFit()
    {
        QVERIFY(!timesetText(QDate(10000, 1, 1), QTime(0, 0)));
        QVERIFY(!timesetText(QDate(-5, 1, 1), QTime(0, 0)));
        QVERIFY(!timesetText(QDate(), QTime(0, 0)));
        QVERIFY(!timesetText(QDate(2024, 1, 1), QTime()));
    }

    void replacesALongerFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("timeset.cfg"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("1999/01/01 00:00:00 and a tail the camera might read\n");
        old.close();
        QCOMPARE(writeTimesetFile(path, QDate(2026, 12, 5), QTime(14, 3, 9)), std::nullopt);
        QCOMPARE(fileBytes(path), QByteArray("2026/12/05 14:03:09"));
    }

    void failuresAreReported()
    {
        QVERIFY(writeTimesetFile(QStringLiteral("/nonexistent/dir/timeset.cfg"), QDate(2026, 12, 5),
                                 QTime(14, 3, 9)));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("timeset.cfg"));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 10;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto error = writeTimesetFile(path, QDate(2026, 12, 5), QTime(14, 3, 9));
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        QVERIFY(error);
        QVERIFY(!QFile::exists(path));
    }

    void commandLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("timeset.cfg"));
        QProcess tool;
        tool.start(qEnvironmentVariable("TAVIK_TOOL"),
                   {QStringLiteral("timeset"), path, QStringLiteral("--at"),
                    QStringLiteral("2026/12/05 14:03:09")});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(fileBytes(path), QByteArray("2026/12/05 14:03:09"));

        tool.start(qEnvironmentVariable("TAVIK_TOOL"),
                   {QStringLiteral("timeset"), path, QStringLiteral("--at"),
                    QStringLiteral("2026/13/05 14:03:09")});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 2);

        // Now, in the zone TZ names.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Kathmandu"));
        tool.setProcessEnvironment(environment);
        const QDateTime before = QDateTime::currentDateTimeUtc();
        tool.start(qEnvironmentVariable("TAVIK_TOOL"), {QStringLiteral("timeset"), path});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        const QByteArray written = fileBytes(path);
        QCOMPARE(written.size(), 19);
        QDateTime local = QDateTime::fromString(QString::fromLatin1(written),
                                                QStringLiteral("yyyy/MM/dd HH:mm:ss"));
        local.setTimeZone(QTimeZone(QByteArrayLiteral("Asia/Kathmandu")));
        QVERIFY2(qAbs(local.toUTC().secsTo(before)) <= 5, written.constData());
    }
};

QTEST_GUILESS_MAIN(TestTimesetFile)
#include "test_timesetfile.moc"
