#pragma once

#include "core/clip/ClipTelemetry.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

// What a clip shows over the pictures: a band along the top with the date and time, the speed
// and the G-force (the camera's own stamp along the bottom stays visible), a small north-up map of
// the route with the car's place, drawn from the recordings' own positions so that it needs no
// network; and "No recording" where a camera did not record. Needs a QGuiApplication for its text.
class ClipOverlay
{
public:
    struct Items
    {
        bool time = true;
        bool speed = true;
        bool gforce = true;
        bool map = true;
    };

    ClipOverlay(const Items &items, QList<RoutePoint> route);

    void setReadout(const clip::Readout &readout) { m_readout = readout; }
    // Whether the two readouts draw the same overlay: the clock to the second, and only what
    // the items show.
    bool looksSame(const clip::Readout &a, const clip::Readout &b) const;
    // The places of cameras without a recording at this moment.
    void setMissing(const QList<QRectF> &areas) { m_missing = areas; }
    // A picture the map must not cover (the rear inset).
    void setKeepClear(const QRectF &area) { m_keepClear = area; }

    void paint(QPainter *painter, const QRectF &frame) const;
    // Where paint() draws in `frame`, with the readout, missing areas and keep-clear set.
    QList<QRectF> areas(const QRectF &frame) const;

    // The band's height in a frame of `height` pixels, so that callers know what it covers.
    static double bandHeight(double height);

    // Where the band's readouts stand: the time at the left, the G-force values and dial at
    // the right, the speed centred between them, in a font small enough for all to stand apart.
    struct BandLayout
    {
        QFont font;
        QString time, speed, values;
        QRectF timeArea, speedArea, valuesArea, dial;
    };
    BandLayout bandLayout(const QRectF &band, const QFont &base) const;

private:
    void paintBand(QPainter *painter, const QRectF &band) const;
    void paintGforce(QPainter *painter, const QRectF &area) const;
    void paintMap(QPainter *painter, const QRectF &area) const;
    bool hasBand() const { return m_items.time || m_items.speed || m_items.gforce; }
    bool hasMap() const { return m_items.map && m_route.size() > 1; }
    QRectF mapArea(const QRectF &frame) const;

    Items m_items;
    QList<RoutePoint> m_route;
    QRectF m_bounds; // of the route, in degrees: x longitude, y latitude
    clip::Readout m_readout;
    QList<QRectF> m_missing;
    QRectF m_keepClear;
};
