#include "core/telemetry/NmeaCoordinate.h"

#include <cmath>
#include <cstdint>
#include <limits>

double degreesFromNmeaValue(double value)
{
    const double hundreds = value / 100.0;
    // The whole degrees are cut to a 32-bit integer. Values whose degrees do not fit (only
    // in damaged records) are cut in floating point instead of overflowing the conversion.
    double d;
    if (hundreds > std::numeric_limits<std::int32_t>::min() - 1.0 &&
        hundreds < std::numeric_limits<std::int32_t>::max() + 1.0)
        d = static_cast<double>(static_cast<std::int32_t>(hundreds));
    else
        d = std::trunc(hundreds);
    return d + (hundreds - d) * 100.0 / 60.0;
}

bool isPossiblePosition(double latitude, double longitude)
{
    return std::isfinite(latitude) && std::isfinite(longitude) && std::abs(latitude) <= 90 &&
           std::abs(longitude) <= 180;
}
