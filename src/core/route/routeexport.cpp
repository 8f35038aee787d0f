#include "core/route/routeexport.h"

#include "core/common/cformat.h"
#include "core/common/devicefailure.h"
#include "core/common/textescape.h"

#include <QIODevice>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

const QString kGpxNs = QStringLiteral("http://www.topografix.com/GPX/1/1");
const QString kTpxNs = QStringLiteral("http://www.garmin.com/xmlschemas/TrackPointExtension/v2");
const QString kKmlNs = QStringLiteral("http://www.opengis.net/kml/2.2");
const QString kGxNs = QStringLiteral("http://www.google.com/kml/ext/2.2");

QString utcText(const QDateTime &utc)
{
    return utc.toString(Qt::ISODateWithMs);
}

void writeGpxPoint(QXmlStreamWriter &xml, const RoutePoint &p)
{
    xml.writeStartElement(QStringLiteral("trkpt"));
    xml.writeAttribute(QStringLiteral("lat"), tvk::cformat("%.7f", p.latitude));
    xml.writeAttribute(QStringLiteral("lon"), tvk::cformat("%.7f", p.longitude));
    if (p.utc.isValid())
        xml.writeTextElement(QStringLiteral("time"), utcText(p.utc));
    xml.writeStartElement(QStringLiteral("extensions"));
    xml.writeStartElement(kTpxNs, QStringLiteral("TrackPointExtension"));
    xml.writeTextElement(kTpxNs, QStringLiteral("speed"), tvk::cformat("%.3f", p.metresPerSecond));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

QString kmlCoordinate(const RoutePoint &p, QChar separator)
{
    return tvk::cformat("%.7f", p.longitude) + separator + tvk::cformat("%.7f", p.latitude) +
           separator + QLatin1Char('0');
}

void writeKmlTrack(QXmlStreamWriter &xml, const QList<RoutePoint> &points)
{
    xml.writeStartElement(kGxNs, QStringLiteral("Track"));
    for (const RoutePoint &p : points)
        xml.writeTextElement(kKmlNs, QStringLiteral("when"), utcText(p.utc));
    for (const RoutePoint &p : points)
        xml.writeTextElement(kGxNs, QStringLiteral("coord"), kmlCoordinate(p, QLatin1Char(' ')));
    xml.writeStartElement(kKmlNs, QStringLiteral("ExtendedData"));
    xml.writeStartElement(kKmlNs, QStringLiteral("SchemaData"));
    xml.writeAttribute(QStringLiteral("schemaUrl"), QStringLiteral("#route"));
    xml.writeStartElement(kGxNs, QStringLiteral("SimpleArrayData"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("speed"));
    for (const RoutePoint &p : points)
        xml.writeTextElement(kGxNs, QStringLiteral("value"),
                             tvk::cformat("%.3f", p.metresPerSecond));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

// A line needs two points at least; a lone point is a Point.
void writeKmlLine(QXmlStreamWriter &xml, const QList<RoutePoint> &points)
{
    QStringList coordinates;
    for (const RoutePoint &p : points)
        coordinates << kmlCoordinate(p, QLatin1Char(','));
    xml.writeStartElement(kKmlNs, points.size() < 2 ? QStringLiteral("Point")
                                                    : QStringLiteral("LineString"));
    xml.writeTextElement(kKmlNs, QStringLiteral("coordinates"), coordinates.join(u' '));
    xml.writeEndElement();
}

// A segment with fixes lacking a time: each run of timed fixes stays a track with its times
// and speeds, each run without times a line joined to the fixes on either side of it.
void writeKmlRuns(QXmlStreamWriter &xml, const QList<RoutePoint> &points)
{
    for (qsizetype from = 0; from < points.size();) {
        const bool timed = points[from].utc.isValid();
        qsizetype to = from + 1;
        while (to < points.size() && points[to].utc.isValid() == timed)
            ++to;
        if (timed) {
            writeKmlTrack(xml, points.mid(from, to - from));
        } else {
            const qsizetype first = from > 0 ? from - 1 : from;
            const qsizetype end = to < points.size() ? to + 1 : to;
            writeKmlLine(xml, points.mid(first, end - first));
        }
        from = to;
    }
}

} // namespace

GpxTrackWriter::GpxTrackWriter(QIODevice &out, bool statesEncoding)
    : m_out(out), m_xml(&out), m_statesEncoding(statesEncoding)
{}

void GpxTrackWriter::begin()
{
    if (m_begun)
        return;
    m_begun = true;
    if (m_statesEncoding)
        m_xml.writeStartDocument();
    else
        m_xml.writeProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version=\"1.0\""));
    m_xml.setAutoFormatting(true);
    m_xml.writeDefaultNamespace(kGpxNs);
    m_xml.writeNamespace(kTpxNs, QStringLiteral("gpxtpx"));
    m_xml.writeStartElement(kGpxNs, QStringLiteral("gpx"));
    m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    m_xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("tavik-tool"));
}

