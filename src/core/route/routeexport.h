#pragma once

#include "core/common/result.h"
#include "core/route/routepoints.h"

#include <QString>
#include <QXmlStreamWriter>

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

// GPX 1.1 written track by track: trk, trkseg and trkpt with time and the Garmin track-point
// speed (m/s). The document begins with begin() or the first track.
class GpxTrackWriter
{
public:
    // `statesEncoding`: the XML declaration names UTF-8; `tavik-tool telemetry` has always
    // left it out (XML is UTF-8 unless told).
    explicit GpxTrackWriter(QIODevice &out, bool statesEncoding = true);

    void begin();
    void write(const RouteTrack &track);
    // Closes the document when it was begun; fails when the device did.
    tvk::Result<void> finish();

private:
    QIODevice &m_out;
    QXmlStreamWriter m_xml;
    bool m_statesEncoding;
    bool m_begun = false;
};

// The tracks as one GPX document; fails when the device did.
tvk::Result<void> writeRouteGpx(QIODevice &out, const QList<RouteTrack> &tracks);
// KML 2.2: a Placemark per track holding a gx:MultiTrack of one gx:Track per segment, speed
// in its ExtendedData. Where fixes lack times, the track is a MultiGeometry: the timed runs
// stay gx:Tracks, the untimed ones are LineStrings (a Point when a segment holds one fix).
tvk::Result<void> writeRouteKml(QIODevice &out, const QList<RouteTrack> &tracks);
