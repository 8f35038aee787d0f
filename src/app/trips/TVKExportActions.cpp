#include "TVKExportActions.h"

#include "common/strings.h"
#include "controls/TVKAlert.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

TVKExportActions::TVKExportActions(QWidget *window, Source source,
                                   std::shared_ptr<RouteCache> cache, QObject *parent)
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
        ->addAction(tvk::text("trips.export_evidence"), this,
                    &TVKExportActions::chooseEvidenceFolder)
        ->setObjectName(QStringLiteral("exportEvidenceAction"));
    connect(m_menu, &QMenu::aboutToShow, this, &TVKExportActions::updateMenu);
}

void TVKExportActions::updateMenu()
{
    const bool playing = !m_source.recording().isEmpty();
    const QList<QAction *> actions = m_menu->actions();
    actions[0]->setEnabled(playing);
    actions[1]->setEnabled(playing && m_source.trip().has_value());
    actions[3]->setEnabled(playing && !isWritingEvidence());
}

QList<RouteTrack> TVKExportActions::tracks(bool wholeTrip) const
{
    const QString path = m_source.recording();
    if (path.isEmpty())
        return {};
    QList<TVKMedia> recordings{TVKMedia(path)};
    RouteTrack track{TVKMedia(path).mediaName(), {}};
    if (wholeTrip) {
        const std::optional<TVKTrip> trip = m_source.trip();
        if (!trip)
            return {};
        recordings = trip->routeRecordings();
        track.name = tvk::text("trips.track_name")
                         .arg(trip->start.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    }
    QStringList paths;
    for (const TVKMedia &m : recordings)
        paths.append(m.path());
    const QList<QList<RoutePoint>> routes = m_cache->routes(paths);
    for (qsizetype i = 0; i < recordings.size(); ++i)
        track.segments.append({recordings[i].fileName(), routes[i]});
    return {track};
}

QString TVKExportActions::exportRoute(bool wholeTrip, const QString &path) const
{
    const QList<RouteTrack> route = tracks(wholeTrip);
    const bool anyPoint =
        !route.isEmpty() && std::any_of(route[0].segments.cbegin(), route[0].segments.cend(),
                                        [](const RouteSegment &s) { return !s.points.isEmpty(); });
    if (!anyPoint)
        return tvk::text(wholeTrip ? "trips.no_trip_route" : "trips.no_route");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const bool kml = path.endsWith(QLatin1String(".kml"), Qt::CaseInsensitive);
    const bool written = kml ? writeRouteKml(file, route) : writeRouteGpx(file, route);
    if (!written || !file.commit())
        return file.errorString();
    return {};
}

QString TVKExportActions::startFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void TVKExportActions::chooseRouteFile(bool wholeTrip)
{
    const QString recording = m_source.recording();
    if (recording.isEmpty())
        return;
    const QString suggested =
        QDir(startFolder())
            .filePath(TVKMedia(recording).mediaName() +
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
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = exportRoute(wholeTrip, target);
    QGuiApplication::restoreOverrideCursor();
    if (!error.isEmpty())
        showAlert(m_window, QStringLiteral("TAVIK"),
                  tvk::text("trips.route_not_written").arg(QFileInfo(target).fileName(), error));
}
