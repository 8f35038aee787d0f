// The route picture of an evidence folder: the track on a plain projection, with its start,
// its end, the place of the event, a scale bar and north up.
#include "core/common/cformat.h"
#include "render/ChartDrawing.h"
#include "render/EvidencePictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr QSize kRouteSize(900, 900);
constexpr double kMargin = 70;
constexpr double kMetresPerDegree = 111320;

// Local metres east and north of the route's centre: plain enough for a town's size.
struct Projection
{
    double lat0 = 0, lon0 = 0, scale = 1; // pixels per metre
    QPointF centre;
    QPointF at(const RoutePoint &p) const
    {
        const double east = (p.longitude - lon0) * kMetresPerDegree * std::cos(lat0 * M_PI / 180);
        const double north = (p.latitude - lat0) * kMetresPerDegree;
        return centre + QPointF(east * scale, -north * scale);
    }
};

Projection fit(const QList<RoutePoint> &route)
{
    double south = 90, north = -90, west = 180, east = -180;
    for (const RoutePoint &p : route) {
        south = std::min(south, p.latitude);
        north = std::max(north, p.latitude);
        west = std::min(west, p.longitude);
        east = std::max(east, p.longitude);
    }
    Projection proj;
    proj.lat0 = (south + north) / 2;
    proj.lon0 = (west + east) / 2;
    const double width = (east - west) * kMetresPerDegree * std::cos(proj.lat0 * M_PI / 180);
    const double height = (north - south) * kMetresPerDegree;
    const double span = std::max({width, height, 100.0}); // at least 100 m across
    proj.scale = (kRouteSize.width() - 2 * kMargin) / span;
    proj.centre = QPointF(kRouteSize.width() / 2.0, kRouteSize.height() / 2.0);
    return proj;
}

void drawScaleBar(QPainter &p, const Projection &proj)
{
    // The longest round length that fits in a fifth of the picture.
    const double most = kRouteSize.width() / 5.0 / proj.scale;
    double metres = std::pow(10.0, std::floor(std::log10(most)));
    for (const double step : {5.0, 2.0}) {
        if (metres * step <= most) {
            metres *= step;
            break;
        }
    }
    const QPointF left(kMargin, kRouteSize.height() - 30);
    const QPointF right = left + QPointF(metres * proj.scale, 0);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(left, right);
    p.setFont(pictures::pictureFont(14));
    p.drawText(right + QPointF(8, 5), metres >= 1000 ? tvk::cformat("%g km", metres / 1000)
                                                     : tvk::cformat("%g m", metres));
    p.drawText(QPointF(kRouteSize.width() - 40, 40), QStringLiteral("N ↑"));
}

void drawMarker(QPainter &p, const QPointF &at, const QColor &color, const QString &label)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(color);
    p.drawEllipse(at, 9, 9);
    p.setFont(pictures::pictureFont(14));
    p.drawText(at + QPointF(14, 5), label);
}

} // namespace

QImage EvidencePictures::routeImage(const QList<RoutePoint> &route, const RoutePoint *event)
{
    QImage image = pictures::whiteImage(kRouteSize.width(), kRouteSize.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (route.isEmpty()) {
        pictures::drawCaption(p, QStringLiteral("Route: no GPS fix in the recording"));
        return image;
    }
    const Projection proj = fit(route);
    QPainterPath path(proj.at(route.first()));
    for (const RoutePoint &point : route)
        path.lineTo(proj.at(point));
    p.setPen(QPen(QColor(30, 90, 200), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    drawMarker(p, proj.at(route.first()), QColor(40, 170, 60), QStringLiteral("start"));
    drawMarker(p, proj.at(route.last()), QColor(120, 120, 120), QStringLiteral("end"));
    if (event)
        drawMarker(p, proj.at(*event), QColor(230, 120, 0), QStringLiteral("event"));
    drawScaleBar(p, proj);
    pictures::drawCaption(p, tvk::cformat("Route (WGS 84, north up), start %.6f, %.6f",
                                          route.first().latitude, route.first().longitude));
    return image;
}

QByteArray EvidencePictures::routePng(const QList<RoutePoint> &route, const RoutePoint *event) const
{
    return pictures::pngBytes(routeImage(route, event));
}
