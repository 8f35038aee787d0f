#pragma once

#include "core/common/result.h"

#include <QString>

#include <optional>

class QIODevice;

// A recording's length as its AVI main header states it: frames times microseconds per frame.
// Nothing when the header cannot be read (cut file, other layout, zero frames).
std::optional<qint64> aviHeaderLengthMs(QIODevice &file);

// A recording cut by a crash keeps its header's frame duration but no frame count: its length
// is then the video frames (stream 0) that made it whole into the movi list times that
// duration. Nothing when the file is no AVI or holds no whole frame.
std::optional<qint64> moviLengthMs(QIODevice &file);
// The header's length, else the one recovered from the movi list.
std::optional<qint64> playableLengthMs(QIODevice &file);

// The same for a file, or kUnknownRecordingLengthMs when its header cannot be read (a
// recording cut before its header was final lasts a minute unless its settings say
// otherwise). Fails when the file itself cannot be read: its length is not guessed.
inline constexpr qint64 kUnknownRecordingLengthMs = 60000;
tvk::Result<qint64> recordingLengthMs(const QString &path);
