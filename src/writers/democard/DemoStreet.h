#pragma once

#include "writers/democard/DemoDrive.h"

#include <QColor>

#include <vector>

// What stands along the road, laid out once for the whole drive: office blocks and towers
// behind the pavements, ginkgo trees and street lamps at the kerb, side streets, and a
// crossing with its signal at every light where the car stopped. Positions are distances
// along the route and metres right of the centre line (negative: the far side).
class DemoStreet
{
public:
    static constexpr double kRoadHalf = 10.5;     // three lanes each way
    static constexpr double kBuildingLine = 16.0; // the pavement ends here

    struct Building
    {
        double from, to; // along the route
        double front;    // metres from the centre line to the facade, signed by side
        double height;
        QColor wall;
        QColor glass;
        double floor; // storey height
    };
    struct Post
    {
        double distance;
        double lateral;
        int variant;
    };

    DemoStreet(const DemoDrive &drive, quint64 seed);

    // One car waits ahead of ours at every red light: the stop line is beyond it, the
    // crossing just after the line, the junction after that, its signal on the far side.
    static constexpr double kQueue = 11.5;
    static constexpr double kJunction = 30.0;
    static double stopLine(const DemoDrive::LightStop &light)
    {
        return light.stopDistance + kQueue;
    }

    // Items whose stretch meets [from, to] along the route.
    std::vector<const Building *> buildings(double from, double to) const;
    std::vector<Post> trees(double from, double to) const;
    std::vector<Post> lamps(double from, double to) const;
    const std::vector<DemoDrive::LightStop> &lights() const { return m_drive.lightStops(); }
    const DemoDrive &drive() const { return m_drive; }

private:
    bool openGround(double from, double to) const;

    const DemoDrive &m_drive;
    quint64 m_seed;
    std::vector<Building> m_buildings; // sorted by `from`
    std::vector<double> m_crossings;   // side streets and junctions: no kerbside objects
};
