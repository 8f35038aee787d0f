#pragma once

#include "core/telemetry/AviRecords.h"

// One G-sensor record of a recording, held by value.
class TVKAviGSensorData
{
public:
    TVKAviGSensorData() = default; // an all-zero record
    explicit TVKAviGSensorData(const _AVI_GSENSOR_DATA_T &data) : m_data(data) {}
    static TVKAviGSensorData aviGSensorDataWithData(const _AVI_GSENSOR_DATA_T &data)
    {
        return TVKAviGSensorData(data);
    }

    const _AVI_GSENSOR_DATA_T &data() const { return m_data; }
    void setData(const _AVI_GSENSOR_DATA_T &data) { m_data = data; }

    friend bool operator==(const TVKAviGSensorData &, const TVKAviGSensorData &) = default;

private:
    _AVI_GSENSOR_DATA_T m_data;
};
