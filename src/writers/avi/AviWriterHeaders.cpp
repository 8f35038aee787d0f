// The header part of a recording (RIFF, hdrl, JUNK, the head of the movi list).
#include "core/telemetry/AviLayout.h"
#include "writers/avi/AviHeaders.h"
#include "writers/avi/AviWriter.h"

#include <QtEndian>

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

quint32 clamp32(quint64 value)
{
    return static_cast<quint32>(std::min<quint64>(value, std::numeric_limits<quint32>::max()));
}

void setCode(char (&field)[4], const char *code)
{
    std::copy_n(code, 4, field);
}

QByteArray le32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray streamList(const avi::StreamHeader &strh, const QByteArray &strf)
{
    return avi::list("strl", avi::chunk("strh", strh.toBytes()) + avi::chunk("strf", strf));
}

} // namespace

quint64 AviWriter::durationMs() const
{
    const quint64 video = m_totals[Video].chunks * 1000 * m_format.frameScale / m_format.frameRate;
    const quint64 blockAlign = 2ull * m_format.channels;
    const quint64 audio = m_totals[Audio].bytes / blockAlign * 1000 / m_format.sampleRate;
    return std::max<quint64>({video, audio, 1});
}

QByteArray AviWriter::headers() const
{
    const quint64 duration = durationMs();
    const StreamTotals &video = m_totals[Video];
    const StreamTotals &audio = m_totals[Audio];
    const StreamTotals &telemetry = m_totals[Telemetry];

    avi::MainHeader avih;
    avih.dwMicroSecPerFrame =
        clamp32((1000000ull * m_format.frameScale + m_format.frameRate / 2) / m_format.frameRate);
    avih.dwMaxBytesPerSec = clamp32((m_moviBytes * 1000 + duration - 1) / duration);
    avih.dwFlags = avi::kHasIndex | avi::kIsInterleaved;
    avih.dwTotalFrames = clamp32(video.chunks);
    avih.dwStreams = 3;
    const quint32 largest = std::max({video.largest, audio.largest, telemetry.largest});
    avih.dwSuggestedBufferSize = largest + (largest % 2) + 8;
    avih.dwWidth = m_format.width;
    avih.dwHeight = m_format.height;

    avi::StreamHeader vids;
    setCode(vids.fccType, "vids");
    setCode(vids.fccHandler, "MJPG");
    vids.dwScale = m_format.frameScale;
    vids.dwRate = m_format.frameRate;
    vids.dwLength = clamp32(video.chunks);
    vids.dwSuggestedBufferSize = video.largest;
    vids.rcFrame[2] = static_cast<qint16>(std::min<quint32>(m_format.width, 0x7FFF));
    vids.rcFrame[3] = static_cast<qint16>(std::min<quint32>(m_format.height, 0x7FFF));
    avi::BitmapInfoHeader bitmap;
    bitmap.biWidth = static_cast<qint32>(m_format.width);
    bitmap.biHeight = static_cast<qint32>(m_format.height);
    setCode(bitmap.biCompression, "MJPG");
    bitmap.biSizeImage = clamp32(quint64(m_format.width) * m_format.height * 3);
    QByteArray hdrl = avi::chunk("avih", avih.toBytes()) + streamList(vids, bitmap.toBytes());

    if (m_format.audio) {
        const quint16 blockAlign = static_cast<quint16>(2 * m_format.channels);
        avi::StreamHeader auds;
        setCode(auds.fccType, "auds");
        auds.dwScale = 1;
        auds.dwRate = m_format.sampleRate;
        auds.dwSampleSize = blockAlign;
        auds.dwLength = clamp32(audio.bytes / blockAlign);
        auds.dwSuggestedBufferSize = audio.largest;
        avi::PcmWaveFormat wave;
        wave.nChannels = m_format.channels;
        wave.nSamplesPerSec = m_format.sampleRate;
        wave.nAvgBytesPerSec = clamp32(quint64(m_format.sampleRate) * blockAlign);
        wave.nBlockAlign = blockAlign;
        hdrl += streamList(auds, wave.toBytes());
    } else {
        avi::StreamHeader silence;
        setCode(silence.fccType, "dats");
        hdrl += streamList(silence, QByteArray());
    }

    // A data stream ('dats'): players list it and leave it alone. Its chunks are spread
    // evenly over the recording's duration.
    avi::StreamHeader dats;
    setCode(dats.fccType, "dats");
    if (telemetry.chunks > 0) {
        const quint64 rate = telemetry.chunks * 1000;
        const quint64 common = std::gcd(rate, duration);
        dats.dwRate = clamp32(rate / common);
        dats.dwScale = clamp32(duration / common);
    }
    dats.dwLength = clamp32(telemetry.chunks);
    dats.dwSuggestedBufferSize = telemetry.largest;
    hdrl += streamList(dats, QByteArray());

    QByteArray head = QByteArrayLiteral("RIFF") + le32(0) + QByteArrayLiteral("AVI ");
    head += avi::list("hdrl", hdrl);
    const qint64 pad = avi::kMoviListAt - head.size() - 8;
    Q_ASSERT(pad >= 0);
    head += avi::chunk("JUNK", QByteArray(pad, '\0'));
    head += QByteArrayLiteral("LIST") + le32(clamp32(4 + m_moviBytes)) + QByteArrayLiteral("movi");
    Q_ASSERT(head.size() == avi::kMoviTypeAt + 4);

    const quint64 fileSize = quint64(head.size()) + m_moviBytes + 8 + quint64(m_index.size());
    head.replace(4, 4, le32(clamp32(fileSize - 8)));
    return head;
}
