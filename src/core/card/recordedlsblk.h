#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QString>

// lsblk's JSON of even a large machine is a few hundred kilobytes; more is not its output.
constexpr qint64 kLargestLsblkOutput = 4 << 20;

// A recorded `lsblk --json` output: only a regular file, and only up to kLargestLsblkOutput
// bytes, so that a device or a pipe given in its place is refused instead of read forever.
tvk::Result<QByteArray> readRecordedLsblk(const QString &path);
