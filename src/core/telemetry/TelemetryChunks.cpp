#include "core/telemetry/TelemetryChunks.h"

#include <QBuffer>
#include <QFileDevice>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
// What one kept item costs in memory: the record or fix itself and its entries in the
// telemetry's parallel lists (a GPS record is shared between them, with its control block).
constexpr qint64 kGpsRecordCost = sizeof(AviGpsRecord) + 64;
constexpr qint64 kGSensorCost = sizeof(AviGSensorData) + sizeof(GSensor) + sizeof(AviGpsData) +
                                sizeof(qsizetype) + 2 * sizeof(quint32);
constexpr qint64 kSentenceCost = sizeof(GpsData);
// The telemetry may cost at most this many times the file. A recording holding nothing but
// telemetry, as densely as the camera writes it, costs about 1.7 times its size and is read
// whole; a file packed to inflate the extraction stops at the bound, so that the whole
// command stays within 64 MB plus four times the file.
constexpr qint64 kCostPerFileByte = 2;
constexpr qint64 kSmallFileAllowance = 1 << 20;
} // namespace

PositionedReader::PositionedReader(QIODevice &device) : m_device(device)
{
    auto *file = qobject_cast<QFileDevice *>(&device);
    if (file && !file->isSequential())
        m_fd = file->handle();
    auto *buffer = qobject_cast<QBuffer *>(&device);
    if (buffer && buffer->isReadable()) {
        m_bytes = buffer->data();
        m_inMemory = true;
    }
}

qint64 PositionedReader::readAt(qint64 pos, char *buffer, qint64 size)
{
    qint64 done = 0;
    if (m_inMemory) {
        if (pos < 0 || pos >= m_bytes.size() || size <= 0)
            return 0;
        done = std::min<qint64>(size, m_bytes.size() - pos);
        std::memcpy(buffer, m_bytes.data() + pos, size_t(done));
        return done;
    }
    if (m_fd >= 0) {
        while (done < size) {
            const ssize_t n = ::pread(m_fd, buffer + done, static_cast<size_t>(size - done),
                                      static_cast<off_t>(pos + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        return done;
    }
    if (!m_device.seek(pos))
        return 0;
    while (done < size) {
        const qint64 n = m_device.read(buffer + done, size - done);
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

TelemetryChunks::TelemetryChunks(PositionedReader &reader, TelemetryBuilder &builder,
                                 qint64 fileSize, Samples samples)
    : m_reader(reader), m_builder(builder), m_fileSize(fileSize),
      m_costLeft(kCostPerFileByte * std::max<qint64>(fileSize, 0) + kSmallFileAllowance),
      m_samples(samples)
{}

bool TelemetryChunks::add(qint64 recordPos, quint32 size)
{
    if (recordPos < m_nextFree || recordPos >= m_fileSize || recordPos + qint64(size) > m_fileSize)
        return true;
    m_nextFree = recordPos + qint64(size);
    char record[AviGpsRecord::kSize];
    if (size > kLargestGSensorChunk) {
        if (m_costLeft < kGpsRecordCost)
            return false;
        // Only the chunk's own bytes: the rest of a short record stays zero.
        const qint64 wanted = std::min<qint64>(size, AviGpsRecord::kSize);
        const qint64 n = m_reader.readAt(recordPos, record, wanted);
        if (n <= 0)
            return false;
        const qsizetype before = m_builder.sentenceCount();
        m_builder.addGpsRecord(AviGpsRecord::fromBytes(record, n));
        m_costLeft -= kGpsRecordCost + kSentenceCost * (m_builder.sentenceCount() - before);
        return true;
    }
    // A chunk too short for a whole sample holds none.
    if (size < AviGSensorRecord::kSize)
        return true;
    if (m_costLeft < kGSensorCost)
        return false;
    // A sample passed over still counts, so that the same GPS records are kept as when all are.
    m_costLeft -= kGSensorCost;
    if (m_samples == Samples::FirstOnly && m_sampleTaken)
        return true;
    m_sampleTaken = true;
    const qint64 n = m_reader.readAt(recordPos, record, AviGSensorRecord::kSize);
    if (n < AviGSensorRecord::kSize)
        return false;
    m_builder.addGSensorRecord(AviGSensorRecord::fromBytes(record, n));
    return true;
}
