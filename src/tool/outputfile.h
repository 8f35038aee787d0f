#pragma once

#include "core/common/result.h"

#include <QString>

#include <functional>

class QIODevice;

// Writes a whole output file through `write`: "-" is the standard output; any other path is
// replaced in one step when complete (see replaceFile), and never when it is something other
// than a regular file.
tvk::Result<void> writeOutputFile(const QString &path,
                                  const std::function<tvk::Result<void>(QIODevice &)> &write);

// The line the tool prints for a failed output file: the path and the system's own words.
QString outputFailureText(const tvk::Failure &failure);
