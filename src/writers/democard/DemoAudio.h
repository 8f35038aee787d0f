#pragma once

#include "writers/democard/DemoDrive.h"

#include <QByteArray>

class DemoTraffic;

// The front camera's microphone: the engine's hum rising and falling with the revs, tyre and
// road noise growing with speed, the indicator ticking while the car pulls over, tyres
// squealing in the hard stop and the horn of the car behind; once parked, the street.
// 16-bit mono at 16 kHz, produced in order from a start time.
class DemoAudio
{
public:
    static constexpr int kSampleRate = 16000;

    DemoAudio(const DemoDrive &drive, const DemoTraffic &traffic, double from, quint64 seed);

    // The next `count` samples, little-endian.
    QByteArray next(int count);

private:
    struct Control
    {
        double rpm;
        double load;
        double road;   // tyre noise level
        double street; // level of the traffic heard outside
        bool engine;
    };
    Control control(double t) const;
    double noise();

    const DemoDrive &m_drive;
    const DemoTraffic &m_traffic;
    quint64 m_state;
    qint64 m_index = 0;
    double m_from;
    double m_phase = 0; // engine cycles
    double m_low1 = 0, m_low2 = 0, m_street = 0;
    double m_ring1 = 0, m_ring2 = 0; // squeal resonator
    Control m_before{};
    Control m_after{};
    qint64 m_controlStep = -1;
};
