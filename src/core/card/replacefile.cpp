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
    QSaveFile file(path);
    // Unbuffered, so that a write the file system cuts short shows in write()'s count: a
    // buffered QSaveFile (Qt 6.4) loses that at its final flush and commits the torn file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, file.errorString());
    const qint64 written = file.write(bytes);
    if (written != bytes.size())
        return writeFailure(path, written < 0
                                      ? file.errorString()
                                      : QStringLiteral("only %1 of %2 bytes could be written")
                                            .arg(written)
                                            .arg(bytes.size()));
    if (!file.commit())
        return writeFailure(path, file.errorString());
    return {};
}
