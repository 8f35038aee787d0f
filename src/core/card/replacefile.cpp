#include "replacefile.h"

#include <QSaveFile>

namespace {
tvk::Failure writeFailure(const QString &path, const QString &reason)
{
    return tvk::Failure{QT_TRID_NOOP("msg.file_open_fail"), path, reason};
}
} // namespace

tvk::Result<void> replaceFileContents(const QString &path, const QByteArray &bytes)
{
    return replaceFileContents(
        path, [&bytes](const std::function<void(const QByteArray &)> &write) { write(bytes); });
}

tvk::Result<void> replaceFileContents(
    const QString &path,
    const std::function<void(const std::function<void(const QByteArray &)> &write)> &produce)
{
    QSaveFile file(path);
    // Unbuffered, so that a write the file system cuts short shows in write()'s count: a
    // buffered QSaveFile (Qt 6.4) loses that at its final flush and commits the torn file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, file.errorString());
    QString failure;
    produce([&](const QByteArray &bytes) {
        if (!failure.isEmpty())
            return;
        const qint64 written = file.write(bytes);
        if (written != bytes.size())
            failure = written < 0 ? file.errorString()
                                  : QStringLiteral("only %1 of %2 bytes could be written")
                                        .arg(written)
                                        .arg(bytes.size());
    });
    if (failure.isEmpty() && !file.commit())
        failure = file.errorString();
    if (!failure.isEmpty())
        return writeFailure(path, failure);
    return {};
}
