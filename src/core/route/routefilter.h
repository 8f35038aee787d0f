#pragma once

#include "core/route/routepoints.h"

#include <QDateTime>
#include <QList>

// One recording's share of a route, placed on the camera's clock.
struct RoutePiece
{
    QDateTime start;     // the recording's name time; invalid: the points keep their own order
    qint64 lengthMs = 0; // the recording's length; 0 when unknown
    QList<RoutePoint> points;
};

// The route a car can have driven through the pieces.
struct PlausibleRoute
{
    QList<QList<RoutePoint>> pieces; // one per piece given, in its order, kept points only
    double kilometres = 0;
};

// One rule for every route we show, measure or export. Points are ordered by the camera's
// time (name time plus record time), so a fix with no date or a wrong one takes its place all
// the same; a stretch that two recordings hold (an event inside a continuous recording) is
// taken once. A fix is dropped when its record time lies outside its recording, when its GPS
// time disagrees with the camera's clock by more than the rest of the route does, or when
// reaching it needs a speed no car has. Each test stands against the route's majority, so a
// single bad fix, even the first, is dropped alone and never carries the rest with it.
PlausibleRoute plausibleRoute(const QList<RoutePiece> &pieces);
