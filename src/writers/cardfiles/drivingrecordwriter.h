#pragma once

#include "core/common/result.h"
#include "core/records/flashsavevalue.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Writes driving-record files as the camera does: the record count, eight zero bytes, then the
// 40-byte records. A header count other than the number of records makes damaged files.
QByteArray drivingRecordFileBytes(const QList<DrivingRecordImage> &records,
                                  std::optional<quint32> headerCount = std::nullopt);
tvk::Result<void> writeDrivingRecordFile(const QString &path,
                                         const QList<DrivingRecordImage> &records);

// A plausible drive: one record every ten seconds from the start time, moving north-east at
// changing speed, with small G-sensor values and a 12 V battery. The same seed gives the same
// records.
QList<DrivingRecordImage> sampleDrivingRecords(int count, quint32 seed = 1);
