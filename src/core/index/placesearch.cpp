#include "core/index/placesearch.h"

#include "core/catalogue/MediaFile.h"
#include "core/index/packedroute.h"
#include "core/route/routepoints.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

static_assert(kRouteSeqBits == 20, "the search joins a point box to its recording by id >> 20");

constexpr double kMetresPerDegreeLatitude = 111320;

struct Candidate
{
    qint64 recording;
    qint64 seq;
    qint64 offsetMs;
    double distance;
    double speed;
    double heading;
    double latitude;
    double longitude;
    QString path;
    QString start;
};

// The box of a circle, a little larger than needed: the R*Tree holds 32-bit coordinates.
struct Box
{
    double minLat, maxLat, minLon, maxLon;
};
Box boxAround(double latitude, double longitude, double radius)
{
    const double dLat = radius / kMetresPerDegreeLatitude * 1.01 + 1e-5;
    const double cosLat = std::max(0.01, std::cos(latitude * M_PI / 180));
    const double dLon = std::min(180.0, dLat / cosLat);
    return {latitude - dLat, latitude + dLat, longitude - dLon, longitude + dLon};
}

QList<PlacePass> closestOfStretches(QList<Candidate> inside, CardIndex &index)
{
    std::sort(inside.begin(), inside.end(), [](const Candidate &a, const Candidate &b) {
        return a.recording != b.recording ? a.recording < b.recording : a.seq < b.seq;
    });
    QList<PlacePass> passes;
    for (qsizetype i = 0; i < inside.size();) {
        // A stretch: consecutive points of one recording, all inside.
        qsizetype end = i + 1, best = i;
        while (end < inside.size() && inside[end].recording == inside[i].recording &&
               inside[end].seq == inside[end - 1].seq + 1) {
            if (inside[end].distance < inside[best].distance)
                best = end;
            ++end;
        }
        const Candidate &c = inside[best];
        QDateTime start = QDateTime::fromString(c.start, Qt::ISODate);
        start.setTimeSpec(Qt::UTC);
        passes.append({index.absolutePath(c.path), double(c.offsetMs) / 1000,
                       start.isValid() ? start.addMSecs(c.offsetMs) : QDateTime(), c.distance,
                       c.speed * 3.6, c.heading, c.latitude, c.longitude});
        i = end;
    }
    std::stable_sort(passes.begin(), passes.end(), [](const PlacePass &a, const PlacePass &b) {
        return a.time != b.time ? a.time < b.time : a.path < b.path;
    });
    return passes;
}

} // namespace

tvk::Result<QList<PlacePass>> findPasses(CardIndex &index, double latitude, double longitude,
                                         double radiusMetres)
{
    const Box box = boxAround(latitude, longitude, radiusMetres);
    tvk::Result<SqliteStatement> select = index.db().prepare(
        "SELECT b.id, r.path, r.start, t.route FROM point_boxes b "
        "JOIN recordings r ON r.id = b.id >> 20 JOIN routes t ON t.recording = r.id "
        "WHERE b.max_lat >= ?1 AND b.min_lat <= ?2 AND b.max_lon >= ?3 AND b.min_lon <= ?4 "
        "AND r.side = ?5");
    if (!select)
        return select.failure();
    select->bind(1, box.minLat).bind(2, box.maxLat).bind(3, box.minLon).bind(4, box.maxLon);
    select->bind(5, qint64(MediaFile::Front));
    RoutePoint place;
    place.latitude = latitude;
    place.longitude = longitude;
    QList<Candidate> inside;
    while (select->next()) {
        const qint64 id = select->integer(0);
        const QByteArrayView route = select->blob(3);
        const qint64 end =
            std::min<qint64>(packedPointCount(route), seqOfPoint(id) + kPointsPerBox);
        for (qint64 seq = seqOfPoint(id); seq < end; ++seq) {
            const std::optional<IndexedPoint> point = unpackPoint(route, seq);
            if (!point)
                continue;
            RoutePoint p;
            p.latitude = point->latitude;
            p.longitude = point->longitude;
            const double distance = distanceMetres(place, p);
            if (distance > radiusMetres)
                continue;
            inside.append({recordingOfPoint(id), seq, point->offsetMs, distance,
                           point->metresPerSecond, point->heading, p.latitude, p.longitude,
                           select->text(1), select->text(2)});
        }
    }
    if (tvk::Result<void> done = select->finish(); !done)
        return done.failure();
    return closestOfStretches(std::move(inside), index);
}
