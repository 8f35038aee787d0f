#pragma once

#include "core/route/recordingtelemetry.h"
#include "core/trips/trips.h"

#include <QFutureWatcher>
#include <QJsonObject>
#include <QObject>

#include <memory>

class MapView;

// The whole trip on the route map: every recording's route, the playing recording's part
// highlighted and a marker where each event recording starts. Routes are read on the
// background queue through a cache kept per file, and reach the page in one call.
class TripRouteLayer : public QObject
{
    Q_OBJECT
public:
    explicit TripRouteLayer(MapView *map, QObject *parent = nullptr);

    // Shows `trip` with the recording at `currentPath` (of the trip or not) highlighted.
    void showTrip(const Trip &trip, const QString &currentPath);
    // The routes read so far, kept per file; the exports share them.
    std::shared_ptr<RouteCache> cache() const { return m_cache; }

    // Takes the trip off the map.
    void clear();

    // What the page is given for a trip: {"key", "parts": [{"name", "points": [[lat, lng]…],
    // "current", "event"}], "events": [{"name", "time", "at": [lat, lng]}]}, one part per
    // route recording of the trip in order, `routes` holding their routes.
    static QJsonObject layerData(const Trip &trip, const QList<QList<RoutePoint>> &routes,
                                 const QString &currentPath);

signals:
    // The data handed to the page (an empty object clears the trip).
    void published(const QJsonObject &data);

private:
    void publish(const QJsonObject &data);

    MapView *m_map;
    std::shared_ptr<RouteCache> m_cache;
    QFutureWatcher<QList<QList<RoutePoint>>> *m_watcher = nullptr;
};
