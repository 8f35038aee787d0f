#pragma once

#include "core/common/result.h"
#include "core/route/routepoints.h"
#include "core/telemetry/RecordedTelemetry.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The pictures of an evidence folder, drawn by whoever has a painter (Qt Gui); the core only
// decides what goes into the folder.
class EvidencePainter
{
public:
    virtual ~EvidencePainter() = default;
    // PNG of the three G-sensor axes with sample `peak` marked.
    virtual QByteArray gSensorPng(const QList<GSensor> &samples, qsizetype peak) const = 0;
    // PNG of the route with the place of the event marked (`event` may be null).
    virtual QByteArray routePng(const QList<RoutePoint> &route, const RoutePoint *event) const = 0;
};

// The front or rear recording of the same moment as a recording, from its folder or the
// card's other folders. A file of the partner's name that is no recording of the card (see
// checkRecordingFile) is not taken: `refused` says why.
struct PartnerRecording
{
    QString path; // empty when there is none
    std::optional<tvk::Failure> refused;
};
PartnerRecording partnerRecording(const QString &path);

// Writes the evidence of the recording at `path` (which must be a recording, see
// checkRecordingFile) into the folder `out` (absent or empty):
// the recording and its partner copied and verified, each one's telemetry as CSV and GPX,
// the G-sensor graph and the route as PNG, report.html and SHA256SUMS. The folder appears
// only when complete.
tvk::Result<void> exportEvidence(const QString &path, const QString &out,
                                 const EvidencePainter &painter);