void GpxTrackWriter::write(const RouteTrack &track)
{
    begin();
    m_xml.writeStartElement(QStringLiteral("trk"));
    m_xml.writeTextElement(QStringLiteral("name"), tvk::xmlText(track.name));
    for (const RouteSegment &segment : track.segments) {
        m_xml.writeStartElement(QStringLiteral("trkseg"));
        for (const RoutePoint &p : segment.points)
            writeGpxPoint(m_xml, p);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

tvk::Result<void> GpxTrackWriter::finish()
{
    if (m_begun)
        m_xml.writeEndDocument();
    if (m_xml.hasError())
        return deviceFailure(m_out);
    return {};
}

tvk::Result<void> writeRouteGpx(QIODevice &out, const QList<RouteTrack> &tracks)
{
    GpxTrackWriter gpx(out);
    gpx.begin();
    for (const RouteTrack &track : tracks)
        gpx.write(track);
    return gpx.finish();
}

tvk::Result<void> writeRouteKml(QIODevice &out, const QList<RouteTrack> &tracks)
{
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(kKmlNs);
    xml.writeNamespace(kGxNs, QStringLiteral("gx"));
    xml.writeStartElement(kKmlNs, QStringLiteral("kml"));
    xml.writeStartElement(kKmlNs, QStringLiteral("Document"));
    xml.writeStartElement(kKmlNs, QStringLiteral("Schema"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("route"));
    xml.writeStartElement(kGxNs, QStringLiteral("SimpleArrayField"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("speed"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("float"));
    xml.writeTextElement(kKmlNs, QStringLiteral("displayName"), QStringLiteral("Speed (m/s)"));
    xml.writeEndElement();
    xml.writeEndElement();
    for (const RouteTrack &track : tracks) {
        xml.writeStartElement(kKmlNs, QStringLiteral("Placemark"));
        xml.writeTextElement(kKmlNs, QStringLiteral("name"), tvk::xmlText(track.name));
        // gx:MultiTrack holds nothing but tracks, and a gx:Track needs a time for every point:
        // a track with untimed fixes is a MultiGeometry of tracks and lines.
        const bool timed = std::all_of(
            track.segments.cbegin(), track.segments.cend(), [](const RouteSegment &segment) {
                return std::all_of(segment.points.cbegin(), segment.points.cend(),
                                   [](const RoutePoint &p) { return p.utc.isValid(); });
            });
        if (timed)
            xml.writeStartElement(kGxNs, QStringLiteral("MultiTrack"));
        else
            xml.writeStartElement(kKmlNs, QStringLiteral("MultiGeometry"));
        for (const RouteSegment &segment : track.segments) {
            if (segment.points.isEmpty())
                continue;
            if (timed)
                writeKmlTrack(xml, segment.points);
            else
                writeKmlRuns(xml, segment.points);
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError())
        return deviceFailure(out);
    return {};
}
