#include "app/trips/ExportActions.h"

#include "app/clip/ClipExportDialog.h"
#include "app/controls/Alert.h"
#include "app/controls/Notice.h"
#include "core/common/replacefile.h"
#include "core/common/standardfolders.h"
#include "core/common/strings.h"
#include "core/common/waitingjobs.h"
#include "core/trips/triproute.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

ExportActions::ExportActions(QWidget *window, Source source, std::shared_ptr<RouteCache> cache,
                             QObject *parent)
    : QObject(parent), m_window(window), m_source(std::move(source)), m_cache(std::move(cache)),
      m_menu(new QMenu(window))
{
    m_menu->setObjectName(QStringLiteral("exportMenu"));
    m_menu->addAction(tvk::text("trips.export_route"), this, [this] { chooseRouteFile(false); })
        ->setObjectName(QStringLiteral("exportRouteAction"));
    m_menu->addAction(tvk::text("trips.export_trip_route"), this, [this] { chooseRouteFile(true); })
        ->setObjectName(QStringLiteral("exportTripRouteAction"));
    m_menu->addSeparator();
    m_menu
        ->addAction(tvk::text("trips.export_evidence"), this, &ExportActions::chooseEvidenceFolder)
        ->setObjectName(QStringLiteral("exportEvidenceAction"));
    m_menu->addAction(tvk::text("clip.export_action"), this, &ExportActions::chooseClip)
        ->setObjectName(QStringLiteral("exportClipAction"));
    connect(m_menu, &QMenu::aboutToShow, this, &ExportActions::updateMenu);
}

void ExportActions::updateMenu()
{
    const bool playing = !m_source.recording().isEmpty();
    const QList<QAction *> actions = m_menu->actions();
    // A recording without GPS has no route: offering it would fail only after a file is named.
    const bool route = playing && (!m_source.hasRoute || m_source.hasRoute());
    actions[0]->setEnabled(route && !isWritingRoute());
    actions[1]->setEnabled(playing && m_source.trip().has_value() && !isWritingRoute());
    actions[3]->setEnabled(playing && !isWritingEvidence());
    actions[4]->setEnabled(playing);
}

std::optional<ExportActions::RouteJob> ExportActions::routeJob(bool wholeTrip) const
{
    const QString path = m_source.recording();
    if (path.isEmpty())
        return std::nullopt;
    RouteJob job{{MediaFile(path)}, MediaFile(path).mediaName(), wholeTrip};
    if (wholeTrip) {
        const std::optional<Trip> trip = m_source.trip();
        if (!trip)
            return std::nullopt;
        job.recordings = trip->routeRecordings();
        job.trackName = tvk::text("trips.track_name")
                            .arg(trip->start.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    }
    return job;
}

tvk::Result<void> ExportActions::writeRoute(RouteCache &cache, const RouteJob &job,
                                            const QString &path)
{
    QStringList paths;
    for (const MediaFile &m : job.recordings)
        paths.append(m.path());
    const QList<QList<RoutePoint>> routes =
        plausibleRoute(routePieces(job.recordings, cache.routes(paths))).pieces;
    RouteTrack track{job.trackName, {}};
    bool anyPoint = false;
    for (qsizetype i = 0; i < job.recordings.size(); ++i) {
        track.segments.append({job.recordings[i].fileName(), routes[i]});
        anyPoint = anyPoint || !routes[i].isEmpty();
    }
    if (!anyPoint)
        return tvk::Failure{job.wholeTrip ? QT_TRID_NOOP("trips.no_trip_route")
                                          : QT_TRID_NOOP("trips.no_route")};
    const bool kml = path.endsWith(QLatin1String(".kml"), Qt::CaseInsensitive);
    return replaceFile(path, [&track, kml](QIODevice &out) {
        return kml ? writeRouteKml(out, {track}) : writeRouteGpx(out, {track});
    });
}

void ExportActions::startRouteExport(bool wholeTrip, const QString &path)
{
    const std::optional<RouteJob> job = routeJob(wholeTrip);
    if (!job || isWritingRoute())
        return;
    // The files are read off the interface thread: a trip may be an hour of recordings.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    m_route = new QFutureWatcher<tvk::Result<void>>(this);
    connect(m_route, &QFutureWatcherBase::finished, this, [this, path] { routeDone(path); });
    m_route->setFuture(QtConcurrent::run(tvk::waitingJobs(), [cache = m_cache, job = *job, path] {
        return writeRoute(*cache, job, path);
    }));
}

void ExportActions::routeDone(const QString &path)
{
    const tvk::Result<void> written = m_route->result();
    m_route->deleteLater();
    m_route = nullptr;
    QGuiApplication::restoreOverrideCursor();
    const QString title = QGuiApplication::applicationDisplayName();
    if (!written)
        showAlert(m_window, title,
                  tvk::text("trips.route_not_written")
                      .arg(QFileInfo(path).fileName(), written.failure().reasonOrMessage()));
    else
        showNoticeSheet(m_window, title,
                        tvk::text("trips.route_written").arg(QDir::toNativeSeparators(path)));
    emit routeFinished(path, written);
}

QString ExportActions::startFolder() const
{
    return existingFolderOrHome(QStandardPaths::DocumentsLocation);
}

void ExportActions::chooseRouteFile(bool wholeTrip)
{
    const QString recording = m_source.recording();
    if (recording.isEmpty())
        return;
    const QString suggested =
        QDir(startFolder())
            .filePath(MediaFile(recording).mediaName() +
                      (wholeTrip ? QStringLiteral("_trip.gpx") : QStringLiteral(".gpx")));
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        m_window, tvk::text(wholeTrip ? "trips.export_trip_route" : "trips.export_route"),
        suggested, QStringLiteral("GPX (*.gpx);;KML (*.kml)"), &filter);
    if (path.isEmpty())
        return;
    // The chosen type decides when the name has no suffix of its own.
    QString target = path;
    if (QFileInfo(path).suffix().isEmpty())
        target += filter.startsWith(QLatin1String("KML")) ? QStringLiteral(".kml")
                                                          : QStringLiteral(".gpx");
    startRouteExport(wholeTrip, target);
}

void ExportActions::chooseClip()
{
    const QString recording = m_source.recording();
    if (recording.isEmpty())
        return;
    // Not modal: playback goes on while the clip is written.
    auto *dialog = new ClipExportDialog(recording, m_window);
    if (m_source.marks)
        dialog->useMarks(m_source.marks());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
