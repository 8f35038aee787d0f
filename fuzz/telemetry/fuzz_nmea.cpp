// The NMEA side of a GPS record: one sentence through the parser, the bytes as the text of a
// record through the sentence splitting, and as the RawData of a record whose nLen is the
// input's length (often beyond the 508 bytes).
#include "core/telemetry/NmeaSentenceParser.h"
#include "core/telemetry/TelemetryBuilder.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);

    NmeaSentenceParser parser;
    const GpsData before = parser.m_Current;
    if (!parser.parse(bytes.c_str()) && !(parser.m_Current == before))
        std::abort(); // a rejected sentence changed the fix
    parser.parse(QByteArrayView(bytes.data(), qsizetype(bytes.size())));

    std::vector<char> text(bytes.begin(), bytes.end());
    TelemetryBuilder builder;
    builder.ParseNMEA(text.data(), qsizetype(text.size()));
    qsizetype lineEnds = 0;
    for (const char c : text)
        lineEnds += c == '\0';
    if (builder.snapshot()->m_NMEAs.size() > lineEnds)
        std::abort(); // at most one fix per line

    AviGpsRecord record;
    std::memcpy(record.RawData, bytes.data(),
                std::min(bytes.size(), size_t(AviGpsRecord::kRawDataSize)));
    record.nLen = static_cast<quint32>(size);
    builder.addGpsRecord(record);
    const RecordedTelemetryPtr t = builder.finish();
    if (t->m_GpsRecords.size() != 1 || t->m_GpsRecordNMEAEnds.last() != t->m_NMEAs.size())
        std::abort();
    return 0;
}
