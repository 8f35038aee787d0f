#pragma once

#include <QString>

#include <functional>

namespace tvk {

// The one diagnostic log of the program. Each call writes one line to the system log
// (syslog, which the journal collects), or to the standard error stream once asked to, so
// that a terminal shows only what the user must read. There are no levels.
void log(const QString &line);
void setLogToStandardError(bool toStandardError);

// Tests capture the lines through a sink; passing an empty function removes it.
using LogSink = std::function<void(const QString &line)>;
void setLogSink(LogSink sink);

} // namespace tvk
