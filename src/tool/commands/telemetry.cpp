// tavik-tool telemetry FILE [--json|--csv|--gpx]: the telemetry embedded in a recording.
#include "command.h"
#include "common/cformat.h"
#include "telemetry/TVKBlackBoxData.h"
#include "telemetry/nmeacoordinate.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

#include <charconv>

namespace {

// Values read at single precision print as the float they are (4807.038, not 4807.0380859375).
double asFloat(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<float>(value)).ptr;
    double shortest = value;
    std::from_chars(text, end, shortest);
    return shortest;
}

QString letter(char c)
{
    return c ? QString(QLatin1Char(c)) : QString();
}

QJsonValue utcOf(const _SYSTEMTIME &t)
{
    if (t == _SYSTEMTIME())
        return QJsonValue(QJsonValue::Null); // no RMC time yet
    return tvk::cformat("%04u-%02u-%02uT%02u:%02u:%02u.%03u", t.wYear, t.wMonth, t.wDay, t.wHour,
                        t.wMinute, t.wSecond, t.wMilliseconds);
}

QJsonObject telemetryJson(bool ok, const TVKTelemetry &t)
{
    QJsonArray gsensor, gps, nmea;
    for (qsizetype j = 0; j < t.m_vGSensorData.size(); ++j) {
        const TVKGSensor &g = t.m_GSensors[j];
        gsensor.append(
            QJsonObject{{QStringLiteral("t"), qint64(t.m_vGSensorData[j].data().timestamp)},
                        {QStringLiteral("x"), asFloat(g.x)},
                        {QStringLiteral("y"), asFloat(g.y)},
                        {QStringLiteral("z"), asFloat(g.z)}});
    }
    for (const TVKAviGpsData &record : t.m_vGpsData) {
        const _AVI_GPS_DATA_T &r = record.data();
        gps.append(QJsonObject{{QStringLiteral("t"), qint64(r.nTimestamp)},
                               {QStringLiteral("lat"), r.fLatitude},
                               {QStringLiteral("lon"), r.fLongitude},
                               {QStringLiteral("speed"), qint64(r.fSpeed)},
                               {QStringLiteral("km"), letter(r.KM)}});
    }
    for (const TVKGpsData &fix : t.m_NMEAs) {
        nmea.append(
            QJsonObject{{QStringLiteral("ns"), letter(fix.NS)},
                        {QStringLiteral("ew"), letter(fix.EW)},
                        {QStringLiteral("lat"), asFloat(fix.Latitude)},
                        {QStringLiteral("lon"), asFloat(fix.Longitude)},
                        {QStringLiteral("hdop"), asFloat(fix.HDOP)},
                        {QStringLiteral("sats"), qint64(fix.SatelliteUsedCount)},
                        {QStringLiteral("sats_gps"), qint64(fix.SatelliteUsedCount_GPS)},
                        {QStringLiteral("sats_glonass"), qint64(fix.SatelliteUsedCount_GLONASS)},
                        {QStringLiteral("sog"), asFloat(fix.SpeedOverGround)},
                        {QStringLiteral("cog"), asFloat(fix.CourseOverGround)},
                        {QStringLiteral("utc"), utcOf(fix.Now)}});
    }
    return QJsonObject{{QStringLiteral("ok"), ok},
                       {QStringLiteral("gsensor"), gsensor},
                       {QStringLiteral("gps"), gps},
                       {QStringLiteral("nmea"), nmea}};
}

// A GPS record's position in signed decimal degrees, the hemispheres taken from the fix
// its text left.
struct Position
{
    double latitude;
    double longitude;
};

Position positionOf(const TVKTelemetry &t, qsizetype record)
{
    const _AVI_GPS_DATA_T &r = t.m_GpsRecords[record].data();
    const TVKGpsData fix = t.fixAfterGpsRecord(record);
    Position p{};
    degreesFromNmeaCoordinate(r.fLatitude, r.fLongitude, &p.latitude, &p.longitude);
    if (fix.NS == 'S')
        p.latitude = -p.latitude;
    if (fix.EW == 'W')
        p.longitude = -p.longitude;
    return p;
}

double metresPerSecond(const _AVI_GPS_DATA_T &r)
{
    return r.KM == '9' ? r.fSpeed / 3.6 : r.fSpeed * 0.44704;
}

