#include "writers/democard/DemoAudio.h"

#include "writers/democard/DemoNoise.h"
#include "writers/democard/DemoTraffic.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kControlSamples = 160; // the drive is looked at every 10 ms

double rpmFor(double kmh)
{
    // Revs per km/h in each gear, and the speed at which the driver changes up.
    constexpr double ratio[] = {110, 62, 42, 32, 26};
    constexpr double upAt[] = {15, 28, 42, 60, 1e9};
    int gear = 0;
    while (kmh >= upAt[gear])
        ++gear;
    return std::max(780.0, ratio[gear] * kmh);
}

} // namespace

DemoAudio::DemoAudio(const DemoDrive &drive, const DemoTraffic &traffic, double from, quint64 seed)
    : m_drive(drive), m_traffic(traffic),
      m_state(demo::hash(seed, demo::AudioStream, static_cast<quint64>(from * 1000))), m_from(from)
{}

double DemoAudio::noise()
{
    // xorshift64*: one white-noise value in [-1, 1).
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return double((m_state * 0x2545F4914F6CDD1Dull) >> 11) * 0x1.0p-52 - 1.0;
}

DemoAudio::Control DemoAudio::control(double t) const
{
    const DemoDrive::State s = m_drive.at(t);
    Control c;
    c.engine = t < m_drive.parkedTime() + 1.5;
    const double kmh = s.speed * 3.6;
    c.rpm = c.engine ? rpmFor(kmh) : 0;
    c.load = c.engine ? std::clamp(0.35 + s.accel / 2.5, 0.15, 1.0) : 0;
    c.road = std::pow(s.speed / 14, 1.3);
    const double nearest = m_traffic.nearestCar(t);
    c.street = 0.15 + 1.5 / (1 + nearest * nearest / 40);
    return c;
}

QByteArray DemoAudio::next(int count)
{
    QByteArray bytes(2 * count, Qt::Uninitialized);
    const double brake = m_drive.brakeTime();
    const double stop = m_drive.brakeStopTime();
    const double indicatorFrom = m_drive.parkTime() - 5.5;
    const double indicatorTo = m_drive.parkedTime() + 1;
    for (int i = 0; i < count; ++i, ++m_index) {
        const qint64 step = m_index / kControlSamples;
        if (step != m_controlStep) {
            m_before = m_controlStep == step - 1 ? m_after : control(m_from + double(step) / 100);
            m_after = control(m_from + double(step + 1) / 100);
            m_controlStep = step;
        }
        const double f = double(m_index % kControlSamples) / kControlSamples;
        const double t = m_from + double(m_index) / kSampleRate;
        const double rpm = m_before.rpm + (m_after.rpm - m_before.rpm) * f;
        const double load = m_before.load + (m_after.load - m_before.load) * f;
        const double road = m_before.road + (m_after.road - m_before.road) * f;
        const double street = m_before.street + (m_after.street - m_before.street) * f;

        double out = 0;
        if (rpm > 0) {
            // Four cylinders fire twice a revolution; the half order gives the engine its beat.
            m_phase += rpm / 60 / kSampleRate;
            const double cycle = kTwoPi * m_phase;
            const double hum = std::sin(2 * cycle) + 0.55 * std::sin(4 * cycle + 0.3) +
                               0.3 * std::sin(6 * cycle + 1.1) + 0.18 * std::sin(8 * cycle) +
                               0.35 * std::sin(cycle + 0.7);
            out += 1700 * (0.55 + 0.45 * load) * std::sqrt(rpm / 2000) * hum;
        }
        // Tyre roar: white noise through two low passes, a little over 500 Hz.
        const double white = noise();
        m_low1 += 0.18 * (white - m_low1);
        m_low2 += 0.18 * (m_low1 - m_low2);
        out += 5200 * road * m_low2;
        m_street += 0.05 * (white - m_street);
        out += 2600 * street * m_street;
        if (t >= indicatorFrom && t < indicatorTo) {
            const double tick = std::fmod(t - indicatorFrom, 0.7);
            if (tick < 0.012)
                out += 3000 * std::exp(-tick * 400) * std::sin(kTwoPi * 2300 * tick);
        }
        if (t >= brake + 0.15 && t < stop) {
            // A resonator rung by noise: the squeal of locked tyres.
            const double w = kTwoPi * 2100 / kSampleRate;
            const double ring = 1.985 * std::cos(w) * m_ring1 - 0.985 * 0.985 * m_ring2 + white;
            m_ring2 = m_ring1;
            m_ring1 = ring;
            out += 260 * std::min(1.0, (t - brake - 0.15) * 4) * ring;
        }
        if (t >= stop + 0.4 && t < stop + 1.3) {
            const double h = t - stop - 0.4;
            out += 1800 * std::min(1.0, h * 30) *
                   (std::sin(kTwoPi * 420 * h) + 0.8 * std::sin(kTwoPi * 500 * h) +
                    0.3 * std::sin(kTwoPi * 1260 * h));
        }
        const auto sample =
            static_cast<qint16>(std::clamp(std::lround(1.6 * out), -32000L, 32000L));
        qToLittleEndian(sample, bytes.data() + 2 * i);
    }
    return bytes;
}
