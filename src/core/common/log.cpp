#include "log.h"

#include <QMutex>
#include <QMutexLocker>

#include <cstdio>

namespace tvk {

namespace {
QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}
LogSink &logSink()
{
    static LogSink sink;
    return sink;
}
} // namespace

void log(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    QMutexLocker lock(&logMutex());
    std::fprintf(stderr, "%s\n", bytes.constData());
    std::fflush(stderr);
    if (logSink())
        logSink()(line);
}

void setLogSink(LogSink sink)
{
    QMutexLocker lock(&logMutex());
    logSink() = std::move(sink);
}

} // namespace tvk
