// tavik-tool trips: drives grouped on cards made to order, and their routes read back by
// GPSBabel.
#include "tripcard.h"
#include "writers/cardfiles/agedfolders.h"

#include <QJsonArray>
#include <QStandardPaths>

#include <cmath>

class TestTripsTool : public QObject
{
    Q_OBJECT

    // "name:seconds" words; a "!" after the seconds writes a header without a frame count.
    // The car drives east at 10 m/s from 08:30:00 on, in Seoul's zone.
    static QString writeCard(const QString &dir, const QString &plan)
    {
        const QDateTime departure(QDate(2026, 10, 17), QTime(8, 30), Qt::UTC);
        for (const QString &word : plan.split(u' ')) {
            PlannedRecording r;
            const QString name = word.section(u':', 0, 0);
            r.path = dir + "/DCIM/" + name + ".avi";
            const QString length = word.section(u':', 1);
            r.seconds = length.section(u'!', 0, 0).toInt();
            r.lengthInHeader = !length.endsWith(u'!');
            r.utcStart = timeOfName(name).addSecs(-9 * 3600);
            const double metresPerDegree = 111320 * std::cos(r.latitude * M_PI / 180);
            r.longitude += departure.secsTo(timeOfName(name)) * 10 / metresPerDegree;
            if (const auto written = writePlannedRecording(r); !written)
                return written.failure().text();
        }
        return {};
    }

