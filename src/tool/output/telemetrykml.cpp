// The telemetry as KML: one placemark holding a track per recording, with times and speeds,
// for Google Earth and the map tools that read KML. KML has no streaming form worth the
// name, so the routes are gathered and written at the end.
#include "core/route/routeexport.h"
#include "tool/output/telemetryformats.h"

#include <QFileInfo>

namespace {

class KmlWriter : public TelemetryWriter
{
public:
    explicit KmlWriter(QIODevice *out) : m_out(out) {}

    void recording(const QString &path, bool ok, const RecordedTelemetry &t) override
    {
        if (ok)
            m_track.segments.append({QFileInfo(path).fileName(), routeOf(t)});
    }

    void finish() override
    {
        if (!m_track.segments.isEmpty())
            (void)writeRouteKml(*m_out, {m_track});
    }

private:
    QIODevice *m_out;
    RouteTrack m_track{QStringLiteral("tavik-tool telemetry"), {}};
};

} // namespace

std::unique_ptr<TelemetryWriter> makeTelemetryKmlWriter(QIODevice *out, bool)
{
    return std::make_unique<KmlWriter>(out);
}
