#pragma once

#include "writers/democard/DemoStreet.h"

#include <functional>
#include <vector>

class QPainter;
class DemoView;

// Draws the street for one camera position: first the ground (pavements, asphalt, lane lines,
// crossings), then the buildings from far to near; trees, lamps and signals are handed back
// as items with their depth so that they can be drawn in one order with the cars.
class DemoStreetPainter
{
public:
    struct Item
    {
        double depth;
        std::function<void(QPainter &)> draw;
    };

    DemoStreetPainter(const DemoView &view, const DemoStreet &street);

    // `direction` is +1 for a camera looking ahead, -1 for one looking back.
    void drawGround(QPainter &painter, double cameraDistance, int direction) const;
    void drawBuildings(QPainter &painter, double cameraDistance, int direction) const;
    // The trees, posts and lamps in view, each to be drawn at its depth among the traffic.
    std::vector<Item> items(double cameraDistance, int direction, double time) const;

private:
    void strip(QPainter &painter, double cameraDistance, int direction, double from, double to,
               double left, double right) const;
    void quad(QPainter &painter, double from, double to, double left, double right) const;
    bool inCrossing(double s) const;

    const DemoView &m_view;
    const DemoStreet &m_street;
    const DemoRoute &m_route;
};
