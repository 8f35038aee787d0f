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

_AVI_GPS_DATA_T _AVI_GPS_DATA_T::fromBytes(const char *bytes, qsizetype size)
{
    char image[kSize] = {};
    std::memcpy(image, bytes, static_cast<size_t>(std::clamp<qsizetype>(size, 0, kSize)));
    _AVI_GPS_DATA_T r;
    r.header = take<qint32>(image, offsetof(_AVI_GPS_DATA_T, header));
    r.nTimestamp = take<quint32>(image, offsetof(_AVI_GPS_DATA_T, nTimestamp));
    r.nLen = take<quint32>(image, offsetof(_AVI_GPS_DATA_T, nLen));
    r.sig = take<quint32>(image, offsetof(_AVI_GPS_DATA_T, sig));
    r.fLatitude = take<double>(image, offsetof(_AVI_GPS_DATA_T, fLatitude));
    r.fLongitude = take<double>(image, offsetof(_AVI_GPS_DATA_T, fLongitude));
    r.fSpeed = take<quint32>(image, offsetof(_AVI_GPS_DATA_T, fSpeed));
    r.distance = take<quint32>(image, offsetof(_AVI_GPS_DATA_T, distance));
    r.NS = image[offsetof(_AVI_GPS_DATA_T, NS)];
    r.EW = image[offsetof(_AVI_GPS_DATA_T, EW)];
    r.KM = image[offsetof(_AVI_GPS_DATA_T, KM)];
    r.dummy = image[offsetof(_AVI_GPS_DATA_T, dummy)];
    std::memcpy(r.RawData, image + offsetof(_AVI_GPS_DATA_T, RawData), kRawDataSize);
    return r;
}

void _AVI_GPS_DATA_T::toBytes(char *out) const
{
    put(out, offsetof(_AVI_GPS_DATA_T, header), header);
    put(out, offsetof(_AVI_GPS_DATA_T, nTimestamp), nTimestamp);
    put(out, offsetof(_AVI_GPS_DATA_T, nLen), nLen);
    put(out, offsetof(_AVI_GPS_DATA_T, sig), sig);
    put(out, offsetof(_AVI_GPS_DATA_T, fLatitude), fLatitude);
    put(out, offsetof(_AVI_GPS_DATA_T, fLongitude), fLongitude);
    put(out, offsetof(_AVI_GPS_DATA_T, fSpeed), fSpeed);
    put(out, offsetof(_AVI_GPS_DATA_T, distance), distance);
    out[offsetof(_AVI_GPS_DATA_T, NS)] = NS;
    out[offsetof(_AVI_GPS_DATA_T, EW)] = EW;
    out[offsetof(_AVI_GPS_DATA_T, KM)] = KM;
    out[offsetof(_AVI_GPS_DATA_T, dummy)] = dummy;
    std::memcpy(out + offsetof(_AVI_GPS_DATA_T, RawData), RawData, kRawDataSize);
}

bool operator==(const _AVI_GPS_DATA_T &a, const _AVI_GPS_DATA_T &b)
{
    // Byte images, so that two NaN coordinates of the same bits compare equal.
    char left[_AVI_GPS_DATA_T::kSize], right[_AVI_GPS_DATA_T::kSize];
    a.toBytes(left);
    b.toBytes(right);
    return std::memcmp(left, right, sizeof left) == 0;
}

_AVI_GSENSOR_DATA_T _AVI_GSENSOR_DATA_T::fromBytes(const char *bytes, qsizetype size)
{
    char image[kSize] = {};
    std::memcpy(image, bytes, static_cast<size_t>(std::clamp<qsizetype>(size, 0, kSize)));
    _AVI_GSENSOR_DATA_T r;
    r.header = take<qint32>(image, offsetof(_AVI_GSENSOR_DATA_T, header));
    r.timestamp = take<quint32>(image, offsetof(_AVI_GSENSOR_DATA_T, timestamp));
    r.xAxis = take<qint32>(image, offsetof(_AVI_GSENSOR_DATA_T, xAxis));
    r.yAxis = take<qint32>(image, offsetof(_AVI_GSENSOR_DATA_T, yAxis));
    r.zAxis = take<qint32>(image, offsetof(_AVI_GSENSOR_DATA_T, zAxis));
    r.nTemprature = take<qint32>(image, offsetof(_AVI_GSENSOR_DATA_T, nTemprature));
    return r;
}

void _AVI_GSENSOR_DATA_T::toBytes(char *out) const
{
    put(out, offsetof(_AVI_GSENSOR_DATA_T, header), header);
    put(out, offsetof(_AVI_GSENSOR_DATA_T, timestamp), timestamp);
    put(out, offsetof(_AVI_GSENSOR_DATA_T, xAxis), xAxis);
    put(out, offsetof(_AVI_GSENSOR_DATA_T, yAxis), yAxis);
    put(out, offsetof(_AVI_GSENSOR_DATA_T, zAxis), zAxis);
    put(out, offsetof(_AVI_GSENSOR_DATA_T, nTemprature), nTemprature);
}
