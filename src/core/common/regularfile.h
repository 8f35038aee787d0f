#pragma once

#include "core/common/result.h"

#include <QFile>

namespace tvk {

// Opens a regular file for reading without ever blocking: a pipe, a device or a folder at the
// path is refused ("msg.input_not_regular_file") instead of waiting in open() for a writer that
// may never come. The file is opened on `file` (whose name is the path) with `mode` added.
Result<void> openRegularFile(QFile &file, QIODevice::OpenMode mode = QIODevice::ReadOnly);

} // namespace tvk
