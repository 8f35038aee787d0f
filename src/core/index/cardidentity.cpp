#include "core/card/MountTable.h"
#include "core/index/cardindex.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The mount table entry whose mount point holds `path`: the longest that is a prefix.
std::optional<MountEntry> mountOf(const QString &path)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<MountEntry> best;
    for (const MountEntry &entry : parseMountInfo(table.readAll())) {
        const QString &point = entry.mountPoint;
        const bool holds = path == point || point == u'/' ||
                           path.startsWith(point.endsWith(u'/') ? point : point + u'/');
        if (holds && (!best || point.size() >= best->mountPoint.size()))
            best = entry;
    }
    return best;
}

// The name under /dev/disk/by-uuid (or by-label) that leads to `device`.
QString volumeNameOf(const QString &device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return {};
    for (const char *kind : {"uuid", "label"}) {
        QDirIterator links(QStringLiteral("/dev/disk/by-") + QLatin1String(kind), QDir::System);
        while (links.hasNext()) {
            const QFileInfo link(links.next());
            if (link.canonicalFilePath() == target)
                return QLatin1String(kind) + u':' + link.fileName();
        }
    }
    return {};
}

} // namespace

QString CardIndex::identityOf(const QString &folder)
{
    QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const std::optional<MountEntry> mount = mountOf(canonical);
    if (mount && mount->source.startsWith(u"/dev/")) {
        const QString volume = volumeNameOf(mount->source);
        if (!volume.isEmpty()) {
            const QString inside = QDir(mount->mountPoint).relativeFilePath(canonical);
            return volume + u'/' + QDir::cleanPath(mount->root + u'/' + inside);
        }
    }
    return QStringLiteral("folder:") + canonical;
}

QString CardIndex::fileOf(const QString &identity, const QString &cacheFolder)
{
    QString cache = cacheFolder;
    if (cache.isEmpty()) {
        // One cache for the viewer and the tool: a program's own cache folder is named
        // after the program.
        cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                QStringLiteral("/tavik-viewer/cards");
    }
    const QByteArray hash =
        QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return cache + u'/' + QString::fromLatin1(hash) + QStringLiteral(".sqlite");
}

QString CardIndex::absolutePath(const QString &relative) const
{
    return m_folder + u'/' + relative;
}

QString CardIndex::relativePath(const QString &absolute) const
{
    return QDir(m_folder).relativeFilePath(absolute);
}
