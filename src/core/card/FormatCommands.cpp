#include "core/card/FormatCommands.h"

#include "core/card/ShellCommand.h"
#include "core/common/cformat.h"

#include <QDir>

namespace {

constexpr quint64 kGiB = Q_UINT64_C(1) << 30;

// The device and everything that sits on it (partitions, mappings), by parent links.
QList<const BlockDevice *> deviceAndDescendants(const QList<BlockDevice> &devices,
                                                const BlockDevice &root)
{
    QList<const BlockDevice *> family{&root};
    QStringList names{root.name};
    for (qsizetype i = 0; i < names.size(); ++i) {
        for (const BlockDevice &device : devices) {
            if (device.parentName == names.at(i) && !names.contains(device.name)) {
                names.append(device.name);
                family.append(&device);
            }
        }
    }
    return family;
}

bool isSafeDevicePath(const QString &path)
{
    return path.startsWith(u'/') && QDir::cleanPath(path) == path && !path.contains(u'\n') &&
           !path.contains(u'\0');
}

} // namespace

int clusterSizeByVolumeSize(quint64 volumeSize)
{
    return volumeSize / kGiB < 7 ? 32 : 128;
}

QString clusterSizeText(int sectorsPerCluster)
{
    return tvk::cformat("%ld KB", static_cast<long>(sectorsPerCluster) * 512 / 1024);
}

QString unmountCommand(const QString &devicePath)
{
    return QStringLiteral("udisksctl unmount -b %1").arg(shellQuote(devicePath));
}

QString formatCommand(int sectorsPerCluster, const QString &devicePath)
{
    return QStringLiteral("mkfs.fat -F 32 -n TAVIK -f 2 -b 6 -R 32 -s %1 %2")
        .arg(sectorsPerCluster)
        .arg(shellQuote(devicePath));
}

QString mountCommand(const QString &devicePath)
{
    return QStringLiteral("udisksctl mount -b %1").arg(shellQuote(devicePath));
}

bool isSystemMountPoint(const QString &mountPoint)
{
    static const QStringList exact{QStringLiteral("/"),     QStringLiteral("/boot"),
                                   QStringLiteral("/home"), QStringLiteral("/usr"),
                                   QStringLiteral("/var"),  QStringLiteral("[SWAP]")};
    static const QStringList below{QStringLiteral("/boot/"), QStringLiteral("/usr/"),
                                   QStringLiteral("/var/")};
    const QString clean = mountPoint.startsWith(u'/') ? QDir::cleanPath(mountPoint) : mountPoint;
    if (exact.contains(clean))
        return true;
    for (const QString &prefix : below) {
        if (clean.startsWith(prefix))
            return true;
    }
    return false;
}

tvk::Result<FormatTarget> formatTarget(const QList<BlockDevice> &devices, const QString &deviceName)
{
    const auto refuse = [](const char *key, QStringList args = {}) {
        return tvk::Failure{key, {}, {}, std::move(args)};
    };
    if (!isSafeDeviceName(deviceName))
        return refuse(QT_TRID_NOOP("msg.format.bad_name"));
    const BlockDevice *device = nullptr;
    for (const BlockDevice &candidate : devices) {
        if (candidate.name == deviceName) {
            device = &candidate;
            break;
        }
    }
    if (!device)
        return refuse(QT_TRID_NOOP("msg.format.device_gone"));
    if (!isSafeDevicePath(device->path))
        return refuse(QT_TRID_NOOP("msg.format.bad_path"));
    // A card in a built-in SD slot is formatted like one in a USB reader.
    if (!device->onCardBus() || !device->removable)
        return refuse(QT_TRID_NOOP("msg.format.not_usb"));
    if (device->readOnly)
        return tvk::Failure{
            QT_TRID_NOOP("msg.write_protected_disk"), {}, {}, {}, ShellErrorNumber::WriteProtected};

    FormatTarget target{*device, {}};
    for (const BlockDevice *member : deviceAndDescendants(devices, *device)) {
        if (member->fsType == QLatin1String("swap"))
            return refuse(QT_TRID_NOOP("msg.format.swap"));
        for (const QString &point : member->mountPoints) {
            if (isSystemMountPoint(point))
                return refuse(QT_TRID_NOOP("msg.format.system_folder"), {point});
        }
        if (member->isMounted() && isSafeDevicePath(member->path) &&
            !target.unmountPaths.contains(member->path))
            target.unmountPaths.append(member->path);
    }
    return target;
}
