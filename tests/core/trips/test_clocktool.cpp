// tavik-tool clock: the camera clock's error on cards made to order, with the card's zone
// from config.bin or, without one, taken from the GPS time.
#include "tripcard.h"

#include <QJsonArray>

class TestClockTool : public QObject
{
    Q_OBJECT

private slots:
    void offsets_data()
    {
        QTest::addColumn<int>("timeGmt"); // -1: no config.bin
        QTest::addColumn<bool>("summerTime");
        QTest::addColumn<int>("trueZone"); // seconds east of UTC the camera's time is kept in
        // "name:error" words, error in seconds or "-" for a recording without a fix.
        QTest::addColumn<QString>("recordings");
        QTest::addColumn<QString>("expected"); // offsets, then the median

        QTest::newRow("Seoul from config.bin, 42 s ahead")
            << 28 << false << 9 * 3600 << "alwa_20261017_083000_F:42 alwa_20261017_083100_F:42"
            << "42.0 42.0 median 42.0";
        QTest::newRow("summer time adds an hour, half a second behind")
            << 15 << true << 2 * 3600 << "alwa_20260717_083000_F:-3.5"
            << "-3.5 median -3.5";
        QTest::newRow("a recording without a fix says so")
            << 28 << false << 9 * 3600
            << "alwa_20261017_083000_F:10 alwa_20261017_083100_F:- alwa_20261017_083200_F:13"
            << "10.0 null 13.0 median 11.5";
        QTest::newRow("without config.bin the zone is rounded to 15 min")
            << -1 << false << 5 * 3600 + 45 * 60 << "alwa_20261017_083000_F:100"
            << "100.0 median 100.0";
        QTest::newRow("without config.bin a slow clock keeps its sign")
            << -1 << false << -(4 * 3600 + 30 * 60) << "event_20261017_083000_F:-61.2"
            << "-61.2 median -61.2";
        QTest::newRow("the zone in config.bin wins over the rounding")
            << 28 << false << 9 * 3600 + 15 * 60 << "alwa_20261017_083000_F:0"
            << "900.0 median 900.0";
        QTest::newRow("no fix anywhere") << 28 << false << 9 * 3600 << "alwa_20261017_083000_F:-"
                                         << "null median null";
    }

    void offsets()
    {
        QFETCH(int, timeGmt);
        QFETCH(bool, summerTime);
        QFETCH(int, trueZone);
        QFETCH(QString, recordings);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        if (timeGmt >= 0)
            QVERIFY(writeCardSettings(dir.path(), timeGmt, summerTime));
        for (const QString &word : recordings.split(u' ')) {
            const QString name = word.section(u':', 0, 0), error = word.section(u':', 1);
            QVERIFY(
                !writeCardRecording(dir.path(), name, 8, trueZone, error.toDouble(), error != "-")
                     .isEmpty());
            // The rear recording of the moment is not read: its receiver is another story.
            QVERIFY(!writeCardRecording(dir.path(), name.chopped(1) + "R", 8, 0, 0).isEmpty());
        }
        const ProcessRun run = runTool({"clock", dir.path(), "--json"});
        QCOMPARE(run.status, 0);
        QStringList words;
        const QJsonArray list = QJsonDocument::fromJson(run.out)["recordings"].toArray();
        for (const QJsonValue &r : list) {
            QVERIFY(r["path"].toString().endsWith("_F.avi"));
            words << (r["offset_s"].isNull() ? "null"
                                             : QString::number(r["offset_s"].toDouble(), 'f', 1));
        }
        const QJsonValue median = QJsonDocument::fromJson(run.out)["median_offset_s"];
        words << "median"
              << (median.isNull() ? "null" : QString::number(median.toDouble(), 'f', 1));
        QCOMPARE(words.join(u' '), expected);
        // The contract's numbers carry one decimal.
        QVERIFY(run.out.contains("\"median_offset_s\": " + expected.section(' ', -1).toUtf8()));
    }

    // The first valid fix may come late: its place in the recording is taken into account.
    void lateFix()
    {
        QTemporaryDir dir;
        QVERIFY(writeCardSettings(dir.path(), 28, false));
        PlannedRecording plan;
        plan.path = dir.filePath("alwa_20261017_083000_F.avi");
        plan.seconds = 10;
        plan.fixFromSecond = 6;
        plan.utcStart = timeOfName("alwa_20261017_083000_F").addSecs(-9 * 3600 - 5);
        QCOMPARE(writePlannedRecording(plan), QString());
        const ProcessRun run = runTool({"clock", dir.path(), "--json"});
        QVERIFY2(run.out.contains("\"offset_s\": 5.0"), run.out);
    }
};

QTEST_GUILESS_MAIN(TestClockTool)
#include "test_clocktool.moc"
