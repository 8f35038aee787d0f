#pragma once

#include "core/common/result.h"
#include "core/telemetry/RecordedTelemetry.h"

#include <QByteArray>

class QIODevice;

// The title line of the telemetry table, without a line end.
inline constexpr char kTelemetryCsvTitle[] = "t,x,y,z,gps_t,latitude,longitude,speed,unit";

// The rows of one recording: t,x,y,z,gps_t,latitude,longitude,speed,unit, each begun with
// `prefix`. One row per G-sensor sample with the GPS record that covers it; a recording
// without G-sensor samples gets one row per GPS record at that record's own time instead.
// Positions are signed decimal degrees; where no record covers a sample, or its position is
// impossible, those columns stay empty.
QByteArray telemetryCsvRows(const RecordedTelemetry &telemetry, const QByteArray &prefix = {});
// The same rows written to `out` as they are made, a piece of about 64 KiB at a time, so that
// the table of a long recording is never held whole. Fails when the device did.
tvk::Result<void> writeTelemetryCsvRows(QIODevice &out, const RecordedTelemetry &telemetry,
                                        const QByteArray &prefix = {});

// The title and the rows. Fails when the device did.
tvk::Result<void> writeTelemetryCsv(QIODevice &out, const RecordedTelemetry &telemetry);
