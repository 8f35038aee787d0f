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

    // Without config.bin the zone is a real one, -12:00 to +14:00; the rest is the clock's
    // error, however large, and the report says the zone was guessed.
    void guessedZone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDateTime>("gps"); // the receiver's time at the first second
        QTest::addColumn<QString>("zone");
        const QDateTime gps(QDate(2026, 10, 17), QTime(8, 30), Qt::UTC);
        QTest::newRow("a camera in 1970") << "alwa_19700101_000000_F" << gps << "-12:00";
        QTest::newRow("ten days ahead") << "alwa_20261027_083000_F" << gps << "+14:00";
        QTest::newRow("a camera in 2095") << "alwa_20951017_083000_F" << gps << "+14:00";
        QTest::newRow("Kathmandu, 20 s ahead") << "alwa_20261017_141520_F" << gps << "+05:45";
        QTest::newRow("Newfoundland, 7 s behind") << "alwa_20261017_045953_F" << gps << "-03:30";
    }

    void guessedZone()
    {
        QFETCH(QString, name);
        QFETCH(QDateTime, gps);
        QFETCH(QString, zone);
        QTemporaryDir dir;
        PlannedRecording plan;
        plan.path = dir.filePath("DCIM/" + name + ".avi");
        plan.seconds = 3;
        plan.utcStart = gps;
        QVERIFY(writePlannedRecording(plan));
        const ProcessRun run = runTool({"clock", dir.path(), "--json"});
        QCOMPARE(run.status, 0);
        const QJsonDocument json = QJsonDocument::fromJson(run.out);
        QCOMPARE(jsonFields(json.object(), {"zone", "zone_from", "zone_guessed"}),
                 "zone=" + zone + " zone_from=rounded zone_guessed=true");
        const int sign = zone.startsWith(u'-') ? -1 : 1;
        const int zoneSeconds =
            sign * (zone.mid(1, 2).toInt() * 3600 + zone.mid(4, 2).toInt() * 60);
        const double error = gps.msecsTo(timeOfName(name)) / 1000.0 - zoneSeconds;
        QCOMPARE(json["median_offset_s"].toDouble(), error);
        const ProcessRun text = runTool({"clock", dir.path()});
        QVERIFY2(text.out.contains("zone " + zone.toUtf8() + " (guessed"), text.out);
    }

    // Without a fix there is nothing to compare; a zone is shown only when config.bin has one.
    void nothingToCompare_data()
    {
        QTest::addColumn<bool>("settings");
        QTest::addColumn<QString>("zone"); // JSON fields
        QTest::newRow("no config.bin") << false << "zone= zone_from= zone_guessed=false";
        QTest::newRow("config.bin in Seoul")
            << true << "zone=+09:00 zone_from=config.bin zone_guessed=false";
    }

    void nothingToCompare()
    {
        QFETCH(bool, settings);
        QFETCH(QString, zone);
        QTemporaryDir dir;
        if (settings)
            QVERIFY(writeCardSettings(dir.path(), 28, false));
        QVERIFY(
            !writeCardRecording(dir.path(), "alwa_20261017_083000_F", 3, 0, 0, false).isEmpty());
        const ProcessRun json = runTool({"clock", dir.path(), "--json"});
        QCOMPARE(json.status, 0);
        QCOMPARE(jsonFields(QJsonDocument::fromJson(json.out).object(),
                            {"zone", "zone_from", "zone_guessed"}),
                 zone);
        const ProcessRun text = runTool({"clock", dir.path()});
        QVERIFY2(text.out.contains("nothing to compare"), text.out);
        QCOMPARE(text.out.contains("zone "), settings);
    }

    // The evidence report's clock line says when the zone was guessed.
    void evidenceReport_data()
    {
        QTest::addColumn<bool>("settings");
        QTest::addColumn<bool>("guessed");
        QTest::newRow("zone from config.bin") << true << false;
        QTest::newRow("no config.bin") << false << true;
    }

    void evidenceReport()
    {
        QFETCH(bool, settings);
        QFETCH(bool, guessed);
        QTemporaryDir dir;
        if (settings)
            QVERIFY(writeCardSettings(dir.path(), 28, false));
        const QString path =
            writeCardRecording(dir.path(), "event_20261017_083000_F", 3, 9 * 3600, 12);
        QVERIFY(!path.isEmpty());
        const ProcessRun run = runTool({"evidence", path, dir.filePath("out")});
        QVERIFY2(run.status == 0, run.err);
        const QByteArray report = readFile(dir.filePath("out/report.html"));
        QVERIFY2(report.contains("+12.0 s (positive"), report);
        QCOMPARE(report.contains("guessed from the GPS time"), guessed);
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
        QVERIFY(writePlannedRecording(plan));
        const ProcessRun run = runTool({"clock", dir.path(), "--json"});
        QVERIFY2(run.out.contains("\"offset_s\": 5.0"), run.out);
    }
};

QTEST_GUILESS_MAIN(TestClockTool)
#include "test_clocktool.moc"
