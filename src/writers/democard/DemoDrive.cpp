#include "writers/democard/DemoDrive.h"

#include "writers/democard/DemoNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kmh(double value)
{
    return value / 3.6;
}

constexpr double kJerk = 3.0;           // m/s^3 of an unhurried driver
constexpr double kEmergencyJerk = 40.0; // a foot stamped on the pedal
constexpr double kEmergencyDecel = 6.9; // m/s^2, about 0.7 g: well past the event threshold
constexpr double kLaneChange = 5.0;     // seconds to pull over

} // namespace

DemoDrive::DemoDrive(const DemoRoute &route, double slotSeconds, quint64 seed)
    : m_route(route), m_slot(slotSeconds), m_brakeTime(3.4 * slotSeconds),
      m_parkTime(6 * slotSeconds - std::clamp(0.45 * slotSeconds, 1.5, 25.0))
{
    simulate(plan(seed));
}

std::vector<DemoDrive::Segment> DemoDrive::plan(quint64 seed) const
{
    std::vector<Segment> segments;
    quint64 draw = 0;
    auto u = [&] {
        return demo::uniform(seed, demo::PlanStream, draw++);
    };
    // Waiting at the light by the gate, then away.
    const double go = std::min(4.0, 0.1 * m_slot);
    segments.push_back({0, 0, 1.8, 1.6, Segment::Light});
    double t = go;
    double nextLight = go + 25 + 30 * u();
    const double calmFrom = m_brakeTime - 14;
    const double calmUntil = m_brakeTime + 4;
    while (t < m_parkTime) {
        const double wait = 12 + 16 * u();
        const double stopping = 9;
        if (t >= nextLight && t + stopping + wait < calmFrom - 2) {
            segments.push_back({t, 0, 1.8, 1.4 + 0.6 * u(), Segment::Light});
            t += stopping + wait;
            nextLight = t + 55 + 60 * u();
            continue;
        }
        const bool slow = u() < 0.2;
        const double target = slow ? kmh(14 + 8 * u()) : kmh(30 + 20 * u());
        segments.push_back({t, target, 1.2 + 0.9 * u(), 1.2 + 0.8 * u(), Segment::Cruise});
        t += 6 + 9 * u();
    }
    // Keep the road clear around the event and the parking: drop what falls there.
    std::vector<Segment> kept;
    for (const Segment &s : segments) {
        if (s.start >= m_parkTime - 12 || (s.start >= calmFrom && s.start < calmUntil))
            continue;
        kept.push_back(s);
    }
    auto resume = [&](double at) {
        Segment last{at, kmh(40), 1.8, 1.5, Segment::Cruise};
        for (const Segment &s : kept)
            if (s.start <= at && s.kind == Segment::Cruise)
                last = s;
        last.start = at;
        return last;
    };
    const Segment afterEvent = resume(calmUntil);
    kept.push_back({calmFrom, kmh(50), 2.0, 1.5, Segment::Cruise});
    kept.push_back({m_brakeTime, 0, 2.0, kEmergencyDecel, Segment::Emergency});
    kept.push_back({m_brakeTime + 3.5, afterEvent.target, 1.8, 1.5, Segment::Cruise});
    if (calmUntil < m_parkTime - 12)
        kept.push_back(afterEvent);
    // Slow down to look for a place at the kerb, once the event is well over.
    kept.push_back({std::max(m_parkTime - 12, calmUntil), kmh(28), 1.5, 1.5, Segment::Cruise});
    kept.push_back({m_parkTime, 0, 1.0, 1.2, Segment::Park});
    std::stable_sort(kept.begin(), kept.end(),
                     [](const Segment &a, const Segment &b) { return a.start < b.start; });
    return kept;
}

double DemoDrive::laneAt(double t, double *accel) const
{
    // A smooth pull-over to the kerb that ends as the car starts braking to park.
    const double from = m_parkTime - kLaneChange;
    const double delta = kKerbLane - kLane;
    *accel = 0;
    if (t <= from)
        return kLane;
    if (t >= m_parkTime)
        return kKerbLane;
    const double phase = std::numbers::pi * (t - from) / kLaneChange;
    *accel = delta / 2 * std::pow(std::numbers::pi / kLaneChange, 2) * std::cos(phase);
    return kLane + delta * (1 - std::cos(phase)) / 2;
}

