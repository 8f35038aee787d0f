#pragma once

#include <QtGlobal>

#include <cstddef>

// The camera's telemetry records, stored little-endian in the telemetry chunks of a recording
// (AviLayout.h). Their fields keep the camera's names because they describe the bytes.

// One GPS record: a fixed header and the NMEA text received in that interval.
struct AviGpsRecord
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
    static AviGpsRecord fromBytes(const char *bytes, qsizetype size);
    // The 552-byte image.
    void toBytes(char *out) const;
    // The text length that can be read: nLen, but never beyond RawData.
    qsizetype textLength() const { return nLen < kRawDataSize ? qsizetype(nLen) : kRawDataSize; }

    // The fields by what they mean; the rest of the code reads the record through these.
    quint32 timestampMs() const { return nTimestamp; }
    double nmeaLatitude() const { return fLatitude; }   // ddmm.mmmm, no sign
    double nmeaLongitude() const { return fLongitude; } // dddmm.mmmm, no sign
    bool hasPosition() const { return fLatitude != 0 || fLongitude != 0; }
    quint32 speed() const { return fSpeed; }
    bool speedInKmh() const { return KM == '9'; }
    char speedUnitLetter() const { return KM; }
    const char *nmeaText() const { return RawData; }
};

static_assert(sizeof(AviGpsRecord) == AviGpsRecord::kSize);
static_assert(offsetof(AviGpsRecord, header) == 0);
static_assert(offsetof(AviGpsRecord, nTimestamp) == 4);
static_assert(offsetof(AviGpsRecord, nLen) == 8);
static_assert(offsetof(AviGpsRecord, sig) == 12);
static_assert(offsetof(AviGpsRecord, fLatitude) == 16);
static_assert(offsetof(AviGpsRecord, fLongitude) == 24);
static_assert(offsetof(AviGpsRecord, fSpeed) == 32);
static_assert(offsetof(AviGpsRecord, distance) == 36);
static_assert(offsetof(AviGpsRecord, NS) == 40);
static_assert(offsetof(AviGpsRecord, EW) == 41);
static_assert(offsetof(AviGpsRecord, KM) == 42);
static_assert(offsetof(AviGpsRecord, dummy) == 43);
static_assert(offsetof(AviGpsRecord, RawData) == 44);

// One three-axis G-sensor sample, 256 counts per unit.
struct AviGSensorRecord
{
    static constexpr int kHeader = 171; // 0xAB
    static constexpr qsizetype kSize = 24;

    qint32 header = 0;
    quint32 timestamp = 0; // milliseconds
    qint32 xAxis = 0;
    qint32 yAxis = 0;
    qint32 zAxis = 0;
    qint32 nTemprature = 0;

    static AviGSensorRecord fromBytes(const char *bytes, qsizetype size);
    void toBytes(char *out) const;

    quint32 timestampMs() const { return timestamp; }
    // Raw counts, 256 per unit.
    qint32 xCounts() const { return xAxis; }
    qint32 yCounts() const { return yAxis; }
    qint32 zCounts() const { return zAxis; }
    qint32 temperature() const { return nTemprature; }

    friend bool operator==(const AviGSensorRecord &, const AviGSensorRecord &) = default;
};

static_assert(sizeof(AviGSensorRecord) == AviGSensorRecord::kSize);
static_assert(offsetof(AviGSensorRecord, header) == 0);
static_assert(offsetof(AviGSensorRecord, timestamp) == 4);
static_assert(offsetof(AviGSensorRecord, xAxis) == 8);
static_assert(offsetof(AviGSensorRecord, yAxis) == 12);
static_assert(offsetof(AviGSensorRecord, zAxis) == 16);
static_assert(offsetof(AviGSensorRecord, nTemprature) == 20);

bool operator==(const AviGpsRecord &a, const AviGpsRecord &b);

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
