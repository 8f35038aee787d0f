#pragma once

#include <QString>

#include <functional>

namespace tvk {

// The one diagnostic log of the program. Each call writes one line to the standard error
// stream, which the desktop session forwards to the journal. There are no levels.
void log(const QString &line);

// Tests capture the lines through a sink; passing an empty function removes it.
using LogSink = std::function<void(const QString &line)>;
void setLogSink(LogSink sink);

} // namespace tvk
