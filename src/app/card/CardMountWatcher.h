#pragma once

#include "core/card/CardMount.h"
#include "core/card/MountTable.h"

#include <QFile>
#include <QList>
#include <QObject>

#include <functional>

class QSocketNotifier;

// Watches the kernel's mount table for volumes mounted while the program runs, whoever
// mounts them (the desktop's automounter through UDisks2, mount(8), a file manager), so it
// works with or without a UDisks2 daemon. Volumes mounted before it started are not reported.
class CardMountWatcher : public QObject
{
    Q_OBJECT
public:
    // `openFolder` tells which folder the window shows when a volume arrives.
    explicit CardMountWatcher(std::function<QString()> openFolder,
                              const QString &mountTable = QStringLiteral("/proc/self/mountinfo"),
                              QObject *parent = nullptr);

    // Reads the table again and reports what changed. The kernel's notice calls it; so may
    // anyone who knows the table changed.
    void rescan();

signals:
    // A new volume that is a camera's card; its root is looked at off the interface thread.
    void cardMounted(const QString &mountPoint, CardMount kind);
    void unmounted(const QString &mountPoint);

private:
    QList<MountEntry> readTable() const;
    bool isMounted(const QString &mountPoint) const;

    std::function<QString()> m_openFolder;
    QString m_path;
    QFile m_notice;
    QSocketNotifier *m_notifier = nullptr;
    QList<MountEntry> m_mounts;
};
