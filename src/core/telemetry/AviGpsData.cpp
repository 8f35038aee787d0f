#include "core/telemetry/AviGpsData.h"

const AviGpsRecord &AviGpsData::data() const
{
    static const AviGpsRecord zero;
    return m_data ? *m_data : zero;
}
