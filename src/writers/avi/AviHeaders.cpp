#include "writers/avi/AviHeaders.h"

#include <QtEndian>

namespace avi {

namespace {

// Appends the fields in declaration order; the static_asserts in the header tie that order
// to the offsets.
class Image
{
public:
    explicit Image(qsizetype size) { m_bytes.reserve(size); }
    template <typename T> Image &operator<<(T value)
    {
        char le[sizeof(T)];
        qToLittleEndian(value, le);
        m_bytes.append(le, sizeof(T));
        return *this;
    }
    Image &code(const char value[4])
    {
        m_bytes.append(value, 4);
        return *this;
    }
    QByteArray take(qsizetype expected)
    {
        Q_ASSERT(m_bytes.size() == expected);
        Q_UNUSED(expected);
        return std::move(m_bytes);
    }

private:
    QByteArray m_bytes;
};

} // namespace

QByteArray MainHeader::toBytes() const
{
    Image image(sizeof *this);
    image << dwMicroSecPerFrame << dwMaxBytesPerSec << dwPaddingGranularity << dwFlags
          << dwTotalFrames << dwInitialFrames << dwStreams << dwSuggestedBufferSize << dwWidth
          << dwHeight;
    for (const quint32 reserved : dwReserved)
        image << reserved;
    return image.take(sizeof *this);
}

QByteArray StreamHeader::toBytes() const
{
    Image image(sizeof *this);
    image.code(fccType).code(fccHandler);
    image << dwFlags << wPriority << wLanguage << dwInitialFrames << dwScale << dwRate << dwStart
          << dwLength << dwSuggestedBufferSize << dwQuality << dwSampleSize;
    for (const qint16 edge : rcFrame)
        image << edge;
    return image.take(sizeof *this);
}

QByteArray BitmapInfoHeader::toBytes() const
{
    Image image(sizeof *this);
    image << biSize << biWidth << biHeight << biPlanes << biBitCount;
    image.code(biCompression);
    image << biSizeImage << biXPelsPerMeter << biYPelsPerMeter << biClrUsed << biClrImportant;
    return image.take(sizeof *this);
}

QByteArray PcmWaveFormat::toBytes() const
{
    Image image(sizeof *this);
    image << wFormatTag << nChannels << nSamplesPerSec << nAvgBytesPerSec << nBlockAlign
          << wBitsPerSample;
    return image.take(sizeof *this);
}

QByteArray IndexEntry::toBytes() const
{
    Image image(sizeof *this);
    image.code(ckid);
    image << dwFlags << dwChunkOffset << dwChunkLength;
    return image.take(sizeof *this);
}

QByteArray chunk(const char code[4], const QByteArray &payload)
{
    QByteArray bytes;
    bytes.reserve(8 + payload.size() + 1);
    bytes.append(code, 4);
    char size[4];
    qToLittleEndian(static_cast<quint32>(payload.size()), size);
    bytes.append(size, 4);
    bytes.append(payload);
    if (payload.size() % 2)
        bytes.append('\0');
    return bytes;
}

QByteArray list(const char type[4], const QByteArray &contents)
{
    return chunk("LIST", QByteArray(type, 4) + contents);
}

} // namespace avi
