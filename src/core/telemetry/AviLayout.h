#pragma once

#include <QtGlobal>

// Where the camera puts things in a recording. It reserves its headers so that the movi list
// always sits at the same place; the reader relies on that and the writer lays it down.
namespace avi {

inline constexpr qint64 kMoviListAt = 14132; // "LIST" of the movi list
inline constexpr qint64 kMoviSizeAt = 14136; // its size S
inline constexpr qint64 kMoviTypeAt = 14140; // "movi"; index offsets count from here
// A chunk is its code and its size, then its record: an index offset o puts the record at
// kMoviTypeAt + o + 8.
inline constexpr qint64 kRecordBase = kMoviTypeAt + 8;
// The index chunk follows the movi list, so its first entry lies at kIndexBase + S.
inline constexpr qint64 kIndexBase = kMoviTypeAt + 8;
inline constexpr qint64 kIndexEntrySize = 16; // code, flags, offset, size

static_assert(kMoviSizeAt == kMoviListAt + 4 && kMoviTypeAt == kMoviSizeAt + 4);
static_assert(kIndexBase == 0x3744);

// Chunk codes: the stream's number, then its kind. Telemetry is stream 2 in every recording,
// after video and sound.
inline constexpr char kVideoChunk[] = "00dc";
inline constexpr char kAudioChunk[] = "01wb";
inline constexpr char kTelemetryChunk[] = "02sb";
inline constexpr char kIndexChunk[] = "idx1";

} // namespace avi
