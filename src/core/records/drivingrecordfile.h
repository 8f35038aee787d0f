#pragma once

#include "flashsavevalue.h"

#include <QByteArray>
#include <QList>
#include <QString>

// DrvInfo/tavik_000.drv: a 12-byte header (record count, 8 unused bytes) and 40-byte records.

inline constexpr char kDrivingRecordFilePath[] = "DrvInfo/tavik_000.drv";
inline constexpr qsizetype kDrivingRecordHeaderSize = 12;
// No card file system holds more: FAT32 files stop short of 4 GiB.
inline constexpr quint32 kMaxDrivingRecords = static_cast<quint32>(
    (Q_UINT64_C(0xFFFFFFFF) - kDrivingRecordHeaderSize) / _FLASH_SAVE_VALUE_STRUCT::kSize);

// The records of one read, published as a whole: the list and its count never disagree.
struct DrivingRecordFile
{
    enum class Status {
        Ok,         // every record the header promises
        Truncated,  // fewer bytes than promised: the complete records only
        Unopenable, // the file could not be opened; logged "fopen fail:<path>"
        Refused,    // a count no card file could hold, or no complete header
    };

    Status status = Status::Ok;
    quint32 recordCount = 0; // as the header says
    QList<_FLASH_SAVE_VALUE_STRUCT> records;

    // True when the records replace what was shown before.
    bool usable() const { return status == Status::Ok || status == Status::Truncated; }
};

// Reads the file without ever reading past its end or reserving room for records it does not
// hold.
DrivingRecordFile readDrivingRecordFile(const QString &path);
// The same over bytes already in memory.
DrivingRecordFile parseDrivingRecords(const QByteArray &bytes);
