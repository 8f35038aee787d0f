#include "writers/avi/AviWriter.h"

#include "core/telemetry/AviLayout.h"
#include "writers/avi/AviHeaders.h"

#include <QFile>

#include <algorithm>
#include <limits>

namespace {

constexpr quint64 kRiffLimit = std::numeric_limits<quint32>::max();

} // namespace

AviWriter::AviWriter() : AviWriter(Format()) {}

AviWriter::AviWriter(const Format &format) : m_format(format)
{
    m_format.frameRate = std::max<quint32>(m_format.frameRate, 1);
    m_format.frameScale = std::max<quint32>(m_format.frameScale, 1);
    m_format.channels = std::max<quint16>(m_format.channels, 1);
    m_format.sampleRate = std::max<quint32>(m_format.sampleRate, 1);
}

AviWriter::~AviWriter() = default;

tvk::Result<void> AviWriter::open(const QString &path)
{
    m_ownFile = std::make_unique<QFile>(path);
    if (!m_ownFile->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return outcome(fail({"msg.file_open_fail", path, m_ownFile->errorString()}));
    return open(m_ownFile.get());
}

tvk::Result<void> AviWriter::open(QIODevice *device)
{
    m_device = device;
    if (!m_device || !m_device->isWritable() || m_device->isSequential())
        return outcome(fail({"writers.device_not_writable"}));
    // Provisional headers; finish() writes them again with the totals.
    if (!m_device->seek(0))
        return outcome(fail({"msg.write_fail", fileName(), m_device->errorString()}));
    return outcome(writeBytes(headers()));
}

const char *AviWriter::chunkCode(Stream stream)
{
    switch (stream) {
    case Video:
        return avi::kVideoChunk;
    case Audio:
        return avi::kAudioChunk;
    case Telemetry:
        break;
    }
    return avi::kTelemetryChunk;
}

void AviWriter::addVideoFrame(quint32 ms, const QByteArray &jpeg)
{
    add(ms, Video, jpeg);
}

void AviWriter::addAudio(quint32 ms, const QByteArray &samples)
{
    if (m_format.audio)
        add(ms, Audio, samples);
}

void AviWriter::addGps(quint32 ms, const AviGpsRecord &record)
{
    QByteArray payload(AviGpsRecord::kSize, Qt::Uninitialized);
    record.toBytes(payload.data());
    add(ms, Telemetry, std::move(payload));
}

void AviWriter::addGSensor(quint32 ms, const AviGSensorRecord &record)
{
    QByteArray payload(AviGSensorRecord::kSize, Qt::Uninitialized);
    record.toBytes(payload.data());
    add(ms, Telemetry, std::move(payload));
}

void AviWriter::add(quint32 ms, Stream stream, QByteArray payload)
{
    m_pending.push_back({ms, stream, m_sequence++, std::move(payload)});
}

tvk::Result<void> AviWriter::flush(quint32 beforeMs)
{
    return outcome(writeHeld(beforeMs));
}

bool AviWriter::writeHeld(quint32 beforeMs)
{
    if (!m_device)
        return fail({"writers.not_open"});
    // In time order; at one time video before audio before telemetry, each in the order
    // added.
    std::stable_sort(m_pending.begin(), m_pending.end(), [](const Pending &a, const Pending &b) {
        return a.ms != b.ms ? a.ms < b.ms : a.stream < b.stream;
    });
    const auto end = std::find_if(m_pending.begin(), m_pending.end(),
                                  [beforeMs](const Pending &p) { return p.ms >= beforeMs; });
    bool ok = true;
    for (auto it = m_pending.begin(); ok && it != end; ++it)
        ok = writeChunk(*it);
    m_pending.erase(m_pending.begin(), end);
    return ok;
}

bool AviWriter::writeChunk(const Pending &chunk)
{
    const char *code = chunkCode(chunk.stream);
    const QByteArray bytes = avi::chunk(code, chunk.payload);
    // idx1 offsets point at the chunk's code, counted from the movi type code.
    const quint64 offset = 4 + m_moviBytes;
    if (avi::kMoviTypeAt + offset + quint64(bytes.size()) + 8 > kRiffLimit)
        return fail({"writers.over_4_gib"});
    avi::IndexEntry entry;
    std::copy_n(code, 4, entry.ckid);
    entry.dwFlags = avi::kKeyFrame;
    entry.dwChunkOffset = static_cast<quint32>(offset);
    entry.dwChunkLength = static_cast<quint32>(chunk.payload.size());
    m_index.append(entry.toBytes());
    m_moviBytes += quint64(bytes.size());

    StreamTotals &totals = m_totals[chunk.stream];
    ++totals.chunks;
    totals.bytes += quint64(chunk.payload.size());
    totals.largest = std::max(totals.largest, static_cast<quint32>(chunk.payload.size()));
    return writeBytes(bytes);
}

tvk::Result<void> AviWriter::finish()
{
    if (!writeHeld(std::numeric_limits<quint32>::max()) ||
        !writeBytes(avi::chunk(avi::kIndexChunk, m_index)))
        return outcome(false);
    const qint64 end = m_device->pos();
    if (!m_device->seek(0) || !writeBytes(headers()) || !m_device->seek(end))
        return outcome(fail({"writers.headers_unwritten", fileName(), m_device->errorString()}));
    if (m_ownFile) {
        if (!m_ownFile->flush())
            return outcome(fail({"msg.write_fail", fileName(), m_ownFile->errorString()}));
        m_ownFile->close();
    }
    return {};
}

bool AviWriter::writeBytes(const QByteArray &bytes)
{
    if (m_device->write(bytes) != bytes.size())
        return fail({"msg.write_fail", fileName(), m_device->errorString()});
    return true;
}

QString AviWriter::fileName() const
{
    return m_ownFile ? m_ownFile->fileName() : QString();
}

bool AviWriter::fail(tvk::Failure failure)
{
    if (!m_failure)
        m_failure = std::move(failure);
    return false;
}

tvk::Result<void> AviWriter::outcome(bool ok) const
{
    if (ok)
        return {};
    return m_failure.value_or(tvk::Failure{"msg.write_fail", fileName()});
}
