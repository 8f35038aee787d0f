#include "writers/democard/DemoTraffic.h"

#include "writers/democard/DemoNoise.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLeadDecel = 7.6; // it brakes even harder than we can
constexpr double kLeadReaction = 0.6;
constexpr double kOncomingSpeed = 11.0;
constexpr double kOncomingSpacing = 70.0;
constexpr double kRange = 260.0;

double blend(double a, double b, double f)
{
    f = std::clamp(f, 0.0, 1.0);
    return a + (b - a) * f * f * (3 - 2 * f);
}

} // namespace

DemoTraffic::DemoTraffic(const DemoDrive &drive, quint64 seed)
    : m_drive(drive), m_seed(seed), m_leave(drive.parkTime() - 6), m_atLeave(drive.at(m_leave)),
      m_leadBrake(drive.brakeTime() - kLeadReaction)
{
    m_leadSpeed = drive.at(m_leadBrake).speed;
    m_leadStop = drive.brakeStopDistance() + 4.5;
    m_leadStart = m_leadStop - m_leadSpeed * m_leadSpeed / (2 * kLeadDecel);
    m_leadGo = drive.brakeTime() + 3.0;
}

double DemoTraffic::normalGap(const DemoDrive::State &state) const
{
    // Queued close at a light, further back at speed.
    return 7 + 1.3 * state.speed +
           3 * demo::smooth(m_seed, demo::TrafficStream, state.distance / 120);
}

double DemoTraffic::leadDistance(double t, const DemoDrive::State &state) const
{
    const double ego = state.distance;
    const double gapAtBrake = m_leadStart - m_drive.at(m_leadBrake).distance;
    if (t < m_leadBrake - 8)
        return ego + normalGap(state);
    if (t < m_leadBrake - 3)
        return ego + blend(normalGap(state), gapAtBrake, (t - (m_leadBrake - 8)) / 5);
    if (t < m_leadBrake)
        return ego + gapAtBrake;
    const double braking = std::min(t - m_leadBrake, m_leadSpeed / kLeadDecel);
    double s = m_leadStart + m_leadSpeed * braking - kLeadDecel * braking * braking / 2;
    if (t >= m_leadGo) {
        const double going = std::min(t - m_leadGo, 8.0);
        s += 1.1 * going * going;
        if (t - m_leadGo > 8)
            s += 17.6 * (t - m_leadGo - 8);
        // Then it settles back into the ordinary gap ahead of us.
        if (t > m_leadGo + 8)
            s = blend(s, ego + normalGap(state), (t - m_leadGo - 8) / 6);
    }
    return s;
}

DemoTraffic::Car DemoTraffic::lead(double t, const DemoDrive::State &state) const
{
    Car car;
    car.lateral = DemoDrive::kLane;
    car.model = Sedan;
    car.colour = 1;
    if (t < m_leave) {
        car.distance = leadDistance(t, state);
        const bool eventBraking = t >= m_leadBrake && t < m_leadGo + 0.5;
        car.braking = eventBraking || state.accel < -0.5 || state.speed < 0.3;
    } else {
        car.distance =
            leadDistance(m_leave, m_atLeave) + std::max(m_atLeave.speed, 7.0) * (t - m_leave);
    }
    return car;
}

QList<DemoTraffic::Car> DemoTraffic::cars(double t) const
{
    const DemoDrive::State state = m_drive.at(t);
    const double ego = state.distance;
    QList<Car> cars;
    cars.append(lead(t, state));

    Car behind;
    behind.lateral = DemoDrive::kLane;
    behind.model = Suv;
    behind.colour = 4;
    const double followGap =
        8 + 1.4 * state.speed + 3 * demo::smooth(m_seed, demo::TrafficStream + 1, ego / 90);
    if (t < m_leave) {
        behind.distance = ego - followGap;
    } else {
        // We pull over; it drives on past us.
        const double gapThen = 8 + 1.4 * m_atLeave.speed;
        behind.distance =
            m_atLeave.distance - gapThen + std::max(m_atLeave.speed, 8.0) * (t - m_leave);
    }
    cars.append(behind);

    // The next lane to the left: a bus and two cars drifting ahead and back.
    const double bases[] = {22, -30, 55};
    for (int k = 0; k < 3; ++k) {
        Car c;
        c.lateral = 1.75;
        c.model = k == 2 ? Bus : (k == 1 ? Suv : Sedan);
        c.colour = 2 + k * 3;
        const double drift =
            15 * demo::smooth(m_seed, demo::TrafficStream + 10 + quint64(k), ego / 150);
        if (t < m_leave) {
            c.distance = ego + bases[k] + drift;
        } else {
            const double drift0 = 15 * demo::smooth(m_seed, demo::TrafficStream + 10 + quint64(k),
                                                    m_atLeave.distance / 150);
            c.distance = m_atLeave.distance + bases[k] + drift0 +
                         std::max(m_atLeave.speed, 8.5 + k) * (t - m_leave);
        }
        c.braking = t < m_leave && (state.accel < -0.5 || state.speed < 0.3);
        cars.append(c);
    }

    // Passers-by while we are parked: what the motion detection saw.
    const double slot = m_drive.slotSeconds();
    for (int k = 0; k < 3; ++k) {
        const double when = DemoDrive::kParkedSlot * slot + slot * (0.15 + 0.3 * k);
        const double speed = 9 + 3 * demo::uniform(m_seed, demo::TrafficStream + 20, quint64(k));
        Car c;
        c.lateral = k == 1 ? 1.75 : DemoDrive::kLane;
        c.model = k == 2 ? Suv : Sedan;
        c.colour = 5 + k;
        c.distance = m_drive.parkedDistance() + speed * (t - when);
        if (t > m_drive.parkedTime())
            cars.append(c);
    }

    // The oncoming stream, slowed while the lights hold us.
    const double clock = state.oncomingClock;
    const double moved = kOncomingSpeed * clock;
    const auto first = static_cast<qint64>(std::floor((ego - kRange + moved) / kOncomingSpacing));
    for (qint64 j = first; j <= first + qint64(2 * kRange / kOncomingSpacing) + 1; ++j) {
        const auto index = static_cast<quint64>(j + (1 << 20));
        const double jitter = 40 * demo::uniform(m_seed, demo::TrafficStream + 30, index);
        Car c;
        c.sameWay = false;
        c.distance = double(j) * kOncomingSpacing + jitter - moved;
        c.lateral = demo::uniform(m_seed, demo::TrafficStream + 31, index) < 0.5 ? -1.75 : -5.25;
        const double pick = demo::uniform(m_seed, demo::TrafficStream + 32, index);
        c.model = pick < 0.12 ? Bus : (pick < 0.45 ? Suv : Sedan);
        c.colour = int(demo::uniform(m_seed, demo::TrafficStream + 33, index) * 8);
        cars.append(c);
    }

    cars.removeIf([ego](const Car &c) { return std::fabs(c.distance - ego) > kRange; });
    return cars;
}

double DemoTraffic::nearestCar(double t) const
{
    const DemoDrive::State state = m_drive.at(t);
    double nearest = kRange;
    for (const Car &c : cars(t)) {
        nearest =
            std::min(nearest, std::hypot(c.distance - state.distance, c.lateral - state.lateral));
    }
    return nearest;
}
