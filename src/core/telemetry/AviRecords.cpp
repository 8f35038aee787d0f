#include "core/telemetry/AviRecords.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Field access by offset over a zero-padded image, so a short read decodes like the camera's
// tool did it: into a cleared record.
template <typename T> T take(const char *image, size_t offset)
{
    using Raw = std::conditional_t<sizeof(T) == 8, quint64, quint32>;
    const Raw raw = qFromLittleEndian<Raw>(image + offset);
    return std::bit_cast<T>(raw);
}

template <typename T> void put(char *image, size_t offset, T value)
{
    using Raw = std::conditional_t<sizeof(T) == 8, quint64, quint32>;
    qToLittleEndian<Raw>(std::bit_cast<Raw>(value), image + offset);
}

} // namespace

AviGpsRecord AviGpsRecord::fromBytes(const char *bytes, qsizetype size)
{
    char image[kSize] = {};
    std::memcpy(image, bytes, static_cast<size_t>(std::clamp<qsizetype>(size, 0, kSize)));
    AviGpsRecord r;
    r.header = take<qint32>(image, offsetof(AviGpsRecord, header));
    r.nTimestamp = take<quint32>(image, offsetof(AviGpsRecord, nTimestamp));
    r.nLen = take<quint32>(image, offsetof(AviGpsRecord, nLen));
    r.sig = take<quint32>(image, offsetof(AviGpsRecord, sig));
    r.fLatitude = take<double>(image, offsetof(AviGpsRecord, fLatitude));
    r.fLongitude = take<double>(image, offsetof(AviGpsRecord, fLongitude));
    r.fSpeed = take<quint32>(image, offsetof(AviGpsRecord, fSpeed));
    r.distance = take<quint32>(image, offsetof(AviGpsRecord, distance));
    r.NS = image[offsetof(AviGpsRecord, NS)];
    r.EW = image[offsetof(AviGpsRecord, EW)];
    r.KM = image[offsetof(AviGpsRecord, KM)];
    r.dummy = image[offsetof(AviGpsRecord, dummy)];
    std::memcpy(r.RawData, image + offsetof(AviGpsRecord, RawData), kRawDataSize);
    return r;
}

void AviGpsRecord::toBytes(char *out) const
{
    put(out, offsetof(AviGpsRecord, header), header);
    put(out, offsetof(AviGpsRecord, nTimestamp), nTimestamp);
    put(out, offsetof(AviGpsRecord, nLen), nLen);
    put(out, offsetof(AviGpsRecord, sig), sig);
    put(out, offsetof(AviGpsRecord, fLatitude), fLatitude);
    put(out, offsetof(AviGpsRecord, fLongitude), fLongitude);
    put(out, offsetof(AviGpsRecord, fSpeed), fSpeed);
    put(out, offsetof(AviGpsRecord, distance), distance);
    out[offsetof(AviGpsRecord, NS)] = NS;
    out[offsetof(AviGpsRecord, EW)] = EW;
    out[offsetof(AviGpsRecord, KM)] = KM;
    out[offsetof(AviGpsRecord, dummy)] = dummy;
    std::memcpy(out + offsetof(AviGpsRecord, RawData), RawData, kRawDataSize);
}

bool operator==(const AviGpsRecord &a, const AviGpsRecord &b)
{
    // Byte images, so that two NaN coordinates of the same bits compare equal.
    char left[AviGpsRecord::kSize], right[AviGpsRecord::kSize];
    a.toBytes(left);
    b.toBytes(right);
    return std::memcmp(left, right, sizeof left) == 0;
}

AviGSensorRecord AviGSensorRecord::fromBytes(const char *bytes, qsizetype size)
{
    char image[kSize] = {};
    std::memcpy(image, bytes, static_cast<size_t>(std::clamp<qsizetype>(size, 0, kSize)));
    AviGSensorRecord r;
    r.header = take<qint32>(image, offsetof(AviGSensorRecord, header));
    r.timestamp = take<quint32>(image, offsetof(AviGSensorRecord, timestamp));
    r.xAxis = take<qint32>(image, offsetof(AviGSensorRecord, xAxis));
    r.yAxis = take<qint32>(image, offsetof(AviGSensorRecord, yAxis));
    r.zAxis = take<qint32>(image, offsetof(AviGSensorRecord, zAxis));
    r.nTemprature = take<qint32>(image, offsetof(AviGSensorRecord, nTemprature));
    return r;
}

void AviGSensorRecord::toBytes(char *out) const
{
    put(out, offsetof(AviGSensorRecord, header), header);
    put(out, offsetof(AviGSensorRecord, timestamp), timestamp);
    put(out, offsetof(AviGSensorRecord, xAxis), xAxis);
    put(out, offsetof(AviGSensorRecord, yAxis), yAxis);
    put(out, offsetof(AviGSensorRecord, zAxis), zAxis);
    put(out, offsetof(AviGSensorRecord, nTemprature), nTemprature);
}