void DemoDrive::simulate(const std::vector<Segment> &segments)
{
    const auto steps = static_cast<std::size_t>(std::ceil(duration() / kStep)) + 2;
    m_states.reserve(steps);
    double s = 0, v = 0, a = 0, clock = 0;
    std::size_t current = 0;
    bool stoppedForLight = false;
    bool parkDecelSet = false;
    double parkDecel = 1.2;
    for (std::size_t n = 0; n < steps; ++n) {
        const double t = double(n) * kStep;
        while (current + 1 < segments.size() && segments[current + 1].start <= t + 1e-9) {
            ++current;
            stoppedForLight = false;
        }
        const Segment &seg = segments[current];
        if (seg.kind == Segment::Park && !parkDecelSet) {
            // Brake just hard enough to be parked before the parked slot starts.
            parkDecel = std::clamp(v / std::max(0.5, 0.7 * (6 * m_slot - t)), 1.2, 3.5);
            parkDecelSet = true;
        }
        const double decel = seg.kind == Segment::Park ? parkDecel : seg.decel;
        double wanted;
        if (seg.target <= 0) {
            wanted = seg.kind == Segment::Emergency ? -decel : -std::min(decel, 0.5 + 1.2 * v);
        } else {
            const double target = std::min(seg.target, m_route.speedCap(s));
            wanted = std::clamp(0.5 * (target - v), -decel, seg.accel);
        }
        const double jerk = seg.kind == Segment::Emergency ? kEmergencyJerk : kJerk;
        a += std::clamp(wanted - a, -jerk * kStep, jerk * kStep);
        if (v <= 0 && a < 0)
            a = 0;

        State state;
        state.time = t;
        state.distance = s;
        state.speed = v;
        state.accel = a;
        double laneAccel = 0;
        state.lateral = laneAt(t, &laneAccel);
        state.pose = m_route.at(s);
        // The lane's own bend: tighter on the inside of a turn, wider on the outside.
        const double lane = 1 - state.lateral * state.pose.curvature;
        const double stretch = 1 / std::max(lane, 0.3);
        state.lateralAccel = v * v * state.pose.curvature * stretch + laneAccel;
        state.oncomingClock = clock;
        state.position = m_route.point(s, state.lateral);
        m_states.push_back(state);

        const double next = v + a * kStep;
        if (next <= 0 && v > 0) {
            // Came to rest during this step.
            s += v * v / (2 * std::max(-a, 1e-6)) * stretch;
            v = 0;
            a = 0;
            if (seg.kind == Segment::Light && !stoppedForLight && current + 1 < segments.size()) {
                m_lights.push_back({s, seg.start, segments[current + 1].start});
                stoppedForLight = true;
            }
            if (seg.kind == Segment::Emergency && m_brakeStopTime == 0) {
                m_brakeStopTime = t + kStep;
                m_brakeStopDistance = s;
            }
            if (seg.kind == Segment::Park && m_parkedTime == 0) {
                m_parkedTime = t + kStep;
                m_parkedDistance = s;
            }
        } else {
            s += (v + next) / 2 * kStep * stretch;
            v = std::max(next, 0.0);
        }
        clock += (0.3 + 0.7 * std::min(1.0, v / 8)) * kStep;
    }
    if (segments.front().kind == Segment::Light && segments.size() > 1)
        m_lights.insert(m_lights.begin(), {0, -10, segments[1].start});
    if (m_brakeStopTime == 0) {
        m_brakeStopTime = m_brakeTime;
        m_brakeStopDistance = at(m_brakeTime).distance;
    }
    if (m_parkedTime == 0) {
        m_parkedTime = duration();
        m_parkedDistance = m_states.back().distance;
    }
}

DemoDrive::State DemoDrive::at(double t) const
{
    const double x = std::clamp(t / kStep, 0.0, double(m_states.size() - 1));
    const auto i = std::min(static_cast<std::size_t>(x), m_states.size() - 2);
    const double f = x - double(i);
    const State &p = m_states[i];
    const State &q = m_states[i + 1];
    State r = p;
    r.time = t;
    r.distance = p.distance + (q.distance - p.distance) * f;
    r.speed = p.speed + (q.speed - p.speed) * f;
    r.accel = p.accel + (q.accel - p.accel) * f;
    r.lateral = p.lateral + (q.lateral - p.lateral) * f;
    r.lateralAccel = p.lateralAccel + (q.lateralAccel - p.lateralAccel) * f;
    r.oncomingClock = p.oncomingClock + (q.oncomingClock - p.oncomingClock) * f;
    r.pose = m_route.at(r.distance);
    r.position = m_route.point(r.distance, r.lateral);
    return r;
}
