#pragma once

#include "core/common/result.h"

#include <QString>

#include <optional>

class QIODevice;

// A recording's length as its AVI main header states it: frames times microseconds per frame.
// Nothing when the header cannot be read (cut file, other layout, zero frames).
std::optional<qint64> aviHeaderLengthMs(QIODevice &file);

// The same for a file, or kUnknownRecordingLengthMs when its header cannot be read (a
// recording cut before its header was final lasts a minute unless its settings say
// otherwise). Fails when the file itself cannot be read: its length is not guessed.
inline constexpr qint64 kUnknownRecordingLengthMs = 60000;
tvk::Result<qint64> recordingLengthMs(const QString &path);
