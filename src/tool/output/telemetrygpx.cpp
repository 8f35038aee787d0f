// The telemetry as GPX 1.1: a track per recording, named after the file, with the speed in
// Garmin's track-point extension. The document begins with the first readable recording, so
// that nothing at all is written when there is none.
#include "core/route/routeexport.h"
#include "tool/output/telemetryformats.h"

#include <QFileInfo>

namespace {

class GpxWriter : public TelemetryWriter
{
public:
    explicit GpxWriter(QIODevice *out) : m_gpx(*out, false) {}

    void recording(const QString &path, bool ok, const RecordedTelemetry &t) override
    {
        if (ok)
            m_gpx.write({QFileInfo(path).completeBaseName(), {{QString(), routeOf(t)}}});
    }

    // A failed standard output shows in the tool's own flush of it.
    void finish() override { (void)m_gpx.finish(); }

private:
    GpxTrackWriter m_gpx;
};

} // namespace

std::unique_ptr<TelemetryWriter> makeTelemetryGpxWriter(QIODevice *out, bool)
{
    return std::make_unique<GpxWriter>(out);
}
