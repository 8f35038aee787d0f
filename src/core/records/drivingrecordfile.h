#pragma once

#include "core/common/result.h"
#include "core/records/flashsavevalue.h"

#include <QByteArray>
#include <QList>
#include <QString>

// DrvInfo/tavik_000.drv: a 12-byte header (record count, 8 unused bytes) and 40-byte records.

inline constexpr char kDrivingRecordFilePath[] = "DrvInfo/tavik_000.drv";
inline constexpr qsizetype kDrivingRecordHeaderSize = 12;
// No card file system holds more: FAT32 files stop short of 4 GiB.
inline constexpr quint32 kMaxDrivingRecords = static_cast<quint32>(
    (Q_UINT64_C(0xFFFFFFFF) - kDrivingRecordHeaderSize) / DrivingRecordImage::kSize);

// The records of one read, published as a whole: the list and its count never disagree.
struct DrivingRecordFile
{
    quint32 recordCount = 0; // as the header says
    QList<DrivingRecordImage> records;

    // Fewer bytes than the header promised: the complete records only.
    bool truncated() const { return records.size() < qsizetype(recordCount); }
};

// Reads the file without ever reading past its end or reserving room for records it does not
// hold. Fails when the file cannot be opened ("msg.file_read_fail", logged "fopen fail:<path>")
// or holds no complete header ("msg.drv_no_header") or a count no card file could hold
// ("msg.drv_refused").
tvk::Result<DrivingRecordFile> readDrivingRecordFile(const QString &path);
// The same over bytes already in memory.
tvk::Result<DrivingRecordFile> parseDrivingRecords(const QByteArray &bytes);
