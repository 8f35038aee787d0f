// The walks over a recording's chunks (BlackBoxData::extract): through the index when the
// recording has a whole one, else chunk by chunk through the movi list.
#include "core/telemetry/AviLayout.h"
#include "core/telemetry/AviRecords.h"
#include "core/telemetry/BlackBoxData.h"
#include "core/telemetry/TelemetryBuilder.h"
#include "core/telemetry/TelemetryChunks.h"

#include <QtEndian>

#include <cstring>
#include <vector>

namespace {

constexpr qint64 kIndexBlock = 64 * 1024; // the index is read in blocks of this size

bool isTelemetryChunk(const char *code)
{
    return std::memcmp(code, avi::kTelemetryChunk, 4) == 0;
}

quint32 le32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

void walkIndex(PositionedReader &reader, TelemetryChunks &chunks, qint64 indexStart, qint64 riffEnd,
               qint64 fileSize)
{
    std::vector<char> block(static_cast<size_t>(std::min(kIndexBlock, fileSize - indexStart)));
    qint64 blockPos = indexStart, blockLength = 0;
    for (qint64 pos = indexStart; pos <= riffEnd && pos < fileSize; pos += avi::kIndexEntrySize) {
        if (pos + avi::kIndexEntrySize > blockPos + blockLength) {
            blockPos = pos;
            blockLength = reader.readAt(pos, block.data(),
                                        std::min<qint64>(qint64(block.size()), fileSize - pos));
            if (blockLength <= 0)
                break;
        }
        const char *entry = block.data() + (pos - blockPos);
        const qint64 available = std::min(avi::kIndexEntrySize, blockPos + blockLength - pos);
        if (available < 4 || !isTelemetryChunk(entry))
            continue;
        if (available < avi::kIndexEntrySize)
            break; // the index ends inside this entry: its offset and size are gone
        if (!chunks.add(avi::kRecordBase + le32(entry + 8), le32(entry + 12)))
            break;
    }
}

// The movi list chunk by chunk up to `end`, in file order, as its index would have listed
// the chunks; stops at the first chunk that is not whole or has no chunk code (the bytes a
// crash left unwritten).
void walkMovi(PositionedReader &reader, TelemetryChunks &chunks, qint64 end)
{
    char head[8];
    for (qint64 pos = avi::kMoviTypeAt + 4; pos + 8 <= end;) {
        if (reader.readAt(pos, head, sizeof head) != sizeof head || !isChunkCode(head))
            break;
        if (std::memcmp(head, "LIST", 4) == 0) {
            pos += 12; // into the list: its chunks follow its type code
            continue;
        }
        const qint64 size = le32(head + 4);
        if (pos + 8 + size > end)
            break;
        if (isTelemetryChunk(head) && !chunks.add(pos + 8, quint32(size)))
            break;
        pos += 8 + size + (size & 1);
    }
}

tvk::Result<BlackBoxData::Extraction> extractChunks(QIODevice &file,
                                                    TelemetryChunks::Samples samples);

} // namespace

tvk::Result<RecordedTelemetryPtr> BlackBoxData::extract(QIODevice &file)
{
    tvk::Result<Extraction> extraction = extractWithIndexPlace(file);
    if (!extraction)
        return extraction.failure();
    return std::move(extraction->telemetry);
}

tvk::Result<BlackBoxData::Extraction> BlackBoxData::extractWithIndexPlace(QIODevice &file)
{
    return extractChunks(file, TelemetryChunks::Samples::All);
}

tvk::Result<RecordedTelemetryPtr> BlackBoxData::extractRoute(QIODevice &file)
{
    tvk::Result<Extraction> extraction = extractChunks(file, TelemetryChunks::Samples::FirstOnly);
    if (!extraction)
        return extraction.failure();
    return std::move(extraction->telemetry);
}

namespace {

tvk::Result<BlackBoxData::Extraction> extractChunks(QIODevice &file,
                                                    TelemetryChunks::Samples samples)
{
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
    if (reader.readAt(avi::kMoviSizeAt, moviSize, sizeof moviSize) != sizeof moviSize)
        return BlackBoxData::Extraction{RecordedTelemetry::empty(),
                                        {}}; // too short to hold the movi list
    const qint64 indexStart = avi::kIndexBase + le32(moviSize);
    const BlackBoxData::IndexPlace place{le32(moviSize), static_cast<quint64>(indexStart)};

    TelemetryBuilder builder;
    TelemetryChunks chunks(reader, builder, fileSize, samples);
    // The index is whole when "idx1" stands where the movi size says and all its entries made
    // it to the disk. A recording cut by a crash has a movi size from before the cut, or none.
    char indexHead[8];
    const bool indexFound = indexStart <= fileSize &&
                            reader.readAt(indexStart - 8, indexHead, 8) == 8 &&
                            std::memcmp(indexHead, avi::kIndexChunk, 4) == 0;
    if (indexFound && indexStart + qint64(le32(indexHead + 4)) <= fileSize) {
        walkIndex(reader, chunks, indexStart, riffEnd, fileSize);
    } else {
        walkMovi(reader, chunks, indexFound ? indexStart - 8 : fileSize);
        builder.setRecovered();
    }
    return BlackBoxData::Extraction{builder.finish(), place};
}

} // namespace
