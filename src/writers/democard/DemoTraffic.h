#pragma once

#include "writers/democard/DemoDrive.h"

#include <QList>

// The other cars around ours, as functions of time so that a car drives on unbroken from one
// recording into the next: the car ahead in our lane (the one that brakes in the event), the
// car behind, cars in the next lane, the oncoming stream, and once we are parked the cars that
// pass us and set off the motion recording.
class DemoTraffic
{
public:
    enum Model { Sedan, Suv, Bus };

    struct Car
    {
        double distance = 0; // along the route, of the car's middle
        double lateral = 0;  // metres right of the centre line
        bool sameWay = true; // false: oncoming, seen nose first from ahead
        bool braking = false;
        Model model = Sedan;
        int colour = 0; // index into the palette of the drawing
    };

    DemoTraffic(const DemoDrive &drive, quint64 seed);

    // Every car within about 250 m of ours at time t.
    QList<Car> cars(double t) const;
    // Metres from our car to the nearest other one, for the street noise.
    double nearestCar(double t) const;

private:
    double normalGap(const DemoDrive::State &state) const;
    Car lead(double t, const DemoDrive::State &state) const;
    double leadDistance(double t, const DemoDrive::State &state) const;

    const DemoDrive &m_drive;
    quint64 m_seed;
    double m_leave; // from here on the cars in our lane drive on at their own pace
    DemoDrive::State m_atLeave;
    double m_leadBrake; // the car ahead brakes hard here (the event)
    double m_leadSpeed; // its speed when it does
    double m_leadStart; // where it is when it does
    double m_leadStop;  // where it comes to rest
    double m_leadGo;    // when it drives off again
};