void writeCsv(const TVKTelemetry &t)
{
    toolOut() << "t,x,y,z,gps_t,latitude,longitude,speed,unit\n";
    for (qsizetype j = 0; j < t.m_vGSensorData.size(); ++j) {
        const TVKGSensor &g = t.m_GSensors[j];
        toolOut() << t.m_vGSensorData[j].data().timestamp << ','
                  << tvk::cformat("%.8g,%.8g,%.8g", double(g.x), double(g.y), double(g.z));
        if (j < t.m_vGpsRecordIndex.size()) {
            const qsizetype record = t.m_vGpsRecordIndex[j];
            const _AVI_GPS_DATA_T &r = t.m_GpsRecords[record].data();
            const Position p = positionOf(t, record);
            toolOut() << ',' << r.nTimestamp << ','
                      << tvk::cformat("%.7f,%.7f,%u,%s", p.latitude, p.longitude, r.fSpeed,
                                      r.KM == '9' ? "km/h" : "mph");
        } else {
            toolOut() << ",,,,,";
        }
        toolOut() << '\n';
    }
}

void writeGpx(const TVKTelemetry &t, const QString &path)
{
    QString text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("gpx"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.topografix.com/GPX/1/1"));
    const QString ext = QStringLiteral("http://www.garmin.com/xmlschemas/TrackPointExtension/v2");
    xml.writeNamespace(ext, QStringLiteral("gpxtpx"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("tavik-tool"));
    xml.writeStartElement(QStringLiteral("trk"));
    xml.writeTextElement(QStringLiteral("name"), QFileInfo(path).completeBaseName());
    xml.writeStartElement(QStringLiteral("trkseg"));
    for (qsizetype i = 0; i < t.m_GpsRecords.size(); ++i) {
        const _AVI_GPS_DATA_T &r = t.m_GpsRecords[i].data();
        if (r.fLatitude == 0 && r.fLongitude == 0)
            continue; // the receiver had no position yet
        const Position p = positionOf(t, i);
        xml.writeStartElement(QStringLiteral("trkpt"));
        xml.writeAttribute(QStringLiteral("lat"), tvk::cformat("%.7f", p.latitude));
        xml.writeAttribute(QStringLiteral("lon"), tvk::cformat("%.7f", p.longitude));
        const _SYSTEMTIME &now = t.fixAfterGpsRecord(i).Now;
        const QDateTime utc(QDate(now.wYear, now.wMonth, now.wDay),
                            QTime(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds), Qt::UTC);
        if (utc.isValid())
            xml.writeTextElement(QStringLiteral("time"), utc.toString(Qt::ISODateWithMs));
        xml.writeStartElement(QStringLiteral("extensions"));
        xml.writeStartElement(ext, QStringLiteral("TrackPointExtension"));
        xml.writeTextElement(ext, QStringLiteral("speed"),
                             tvk::cformat("%.3f", metresPerSecond(r)));
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    toolOut() << text;
}

const QCommandLineOption kCsv(QStringLiteral("csv"), QStringLiteral("Print CSV."));
const QCommandLineOption kGpx(QStringLiteral("gpx"), QStringLiteral("Print a GPX track."));

int runTelemetry(const QCommandLineParser &line)
{
    const QString path = line.positionalArguments().first();
    const int formats =
        int(line.isSet(toolJsonOption())) + int(line.isSet(kCsv)) + int(line.isSet(kGpx));
    if (formats > 1)
        return toolCommandUsageError(QStringLiteral("telemetry"),
                                     QStringLiteral("choose one of --json, --csv and --gpx"));
    const QString output = line.isSet(kCsv)   ? QStringLiteral("--csv")
                           : line.isSet(kGpx) ? QStringLiteral("--gpx")
                                              : QStringLiteral("--json");

    TVKBlackBoxData blackBox;
    const tvk::Result<void> extracted =
        blackBox.ExtractStreamInformation(QFile::encodeName(path).constData());
    const bool ok = extracted.ok();
    const TVKTelemetryPtr telemetry = blackBox.snapshot();
    if (output == QLatin1String("--json"))
        toolOut() << QJsonDocument(telemetryJson(ok, *telemetry)).toJson(QJsonDocument::Compact)
                  << '\n';
    if (!ok)
        return toolFailure(extracted.failure().text());
    if (output == QLatin1String("--csv"))
        writeCsv(*telemetry);
    else if (output == QLatin1String("--gpx"))
        writeGpx(*telemetry, path);
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("telemetry"),
    QStringLiteral("telemetry FILE [--json|--csv|--gpx]"),
    QStringLiteral("Prints the telemetry embedded in a recording (JSON unless told)."),
    {toolJsonOption(), kCsv, kGpx},
    {{QStringLiteral("FILE"), QStringLiteral("The recording (.avi).")}},
    runTelemetry,
}};

} // namespace
