// The walk over a recording's chunk index (TVKBlackBoxData::extract).
#include "TVKBlackBoxData.h"
#include "TVKTelemetryBuilder.h"

#include <QFileDevice>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

// The camera reserves its headers so that the movi list always sits at the same place.
constexpr qint64 kMoviSizeAt = 14136; // size S of the movi list
constexpr qint64 kChunkBase = 14140;  // the movi type code; chunk offsets count from here
constexpr qint64 kIndexBase = 14148;  // first index entry at kIndexBase + S
constexpr qint64 kRecordBase = 14148; // a chunk's record at kRecordBase + offset
constexpr qint64 kEntrySize = 16;
constexpr qint64 kIndexBlock = 64 * 1024; // the index is read in blocks of this size
constexpr quint32 kLargestGSensorChunk = 32;
// A chunk is its code, its size, then the record.
static_assert(kRecordBase == kChunkBase + 8);

// Positioned reads: pread on a file's descriptor, seek and read on any other device.
class PositionedReader
{
public:
    explicit PositionedReader(QIODevice &device) : m_device(device)
    {
        auto *file = qobject_cast<QFileDevice *>(&device);
        if (file && !file->isSequential())
            m_fd = file->handle();
    }

    // Reads up to `size` bytes at `pos`; fewer only at the end of the file or on an error.
    qint64 readAt(qint64 pos, char *buffer, qint64 size)
    {
        qint64 done = 0;
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

private:
    QIODevice &m_device;
    int m_fd = -1;
};

quint32 le32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

} // namespace

tvk::Result<TVKTelemetryPtr> TVKBlackBoxData::extract(QIODevice &file, ExtractionInfo *info)
{
    if (info)
        *info = ExtractionInfo();
    const tvk::Failure notARecording{QT_TRID_NOOP("msg.not_a_recording")};
    if (!file.isOpen() || !file.isReadable() || file.isSequential())
        return notARecording;

    PositionedReader reader(file);
    char head[12];
    if (reader.readAt(0, head, sizeof head) != sizeof head || std::memcmp(head, "RIFF", 4) != 0 ||
        std::memcmp(head + 8, "AVI ", 4) != 0)
        return notARecording;
    const qint64 riffEnd = qint64(le32(head + 4)) + 8;
    const qint64 fileSize = file.size();

    char moviSize[4];
    if (reader.readAt(kMoviSizeAt, moviSize, sizeof moviSize) != sizeof moviSize)
        return TVKTelemetry::empty(); // too short to hold the movi list: nothing to find
    const qint64 indexStart = kIndexBase + le32(moviSize);
    if (info) {
        info->moviSizeRead = true;
        info->moviSize = le32(moviSize);
        info->indexAddress = static_cast<quint64>(indexStart);
    }
    // A movi size that puts the index beyond the file (a recording cut before its index was
    // written) leaves nothing to walk.
    if (indexStart >= fileSize)
        return TVKTelemetry::empty();

    TVKTelemetryBuilder builder;
    std::vector<char> block(static_cast<size_t>(std::min(kIndexBlock, fileSize - indexStart)));
    qint64 blockPos = indexStart, blockLength = 0;
    char record[_AVI_GPS_DATA_T::kSize];
    for (qint64 pos = indexStart; pos <= riffEnd && pos < fileSize; pos += kEntrySize) {
        if (pos + kEntrySize > blockPos + blockLength) {
            blockPos = pos;
            blockLength = reader.readAt(pos, block.data(),
                                        std::min<qint64>(qint64(block.size()), fileSize - pos));
            if (blockLength <= 0)
                break;
        }
        const char *entry = block.data() + (pos - blockPos);
        const qint64 available = std::min(kEntrySize, blockPos + blockLength - pos);
        if (available < 4 || std::memcmp(entry, "02sb", 4) != 0)
            continue;
        if (available < kEntrySize)
            break; // the index ends inside this entry: its offset and size are gone
        const quint32 offset = le32(entry + 8);
        const quint32 size = le32(entry + 12);
        const qint64 recordPos = kRecordBase + offset;
        // A chunk that does not lie inside the file is not read (damaged index).
        if (recordPos >= fileSize || recordPos + qint64(size) > fileSize)
            continue;
        if (size > kLargestGSensorChunk) {
            const qint64 n = reader.readAt(recordPos, record, _AVI_GPS_DATA_T::kSize);
            if (n <= 0)
                break;
            builder.addGpsRecord(_AVI_GPS_DATA_T::fromBytes(record, n));
        } else {
            const qint64 n = reader.readAt(recordPos, record, _AVI_GSENSOR_DATA_T::kSize);
            if (n <= 0)
                break;
            builder.addGSensorRecord(_AVI_GSENSOR_DATA_T::fromBytes(record, n));
        }
    }
    return builder.finish();
}
