#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// The one way every writer replaces a file: the bytes go to a temporary file beside it, which
// takes the file's place only when every byte was written. Otherwise the old file is left as
// it was and the failure ("msg.file_open_fail") carries the system's reason. Only a regular
// file, or nothing, is replaced: a device, a pipe or a folder at the path is refused
// ("msg.not_regular_file", code kNotReplacedCode) and left alone. The new file keeps the old
// one's mode and owner.
inline constexpr int kNotReplacedCode = 1;

// `write` fills the device; a failure it returns is handed back as it is.
tvk::Result<void> replaceFile(const QString &path,
                              const std::function<tvk::Result<void>(QIODevice &)> &write);
tvk::Result<void> replaceFileContents(const QString &path, const QByteArray &bytes);
// The same for content written piece by piece: `produce` calls its `write` with each piece.
tvk::Result<void> replaceFileContents(
    const QString &path,
    const std::function<void(const std::function<void(const QByteArray &)> &write)> &produce);

// Whether both paths name one file (the same device and inode); false when either is absent.
bool isSameFile(const QString &a, const QString &b);
