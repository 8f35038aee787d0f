#include "core/telemetry/recordinglength.h"

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
