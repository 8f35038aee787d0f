#pragma once

#include "core/telemetry/AviRecords.h"

// One G-sensor record of a recording, held by value.
class AviGSensorData
{
public:
    AviGSensorData() = default; // an all-zero record
    explicit AviGSensorData(const AviGSensorRecord &data) : m_data(data) {}
    static AviGSensorData aviGSensorDataWithData(const AviGSensorRecord &data)
    {
        return AviGSensorData(data);
    }

    const AviGSensorRecord &data() const { return m_data; }
    void setData(const AviGSensorRecord &data) { m_data = data; }

    friend bool operator==(const AviGSensorData &, const AviGSensorData &) = default;

private:
    AviGSensorRecord m_data;
};
