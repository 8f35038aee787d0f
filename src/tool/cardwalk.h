#pragma once

#include "core/catalogue/MediaFile.h"
#include "core/common/result.h"

#include <QList>

// The recordings of a card folder for a command, in start-time order. Fails when the folder
// itself cannot be read; every other problem of the walk (an unreadable sub-folder, the
// catalogue's limit, a name Qt cannot hold) is told on the error stream, one line each, and
// the walk goes on.
tvk::Result<QList<MediaFile>> walkCardFolder(const QString &folder);
