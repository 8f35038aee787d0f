#include "app/trips/TripRouteLayer.h"

#include "app/telemetry/MapView.h"
#include "core/common/waitingjobs.h"
#include "core/trips/triproute.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QJsonArray latLng(const RoutePoint &point)
{
    return {point.latitude, point.longitude};
}

} // namespace

TripRouteLayer::TripRouteLayer(MapView *map, QObject *parent)
    : QObject(parent), m_map(map), m_cache(std::make_shared<RouteCache>())
{}

void TripRouteLayer::showTrip(const Trip &trip, const QString &currentPath)
{
    QStringList paths;
    for (const MediaFile &m : trip.routeRecordings())
        paths.append(m.path());
    // Only the newest choice is shown: a trip picked while another is being read wins.
    auto *watcher = new QFutureWatcher<QList<QList<RoutePoint>>>(this);
    m_watcher = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, trip, currentPath] {
        watcher->deleteLater();
        if (watcher != m_watcher)
            return;
        m_watcher = nullptr;
        publish(layerData(trip, watcher->result(), currentPath));
    });
    watcher->setFuture(QtConcurrent::run(
        tvk::waitingJobs(), [cache = m_cache, paths] { return cache->routes(paths); }));
}

void TripRouteLayer::clear()
{
    m_watcher = nullptr; // a trip being read is not shown
    publish({});
}

QJsonObject TripRouteLayer::layerData(const Trip &trip, const QList<QList<RoutePoint>> &allRoutes,
                                      const QString &currentPath)
{
    const QString currentMoment = MediaFile(currentPath).mediaGroupName();
    const QList<MediaFile> recordings = trip.routeRecordings();
    const QList<QList<RoutePoint>> routes = plausibleRoute(tripRoutePieces(trip, allRoutes)).pieces;
    QJsonArray parts, events;
    for (qsizetype i = 0; i < recordings.size() && i < routes.size(); ++i) {
        const MediaFile &media = recordings[i];
        QJsonArray points;
        for (const RoutePoint &point : routes[i])
            points.append(latLng(point));
        parts.append(QJsonObject{
            {QStringLiteral("name"), media.mediaName()},
            {QStringLiteral("points"), points},
            {QStringLiteral("current"),
             !currentPath.isEmpty() && media.mediaGroupName() == currentMoment},
            {QStringLiteral("event"), media.isEventMedia()},
        });
        // An event recording without a position yet has no place to mark.
        if (media.isEventMedia() && !routes[i].isEmpty()) {
            events.append(QJsonObject{
                {QStringLiteral("name"), media.mediaName()},
                {QStringLiteral("time"), nameTime(media).toString(QStringLiteral("HH:mm:ss"))},
                {QStringLiteral("at"), latLng(routes[i].first())},
            });
        }
    }
    return {{QStringLiteral("key"), trip.start.toString(Qt::ISODate)},
            {QStringLiteral("parts"), parts},
            {QStringLiteral("events"), events}};
}

void TripRouteLayer::publish(const QJsonObject &data)
{
    if (m_map) {
        const QByteArray json = data.isEmpty() ? QByteArrayLiteral("null")
                                               : QJsonDocument(data).toJson(QJsonDocument::Compact);
        m_map->callScript(QStringLiteral("setTripRoute(%1)").arg(QString::fromUtf8(json)));
    }
    emit published(data);
}
