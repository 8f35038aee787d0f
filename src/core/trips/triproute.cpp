#include "core/trips/triproute.h"

QList<RoutePiece> routePieces(const QList<MediaFile> &recordings,
                              const QList<QList<RoutePoint>> &routes)
{
    QList<RoutePiece> pieces;
    for (qsizetype i = 0; i < recordings.size() && i < routes.size(); ++i)
        pieces.append({nameTime(recordings[i]), 0, routes[i]});
    return pieces;
}

QList<RoutePiece> tripRoutePieces(const Trip &trip, const QList<QList<RoutePoint>> &routes)
{
    QList<RoutePiece> pieces = routePieces(trip.routeRecordings(), routes);
    const QList<MediaFile> recordings = trip.routeRecordings();
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        for (qsizetype at = 0; at < trip.recordings.size() && at < trip.lengthsMs.size(); ++at) {
            if (trip.recordings[at].path() == recordings[i].path())
                pieces[i].lengthMs = trip.lengthsMs[at];
        }
    }
    return pieces;
}
