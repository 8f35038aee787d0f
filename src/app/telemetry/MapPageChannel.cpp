#include "app/telemetry/MapPageChannel.h"

#include <cmath>

void MapPageChannel::recordingsHere(double latitude, double longitude)
{
    // The page is a web page: its numbers are checked like any other input.
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::abs(latitude) > 90 ||
        std::abs(longitude) > 180)
        return;
    emit recordingsHereRequested(latitude, longitude);
}
