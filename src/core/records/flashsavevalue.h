#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>

// One 40-byte driving record of DrvInfo/tavik_000.drv. Decoded field by field from its
// little-endian byte image; the layout is proven below, never relied on for raw copies.
struct DrivingRecordImage
{
    quint16 seq;
    quint8 weekDay; // 0 Sunday .. 6 Saturday
    quint8 gpsValid;
    quint8 yearSince1900;
    quint8 month;
    quint8 day;
    quint8 hour;
    quint8 minute;
    quint8 second;
    quint16 latitudeInt; // ddmm of ddmm.mmmm
    quint16 latitudeFrac;
    quint16 longitudeInt; // dddmm of dddmm.mmmm
    quint16 longitudeFrac;
    quint16 curSpeed;
    quint32 drivingDistance; // tenths
    quint32 reserved1;
    quint16 maxSpeed;
    qint8 reserved2;
    qint8 reserved3;
    qint16 gsensorX; // 256 counts per g
    qint16 gsensorY;
    qint16 gsensorZ;
    qint16 battery; // tenths

    static constexpr qsizetype kSize = 40;

    // The record at the start of `bytes`, which must hold at least kSize bytes.
    static DrivingRecordImage decode(const uchar *bytes);
    QByteArray encode() const;
};

#define TVK_FLASH_AT(field, offset) static_assert(offsetof(DrivingRecordImage, field) == (offset))
static_assert(sizeof(DrivingRecordImage) == DrivingRecordImage::kSize);
TVK_FLASH_AT(seq, 0);
TVK_FLASH_AT(weekDay, 2);
TVK_FLASH_AT(gpsValid, 3);
TVK_FLASH_AT(yearSince1900, 4);
TVK_FLASH_AT(month, 5);
TVK_FLASH_AT(day, 6);
TVK_FLASH_AT(hour, 7);
TVK_FLASH_AT(minute, 8);
TVK_FLASH_AT(second, 9);
TVK_FLASH_AT(latitudeInt, 10);
TVK_FLASH_AT(latitudeFrac, 12);
TVK_FLASH_AT(longitudeInt, 14);
TVK_FLASH_AT(longitudeFrac, 16);
TVK_FLASH_AT(curSpeed, 18);
TVK_FLASH_AT(drivingDistance, 20);
TVK_FLASH_AT(reserved1, 24);
TVK_FLASH_AT(maxSpeed, 28);
TVK_FLASH_AT(reserved2, 30);
TVK_FLASH_AT(reserved3, 31);
TVK_FLASH_AT(gsensorX, 32);
TVK_FLASH_AT(gsensorY, 34);
TVK_FLASH_AT(gsensorZ, 36);
TVK_FLASH_AT(battery, 38);
#undef TVK_FLASH_AT
