#pragma once

#include <QString>

#include <optional>

class QIODevice;

// A recording's length as its AVI main header states it: frames times microseconds per frame.
// Nothing when the header cannot be read (cut file, other layout, zero frames).
std::optional<qint64> aviHeaderLengthMs(QIODevice &file);

// The same for a file, or kUnknownRecordingLengthMs when its header cannot be read: a
// recording of the camera lasts a minute unless its settings say otherwise.
inline constexpr qint64 kUnknownRecordingLengthMs = 60000;
qint64 recordingLengthMs(const QString &path);
