#pragma once

#include "core/common/result.h"

#include <QString>

// Copies config.bin from the card's root into a new folder of its own under `root` and reads
// the copy back; a copy that differs from the card's file is a failure. The copy's path, or
// an empty path when the card has no config.bin.
tvk::Result<QString> backupConfigFile(const QString &mountPath, const QString &root);

// Replaces `to` with the bytes of `from`.
tvk::Result<void> copyConfigFile(const QString &from, const QString &to);
