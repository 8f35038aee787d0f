#pragma once

#include "core/telemetry/AviRecords.h"

// One G-sensor sample in units: the raw axis counts divided by 256.
class GSensor
{
public:
    GSensor() = default;
    GSensor(float x, float y, float z) : x(x), y(y), z(z) {}
    static GSensor fromRecord(const AviGSensorRecord &record)
    {
        return {scaled(record.xCounts()), scaled(record.yCounts()), scaled(record.zCounts())};
    }

    friend bool operator==(const GSensor &, const GSensor &) = default;

    float x = 0;
    float y = 0;
    float z = 0;

private:
    // Exact in double, then one rounding to float.
    static float scaled(qint32 counts) { return static_cast<float>(counts / 256.0); }
};
