#include "core/evidence/evidencefolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace

QByteArray fileSha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return hash.addData(&file) && file.atEnd() ? hash.result().toHex() : QByteArray();
}

EvidenceFolder::EvidenceFolder(const QString &target)
    : m_target(QFileInfo(target).absoluteFilePath())
{
    const QFileInfo info(m_target);
    if (info.exists() &&
        (!info.isDir() || !QDir(m_target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                  QDir::Hidden | QDir::System))) {
        fail(QStringLiteral("%1: exists and is not an empty folder").arg(target));
        return;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        fail(QStringLiteral("%1: cannot create the folder").arg(info.absolutePath()));
        return;
    }
    // Beside the target, so that the last step is a rename on one file system.
    m_work = std::make_unique<QTemporaryDir>(
        QDir(info.absolutePath())
            .filePath(QStringLiteral(".%1.partial-XXXXXX").arg(info.fileName())));
    if (!m_work->isValid())
        fail(QStringLiteral("%1: %2").arg(info.absolutePath(), m_work->errorString()));
}

EvidenceFolder::~EvidenceFolder() = default;

bool EvidenceFolder::fail(const QString &message)
{
    if (m_error.isEmpty())
        m_error = message;
    return false;
}

QString EvidenceFolder::pathOf(const QString &name) const
{
    return QDir(m_work->path()).filePath(name);
}

bool EvidenceFolder::copyVerified(const QString &source, const QString &name)
{
    if (!m_error.isEmpty())
        return false;
    QFile in(source);
    QFile out(pathOf(name));
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(source, in.errorString()));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(QStringLiteral("%1: %2").arg(out.fileName(), out.errorString()));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray block;
    while (!(block = in.read(kBlock)).isEmpty()) {
        hash.addData(block);
        if (!writeAll(out, block))
            return fail(QStringLiteral("%1: %2").arg(out.fileName(), out.errorString()));
    }
    if (in.error() != QFileDevice::NoError || !in.atEnd())
        return fail(QStringLiteral("%1: %2").arg(source, in.errorString()));
    // Read back from the medium's view, not what is still in our buffers.
    if (!out.flush() || ::fsync(out.handle()) != 0)
        return fail(QStringLiteral("%1: %2").arg(out.fileName(), out.errorString()));
    out.close();
    const QByteArray sum = hash.result().toHex();
    if (fileSha256(out.fileName()) != sum)
        return fail(QStringLiteral("%1: the copy differs from %2").arg(out.fileName(), source));
    m_sums.append({name, sum});
    return true;
}

bool EvidenceFolder::writeFile(const QString &name, const std::function<bool(QIODevice &)> &write)
{
    if (!m_error.isEmpty())
        return false;
    QFile out(pathOf(name));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !write(out) || !out.flush() ||
        ::fsync(out.handle()) != 0)
        return fail(QStringLiteral("%1: %2").arg(out.fileName(), out.errorString()));
    out.close();
    const QByteArray sum = fileSha256(out.fileName());
    if (sum.isEmpty())
        return fail(QStringLiteral("%1: cannot be read back").arg(out.fileName()));
    m_sums.append({name, sum});
    return true;
}

bool EvidenceFolder::writeFile(const QString &name, const QByteArray &bytes)
{
    return writeFile(name, [&bytes](QIODevice &out) { return writeAll(out, bytes); });
}

bool EvidenceFolder::finish()
{
    if (!m_error.isEmpty())
        return false;
    QByteArray sums;
    for (const auto &[name, sum] : m_sums)
        sums += sum + "  " + name.toUtf8() + '\n';
    QFile file(pathOf(QStringLiteral("SHA256SUMS")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, sums) ||
        !file.flush() || ::fsync(file.handle()) != 0)
        return fail(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
    file.close();
    // The temporary folder was private to us; the finished one is an ordinary folder.
    QFile::setPermissions(m_work->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup |
                                              QFile::ReadOther | QFile::ExeOther);
    // An empty folder given as the target makes way for the finished one.
    if (QFileInfo(m_target).isDir() && !QDir().rmdir(m_target))
        return fail(QStringLiteral("%1: cannot replace the empty folder").arg(m_target));
    if (!QDir().rename(m_work->path(), m_target))
        return fail(
            QStringLiteral("%1: cannot rename %2 into place").arg(m_target, m_work->path()));
    m_work->setAutoRemove(false);
    return true;
}
