#include "core/common/replacefile.h"

#include "core/common/strings.h"

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

// Gathers small writes (an XML writer's) into pieces for an unbuffered file, whose count shows
// a write the file system cut short: a buffered QSaveFile (Qt 6.4) loses that at its final
// flush and commits the torn file.
class PieceDevice : public QIODevice
{
public:
    explicit PieceDevice(QSaveFile &file) : m_file(file)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    // The reason of the first failed write; empty while all went well.
    const QString &failure() const { return m_failure; }

    // Keeps writing after a short write, so that the failure that stopped it is the one
    // reported (a full disk or a size limit shows up on the next write, not the short one).
    bool flushPiece()
    {
        for (qsizetype done = 0; m_failure.isEmpty() && done < m_piece.size();) {
            const qint64 written = m_file.write(m_piece.constData() + done, m_piece.size() - done);
            if (written < 0)
                m_failure = m_file.errorString();
            else if (written == 0)
                m_failure = tvk::text("msg.short_write")
                                .arg(QString::number(done), QString::number(m_piece.size()));
            done += written;
        }
        setErrorString(m_failure);
        m_piece.resize(0);
        return m_failure.isEmpty();
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (!m_failure.isEmpty())
            return -1;
        m_piece.append(data, size);
        return m_piece.size() < kPiece || flushPiece() ? size : -1;
    }

private:
    static constexpr qsizetype kPiece = 1 << 16;
    QSaveFile &m_file;
    QByteArray m_piece;
    QString m_failure;
};

} // namespace

tvk::Result<void> replaceFile(const QString &path,
                              const std::function<tvk::Result<void>(QIODevice &)> &write)
{
    struct stat old = {};
    const bool existed = statOf(path, &old);
    if (existed && !S_ISREG(old.st_mode))
        return tvk::Failure{QT_TRID_NOOP("msg.not_regular_file"), path, {}, {}, kNotReplacedCode};
    if (!existed && errno != ENOENT)
        return writeFailure(path, QString::fromLocal8Bit(std::strerror(errno)));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, file.errorString());
    PieceDevice device(file);
    if (tvk::Result<void> written = write(device); !written) {
        // The device's own reason says more than a writer that only saw it fail.
        if (device.failure().isEmpty())
            return written;
    }
    if (!device.flushPiece())
        return writeFailure(path, device.failure());
    if (existed) {
        // The new file takes the old one's place by rename: give it the old one's owner and
        // mode first (a stranger's file stays theirs; failing that is no reason to stop).
        const int fd = file.handle();
        if (fd >= 0) {
            (void)::fchown(fd, old.st_uid, old.st_gid);
            (void)::fchmod(fd, old.st_mode & 07777);
        }
    }
    if (!file.commit())
        return writeFailure(path, file.errorString());
    return {};
}

tvk::Result<void> replaceFileContents(const QString &path, const QByteArray &bytes)
{
    return replaceFileContents(
        path, [&bytes](const std::function<void(const QByteArray &)> &write) { write(bytes); });
}

tvk::Result<void> replaceFileContents(
    const QString &path,
    const std::function<void(const std::function<void(const QByteArray &)> &write)> &produce)
{
    return replaceFile(path, [&produce](QIODevice &out) -> tvk::Result<void> {
        produce([&out](const QByteArray &bytes) { out.write(bytes); });
        return {};
    });
}

bool isSameFile(const QString &a, const QString &b)
{
    struct stat first = {}, second = {};
    return statOf(a, &first) && statOf(b, &second) && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}
