#include "core/evidence/evidenceexport.h"

#include "core/catalogue/MediaList.h"
#include "core/catalogue/recordingfile.h"
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

void writeTelemetry(EvidenceFolder &folder, const MediaFile &media, const RecordedTelemetry &t,
                    const QString &csvName, const QString &gpxName)
{
    const QList<RouteTrack> track{{media.mediaName(), {{media.fileName(), routeOf(t)}}}};
    folder.writeFile(csvName, [&t](QIODevice &out) { return writeTelemetryCsv(out, t); });
    folder.writeFile(gpxName, [&track](QIODevice &out) { return writeRouteGpx(out, track); });
}

} // namespace

PartnerRecording partnerRecording(const QString &path)
{
    const MediaFile media(QFileInfo(path).absoluteFilePath());
    if (!media.isFrontMedia() && !media.isRearMedia())
        return {};
    const QString other =
        media.mediaGroupName() + QLatin1String(media.isFrontMedia() ? "_R" : "_F");
    QString found;
    for (const QString &ext :
         {media.extension(), media.extension().toLower(), media.extension().toUpper()}) {
        const QString beside = QDir(media.dir()).filePath(other + u'.' + ext);
        if (QFileInfo::exists(beside)) {
            found = beside;
            break;
        }
    }
    if (found.isEmpty()) {
        // The camera may keep the sides in folders of their own: look through the card's
        // folders.
        QDir card(media.dir());
        card.cdUp();
        const MediaList::Contents contents = MediaList::walk(card.path());
        const MediaPair *pair = contents.findMediaPairWithFileName(media.fileName());
        const std::optional<MediaFile> partner = !pair                  ? std::nullopt
                                                 : media.isFrontMedia() ? pair->rearMedia
                                                                        : pair->frontMedia;
        if (!partner)
            return {};
        found = partner->path();
    }
    // A link to anything, a pipe or a file of /proc is no recording of the card.
    if (const tvk::Result<void> checked = checkRecordingFile(found); !checked)
        return {QString(), checked.failure()};
    return {found, std::nullopt};
}

tvk::Result<void> exportEvidence(const QString &path, const QString &out,
                                 const EvidencePainter &painter)
{
    if (tvk::Result<void> checked = checkRecordingFile(path); !checked)
        return checked;
    const MediaFile media(QFileInfo(path).absoluteFilePath());
    EvidenceFolder folder(out);
    if (tvk::Result<void> status = folder.status(); !status)
        return status;

    EvidenceFacts facts;
    facts.recording = media;
    facts.settings = cardSettingsAbove(media.path());
    const PartnerRecording partner = partnerRecording(media.path());
    facts.partnerRefused = partner.refused;
    QList<MediaFile> recordings{media};
    if (!partner.path.isEmpty()) {
        recordings.append(MediaFile(partner.path));
        facts.partnerName = recordings.last().fileName();
    }
    // The front camera's telemetry speaks for the moment, as in the player.
    if (recordings.size() == 2 && recordings[1].isFrontMedia())
        std::swap(recordings[0], recordings[1]);
    // The copies keep the card's names; what we write around them gives way.
    QList<RecordedTelemetryPtr> telemetry;
    for (const MediaFile &m : recordings) {
        telemetry.append(readRecordingTelemetry(m.path()));
        const QString name = folder.claimName(QFileInfo(m.path()).fileName());
        folder.copyVerified(m.path(), name);
        facts.files << name;
    }
    for (qsizetype i = 0; i < recordings.size(); ++i) {
        // Empty files would only pretend to hold something.
        if (telemetry[i]->isEmpty()) {
            facts.withoutTelemetry << recordings[i].fileName();
            continue;
        }
        const QString csv = folder.claimName(recordings[i].mediaName() + QStringLiteral(".csv"));
        const QString gpx = folder.claimName(recordings[i].mediaName() + QStringLiteral(".gpx"));
        writeTelemetry(folder, recordings[i], *telemetry[i], csv, gpx);
        facts.files << csv << gpx;
    }
    const RecordedTelemetry &main = *telemetry.first();
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
        return tvk::Failure{QT_TRID_NOOP("evidence.no_pictures"), out};
    facts.graphFile = folder.claimName(QStringLiteral("gsensor.png"));
    facts.mapFile = folder.claimName(QStringLiteral("route.png"));
    facts.sumsFile = folder.claimName(QStringLiteral("SHA256SUMS"));
    const QString report = folder.claimName(QStringLiteral("report.html"));
    folder.writeFile(facts.graphFile, graph);
    folder.writeFile(facts.mapFile, map);
    facts.files << facts.graphFile << facts.mapFile << facts.sumsFile;
    folder.writeFile(report, evidenceReportHtml(facts));
    folder.finish(facts.sumsFile);
    return folder.status();
}
