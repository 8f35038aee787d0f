#pragma once

#include "writers/democard/DemoRoute.h"

#include <QtGlobal>

#include <vector>

// One continuous drive, simulated a hundred times a second: the car waits at the light by
// Gwanghwamun, drives off, rides with the traffic, stops at red lights, brakes hard once
// (the event), and at last pulls over to the kerb and parks. The card's recordings are
// consecutive slots of this drive: slots 0 to 5 drive, slot 6 is parked.
class DemoDrive
{
public:
    static constexpr int kSlots = 7;
    static constexpr int kParkedSlot = 6;
    static constexpr double kStep = 0.01; // seconds
    static constexpr double kLane = 5.25; // metres right of the centre line: the middle lane
    static constexpr double kKerbLane = 9.3;

    struct State
    {
        double time = 0;
        double distance = 0;      // metres along the route
        double speed = 0;         // m/s
        double accel = 0;         // m/s^2 along the car, positive speeding up
        double lateral = kLane;   // metres right of the centre line
        double lateralAccel = 0;  // m/s^2 across the car, positive to the right
        double oncomingClock = 0; // seconds of flowing traffic on the other side
        DemoRoute::Pose pose;     // of the road at `distance`
        QPointF position;         // of the car, metres east/north
    };

    struct LightStop
    {
        double stopDistance; // where the car came to rest
        double redFrom;      // the car began to stop for it
        double greenAt;
    };

    DemoDrive(const DemoRoute &route, double slotSeconds, quint64 seed);

    // The state at t seconds from the start of the first slot, between the simulated steps.
    State at(double t) const;
    double slotSeconds() const { return m_slot; }
    double duration() const { return m_slot * kSlots; }

    // The event: the moment the driver stamps on the brake, where the car came to rest and when.
    double brakeTime() const { return m_brakeTime; }
    double brakeStopTime() const { return m_brakeStopTime; }
    double brakeStopDistance() const { return m_brakeStopDistance; }
    // The car starts to pull over at parkTime() and is parked from parkedTime().
    double parkTime() const { return m_parkTime; }
    double parkedTime() const { return m_parkedTime; }
    double parkedDistance() const { return m_parkedDistance; }

    const std::vector<LightStop> &lightStops() const { return m_lights; }
    const DemoRoute &route() const { return m_route; }

private:
    struct Segment
    {
        enum Kind { Cruise, Light, Emergency, Park };
        double start;
        double target; // m/s
        double accel;
        double decel;
        Kind kind;
    };

    std::vector<Segment> plan(quint64 seed) const;
    void simulate(const std::vector<Segment> &segments);
    double laneAt(double t, double *accel) const;

    const DemoRoute &m_route;
    double m_slot;
    double m_brakeTime;
    double m_parkTime;
    double m_brakeStopTime = 0;
    double m_brakeStopDistance = 0;
    double m_parkedTime = 0;
    double m_parkedDistance = 0;
    std::vector<State> m_states;
    std::vector<LightStop> m_lights;
};
