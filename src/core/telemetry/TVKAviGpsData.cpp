#include "core/telemetry/TVKAviGpsData.h"

const _AVI_GPS_DATA_T &TVKAviGpsData::data() const
{
    static const _AVI_GPS_DATA_T zero;
    return m_data ? *m_data : zero;
}
