#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>

// The AVI 1.0 header records the writer lays down, as plain structs written field by field
// in little-endian order.
namespace avi {

inline constexpr quint32 kHasIndex = 0x10;       // avih: the file ends with idx1
inline constexpr quint32 kIsInterleaved = 0x100; // avih: chunks are in time order
inline constexpr quint32 kKeyFrame = 0x10;       // idx1: the chunk decodes on its own

struct MainHeader // "avih"
{
    quint32 dwMicroSecPerFrame = 0;
    quint32 dwMaxBytesPerSec = 0;
    quint32 dwPaddingGranularity = 0;
    quint32 dwFlags = 0;
    quint32 dwTotalFrames = 0;
    quint32 dwInitialFrames = 0;
    quint32 dwStreams = 0;
    quint32 dwSuggestedBufferSize = 0;
    quint32 dwWidth = 0;
    quint32 dwHeight = 0;
    quint32 dwReserved[4] = {};

    QByteArray toBytes() const;
};
static_assert(sizeof(MainHeader) == 56);
static_assert(offsetof(MainHeader, dwMicroSecPerFrame) == 0);
static_assert(offsetof(MainHeader, dwMaxBytesPerSec) == 4);
static_assert(offsetof(MainHeader, dwPaddingGranularity) == 8);
static_assert(offsetof(MainHeader, dwFlags) == 12);
static_assert(offsetof(MainHeader, dwTotalFrames) == 16);
static_assert(offsetof(MainHeader, dwInitialFrames) == 20);
static_assert(offsetof(MainHeader, dwStreams) == 24);
static_assert(offsetof(MainHeader, dwSuggestedBufferSize) == 28);
static_assert(offsetof(MainHeader, dwWidth) == 32);
static_assert(offsetof(MainHeader, dwHeight) == 36);
static_assert(offsetof(MainHeader, dwReserved) == 40);

struct StreamHeader // "strh"
{
    char fccType[4] = {};
    char fccHandler[4] = {};
    quint32 dwFlags = 0;
    quint16 wPriority = 0;
    quint16 wLanguage = 0;
    quint32 dwInitialFrames = 0;
    quint32 dwScale = 1;
    quint32 dwRate = 1;
    quint32 dwStart = 0;
    quint32 dwLength = 0;
    quint32 dwSuggestedBufferSize = 0;
    quint32 dwQuality = 0xFFFFFFFF; // default quality
    quint32 dwSampleSize = 0;
    qint16 rcFrame[4] = {};

    QByteArray toBytes() const;
};
static_assert(sizeof(StreamHeader) == 56);
static_assert(offsetof(StreamHeader, fccType) == 0);
static_assert(offsetof(StreamHeader, fccHandler) == 4);
static_assert(offsetof(StreamHeader, dwFlags) == 8);
static_assert(offsetof(StreamHeader, wPriority) == 12);
static_assert(offsetof(StreamHeader, wLanguage) == 14);
static_assert(offsetof(StreamHeader, dwInitialFrames) == 16);
static_assert(offsetof(StreamHeader, dwScale) == 20);
static_assert(offsetof(StreamHeader, dwRate) == 24);
static_assert(offsetof(StreamHeader, dwStart) == 28);
static_assert(offsetof(StreamHeader, dwLength) == 32);
static_assert(offsetof(StreamHeader, dwSuggestedBufferSize) == 36);
static_assert(offsetof(StreamHeader, dwQuality) == 40);
static_assert(offsetof(StreamHeader, dwSampleSize) == 44);
static_assert(offsetof(StreamHeader, rcFrame) == 48);

struct BitmapInfoHeader // "strf" of the video stream
{
    quint32 biSize = 40;
    qint32 biWidth = 0;
    qint32 biHeight = 0;
    quint16 biPlanes = 1;
    quint16 biBitCount = 24;
    char biCompression[4] = {};
    quint32 biSizeImage = 0;
    qint32 biXPelsPerMeter = 0;
    qint32 biYPelsPerMeter = 0;
    quint32 biClrUsed = 0;
    quint32 biClrImportant = 0;

    QByteArray toBytes() const;
};
static_assert(sizeof(BitmapInfoHeader) == 40);
static_assert(offsetof(BitmapInfoHeader, biWidth) == 4);
static_assert(offsetof(BitmapInfoHeader, biHeight) == 8);
static_assert(offsetof(BitmapInfoHeader, biPlanes) == 12);
static_assert(offsetof(BitmapInfoHeader, biBitCount) == 14);
static_assert(offsetof(BitmapInfoHeader, biCompression) == 16);
static_assert(offsetof(BitmapInfoHeader, biSizeImage) == 20);
static_assert(offsetof(BitmapInfoHeader, biXPelsPerMeter) == 24);
static_assert(offsetof(BitmapInfoHeader, biYPelsPerMeter) == 28);
static_assert(offsetof(BitmapInfoHeader, biClrUsed) == 32);
static_assert(offsetof(BitmapInfoHeader, biClrImportant) == 36);

struct PcmWaveFormat // "strf" of the audio stream
{
    quint16 wFormatTag = 1; // PCM
    quint16 nChannels = 1;
    quint32 nSamplesPerSec = 0;
    quint32 nAvgBytesPerSec = 0;
    quint16 nBlockAlign = 0;
    quint16 wBitsPerSample = 16;

    QByteArray toBytes() const;
};
static_assert(sizeof(PcmWaveFormat) == 16);
static_assert(offsetof(PcmWaveFormat, nChannels) == 2);
static_assert(offsetof(PcmWaveFormat, nSamplesPerSec) == 4);
static_assert(offsetof(PcmWaveFormat, nAvgBytesPerSec) == 8);
static_assert(offsetof(PcmWaveFormat, nBlockAlign) == 12);
static_assert(offsetof(PcmWaveFormat, wBitsPerSample) == 14);

struct IndexEntry // one entry of "idx1"
{
    char ckid[4] = {};
    quint32 dwFlags = 0;
    quint32 dwChunkOffset = 0; // from the movi type code
    quint32 dwChunkLength = 0; // payload bytes, without the pad byte

    QByteArray toBytes() const;
};
static_assert(sizeof(IndexEntry) == 16);
static_assert(offsetof(IndexEntry, dwFlags) == 4);
static_assert(offsetof(IndexEntry, dwChunkOffset) == 8);
static_assert(offsetof(IndexEntry, dwChunkLength) == 12);

// A chunk: code, little-endian size, payload, and a pad byte after an odd payload.
QByteArray chunk(const char code[4], const QByteArray &payload);
// A list: "LIST", size, type code, contents.
QByteArray list(const char type[4], const QByteArray &contents);

} // namespace avi
