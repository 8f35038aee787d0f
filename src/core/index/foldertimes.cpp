#include "core/index/foldertimes.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QSet>

#include <sys/stat.h>

namespace {

struct Folder
{
    QByteArray relative;
    qint64 modifiedNs;
};

std::optional<struct stat> statOf(const QByteArray &path)
{
    struct stat st = {};
    if (::stat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return st;
}

qint64 nanoseconds(const struct stat &st)
{
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

QByteArray absolute(const QString &root, const QByteArray &relative)
{
    const QByteArray base = QFile::encodeName(root);
    return relative.isEmpty() ? base : base + '/' + relative;
}

} // namespace

std::optional<QByteArray> folderTimes(const QString &root, qint64 walkStartMs)
{
    const qint64 newestNs = (walkStartMs - kFolderTimeSlackMs) * 1000000;
    QList<Folder> folders;
    QSet<QPair<quint64, quint64>> visited;
    QList<QByteArray> queue{QByteArray()};
    while (!queue.isEmpty()) {
        const QByteArray relative = queue.takeLast();
        const std::optional<struct stat> st = statOf(absolute(root, relative));
        if (!st || nanoseconds(*st) > newestNs)
            return std::nullopt;
        if (visited.contains({quint64(st->st_dev), quint64(st->st_ino)}))
            continue;
        visited.insert({quint64(st->st_dev), quint64(st->st_ino)});
        // Names that cannot be written down one a line cannot be checked again.
        if (relative.contains('\n'))
            return std::nullopt;
        folders.append({relative, nanoseconds(*st)});
        if (folders.size() > kMaxVouchingFolders)
            return std::nullopt;
        const QDir dir(QFile::decodeName(absolute(root, relative)));
        const QStringList children =
            dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        for (const QString &child : children) {
            const QByteArray name = QFile::encodeName(child);
            queue.append(relative.isEmpty() ? name : relative + '/' + name);
        }
    }
    QByteArray text;
    for (const Folder &folder : std::as_const(folders))
        text += QByteArray::number(folder.modifiedNs) + ' ' + folder.relative + '\n';
    return text;
}

bool folderTimesMatch(const QString &root, const QByteArray &stored)
{
    if (stored.isEmpty())
        return false;
    const QList<QByteArray> lines = stored.split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const qsizetype space = line.indexOf(' ');
        bool number = false;
        const qint64 modifiedNs = space > 0 ? line.left(space).toLongLong(&number) : 0;
        if (!number)
            return false;
        const std::optional<struct stat> st = statOf(absolute(root, line.mid(space + 1)));
        if (!st || nanoseconds(*st) != modifiedNs)
            return false;
    }
    return true;
}
