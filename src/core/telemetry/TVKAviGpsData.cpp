#include "core/telemetry/TVKAviGpsData.h"

const AviGpsRecord &TVKAviGpsData::data() const
{
    static const AviGpsRecord zero;
    return m_data ? *m_data : zero;
}
