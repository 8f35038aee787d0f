#pragma once

#include "writers/democard/DemoTraffic.h"

class QPainter;
class DemoView;
class DemoRoute;

// Draws another car as a box seen from the camera: its shadow, the side that faces us, and
// the end nearest to us, with glass, lamps, bumper, number plate and wheels. The end is its
// back (tail and brake lights) or its front (headlights) depending on which way it drives.
class DemoCarPainter
{
public:
    DemoCarPainter(const DemoView &view, const DemoRoute &route);

    // `cameraDistance` / `cameraLateral`: where the camera stands on the route.
    void draw(QPainter &painter, const DemoTraffic::Car &car, double cameraDistance,
              double cameraLateral) const;

private:
    const DemoView &m_view;
    const DemoRoute &m_route;
};
