#include "core/evidence/evidenceexport.h"

#include "core/catalogue/TVKMediaList.h"
#include "core/clock/clockcheck.h"
#include "core/evidence/evidencefolder.h"
#include "core/evidence/evidencereport.h"
#include "core/route/recordingtelemetry.h"
#include "core/route/routeexport.h"
#include "core/settings/cardsettings.h"
#include "core/telemetry/telemetrycsv.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The fix nearest in time to the camera-clock moment `ms`.
std::optional<RoutePoint> pointNear(const QList<RoutePoint> &route, quint32 ms)
{
    std::optional<RoutePoint> best;
    for (const RoutePoint &p : route) {
        if (!best || std::abs(qint64(p.cameraMs) - ms) < std::abs(qint64(best->cameraMs) - ms))
            best = p;
    }
    return best;
}

bool writeTelemetry(EvidenceFolder &folder, const TVKMedia &media, const TVKTelemetry &t)
{
    const QString stem = media.mediaName();
    const QList<RouteTrack> track{{stem, {{media.fileName(), routeOf(t)}}}};
    return folder.writeFile(stem + QStringLiteral(".csv"), [&t](QIODevice &out) {
        return writeTelemetryCsv(out, t);
    }) && folder.writeFile(stem + QStringLiteral(".gpx"), [&track](QIODevice &out) {
        return writeRouteGpx(out, track);
    });
}

} // namespace

QString partnerRecording(const QString &path)
{
    const TVKMedia media(QFileInfo(path).absoluteFilePath());
    if (!media.isFrontMedia() && !media.isRearMedia())
        return {};
    const QString other =
        media.mediaGroupName() + QLatin1String(media.isFrontMedia() ? "_R" : "_F");
    for (const QString &ext :
         {media.extension(), media.extension().toLower(), media.extension().toUpper()}) {
        const QString beside = QDir(media.dir()).filePath(other + u'.' + ext);
        if (QFileInfo(beside).isFile())
            return beside;
    }
    // The camera may keep the sides in folders of their own: look through the card's folders.
    QDir card(media.dir());
    card.cdUp();
    const TVKMediaList::Contents contents = TVKMediaList::walk(card.path());
    const TVKMediaPair *pair = contents.findMediaPairWithFileName(media.fileName());
    if (!pair)
        return {};
    const std::optional<TVKMedia> &found =
        media.isFrontMedia() ? pair->rearMedia : pair->frontMedia;
    return found ? found->path() : QString();
}

QString exportEvidence(const QString &path, const QString &out, const EvidencePainter &painter)
{
    const TVKMedia media(QFileInfo(path).absoluteFilePath());
    if (!QFileInfo(path).isFile())
        return QStringLiteral("%1: no such recording").arg(path);
    EvidenceFolder folder(out);
    if (!folder.error().isEmpty())
        return folder.error();

    EvidenceFacts facts;
    facts.recording = media;
    facts.settings = cardSettingsAbove(media.path());
    const QString partnerPath = partnerRecording(media.path());
    QList<TVKMedia> recordings{media};
    if (!partnerPath.isEmpty()) {
        recordings.append(TVKMedia(partnerPath));
        facts.partnerName = recordings.last().fileName();
    }
    // The front camera's telemetry speaks for the moment, as in the player.
    if (recordings.size() == 2 && recordings[1].isFrontMedia())
        std::swap(recordings[0], recordings[1]);
    QList<TVKTelemetryPtr> telemetry;
    for (const TVKMedia &m : recordings) {
        telemetry.append(readRecordingTelemetry(m.path()));
        folder.copyVerified(m.path(), m.fileName());
        facts.files << m.fileName();
    }
    for (qsizetype i = 0; i < recordings.size(); ++i) {
        // Empty files would only pretend to hold something.
        if (telemetry[i]->isEmpty()) {
            facts.withoutTelemetry << recordings[i].fileName();
            continue;
        }
        writeTelemetry(folder, recordings[i], *telemetry[i]);
        facts.files << recordings[i].mediaName() + QStringLiteral(".csv")
                    << recordings[i].mediaName() + QStringLiteral(".gpx");
    }

    const TVKTelemetry &main = *telemetry.first();
    const QList<RoutePoint> route = routeOf(main);
    const qsizetype peak = peakSample(main.m_GSensors);
    if (peak >= 0) {
        const quint32 at = main.m_vGSensorData[peak].data().timestamp;
        const quint32 first = main.m_vGSensorData.first().data().timestamp;
        facts.peak = main.m_GSensors[peak];
        facts.peakSeconds = (double(at) - double(first)) / 1000;
        facts.place = pointNear(route, at);
    } else if (!route.isEmpty()) {
        facts.place = route.first();
    }
    if (const std::optional<double> raw = rawClockOffset(recordings.first(), main)) {
        const std::optional<int> zone =
            facts.settings ? cardZoneSeconds(*facts.settings) : std::nullopt;
        const ClockReport clock = clockReport({{path, raw}}, zone);
        facts.clockOffsetSeconds = clock.medianOffsetSeconds;
        facts.clockZoneGuessed = clock.zoneSource == ClockZoneSource::Guessed;
    }
    const QByteArray graph = painter.gSensorPng(main.m_GSensors, peak);
    const QByteArray map = painter.routePng(route, facts.place ? &*facts.place : nullptr);
    if (graph.isEmpty() || map.isEmpty())
        return QStringLiteral("%1: the pictures could not be drawn").arg(out);
    folder.writeFile(QStringLiteral("gsensor.png"), graph);
    folder.writeFile(QStringLiteral("route.png"), map);
    facts.files << QStringLiteral("gsensor.png") << QStringLiteral("route.png")
                << QStringLiteral("SHA256SUMS");
    folder.writeFile(QStringLiteral("report.html"), evidenceReportHtml(facts));
    folder.finish();
    return folder.error();
}
