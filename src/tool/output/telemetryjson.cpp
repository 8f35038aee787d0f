// The telemetry as JSON: one object per recording, keys in alphabetical order as they have
// always been; several recordings go into one object keyed by their paths.
#include "tool/output/jsonstream.h"
#include "tool/output/telemetryformats.h"

#include <charconv>
#include <cstdio>

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

void writeUtc(JsonStream &json, const SystemTime &t)
{
    if (t == SystemTime()) {
        json.null(); // no RMC time yet
        return;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u.%03u", t.wYear, t.wMonth,
                  t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    json.string(QString::fromLatin1(text));
}

void writeFix(JsonStream &json, const GpsData &fix)
{
    json.beginObject();
    json.key("cog").number(asFloat(fix.CourseOverGround));
    json.key("ew").string(letter(fix.EW));
    json.key("hdop").number(asFloat(fix.HDOP));
    json.key("lat").number(asFloat(fix.Latitude));
    json.key("lon").number(asFloat(fix.Longitude));
    json.key("ns").string(letter(fix.NS));
    json.key("sats").integer(fix.SatelliteUsedCount);
    json.key("sats_glonass").integer(fix.SatelliteUsedCount_GLONASS);
    json.key("sats_gps").integer(fix.SatelliteUsedCount_GPS);
    json.key("sog").number(asFloat(fix.SpeedOverGround));
    writeUtc(json.key("utc"), fix.Now);
    json.endObject();
}

void writeTelemetry(JsonStream &json, bool ok, const RecordedTelemetry &t)
{
    json.beginObject().key("gps").beginArray();
    for (const AviGpsData &record : t.m_vGpsData) {
        const AviGpsRecord &r = record.data();
        json.beginObject();
        json.key("km").string(letter(r.KM));
        json.key("lat").number(r.fLatitude);
        json.key("lon").number(r.fLongitude);
        json.key("speed").integer(r.fSpeed);
        json.key("t").integer(r.nTimestamp);
        json.endObject();
    }
    json.endArray().key("gsensor").beginArray();
    for (qsizetype j = 0; j < t.m_vGSensorData.size(); ++j) {
        const GSensor &g = t.m_GSensors[j];
        json.beginObject();
        json.key("t").integer(t.m_vGSensorData[j].data().timestamp);
        json.key("x").number(asFloat(g.x));
        json.key("y").number(asFloat(g.y));
        json.key("z").number(asFloat(g.z));
        json.endObject();
    }
    json.endArray().key("nmea").beginArray();
    for (const GpsData &fix : t.m_NMEAs)
        writeFix(json, fix);
    json.endArray().key("ok").boolean(ok).endObject();
}

class JsonWriter : public TelemetryWriter
{
public:
    JsonWriter(QIODevice *out, bool many) : m_json(out), m_many(many)
    {
        if (m_many)
            m_json.beginObject();
    }

    void recording(const QString &path, bool ok, const RecordedTelemetry &telemetry) override
    {
        if (m_many)
            m_json.key(path);
        writeTelemetry(m_json, ok, telemetry);
        m_json.flush();
    }

    void finish() override
    {
        if (m_many)
            m_json.endObject();
        m_json.newline().flush();
    }

private:
    JsonStream m_json;
    bool m_many;
};

} // namespace

std::unique_ptr<TelemetryWriter> makeTelemetryJsonWriter(QIODevice *out, bool many)
{
    return std::make_unique<JsonWriter>(out, many);
}
