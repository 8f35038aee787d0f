#include "core/common/replacefile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

tvk::Failure writeFailure(const QString &path, const QString &reason)
{
    return tvk::Failure{QT_TRID_NOOP("msg.file_open_fail"), path, reason};
}

bool statOf(const QString &path, struct stat *info)
{
    return ::stat(QFile::encodeName(path).constData(), info) == 0;
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
    struct stat old = {};
    const bool existed = statOf(path, &old);
    if (existed && !S_ISREG(old.st_mode))
        return tvk::Failure{QT_TRID_NOOP("msg.not_regular_file"), path};
    if (!existed && errno != ENOENT)
        return writeFailure(path, QString::fromLocal8Bit(std::strerror(errno)));

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
    if (failure.isEmpty() && existed) {
        // The new file takes the old one's place by rename: give it the old one's owner and
        // mode first (a stranger's file stays theirs; failing that is no reason to stop).
        const int fd = file.handle();
        if (fd >= 0) {
            (void)::fchown(fd, old.st_uid, old.st_gid);
            (void)::fchmod(fd, old.st_mode & 07777);
        }
    }
    if (failure.isEmpty() && !file.commit())
        failure = file.errorString();
    if (!failure.isEmpty())
        return writeFailure(path, failure);
    return {};
}

bool isSameFile(const QString &a, const QString &b)
{
    struct stat first = {}, second = {};
    return statOf(a, &first) && statOf(b, &second) && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}
