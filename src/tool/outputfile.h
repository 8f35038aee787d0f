#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a whole output file through `write`: "-" is the standard output; any other path is
// replaced in one step when complete, and never when it is something other than a regular
// file. Returns an error text with the real reason, or an empty string.
QString writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &write);
