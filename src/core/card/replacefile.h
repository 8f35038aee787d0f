#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

// Replaces a file's whole content: the bytes go to a temporary file beside it, which takes
// the file's place only when every byte was written. Otherwise the old file is left as it was
// and the failure ("msg.file_open_fail") carries the system's reason.
tvk::Result<void> replaceFileContents(const QString &path, const QByteArray &bytes);
