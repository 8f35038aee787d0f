#include "app/card/CardMountWatcher.h"

#include <QFutureWatcher>
#include <QSocketNotifier>
#include <QtConcurrent/QtConcurrentRun>

CardMountWatcher::CardMountWatcher(std::function<QString()> openFolder, const QString &mountTable,
                                   QObject *parent)
    : QObject(parent), m_openFolder(std::move(openFolder)), m_path(mountTable), m_notice(mountTable)
{
    m_mounts = readTable();
    // The kernel flags the open mount table with POLLPRI after every mount or unmount in our
    // namespace; inotify sees nothing in /proc.
    if (m_notice.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_notifier = new QSocketNotifier(m_notice.handle(), QSocketNotifier::Exception, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &CardMountWatcher::rescan);
    }
}

QList<MountEntry> CardMountWatcher::readTable() const
{
    // Opened afresh each time: a table file replaced by another is read whole.
    QFile table(m_path);
    if (!table.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return m_mounts;
    return parseMountInfo(table.readAll());
}

bool CardMountWatcher::isMounted(const QString &mountPoint) const
{
    for (const MountEntry &entry : m_mounts) {
        if (entry.mountPoint == mountPoint)
            return true;
    }
    return false;
}

void CardMountWatcher::rescan()
{
    const QList<MountEntry> now = readTable();
    const QList<MountEntry> added = newMounts(m_mounts, now);
    const QList<QString> gone = goneMountPoints(m_mounts, now);
    m_mounts = now;
    for (const QString &mountPoint : gone)
        emit unmounted(mountPoint);
    if (added.isEmpty())
        return;

    // A card just mounted answers its first listings slowly; the window goes on meanwhile.
    using Finding = QList<std::pair<QString, CardMount>>;
    const QString openFolder = m_openFolder ? m_openFolder() : QString();
    auto *watcher = new QFutureWatcher<Finding>(this);
    connect(watcher, &QFutureWatcher<Finding>::finished, this, [this, watcher] {
        watcher->deleteLater();
        for (const auto &[mountPoint, kind] : watcher->result()) {
            // Unmounted again while it was being looked at: nothing to offer.
            if (isCameraCard(kind) && isMounted(mountPoint))
                emit cardMounted(mountPoint, kind);
        }
    });
    watcher->setFuture(QtConcurrent::run([added, openFolder] {
        Finding found;
        for (const MountEntry &mount : added)
            found.append({mount.mountPoint, cardMount(mount, openFolder)});
        return found;
    }));
}
