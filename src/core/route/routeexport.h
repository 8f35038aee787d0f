#pragma once

#include "core/route/routepoints.h"

#include <QString>

class QIODevice;

// Routes as the GPS tools people use read them: one track per drive, one segment per
// recording, times in UTC and the speed kept.
struct RouteSegment
{
    QString name; // the recording's file name
    QList<RoutePoint> points;
};

struct RouteTrack
{
    QString name;
    QList<RouteSegment> segments;
};

// GPX 1.1: trk, trkseg and trkpt with time and the Garmin track-point speed (m/s).
// Returns false when the device failed.
bool writeRouteGpx(QIODevice &out, const QList<RouteTrack> &tracks);
// KML 2.2: a Placemark per track holding a gx:MultiTrack of one gx:Track per segment, speed
// in its ExtendedData. Where fixes lack times, the track is a MultiGeometry: the timed runs
// stay gx:Tracks, the untimed ones are LineStrings (a Point when a segment holds one fix).
bool writeRouteKml(QIODevice &out, const QList<RouteTrack> &tracks);