    // Trips as "name,name|name": each trip's recording names.
    static QString tripNames(const QJsonArray &trips)
    {
        QStringList out;
        for (const QJsonValue &trip : trips) {
            QStringList names;
            for (const QJsonValue &path : trip["recordings"].toArray())
                names << QFileInfo(path.toString()).completeBaseName();
            out << names.join(u',');
        }
        return out.join(u'|');
    }

private slots:
    void grouping_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("trips");
        QTest::newRow("a gap of exactly 90 s joins")
            << "alwa_20261017_083000_F:60 alwa_20261017_083230_F:60"
            << "alwa_20261017_083000_F,alwa_20261017_083230_F";
        QTest::newRow("a gap of 91 s splits")
            << "alwa_20261017_083000_F:60 alwa_20261017_083231_F:60"
            << "alwa_20261017_083000_F|alwa_20261017_083231_F";
        QTest::newRow("front and rear share their trip")
            << "alwa_20261017_083000_F:60 alwa_20261017_083000_R:30 alwa_20261017_083100_R:60"
            << "alwa_20261017_083000_F,alwa_20261017_083000_R,alwa_20261017_083100_R";
        QTest::newRow("a motion recording ends the trip and belongs to none")
            << "alwa_20261017_083000_F:60 motion_20261017_083100_F:10 alwa_20261017_083110_F:60"
            << "alwa_20261017_083000_F|alwa_20261017_083110_F";
        QTest::newRow("the header's length counts")
            << "alwa_20261017_083000_F:120 alwa_20261017_083330_F:60"
            << "alwa_20261017_083000_F,alwa_20261017_083330_F";
        QTest::newRow("an unreadable length counts 60 s")
            << "alwa_20261017_083000_F:120! alwa_20261017_083231_F:60"
            << "alwa_20261017_083000_F|alwa_20261017_083231_F";
        QTest::newRow("an event inside a longer recording keeps its end")
            << "alwa_20261017_083000_F:180 event_20261017_083100_F:20 alwa_20261017_083430_F:60"
            << "alwa_20261017_083000_F,event_20261017_083100_F,alwa_20261017_083430_F";
    }

    void grouping()
    {
        QFETCH(QString, plan);
        QFETCH(QString, trips);
        QTemporaryDir dir;
        QCOMPARE(writeCard(dir.path(), plan), QString());
        const ProcessRun run = runTool({"trips", dir.path(), "--json"});
        QCOMPARE(run.status, 0);
        QCOMPARE(tripNames(QJsonDocument::fromJson(run.out)["trips"].toArray()), trips);
    }

    // A damaged header claiming billions of frames of an hour each counts as unreadable: 60 s,
    // so a recording two minutes after its end starts a new trip.
    void damagedHeaderLength()
    {
        QTemporaryDir dir;
        QCOMPARE(writeCard(dir.path(), "alwa_20261017_083000_F:30 alwa_20261017_083300_F:30"),
                 QString());
        QFile file(dir.filePath("DCIM/alwa_20261017_083000_F.avi"));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(32));
        QVERIFY(file.write(QByteArray(20, '\xff')) == 20);
        file.close();
        const ProcessRun run = runTool({"trips", dir.path(), "--json"});
        QCOMPARE(tripNames(QJsonDocument::fromJson(run.out)["trips"].toArray()),
                 "alwa_20261017_083000_F|alwa_20261017_083300_F");
    }

    // A recording that cannot be read is left out and named; its length is not guessed.
    void unreadableRecording_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("unreadable");
        QTest::addColumn<QString>("trips");
        QTest::addColumn<int>("seconds"); // of the first trip
        QTest::newRow("a rear one does not lengthen the trip")
            << "alwa_20261017_083000_F:30 alwa_20261017_083010_R:30"
            << "alwa_20261017_083010_R"
            << "alwa_20261017_083000_F" << 30;
        QTest::newRow("one between two does not join them")
            << "alwa_20261017_083000_F:30 alwa_20261017_083040_F:30 alwa_20261017_083210_F:30"
            << "alwa_20261017_083040_F"
            << "alwa_20261017_083000_F|alwa_20261017_083210_F" << 30;
    }

    void unreadableRecording()
    {
        QFETCH(QString, plan);
        QFETCH(QString, unreadable);
        QFETCH(QString, trips);
        QFETCH(int, seconds);
        QTemporaryDir dir;
        QCOMPARE(writeCard(dir.path(), plan), QString());
        const QString path = dir.filePath("DCIM/" + unreadable + ".avi");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        const ProcessRun run = runToolUnprivileged({"trips", dir.path(), "--json"}, dir.path());
        QCOMPARE(run.status, 0);
        const QJsonArray list = QJsonDocument::fromJson(run.out)["trips"].toArray();
        QCOMPARE(tripNames(list), trips);
        QCOMPARE(list[0]["seconds"].toInt(), seconds);
        QVERIFY2(run.err.startsWith("tavik-tool: " + path.toUtf8() + ": "), run.err);
        QVERIFY2(run.err.contains("could not be read"), run.err);

        // The same from the card's index: it keeps no guessed length for the file.
        QTemporaryDir cache;
        QVERIFY(QFile::setPermissions(cache.path(),
                                      QFileDevice::ReadOther | QFileDevice::WriteOther |
                                          QFileDevice::ExeOther | QFileDevice::ReadOwner |
                                          QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
        QVERIFY(ageFolders(dir.path())); // so that the index vouches for the card
        const ProcessRun indexed = runToolUnprivileged({"index", dir.path()}, dir.path());
        const ProcessRun again = runToolUnprivileged({"trips", dir.path(), "--json"}, dir.path());
        qunsetenv("XDG_CACHE_HOME");
        QCOMPARE(indexed.status, 0);
        QVERIFY2(QDir(cache.path() + "/tavik-viewer/cards").count() > 2, "no index was written");
        QCOMPARE(again.out, run.out);
        QCOMPARE(again.err, run.err);
    }

    // The contract's fields of one trip: name times, the header's length, absolute paths and
    // the distance of a car going east at 10 m/s.
    void contract()
    {
        QTemporaryDir dir;
        QCOMPARE(writeCard(dir.path(), "alwa_20261017_083000_F:60 alwa_20261017_083000_R:60 "
                                       "alwa_20261017_083100_F:120"),
                 QString());
        QDir::setCurrent(dir.path());
        const ProcessRun run = runTool({"trips", ".", "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject trip = QJsonDocument::fromJson(run.out)["trips"][0].toObject();
        QCOMPARE(jsonFields(trip, {"start", "end", "seconds"}),
                 "start=2026-10-17T08:30:00 end=2026-10-17T08:33:00 seconds=180");
        QCOMPARE(trip["recordings"][0].toString(),
                 QDir(dir.path()).absoluteFilePath("DCIM/alwa_20261017_083000_F.avi"));
        // From the first fix to the last: 179 s at 10 m/s.
        QVERIFY2(run.out.contains("\"km\": 1.8,"), run.out);
    }

    // An event recording inside continuous ones repeats a stretch: it counts once, whether
    // or not its fixes carry a date (without RMC, GGA gives the time of day only).
    void overlapCountsOnce_data()
    {
        QTest::addColumn<bool>("dated");
        QTest::newRow("dated fixes") << true;
        QTest::newRow("fixes without a date") << false;
    }

    void overlapCountsOnce()
    {
        QFETCH(bool, dated);
        QTemporaryDir dir;
        const QStringList names{"alwa_20261017_083000_F", "event_20261017_083020_F",
                                "alwa_20261017_083100_F"};
        QCOMPARE(writeCard(dir.path(), names[0] + ":60 " + names[1] + ":20 " + names[2] + ":60"),
                 QString());
        for (const QString &name : names) {
            const QString path = dir.filePath("DCIM/" + name + ".avi");
            QByteArray bytes = readFile(path);
            if (!dated) // an unknown sentence, left out with its checksum
                bytes.replace("$GPRMC,", "$GPXXX,");
            QVERIFY(writeFile(path, bytes));
        }
        const ProcessRun run = runTool({"trips", dir.path(), "--json"});
        QCOMPARE(run.status, 0);
        // 119 s at 10 m/s.
        QCOMPARE(QJsonDocument::fromJson(run.out)["trips"][0]["km"].toDouble(), 1.2);
    }

    // Every point, time and position of the export survives GPSBabel's reading.
    void gpsbabelReadsTheExport()
    {
        const QString gpsbabel = QStandardPaths::findExecutable("gpsbabel");
        if (gpsbabel.isEmpty())
            QFAIL("gpsbabel is not installed (scripts/install-deps installs it)");
        QTemporaryDir dir;
        QCOMPARE(writeCard(dir.path(), "alwa_20261017_083000_F:5 alwa_20261017_083000_R:5 "
                                       "alwa_20261017_083005_F:5 alwa_20261017_090000_F:3"),
                 QString());
        const QString gpx = dir.filePath("route.gpx");
        QCOMPARE(runTool({"trips", dir.path(), "--gpx", gpx}).status, 0);
        const ProcessRun babel =
            runProgram(gpsbabel, {"-t", "-i", "gpx", "-f", gpx, "-o", "unicsv", "-F", "-"});
        QCOMPARE(babel.status, 0);
        QStringList lines = QString::fromUtf8(babel.out).split(u'\n', Qt::SkipEmptyParts);
        const QStringList header = lines.takeFirst().trimmed().split(u',');
        // Two trips: the first of two front recordings (the rear's copy left out), 13 points.
        QCOMPARE(lines.size(), 13);
        const QStringList first = lines.first().trimmed().split(u',');
        const QStringList last = lines.last().trimmed().split(u',');
        auto field = [&header](const QStringList &row, const char *name) {
            return row.value(header.indexOf(QLatin1String(name)));
        };
        QCOMPARE(field(first, "Latitude") + ' ' + field(first, "Longitude"),
                 "37.566500 126.978000");
        QCOMPARE(field(first, "Date") + ' ' + field(first, "Time"), "2026/10/16 23:30:00");
        QCOMPARE(field(lines[9].trimmed().split(u','), "Time"), "23:30:09");
        QCOMPARE(field(last, "Date") + ' ' + field(last, "Time"), "2026/10/17 00:00:02");
    }

    // Two documents on stdout would be neither: refused before anything is written.
    void oneDocumentPerStream_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::newRow("GPX and JSON on stdout") << QStringList{"--gpx", "-", "--json"} << 2;
        QTest::newRow("KML and JSON on stdout") << QStringList{"--json", "--kml", "-"} << 2;
        QTest::newRow("GPX to a file, JSON on stdout")
            << QStringList{"--gpx", "route.gpx", "--json"} << 0;
    }

    void oneDocumentPerStream()
    {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QTemporaryDir dir;
        QCOMPARE(writeCard(dir.path(), "alwa_20261017_083000_F:3"), QString());
        QDir::setCurrent(dir.path());
        const ProcessRun run = runTool(QStringList{"trips", dir.path()} + options);
        QCOMPARE(run.status, status);
        if (status) {
            QCOMPARE(run.out, QByteArray());
            QVERIFY2(run.err.contains("standard output"), run.err);
        } else {
            QVERIFY(QJsonDocument::fromJson(run.out).isObject());
        }
    }

    // KML: one placemark per trip, one track per recording, a time for every point.
    void kml()
    {
        QTemporaryDir dir;
        QCOMPARE(writeCard(dir.path(), "alwa_20261017_083000_F:4 alwa_20261017_083004_F:4"),
                 QString());
        const ProcessRun run = runTool({"trips", dir.path(), "--kml", "-"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.count("<Placemark>"), 1);
        QCOMPARE(run.out.count("<gx:Track>"), 2);
        QCOMPARE(run.out.count("<when>"), 8);
        QCOMPARE(run.out.count("<gx:coord>"), 8);

        // The same recordings through the telemetry command: one placemark, a track each.
        const ProcessRun telemetry =
            runTool({"telemetry", "--kml", dir.filePath("DCIM/alwa_20261017_083000_F.avi"),
                     dir.filePath("DCIM/alwa_20261017_083004_F.avi")});
        QCOMPARE(telemetry.status, 0);
        QCOMPARE(telemetry.out.count("<Placemark>"), 1);
        QCOMPARE(telemetry.out.count("<gx:Track>"), 2);
        QCOMPARE(telemetry.out.count("<when>"), 8);
    }
};

QTEST_GUILESS_MAIN(TestTripsTool)
#include "test_tripstool.moc"
