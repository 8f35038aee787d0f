#pragma once

#include "core/card/LsblkParser.h"
#include "core/common/result.h"

#include <QList>
#include <QString>
#include <QStringList>

// The commands of card formatting and the checks that come before them.

// Sectors per cluster for mkfs.fat -s: 32 below 7 GiB (7516192768 bytes), else 128.
int clusterSizeByVolumeSize(quint64 volumeSize);
// The cluster size those sectors give, "16 KB" for 32 sectors of 512 bytes.
QString clusterSizeText(int sectorsPerCluster);

// Command lines; the device path is always passed as one quoted word.
QString unmountCommand(const QString &devicePath);
QString formatCommand(int sectorsPerCluster, const QString &devicePath);
QString mountCommand(const QString &devicePath);

// "/", "/boot", "/home", "/usr", "/var" (and below /boot, /usr, /var) and active swap.
bool isSystemMountPoint(const QString &mountPoint);

// A device that may be formatted, with what must be unmounted first.
struct FormatTarget
{
    BlockDevice device;
    QStringList unmountPaths; // device paths of the mounted volumes on it
};

// Looks the device up by name in a fresh device list and checks it: a safe name and path,
// on a removable medium on the USB bus, writable, and holding no system mount itself or on
// any device below it. A write-protected device fails with the code
// ShellErrorNumber::WriteProtected.
tvk::Result<FormatTarget> formatTarget(const QList<BlockDevice> &devices,
                                       const QString &deviceName);
