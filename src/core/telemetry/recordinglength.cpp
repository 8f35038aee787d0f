#include "core/telemetry/recordinglength.h"

#include "core/telemetry/AviLayout.h"
#include "core/telemetry/AviRecords.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {

// RIFF "AVI ", then LIST hdrl whose first chunk is avih: the layout every AVI 1.0 writer
// uses, the camera's included.
struct AviPrologue
{
    char riff[4];
    quint32 riffSize;
    char avi[4];
    char list[4];
    quint32 listSize;
    char hdrl[4];
    char avih[4];
    quint32 avihSize;
    quint32 dwMicroSecPerFrame;
    quint32 dwMaxBytesPerSec;
    quint32 dwPaddingGranularity;
    quint32 dwFlags;
    quint32 dwTotalFrames;
};
static_assert(sizeof(AviPrologue) == 52);
static_assert(offsetof(AviPrologue, avih) == 24);
static_assert(offsetof(AviPrologue, dwMicroSecPerFrame) == 32);
static_assert(offsetof(AviPrologue, dwTotalFrames) == 48);

constexpr quint64 kLongestRecordingMs = 24ull * 3600 * 1000;

bool hasCode(const char (&field)[4], const char *code)
{
    return std::memcmp(field, code, 4) == 0;
}

quint32 le32At(const char *bytes)
{
    return qFromLittleEndian<quint32>(bytes);
}

// Reads the 8 (or 12, for a list) bytes of a chunk's head at `pos`.
bool readHead(QIODevice &file, qint64 pos, char *head, qint64 size)
{
    return file.seek(pos) && file.read(head, size) == size;
}

// Whole video frames of stream 0 from `pos` to `end` (an index after the list is a chunk like
// any other); stops at the first chunk that is not whole or has no chunk code (the bytes a
// crash left unwritten).
qint64 countVideoFrames(QIODevice &file, qint64 pos, qint64 end)
{
    qint64 frames = 0;
    char head[8];
    while (pos + 8 <= end && readHead(file, pos, head, 8) && isChunkCode(head)) {
        if (std::memcmp(head, "LIST", 4) == 0) {
            pos += 12; // a rec list: its chunks follow its type code
            continue;
        }
        const qint64 size = le32At(head + 4);
        if (pos + 8 + size > end)
            break;
        if (std::memcmp(head, avi::kVideoChunk, 4) == 0 || std::memcmp(head, "00db", 4) == 0)
            ++frames;
        pos += 8 + size + (size & 1);
    }
    return frames;
}

} // namespace

std::optional<qint64> aviHeaderLengthMs(QIODevice &file)
{
    char bytes[sizeof(AviPrologue)];
    if (!file.seek(0) || file.read(bytes, sizeof bytes) != qint64(sizeof bytes))
        return std::nullopt;
    AviPrologue p;
    std::memcpy(&p, bytes, sizeof p);
    if (!hasCode(p.riff, "RIFF") || !hasCode(p.avi, "AVI ") || !hasCode(p.list, "LIST") ||
        !hasCode(p.hdrl, "hdrl") || !hasCode(p.avih, "avih") || qFromLittleEndian(p.avihSize) < 20)
        return std::nullopt;
    // Both are 32-bit, so their product fits 64 bits unsigned; a damaged header claiming more
    // than a day is no recording of this camera.
    const quint64 ms = quint64(qFromLittleEndian(p.dwTotalFrames)) *
                       qFromLittleEndian(p.dwMicroSecPerFrame) / 1000;
    if (ms == 0 || ms > kLongestRecordingMs)
        return std::nullopt;
    return qint64(ms);
}

tvk::Result<qint64> recordingLengthMs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return tvk::Failure{"trips.recording_unreadable", path, file.errorString()};
    if (const std::optional<qint64> ms = aviHeaderLengthMs(file))
        return *ms;
    // A short read is a cut header; an error is a file that cannot be read.
    if (file.error() == QFileDevice::ReadError)
        return tvk::Failure{"trips.recording_unreadable", path, file.errorString()};
    return kUnknownRecordingLengthMs;
}

std::optional<qint64> moviLengthMs(QIODevice &file)
{
    char bytes[sizeof(AviPrologue)];
    if (!file.seek(0) || file.read(bytes, sizeof bytes) != qint64(sizeof bytes))
        return std::nullopt;
    AviPrologue p;
    std::memcpy(&p, bytes, sizeof p);
    const quint32 frameUs = qFromLittleEndian(p.dwMicroSecPerFrame);
    if (!hasCode(p.riff, "RIFF") || !hasCode(p.avi, "AVI ") || frameUs == 0)
        return std::nullopt;
    const qint64 fileSize = file.size();
    // The top-level chunks up to the movi list; a crash leaves the list's declared size short
    // of the bytes written (or zero), so the walk goes on to the file's end.
    char head[12];
    for (qint64 pos = 12; pos + 12 <= fileSize && readHead(file, pos, head, 12);) {
        if (!isChunkCode(head))
            return std::nullopt;
        const qint64 size = le32At(head + 4);
        if (std::memcmp(head, "LIST", 4) == 0 && std::memcmp(head + 8, "movi", 4) == 0) {
            const qint64 frames = countVideoFrames(file, pos + 12, fileSize);
            const quint64 ms = quint64(frames) * frameUs / 1000;
            if (ms == 0 || ms > kLongestRecordingMs)
                return std::nullopt;
            return qint64(ms);
        }
        pos += 8 + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<qint64> playableLengthMs(QIODevice &file)
{
    if (const std::optional<qint64> header = aviHeaderLengthMs(file))
        return header;
    return moviLengthMs(file);
}
