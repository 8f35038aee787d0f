#pragma once

#include "core/telemetry/TelemetryBuilder.h"

#include <QByteArrayView>
#include <QIODevice>

// Positioned reads: pread on a file's descriptor, a copy out of a buffer's bytes, seek and read
// on any other device.
class PositionedReader
{
public:
    explicit PositionedReader(QIODevice &device);
    // Reads up to `size` bytes at `pos`; fewer only at the end of the file or on an error.
    qint64 readAt(qint64 pos, char *buffer, qint64 size);

private:
    QIODevice &m_device;
    int m_fd = -1;
    QByteArrayView m_bytes; // a buffer's, read in place: a read through QIODevice copies twice
    bool m_inMemory = false;
};

// Reads a recording's telemetry chunks into a builder, with work bounded by the file: each
// chunk is read at most once (the walks go forward through the file), and the memory the
// records and parsed sentences take stays within a small multiple of the file's size.
class TelemetryChunks
{
public:
    // A chunk of at most this many bytes holds a G-sensor record; a longer one a GPS record.
    static constexpr quint32 kLargestGSensorChunk = 32;

    // What is kept of the G-sensor chunks.
    enum class Samples { All, FirstOnly };

    TelemetryChunks(PositionedReader &reader, TelemetryBuilder &builder, qint64 fileSize,
                    Samples samples = Samples::All);

    // Reads the chunk whose record of `size` bytes starts at `recordPos`. A chunk that does not
    // lie inside the file, or that starts before the end of the last chunk read, is skipped.
    // False when the walk should stop: a read failed or the file's share of memory is used.
    bool add(qint64 recordPos, quint32 size);

private:
    PositionedReader &m_reader;
    TelemetryBuilder &m_builder;
    qint64 m_fileSize;
    qint64 m_nextFree = 0;
    qint64 m_costLeft; // bytes of memory the kept records may still take
    Samples m_samples;
    bool m_sampleTaken = false;
};
