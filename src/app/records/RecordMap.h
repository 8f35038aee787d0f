#pragma once

#include <QList>
#include <QPointF>
#include <QRect>

#include <memory>

// Where the driving-record page shows a record: the map window beside the settings window.
// Tests put a stand-in in its place.
class RecordMap
{
public:
    virtual ~RecordMap() = default;
    // Shows the window; the first time it is placed to the right of `frame`.
    virtual void showBeside(const QRect &frame) = 0;
    // The route in decimal degrees, x the longitude and y the latitude.
    virtual void setRoute(const QList<QPointF> &points) = 0;
    virtual void showPosition(double latitude, double longitude) = 0;
};

std::unique_ptr<RecordMap> makeRecordMapWindow();
