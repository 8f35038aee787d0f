#pragma once

#include "core/telemetry/AviRecords.h"

// One G-sensor sample in units: the raw axis counts divided by 256.
class TVKGSensor
{
public:
    TVKGSensor() = default;
    TVKGSensor(float x, float y, float z) : x(x), y(y), z(z) {}
    static TVKGSensor fromRecord(const AviGSensorRecord &record)
    {
        return {scaled(record.xCounts()), scaled(record.yCounts()), scaled(record.zCounts())};
    }

    friend bool operator==(const TVKGSensor &, const TVKGSensor &) = default;

    float x = 0;
    float y = 0;
    float z = 0;

private:
    // Exact in double, then one rounding to float.
    static float scaled(qint32 counts) { return static_cast<float>(counts / 256.0); }
};
