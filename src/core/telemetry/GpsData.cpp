#include "core/telemetry/GpsData.h"

quint8 GpsData::SatelliteUsedAtIndex(int index) const
{
    if (index < 0 || index >= kChannels)
        return 0;
    return SatelliteUsed[static_cast<size_t>(index)];
}

void GpsData::setSatelliteUsed(quint8 value, int index)
{
    if (index < 0 || index >= kChannels)
        return;
    SatelliteUsed[static_cast<size_t>(index)] = value;
}
