#include "core/common/log.h"

#include <QMutex>
#include <QMutexLocker>

#include <cstdio>
#include <syslog.h>

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
bool &logToStandardError()
{
    static bool toStandardError = false;
    return toStandardError;
}
} // namespace

void log(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    QMutexLocker lock(&logMutex());
    if (logToStandardError()) {
        std::fprintf(stderr, "%s\n", bytes.constData());
        std::fflush(stderr);
    } else {
        ::syslog(LOG_USER | LOG_INFO, "%s", bytes.constData());
    }
    if (logSink())
        logSink()(line);
}

void setLogToStandardError(bool toStandardError)
{
    QMutexLocker lock(&logMutex());
    logToStandardError() = toStandardError;
}

void setLogSink(LogSink sink)
{
    QMutexLocker lock(&logMutex());
    logSink() = std::move(sink);
}

} // namespace tvk
