// The extraction over the bytes of a file. Inputs shorter than the camera's fixed headers
// (14140 bytes) are read as what follows them: the harness puts "RIFF", the input's first
// four bytes as the RIFF size, "AVI " and zeros before the rest, so the input's next four
// bytes are the movi size and chunk offsets count from its byte 8. Longer inputs are taken
// as whole files.
#include "core/telemetry/BlackBoxData.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr qsizetype kMoviSizeAt = 14136;

QByteArray fileOf(const uint8_t *data, size_t size)
{
    const auto *bytes = reinterpret_cast<const char *>(data);
    if (size >= size_t(kMoviSizeAt + 4))
        return QByteArray(bytes, qsizetype(size));
    QByteArray file(kMoviSizeAt, '\0');
    std::memcpy(file.data(), "RIFF", 4);
    std::memcpy(file.data() + 4, bytes, std::min<size_t>(size, 4));
    std::memcpy(file.data() + 8, "AVI ", 4);
    if (size > 4)
        file.append(bytes + 4, qsizetype(size - 4));
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file = fileOf(data, size);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    const tvk::Result<RecordedTelemetryPtr> extracted = BlackBoxData::extract(buffer);
    const bool ok = extracted.ok();
    const RecordedTelemetryPtr t = ok ? *extracted : RecordedTelemetry::empty();
    const bool consistent = t->m_GSensors.size() == t->m_vGSensorData.size() &&
                            t->m_vGpsData.size() <= t->m_vGSensorData.size() &&
                            t->m_vGpsRecordIndex.size() == t->m_vGpsData.size() &&
                            t->m_GpsRecordNMEAEnds.size() == t->m_GpsRecords.size() &&
                            (ok || t->isEmpty());
    // Every entry costs at least 16 bytes of index: the arrays never outgrow the file.
    const qsizetype entries = file.size() / 16 + 1;
    if (!consistent || t->m_vGSensorData.size() + t->m_GpsRecords.size() > entries)
        std::abort();
    // A route's extraction keeps the same GPS records and fixes.
    buffer.seek(0);
    const tvk::Result<RecordedTelemetryPtr> route = BlackBoxData::extractRoute(buffer);
    if (route.ok() != ok ||
        (ok && ((*route)->m_GpsRecords != t->m_GpsRecords || (*route)->m_NMEAs != t->m_NMEAs)))
        std::abort();
    return 0;
}
