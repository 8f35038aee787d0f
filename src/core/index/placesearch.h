#pragma once

#include "core/common/result.h"
#include "core/index/cardindex.h"

#include <QDateTime>
#include <QList>

// How close the car must come to a place for a recording to count as passing it.
inline constexpr double kDefaultPassRadiusMetres = 50;

// One pass of the car by a place: the closest point of one continuous stretch of a front
// recording within the radius.
struct PlacePass
{
    QString path;          // the recording, absolute
    double offsetSeconds;  // into the recording
    QDateTime time;        // the name's time plus the offset: camera's clock, held as UTC
    double distanceMetres; // from the place
    double speedKmh;
    double heading; // degrees clockwise from north
    double latitude;
    double longitude;
};

// Every pass by (latitude, longitude) within `radiusMetres`, in time order.
tvk::Result<QList<PlacePass>> findPasses(CardIndex &index, double latitude, double longitude,
                                         double radiusMetres = kDefaultPassRadiusMetres);
