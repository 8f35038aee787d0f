#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// timeset.cfg, from which the camera sets its clock: 19 bytes "yyyy/MM/dd HH:mm:ss" in local
// time, no line end.

inline constexpr char kTimesetFileName[] = "timeset.cfg";

// The file's bytes; nothing for a date that does not fit the pattern (years 1 to 9999 only
// give four digits, and an invalid date or time gives none).
std::optional<QByteArray> timesetText(const QDate &date, const QTime &time);

// Replaces the file with the 19 bytes, so nothing of a longer old file survives behind them.
tvk::Result<void> writeTimesetFile(const QString &path, const QDate &date, const QTime &time);
