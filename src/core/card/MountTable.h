#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One line of the kernel's mount table (/proc/self/mountinfo).
struct MountEntry
{
    QString device;     // major:minor of the file system, e.g. 8:17
    QString root;       // the folder of that file system mounted here; "/" for a whole volume
    QString mountPoint; // where it shows, escapes undone
    QString fsType;     // vfat, exfat, ext4, tmpfs, proc ...
    QString source;     // /dev/sdb1, or what the file system names itself

    bool operator==(const MountEntry &) const = default;
};

// Every well-formed line of the table, in its order. Lines with missing fields are skipped;
// "\040"-style escapes in paths (space, tab, newline, backslash) are undone.
QList<MountEntry> parseMountInfo(const QByteArray &table);

// The entries of `after` that `before` does not hold, each volume once: a second mount of the
// same folder of the same file system (a bind mount of a volume already seen) is not new.
QList<MountEntry> newMounts(const QList<MountEntry> &before, const QList<MountEntry> &after);

// Mount points of `before` that `after` no longer holds.
QList<QString> goneMountPoints(const QList<MountEntry> &before, const QList<MountEntry> &after);
