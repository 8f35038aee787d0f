#pragma once

#include <QtGlobal>

#include <cmath>
#include <numbers>

// Noise for the sample card. Every value depends only on the seed, a stream number and an
// index, never on the order of calls, so recordings can be drawn on any thread in any order
// and still come out byte for byte the same.
namespace demo {

enum NoiseStream : quint64 {
    PlanStream = 1,
    GSensorStream,
    BumpStream,
    GpsDriftStream,
    SatelliteStream,
    StreetStream,
    TrafficStream,
    AudioStream,
    BatteryStream,
};

// splitmix64's finaliser: a good 64-bit mix.
constexpr quint64 mix(quint64 x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

constexpr quint64 hash(quint64 seed, quint64 stream, quint64 index)
{
    return mix(mix(mix(seed) ^ stream) ^ index);
}

// Uniform in [0, 1).
inline double uniform(quint64 seed, quint64 stream, quint64 index)
{
    return double(hash(seed, stream, index) >> 11) * 0x1.0p-53;
}

// Uniform in [-1, 1).
inline double symmetric(quint64 seed, quint64 stream, quint64 index)
{
    return 2 * uniform(seed, stream, index) - 1;
}

// Standard normal (Box-Muller over two hashed uniforms).
inline double gaussian(quint64 seed, quint64 stream, quint64 index)
{
    const double u1 = 1.0 - uniform(seed, stream, 2 * index);
    const double u2 = uniform(seed, stream, 2 * index + 1);
    return std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
}

// Smooth noise in [-1, 1]: random knots at whole x, eased in between.
inline double smooth(quint64 seed, quint64 stream, double x)
{
    const double knot = std::floor(x);
    const double f = x - knot;
    const double ease = f * f * (3 - 2 * f);
    const auto i = static_cast<qint64>(knot);
    const double a = symmetric(seed, stream, static_cast<quint64>(i));
    const double b = symmetric(seed, stream, static_cast<quint64>(i + 1));
    return a + (b - a) * ease;
}

} // namespace demo
