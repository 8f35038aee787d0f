#include "core/evidence/evidencefolder.h"

#include "core/common/devicefailure.h"
#include "core/common/partialfolder.h"
#include "core/common/result.h"
#include "core/common/textescape.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kBlock = 1 << 20;

// Keeps writing after a short write, so that the failure that stopped it is the one reported
// (a full disk or a size limit shows up on the next write, not the short one).
bool writeAll(QIODevice &out, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 n = out.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool statOf(const QString &path, struct stat *info)
{
    return ::stat(QFile::encodeName(path).constData(), info) == 0;
}

// Opens and locks a folder without following a link; -1 when it is not ours to take.
int lockFolder(const QString &path, int how)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 && ::flock(fd, how) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

} // namespace

QByteArray fileSha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return hash.addData(&file) && file.atEnd() ? hash.result().toHex() : QByteArray();
}

void removeStalePartialFolders(const QString &folder)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    QStringList stale;
    while (const dirent *entry = ::readdir(dir)) {
        if (!isPartialFolderName(entry->d_name))
            continue;
        const QString path = QDir(folder).filePath(QFile::decodeName(entry->d_name));
        struct stat info = {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        // A run holds its folder's lock until it ends: a free lock means nobody is writing.
        if (const int fd = lockFolder(path, LOCK_EX | LOCK_NB); fd >= 0) {
            stale << path;
            ::close(fd);
        }
    }
    ::closedir(dir);
    for (const QString &path : stale)
        QDir(path).removeRecursively();
}

EvidenceFolder::EvidenceFolder(const QString &target)
    : m_target(QDir::cleanPath(QFileInfo(target).absoluteFilePath()))
{
    const QFileInfo info(m_target);
    const QString parent = info.absolutePath();
    struct stat own = {}, above = {};
    const bool exists = ::lstat(QFile::encodeName(m_target).constData(), &own) == 0;
    if (exists &&
        (!S_ISDIR(own.st_mode) || !QDir(m_target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                          QDir::Hidden | QDir::System))) {
        fail(tvk::Failure{QT_TRID_NOOP("msg.evidence_target_taken"), target});
        return;
    }
    if (!QDir().mkpath(parent)) {
        fail(tvk::Failure{QT_TRID_NOOP("msg.evidence_write_fail"), parent});
        return;
    }
    // An empty mount point cannot be renamed over: the folder is built inside it instead.
    m_inside = exists && statOf(parent, &above) && above.st_dev != own.st_dev;
    const QString home = m_inside ? m_target : parent;
    removeStalePartialFolders(home);
    // Short, whatever the length of the target's name, and beside it, so that the last step
    // is a rename on one file system.
    QByteArray work = QFile::encodeName(
        QDir(home).filePath(QLatin1String(kPartialFolderPrefix) + QLatin1String("XXXXXX")));
    if (!::mkdtemp(work.data())) {
        fail(tvk::Failure{QT_TRID_NOOP("msg.evidence_write_fail"), home, systemReason()});
        return;
    }
    m_work = QFile::decodeName(work);
    m_lock = lockFolder(m_work, LOCK_EX | LOCK_NB);
    if (m_lock < 0)
        fail(tvk::Failure{QT_TRID_NOOP("msg.evidence_write_fail"), m_work, systemReason()});
}

EvidenceFolder::~EvidenceFolder()
{
    removeWork();
}

void EvidenceFolder::removeWork()
{
    if (!m_work.isEmpty())
        QDir(m_work).removeRecursively();
    m_work.clear();
    if (m_lock >= 0)
        ::close(m_lock);
    m_lock = -1;
}

tvk::Result<void> EvidenceFolder::status() const
{
    if (m_failure)
        return *m_failure;
    return {};
}

bool EvidenceFolder::fail(tvk::Failure failure)
{
    if (!m_failure)
        m_failure = std::move(failure);
    return false;
}

bool EvidenceFolder::failOn(const QString &path, const QString &reason)
{
    return fail(tvk::Failure{QT_TRID_NOOP("msg.system_words"), path, {}, {reason}});
}

QString EvidenceFolder::claimName(const QString &wanted)
{
    const qsizetype dot = wanted.lastIndexOf(u'.');
    const QString stem = dot > 0 ? wanted.left(dot) : wanted;
    const QString extension = dot > 0 ? wanted.mid(dot) : QString();
    QString name = wanted;
    for (int n = 2; m_names.contains(name.toCaseFolded()); ++n)
        name = stem + u'-' + QString::number(n) + extension;
    m_names.insert(name.toCaseFolded());
    return name;
}

