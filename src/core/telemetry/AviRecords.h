#pragma once

#include <QtGlobal>

#include <cstddef>

// The camera's telemetry records, stored little-endian in the "02sb" chunks of a recording.

// One GPS record: a fixed header and the NMEA text received in that interval.
struct _AVI_GPS_DATA_T
{
    static constexpr int kHeader = 205; // 0xCD
    static constexpr qsizetype kRawDataSize = 508;
    static constexpr qsizetype kSize = 552;

    qint32 header = 0;
    quint32 nTimestamp = 0; // milliseconds
    quint32 nLen = 0;       // bytes of NMEA text in RawData
    quint32 sig = 0;
    double fLatitude = 0;  // ddmm.mmmm, no sign
    double fLongitude = 0; // dddmm.mmmm, no sign
    quint32 fSpeed = 0;    // whole units of KM
    quint32 distance = 0;
    char NS = 0;
    char EW = 0;
    char KM = 0; // '9': km/h; anything else: miles per hour
    char dummy = 0;
    char RawData[kRawDataSize] = {};

    // Decodes up to 552 bytes; what the bytes do not reach stays zero.
    static _AVI_GPS_DATA_T fromBytes(const char *bytes, qsizetype size);
    // The 552-byte image.
    void toBytes(char *out) const;
    // The text length that can be read: nLen, but never beyond RawData.
    qsizetype textLength() const { return nLen < kRawDataSize ? qsizetype(nLen) : kRawDataSize; }
};

static_assert(sizeof(_AVI_GPS_DATA_T) == _AVI_GPS_DATA_T::kSize);
static_assert(offsetof(_AVI_GPS_DATA_T, header) == 0);
static_assert(offsetof(_AVI_GPS_DATA_T, nTimestamp) == 4);
static_assert(offsetof(_AVI_GPS_DATA_T, nLen) == 8);
static_assert(offsetof(_AVI_GPS_DATA_T, sig) == 12);
static_assert(offsetof(_AVI_GPS_DATA_T, fLatitude) == 16);
static_assert(offsetof(_AVI_GPS_DATA_T, fLongitude) == 24);
static_assert(offsetof(_AVI_GPS_DATA_T, fSpeed) == 32);
static_assert(offsetof(_AVI_GPS_DATA_T, distance) == 36);
static_assert(offsetof(_AVI_GPS_DATA_T, NS) == 40);
static_assert(offsetof(_AVI_GPS_DATA_T, EW) == 41);
static_assert(offsetof(_AVI_GPS_DATA_T, KM) == 42);
static_assert(offsetof(_AVI_GPS_DATA_T, dummy) == 43);
static_assert(offsetof(_AVI_GPS_DATA_T, RawData) == 44);

// One three-axis G-sensor sample, 256 counts per unit.
struct _AVI_GSENSOR_DATA_T
{
    static constexpr int kHeader = 171; // 0xAB
    static constexpr qsizetype kSize = 24;

    qint32 header = 0;
    quint32 timestamp = 0; // milliseconds
    qint32 xAxis = 0;
    qint32 yAxis = 0;
    qint32 zAxis = 0;
    qint32 nTemprature = 0;

    static _AVI_GSENSOR_DATA_T fromBytes(const char *bytes, qsizetype size);
    void toBytes(char *out) const;

    friend bool operator==(const _AVI_GSENSOR_DATA_T &, const _AVI_GSENSOR_DATA_T &) = default;
};

static_assert(sizeof(_AVI_GSENSOR_DATA_T) == _AVI_GSENSOR_DATA_T::kSize);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, header) == 0);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, timestamp) == 4);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, xAxis) == 8);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, yAxis) == 12);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, zAxis) == 16);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, nTemprature) == 20);

bool operator==(const _AVI_GPS_DATA_T &a, const _AVI_GPS_DATA_T &b);

// Whether four bytes can be a RIFF chunk code (letters, digits, spaces): a cut or damaged
// file is walked chunk by chunk, and anything else ends the walk.
inline bool isChunkCode(const char *code)
{
    for (int i = 0; i < 4; ++i) {
        const char c = code[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
              c == ' '))
            return false;
    }
    return true;
}
