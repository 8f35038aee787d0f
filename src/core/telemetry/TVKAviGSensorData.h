#pragma once

#include "core/telemetry/AviRecords.h"

// One G-sensor record of a recording, held by value.
class TVKAviGSensorData
{
public:
    TVKAviGSensorData() = default; // an all-zero record
    explicit TVKAviGSensorData(const AviGSensorRecord &data) : m_data(data) {}
    static TVKAviGSensorData aviGSensorDataWithData(const AviGSensorRecord &data)
    {
        return TVKAviGSensorData(data);
    }

    const AviGSensorRecord &data() const { return m_data; }
    void setData(const AviGSensorRecord &data) { m_data = data; }

    friend bool operator==(const TVKAviGSensorData &, const TVKAviGSensorData &) = default;

private:
    AviGSensorRecord m_data;
};