QString EvidenceFolder::pathOf(const QString &name) const
{
    return QDir(m_work).filePath(name);
}

bool EvidenceFolder::copyVerified(const QString &source, const QString &name)
{
    if (m_failure)
        return false;
    QFile in(source);
    QFile out(pathOf(name));
    if (!in.open(QIODevice::ReadOnly))
        return failOn(source, in.errorString());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failOn(out.fileName(), out.errorString());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray block;
    while (!(block = in.read(kBlock)).isEmpty()) {
        hash.addData(block);
        if (!writeAll(out, block))
            return failOn(out.fileName(), out.errorString());
    }
    if (in.error() != QFileDevice::NoError || !in.atEnd())
        return failOn(source, in.errorString());
    // Read back from the medium's view, not what is still in our buffers.
    if (!out.flush() || ::fsync(out.handle()) != 0)
        return failOn(out.fileName(), out.errorString());
    out.close();
    const QByteArray sum = hash.result().toHex();
    if (fileSha256(out.fileName()) != sum)
        return fail(
            tvk::Failure{QT_TRID_NOOP("evidence.copy_differs"), out.fileName(), {}, {source}});
    m_sums.append({name, sum});
    return true;
}

bool EvidenceFolder::writeFile(const QString &name,
                               const std::function<tvk::Result<void>(QIODevice &)> &write)
{
    if (m_failure)
        return false;
    QFile out(pathOf(name));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failOn(out.fileName(), out.errorString());
    if (!write(out) || !out.flush() || ::fsync(out.handle()) != 0) {
        // A writer that gave up on its own leaves the device without a reason of its own.
        return out.error() != QFileDevice::NoError
                   ? failOn(out.fileName(), out.errorString())
                   : fail(tvk::Failure{QT_TRID_NOOP("msg.evidence_write_fail"), out.fileName()});
    }
    out.close();
    const QByteArray sum = fileSha256(out.fileName());
    if (sum.isEmpty())
        return fail(tvk::Failure{QT_TRID_NOOP("evidence.not_read_back"), out.fileName()});
    m_sums.append({name, sum});
    return true;
}

bool EvidenceFolder::writeFile(const QString &name, const QByteArray &bytes)
{
    return writeFile(name, [&bytes](QIODevice &out) -> tvk::Result<void> {
        if (!writeAll(out, bytes))
            return deviceFailure(out);
        return {};
    });
}

bool EvidenceFolder::finish(const QString &sumsName)
{
    if (m_failure)
        return false;
    QByteArray sums;
    for (const auto &[name, sum] : m_sums)
        sums += tvk::sha256sumLine(sum, name);
    QFile file(pathOf(sumsName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, sums) ||
        !file.flush() || ::fsync(file.handle()) != 0)
        return failOn(file.fileName(), file.errorString());
    file.close();
    const QByteArray work = QFile::encodeName(m_work);
    if (m_inside) {
        // File by file into the mount point, the checksums last: until they are there the
        // folder does not claim to be complete.
        for (const auto &[name, sum] : m_sums) {
            const QByteArray to = QFile::encodeName(QDir(m_target).filePath(name));
            if (::rename(QFile::encodeName(pathOf(name)).constData(), to.constData()) != 0)
                return fail(tvk::Failure{QT_TRID_NOOP("msg.evidence_write_fail"), m_target,
                                         systemReason()});
        }
        const QByteArray to = QFile::encodeName(QDir(m_target).filePath(sumsName));
        if (::rename(QFile::encodeName(pathOf(sumsName)).constData(), to.constData()) != 0)
            return fail(
                tvk::Failure{QT_TRID_NOOP("msg.evidence_write_fail"), m_target, systemReason()});
        removeWork();
        return true;
    }
    // The partial folder was private to us; the finished one is an ordinary folder.
    ::chmod(work.constData(), 0755);
    // rename() takes the place of an empty folder in one step.
    if (::rename(work.constData(), QFile::encodeName(m_target).constData()) != 0)
        return fail(
            tvk::Failure{QT_TRID_NOOP("msg.evidence_write_fail"), m_target, systemReason()});
    m_work.clear();
    ::close(m_lock);
    m_lock = -1;
    return true;
}
