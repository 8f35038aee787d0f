#pragma once

#include "core/telemetry/AviRecords.h"

#include <memory>

// One GPS record of a recording. The record is immutable once made, so copies share it: the
// alignment repeats one record for every G-sensor sample it covers.
class AviGpsData
{
public:
    AviGpsData() = default; // an all-zero record
    explicit AviGpsData(const AviGpsRecord &data)
        : m_data(std::make_shared<const AviGpsRecord>(data))
    {}
    static AviGpsData aviGpsDataWithData(const AviGpsRecord &data) { return AviGpsData(data); }

    const AviGpsRecord &data() const;
    void setData(const AviGpsRecord &data) { *this = AviGpsData(data); }

    // Whether both hold the very same record (not merely an equal one).
    bool sharesRecordWith(const AviGpsData &other) const { return m_data == other.m_data; }

    friend bool operator==(const AviGpsData &a, const AviGpsData &b)
    {
        return a.m_data == b.m_data || a.data() == b.data();
    }

private:
    std::shared_ptr<const AviGpsRecord> m_data;
};
