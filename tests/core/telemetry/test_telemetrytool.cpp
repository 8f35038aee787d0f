// tavik-tool telemetry: the JSON other tools read, the CSV rows and the GPX track of a
// recording written by our AVI writer, and the failure of a file that is no recording.
#include "recordingfixture.h"

#include <QJsonArray>
#include <QXmlStreamReader>

#include <limits>
#include <sys/stat.h>

class TestTelemetryTool : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;
    WrittenRecording m_written;

private slots:
    void initTestCase()
    {
        m_path = m_dir.filePath("alwa_20140526_081411_F.avi");
        RecordingPlan plan;
        plan.latitude = -33.85; // south and west: the hemispheres must reach the output
        plan.longitude = -151.2;
        m_written = writeRecording(m_path, plan);
        QCOMPARE(m_written.gps.size(), 3);
    }

    void json()
    {
        const ProcessRun run = runTool({"telemetry", m_path, "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject doc = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(doc["ok"].toBool(false), true);
        const QJsonArray gsensor = doc["gsensor"].toArray();
        const QJsonArray gps = doc["gps"].toArray();
        const QJsonArray nmea = doc["nmea"].toArray();
        QCOMPARE(gsensor.size(), m_written.gSensor.size());
        QCOMPARE(gsensor[1].toObject(),
                 (QJsonObject{{"t", 100}, {"x", -2.0}, {"y", 3 / 256.0}, {"z", 1.0}}));

        // Entry j belongs to sample j: the samples after the last record have none.
        QCOMPARE(gps.size(), m_written.gSensor.size() - 4);
        const AviGpsRecord &written = m_written.gps[0];
        QCOMPARE(gps[0].toObject(), (QJsonObject{{"t", 500},
                                                 {"lat", written.fLatitude},
                                                 {"lon", written.fLongitude},
                                                 {"speed", int(written.fSpeed)},
                                                 {"km", "9"}}));
        QCOMPARE(gps[6]["t"].toInt(), 1500);

        QCOMPARE(nmea.size(), 2 * m_written.gps.size()); // RMC and GGA per record
        QCOMPARE(nmea[0].toObject().keys(),
                 QStringList({"cog", "ew", "hdop", "lat", "lon", "ns", "sats", "sats_glonass",
                              "sats_gps", "sog", "utc"}));
        // The RMC comes before any GGA; positions are printed as the floats they were read as.
        QCOMPARE(jsonFields(nmea[0], {"utc", "sog", "lat"}),
                 "utc=2014-05-26T08:14:11.000 sog=30.5 lat=0");
        QCOMPARE(jsonFields(nmea[1], {"ns", "ew", "lat", "lon", "hdop", "sats"}),
                 "ns=S ew=W lat=3351 lon=15112 hdop=0.9 sats=8");
        QCOMPARE(nmea[5]["utc"].toString(), "2014-05-26T08:14:13.000");
    }

    void csv()
    {
        const ProcessRun run = runTool({"telemetry", m_path, "--csv"});
        QCOMPARE(run.status, 0);
        const QList<QByteArray> rows = run.out.trimmed().split('\n');
        QCOMPARE(rows.size(), 1 + m_written.gSensor.size());
        QCOMPARE(rows[0], "t,x,y,z,gps_t,latitude,longitude,speed,unit");
        QCOMPARE(rows[1], "0,-2,0,1,500,-33.8500000,-151.2000000,56,km/h");
        QCOMPARE(rows[12], "1100,-1.9960938,0.01171875,1,1500,-33.8501000,-151.2002000,58,km/h");
        QCOMPARE(rows.last(), "2900,-1.9921875,0.10546875,1,,,,,");
    }

    void gpx()
    {
        const ProcessRun run = runTool({"telemetry", m_path, "--gpx"});
        QCOMPARE(run.status, 0);
        QXmlStreamReader xml(run.out);
        QList<QPointF> points;
        QStringList times, speeds;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("gpx")) {
                QCOMPARE(xml.namespaceUri(), QLatin1String("http://www.topografix.com/GPX/1/1"));
                QCOMPARE(xml.attributes().value("version"), QLatin1String("1.1"));
            } else if (xml.name() == QLatin1String("trkpt")) {
                points << QPointF(xml.attributes().value("lat").toDouble(),
                                  xml.attributes().value("lon").toDouble());
            } else if (xml.name() == QLatin1String("time")) {
                times << xml.readElementText();
            } else if (xml.name() == QLatin1String("speed")) {
                speeds << xml.readElementText();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(points,
                 QList<QPointF>({{-33.85, -151.2}, {-33.8501, -151.2002}, {-33.8502, -151.2004}}));
        QCOMPARE(times, QStringList({"2014-05-26T08:14:11.000Z", "2014-05-26T08:14:12.000Z",
                                     "2014-05-26T08:14:13.000Z"}));
        QCOMPARE(speeds[0], "15.556"); // 56 km/h (30.5 knots) in m/s
    }

    // Damaged records: impossible positions reach no GPX point and no CSV position, the
    // JSON stays JSON; a recording without G-sensor samples keeps its GPS in the CSV.
    void damagedPositions_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("gSensorPerSecond");
        QTest::addColumn<int>("points");
        QTest::addColumn<QByteArray>("firstRow");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("latitude 95")
            << 95.0 << 10.0 << 10 << 0 << QByteArray("0,-2,0,1,500,,,56,km/h");
        QTest::newRow("longitude 1000.65")
            << 10.0 << 1000.65 << 10 << 0 << QByteArray("0,-2,0,1,500,,,56,km/h");
        QTest::newRow("not a number")
            << nan << nan << 10 << 0 << QByteArray("0,-2,0,1,500,,,56,km/h");
        QTest::newRow("no G-sensor samples")
            << 37.525 << 126.9875 << 0 << 3
            << QByteArray("500,,,,500,37.5250000,126.9875000,56,km/h");
    }

    void damagedPositions()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        RecordingPlan plan;
        plan.latitude = latitude;
        plan.longitude = longitude;
        QFETCH(int, gSensorPerSecond);
        plan.gSensorPerSecond = gSensorPerSecond;
        const QString path = m_dir.filePath("alwa_20140526_081511_F.avi");
        QCOMPARE(writeRecording(path, plan).gps.size(), 3);

        const QByteArray gpx = runTool({"telemetry", path, "--gpx"}).out;
        QTEST(int(gpx.count("<trkpt")), "points");
        QVERIFY(!gpx.contains("nan") && !gpx.contains("1000.65"));
        const QList<QByteArray> rows = runTool({"telemetry", path, "--csv"}).out.split('\n');
        QTEST(rows.value(1), "firstRow");
        QJsonParseError error;
        QJsonDocument::fromJson(runTool({"telemetry", path, "--json"}).out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
    }

    void recordingCutByACrash()
    {
        // Everything but the index made it to the disk.
        const QByteArray whole = readFile(m_path);
        const QString cut = m_dir.filePath("alwa_20140526_081411_R.avi");
        QVERIFY(writeFile(cut, whole.first(whole.lastIndexOf("idx1"))));
        const ProcessRun run = runTool({"telemetry", cut, "--json"});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("recovered from a damaged recording"), run.err.constData());
        QCOMPARE(run.out, runTool({"telemetry", m_path, "--json"}).out);
    }

    void notARecording()
    {
        const QString path = m_dir.filePath("notes.avi");
        QVERIFY(writeFile(path, QByteArray("RIFF\x04\0\0\0WAVE", 12)));
        const ProcessRun run = runTool({"telemetry", path, "--json"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(path.toUtf8() + ": Not a readable recording."));
        const QJsonObject doc = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(doc["ok"].toBool(true), false);
        QVERIFY(doc["gsensor"].toArray().isEmpty());
        QCOMPARE(runTool({"telemetry", m_dir.filePath("missing.avi"), "--gpx"}).status, 1);
    }

    // Many files in one run: each as alone, in the order given, a bad one reported and left out
    // of the CSV and GPX, the others complete.
    void manyFiles()
    {
        const QString second = m_dir.filePath("alwa_20140526_081511_R.avi");
        writeRecording(second, RecordingPlan());
        const QString bad = m_dir.filePath("bad.avi");
        QVERIFY(writeFile(bad, "RIFF"));
        const QStringList files{second, bad, m_path};

        const ProcessRun json = runTool(QStringList{"telemetry", "--json"} + files);
        QCOMPARE(json.status, 1);
        QCOMPARE(json.err.count(": " + bad.toUtf8() + ": "), 1);
        QCOMPARE(json.out.count('\n'), 1);
        const QJsonObject all = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(all.size(), 3);
        QVERIFY(json.out.indexOf(second.toUtf8()) < json.out.indexOf(m_path.toUtf8()));
        QCOMPARE(all[bad]["ok"].toBool(true), false);
        QCOMPARE(all[m_path].toObject(),
                 QJsonDocument::fromJson(runTool({"telemetry", m_path}).out).object());

        const ProcessRun csv = runTool(QStringList{"telemetry", "--csv"} + files);
        const QList<QByteArray> rows = csv.out.trimmed().split('\n');
        QCOMPARE(rows[0], "file,t,x,y,z,gps_t,latitude,longitude,speed,unit");
        QVERIFY(rows[1].startsWith(second.toUtf8() + ",0,"));
        QVERIFY(rows.last().startsWith(m_path.toUtf8() + ",2900,"));

        const ProcessRun gpx = runTool(QStringList{"telemetry", "--gpx"} + files);
        QCOMPARE(gpx.status, 1);
        QCOMPARE(gpx.out.count("<trk>"), 2);
        QCOMPARE(gpx.out.count("<?xml"), 1);
    }

    // Inputs that cannot be read are each said in the words of an input and skipped; the
    // other files of the run are written in full.
    void unreadableInputsAreSkipped()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("pipe.avi");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const ProcessRun fromFifo = runTool({"telemetry", fifo, dir.path(), "--csv"});
        QCOMPARE(fromFifo.status, 1);
        QCOMPARE(fromFifo.err.count("Not a regular file"), 2);
        QVERIFY2(!fromFifo.err.contains("left as it is"), fromFifo.err.constData());

        // The raw bytes reach the tool only through a shell.
        const ProcessRun run = runProgram(
            "/bin/sh", {"-c", "exec \"$0\" telemetry --csv \"$1\"$(printf '\\351').avi \"$2\"",
                        qEnvironmentVariable("TAVIK_TOOL"), dir.filePath("caf"), m_path});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("not valid UTF-8"), run.err.constData());
        QCOMPARE(run.out, runTool({"telemetry", "--csv", m_path}).out);
    }

    // A path in the first column that a spreadsheet would read as a formula stays text.
    void formulaPathsStayText()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(m_path, dir.filePath("=1+2.avi")));
        QVERIFY(QFile::copy(m_path, dir.filePath("@3.avi")));
        QProcess tool;
        tool.setWorkingDirectory(dir.path());
        tool.start(qEnvironmentVariable("TAVIK_TOOL"),
                   {"telemetry", "--csv", "=1+2.avi", "@3.avi"});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        const QByteArray csv = tool.readAllStandardOutput();
        const QList<QByteArray> rows = csv.trimmed().split('\n');
        QVERIFY(rows.size() > 2);
        for (const QByteArray &row : rows.mid(1))
            QVERIFY2(row.startsWith("'=1+2.avi,") || row.startsWith("'@3.avi,"), row.constData());
        // Numbers stay numbers, minus signs and all.
        QVERIFY(csv.contains(",-33.85"));
    }

    // Output that cannot be written is a failure, whatever the command and format.
    void fullStandardOutput_data()
    {
        QTest::addColumn<QStringList>("args");
        for (const char *format : {"--json", "--csv", "--gpx", "--kml"})
            QTest::newRow(format) << QStringList{"telemetry", "%1", QString::fromLatin1(format)};
        QTest::newRow("list") << QStringList{"list", "%2"};
        QTest::newRow("list --json") << QStringList{"list", "%2", "--json"};
    }

    void fullStandardOutput()
    {
        QFETCH(QStringList, args);
        args.replaceInStrings("%1", m_path).replaceInStrings("%2", m_dir.path());
        QProcess tool;
        tool.setStandardOutputFile("/dev/full");
        tool.start(qEnvironmentVariable("TAVIK_TOOL"), args);
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        const QByteArray err = tool.readAllStandardError();
        QVERIFY2(err.contains("tavik-tool: standard output: No space left on device"), err);
    }
};

QTEST_GUILESS_MAIN(TestTelemetryTool)
#include "test_telemetrytool.moc"
