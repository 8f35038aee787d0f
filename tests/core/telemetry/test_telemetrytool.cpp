// tavik-tool telemetry: the JSON other tools read, the CSV rows and the GPX track of a
// recording written by our AVI writer, and the failure of a file that is no recording.
#include "recordingfixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run tool(const QStringList &args)
{
    QProcess p;
    p.start(qEnvironmentVariable("TAVIK_TOOL"), args);
    Run run;
    if (!p.waitForFinished(60000))
        return run;
    run.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

QStringList keysOf(const QJsonValue &value)
{
    return value.toObject().keys();
}

} // namespace

class TestTelemetryTool : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;
    WrittenRecording m_written;

private slots:
    void initTestCase()
    {
        QVERIFY(!qEnvironmentVariableIsEmpty("TAVIK_TOOL"));
        m_path = m_dir.filePath(QStringLiteral("alwa_20140526_081411_F.avi"));
        RecordingPlan plan;
        plan.latitude = -33.85; // south and west: the hemispheres must reach the output
        plan.longitude = -151.2;
        m_written = writeRecording(m_path, plan);
        QCOMPARE(m_written.gps.size(), 3);
    }

    void json()
    {
        const Run run = tool({"telemetry", m_path, "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject doc = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(doc["ok"].toBool(false), true);
        const QJsonArray gsensor = doc["gsensor"].toArray();
        const QJsonArray gps = doc["gps"].toArray();
        const QJsonArray nmea = doc["nmea"].toArray();
        QCOMPARE(gsensor.size(), m_written.gSensor.size());
        QCOMPARE(keysOf(gsensor[0]), (QStringList{"t", "x", "y", "z"}));
        QCOMPARE(gsensor[1].toObject(),
                 (QJsonObject{{"t", 100}, {"x", -2.0}, {"y", 3 / 256.0}, {"z", 1.0}}));

        // Entry j belongs to sample j: the samples after the last record have none.
        QCOMPARE(gps.size(), m_written.gSensor.size() - 4);
        QCOMPARE(keysOf(gps[0]), (QStringList{"km", "lat", "lon", "speed", "t"}));
        const QJsonObject first = gps[0].toObject();
        QCOMPARE(first["t"].toInt(), 500);
        QCOMPARE(first["lat"].toDouble(), m_written.gps[0].fLatitude);
        QCOMPARE(first["lon"].toDouble(), m_written.gps[0].fLongitude);
        QCOMPARE(first["speed"].toInt(), int(m_written.gps[0].fSpeed));
        QCOMPARE(first["km"].toString(), "9");
        QCOMPARE(gps[6].toObject()["t"].toInt(), 1500);

        QCOMPARE(nmea.size(), 2 * m_written.gps.size()); // RMC and GGA per record
        QCOMPARE(keysOf(nmea[0]), (QStringList{"cog", "ew", "hdop", "lat", "lon", "ns", "sats",
                                               "sats_glonass", "sats_gps", "sog", "utc"}));
        const QJsonObject rmc = nmea[0].toObject();
        QCOMPARE(rmc["utc"].toString(), "2014-05-26T08:14:11.000");
        QCOMPARE(rmc["sog"].toDouble(), 30.5);
        QCOMPARE(rmc["lat"].toDouble(), 0.0); // no GGA yet
        const QJsonObject gga = nmea[1].toObject();
        QCOMPARE(gga["ns"].toString(), "S");
        QCOMPARE(gga["ew"].toString(), "W");
        QCOMPARE(gga["lat"].toDouble(), 3351.0); // printed as the float it was read as
        QCOMPARE(gga["lon"].toDouble(), 15112.0);
        QCOMPARE(gga["hdop"].toDouble(), 0.9);
        QCOMPARE(gga["sats"].toInt(), 8);
        QCOMPARE(nmea[5].toObject()["utc"].toString(), "2014-05-26T08:14:13.000");
    }

    void csv()
    {
        const Run run = tool({"telemetry", m_path, "--csv"});
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
        const Run run = tool({"telemetry", m_path, "--gpx"});
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
        QCOMPARE(points.size(), 3);
        QCOMPARE(points[0], QPointF(-33.85, -151.2));
        QCOMPARE(points[2], QPointF(-33.8502, -151.2004));
        QCOMPARE(times, (QStringList{"2014-05-26T08:14:11.000Z", "2014-05-26T08:14:12.000Z",
                                     "2014-05-26T08:14:13.000Z"}));
        QCOMPARE(speeds[0], "15.556"); // 56 km/h (30.5 knots) in m/s
    }

    void notARecording()
    {
        const QString path = m_dir.filePath(QStringLiteral("notes.avi"));
        QVERIFY(writeAll(path, "RIFF\x04\0\0\0WAVE"));
        const Run run = tool({"telemetry", path, "--json"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("not a readable recording"));
        const QJsonObject doc = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(doc["ok"].toBool(true), false);
        QVERIFY(doc["gsensor"].toArray().isEmpty());
        QCOMPARE(tool({"telemetry", m_dir.filePath(QStringLiteral("missing.avi")), "--gpx"}).status,
                 1);
        QCOMPARE(tool({"telemetry"}).status, 2);
        QCOMPARE(tool({"telemetry", m_path, "--xml"}).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestTelemetryTool)
#include "test_telemetrytool.moc"
