#pragma once

#include "core/catalogue/MediaFile.h"
#include "core/clip/ClipPlan.h"
#include "core/common/result.h"

// The recordings a clip can be made of, found on the card.
namespace clip {

// The front and rear recordings of a catalogue, with their lengths read from their headers.
QList<Recording> recordingsOf(const QList<MediaFile> &medias);

// Every recording below a folder.
tvk::Result<QList<Recording>> recordingsBelow(const QString &folder);

// A recording and its partner, found beside it.
tvk::Result<QList<Recording>> pairOf(const QString &recordingPath);

} // namespace clip
