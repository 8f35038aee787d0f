// The telemetry as GPX 1.1: a track per recording, named after the file, with the speed in
// Garmin's track-point extension. The document begins with the first readable recording, so
// that nothing at all is written when there is none.
#include "telemetryformats.h"

#include <QDateTime>
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
        m_xml.writeTextElement(QStringLiteral("name"), QFileInfo(path).completeBaseName());
        m_xml.writeStartElement(QStringLiteral("trkseg"));
        for (qsizetype i = 0; i < t.m_GpsRecords.size(); ++i) {
            const _AVI_GPS_DATA_T &r = t.m_GpsRecords[i].data();
            if (r.fLatitude == 0 && r.fLongitude == 0)
                continue; // the receiver had no position yet
            trackPoint(t, i, r);
        }
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

    void trackPoint(const TVKTelemetry &t, qsizetype i, const _AVI_GPS_DATA_T &r)
    {
        const TelemetryPosition p = positionOfGpsRecord(t, i);
        m_xml.writeStartElement(QStringLiteral("trkpt"));
        m_xml.writeAttribute(QStringLiteral("lat"), fixed("%.7f", p.latitude));
        m_xml.writeAttribute(QStringLiteral("lon"), fixed("%.7f", p.longitude));
        const _SYSTEMTIME &now = t.fixAfterGpsRecord(i).Now;
        const QDateTime utc(QDate(now.wYear, now.wMonth, now.wDay),
                            QTime(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds), Qt::UTC);
        if (utc.isValid())
            m_xml.writeTextElement(QStringLiteral("time"), utc.toString(Qt::ISODateWithMs));
        m_xml.writeStartElement(QStringLiteral("extensions"));
        m_xml.writeStartElement(kExtension, QStringLiteral("TrackPointExtension"));
        m_xml.writeTextElement(kExtension, QStringLiteral("speed"),
                               fixed("%.3f", metresPerSecond(r)));
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
