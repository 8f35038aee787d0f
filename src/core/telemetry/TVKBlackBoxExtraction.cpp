// The walks over a recording's chunks (TVKBlackBoxData::extract): through the index when the
// recording has a whole one, else chunk by chunk through the movi list.
#include "core/telemetry/AviRecords.h"
#include "core/telemetry/TVKBlackBoxData.h"
#include "core/telemetry/TVKTelemetryBuilder.h"
#include "core/telemetry/TelemetryChunks.h"

#include <QtEndian>

#include <cstring>
#include <vector>

namespace {

// The camera reserves its headers so that the movi list always sits at the same place.
constexpr qint64 kMoviSizeAt = 14136; // size S of the movi list
constexpr qint64 kChunkBase = 14140;  // the movi type code; chunk offsets count from here
constexpr qint64 kIndexBase = 14148;  // first index entry at kIndexBase + S
constexpr qint64 kRecordBase = 14148; // a chunk's record at kRecordBase + offset
constexpr qint64 kEntrySize = 16;
constexpr qint64 kIndexBlock = 64 * 1024; // the index is read in blocks of this size
// A chunk is its code, its size, then the record.
static_assert(kRecordBase == kChunkBase + 8);

quint32 le32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

void walkIndex(PositionedReader &reader, TelemetryChunks &chunks, qint64 indexStart, qint64 riffEnd,
               qint64 fileSize)
{
    std::vector<char> block(static_cast<size_t>(std::min(kIndexBlock, fileSize - indexStart)));
    qint64 blockPos = indexStart, blockLength = 0;
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
        if (!chunks.add(kRecordBase + le32(entry + 8), le32(entry + 12)))
            break;
    }
}

// The movi list chunk by chunk up to `end`, in file order, as its index would have listed
// the chunks; stops at the first chunk that is not whole or has no chunk code (the bytes a
// crash left unwritten).
void walkMovi(PositionedReader &reader, TelemetryChunks &chunks, qint64 end)
{
    char head[8];
    for (qint64 pos = kChunkBase + 4; pos + 8 <= end;) {
        if (reader.readAt(pos, head, sizeof head) != sizeof head || !isChunkCode(head))
            break;
        if (std::memcmp(head, "LIST", 4) == 0) {
            pos += 12; // into the list: its chunks follow its type code
            continue;
        }
        const qint64 size = le32(head + 4);
        if (pos + 8 + size > end)
            break;
        if (std::memcmp(head, "02sb", 4) == 0 && !chunks.add(pos + 8, quint32(size)))
            break;
        pos += 8 + size + (size & 1);
    }
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

    TVKTelemetryBuilder builder;
    TelemetryChunks chunks(reader, builder, fileSize);
    // The index is whole when "idx1" stands where the movi size says and all its entries made
    // it to the disk. A recording cut by a crash has a movi size from before the cut, or none.
    char indexHead[8];
    const bool indexFound = indexStart <= fileSize &&
                            reader.readAt(indexStart - 8, indexHead, 8) == 8 &&
                            std::memcmp(indexHead, "idx1", 4) == 0;
    if (indexFound && indexStart + qint64(le32(indexHead + 4)) <= fileSize) {
        walkIndex(reader, chunks, indexStart, riffEnd, fileSize);
    } else {
        walkMovi(reader, chunks, indexFound ? indexStart - 8 : fileSize);
        builder.setRecovered();
        if (info)
            info->recovered = true;
    }
    return builder.finish();
}
