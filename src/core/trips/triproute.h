#pragma once

#include "core/route/routefilter.h"
#include "core/trips/trips.h"

// The pieces of a route through recordings, each placed at its name time; `routes` holds
// each recording's points, in the same order.
QList<RoutePiece> routePieces(const QList<MediaFile> &recordings,
                              const QList<QList<RoutePoint>> &routes);
// The same for a trip's route recordings (routeRecordings()), with the lengths it knows.
QList<RoutePiece> tripRoutePieces(const Trip &trip, const QList<QList<RoutePoint>> &routes);
