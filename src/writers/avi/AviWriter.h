#pragma once

#include "core/common/result.h"
#include "core/telemetry/AviRecords.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QIODevice;
class QFile;

// Writes a recording as the camera lays it out: an AVI 1.0 file with RIFF "AVI ", the hdrl
// list (avih, one strl per stream), a JUNK pad that puts the movi list at byte 14132, the
// chunks of all streams interleaved in time, and idx1 at the end with offsets counted from
// the movi type code (core/telemetry/AviLayout.h). Streams: MJPEG video ("00dc"), 16-bit PCM
// audio ("01wb") and telemetry ("02sb"). Without sound, stream 1 is an empty data stream, so
// that the telemetry keeps the number the camera gives it and every reader finds it.
//
// Chunks are added with a time in milliseconds and written in time order. Everything added
// is held until flush() or finish(), so a long recording can be written in slices: flush(t)
// writes what is earlier than t, and later additions should not be earlier than t.
class AviWriter
{
public:
    struct Format
    {
        quint32 width = 1920;
        quint32 height = 1080;
        quint32 frameRate = 30; // frames per second = frameRate / frameScale
        quint32 frameScale = 1;
        bool audio = true;
        quint32 sampleRate = 16000;
        quint16 channels = 1;
    };

    AviWriter();
    explicit AviWriter(const Format &format);
    ~AviWriter();
    AviWriter(const AviWriter &) = delete;
    AviWriter &operator=(const AviWriter &) = delete;

    // Creates or truncates the file and writes provisional headers.
    tvk::Result<void> open(const QString &path);
    // The same on a seekable device already open for writing (not owned, left open).
    tvk::Result<void> open(QIODevice *device);

    // One JPEG image (or any placeholder payload) as the next video frame.
    void addVideoFrame(quint32 ms, const QByteArray &jpeg);
    // Interleaved little-endian 16-bit samples; a whole number of sample frames.
    void addAudio(quint32 ms, const QByteArray &samples);
    void addGps(quint32 ms, const AviGpsRecord &record);
    void addGSensor(quint32 ms, const AviGSensorRecord &record);

    // Writes the held chunks earlier than `beforeMs`, in time order.
    tvk::Result<void> flush(quint32 beforeMs);
    // Writes every held chunk and the index, then the final headers. The device is closed
    // when the writer opened it.
    tvk::Result<void> finish();

    const Format &format() const { return m_format; }

private:
    enum Stream { Video, Audio, Telemetry };
    struct Pending
    {
        quint32 ms;
        Stream stream;
        quint64 sequence;
        QByteArray payload;
    };
    struct StreamTotals
    {
        quint64 chunks = 0;
        quint64 bytes = 0;
        quint32 largest = 0;
    };

    void add(quint32 ms, Stream stream, QByteArray payload);
    bool writeChunk(const Pending &chunk);
    bool writeBytes(const QByteArray &bytes);
    QByteArray headers() const;
    static const char *chunkCode(Stream stream);
    quint64 durationMs() const;
    bool writeHeld(quint32 beforeMs);
    QString fileName() const;
    // Keeps the first failure: later ones follow from it.
    bool fail(tvk::Failure failure);
    tvk::Result<void> outcome(bool ok) const;

    Format m_format;
    std::unique_ptr<QFile> m_ownFile;
    QIODevice *m_device = nullptr;
    std::vector<Pending> m_pending;
    quint64 m_sequence = 0;
    QByteArray m_index;
    quint64 m_moviBytes = 0; // bytes after the movi type code
    StreamTotals m_totals[3];
    std::optional<tvk::Failure> m_failure;
};
