#pragma once

#include "core/common/result.h"

#include <QString>

// A recording as the camera lays it out, with no video and as much telemetry as `bytes`
// hold: a GPS record every second carrying a receiver's full set of sentences (RMC, GGA, GSA
// and three GSV), and ten G-sensor samples a second of a shaking car, driving at 50 km/h.
// Returns the number of seconds written.
tvk::Result<qint64> writeFilledRecording(const QString &path, qint64 bytes);
