// The telemetry as GPX 1.1: a track per recording, named after the file, with the speed in
// Garmin's track-point extension. The document begins with the first readable recording, so
// that nothing at all is written when there is none.
#include "core/common/textescape.h"
#include "core/route/routepoints.h"
#include "tool/output/telemetryformats.h"

#include <QFileInfo>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

const QString kExtension =
    QStringLiteral("http://www.garmin.com/xmlschemas/TrackPointExtension/v2");

QString fixed(const char *format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

class GpxWriter : public TelemetryWriter
{
public:
    explicit GpxWriter(QIODevice *out) : m_xml(out) {}

    void recording(const QString &path, bool ok, const TVKTelemetry &t) override
    {
        if (!ok)
            return;
        if (!m_begun)
            begin();
        m_xml.writeStartElement(QStringLiteral("trk"));
        m_xml.writeTextElement(QStringLiteral("name"),
                               tvk::xmlText(QFileInfo(path).completeBaseName()));
        m_xml.writeStartElement(QStringLiteral("trkseg"));
        for (const RoutePoint &p : routeOf(t))
            trackPoint(p);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    }

    void finish() override
    {
        if (m_begun)
            m_xml.writeEndDocument();
    }

private:
    void begin()
    {
        m_begun = true;
        // The declaration as it has always read, without an encoding: XML is UTF-8 unless told.
        m_xml.writeProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version=\"1.0\""));
        m_xml.setAutoFormatting(true);
        m_xml.writeStartElement(QStringLiteral("gpx"));
        m_xml.writeDefaultNamespace(QStringLiteral("http://www.topografix.com/GPX/1/1"));
        m_xml.writeNamespace(kExtension, QStringLiteral("gpxtpx"));
        m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
        m_xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("tavik-tool"));
    }

    void trackPoint(const RoutePoint &p)
    {
        m_xml.writeStartElement(QStringLiteral("trkpt"));
        m_xml.writeAttribute(QStringLiteral("lat"), fixed("%.7f", p.latitude));
        m_xml.writeAttribute(QStringLiteral("lon"), fixed("%.7f", p.longitude));
        if (p.utc.isValid())
            m_xml.writeTextElement(QStringLiteral("time"), p.utc.toString(Qt::ISODateWithMs));
        m_xml.writeStartElement(QStringLiteral("extensions"));
        m_xml.writeStartElement(kExtension, QStringLiteral("TrackPointExtension"));
        m_xml.writeTextElement(kExtension, QStringLiteral("speed"),
                               fixed("%.3f", p.metresPerSecond));
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    }

    QXmlStreamWriter m_xml;
    bool m_begun = false;
};

} // namespace

std::unique_ptr<TelemetryWriter> makeTelemetryGpxWriter(QIODevice *out, bool)
{
    return std::make_unique<GpxWriter>(out);
}
