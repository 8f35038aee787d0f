#include "core/card/Volumes.h"

#include "core/card/LsblkVolumeSource.h"
#include "core/common/log.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <functional>

namespace {

// A volume appears once even when lsblk lists it under several parents (RAID members).
QList<const BlockDevice *> mountedRemovable(const QList<BlockDevice> &devices, bool usbOnly)
{
    QList<const BlockDevice *> found;
    QSet<QString> seen;
    for (const BlockDevice &device : devices) {
        if (!device.isMounted() || !device.removable)
            continue;
        if (usbOnly && !device.onCardBus())
            continue;
        if (seen.contains(device.path))
            continue;
        seen.insert(device.path);
        found.append(&device);
    }
    return found;
}

QUrl mountURL(const BlockDevice &device)
{
    for (const QString &point : device.mountPoints) {
        if (point.startsWith(u'/'))
            return QUrl::fromLocalFile(point);
    }
    return {};
}

QList<QUrl> urlsOf(const QList<const BlockDevice *> &devices)
{
    QList<QUrl> urls;
    for (const BlockDevice *device : devices)
        urls.append(mountURL(*device));
    return urls;
}

bool hasConfigFile(const UsbDisk &entity)
{
    return QFileInfo::exists(QDir(entity.mountPath()).filePath(QStringLiteral("config.bin")));
}

} // namespace

QList<BlockDevice> blockDevices(VolumeSource &source)
{
    const tvk::Result<QByteArray> json = source.lsblkJson();
    return json ? parseLsblkJson(*json) : QList<BlockDevice>();
}

QList<QUrl> removableVolumeURLs(const QList<BlockDevice> &devices)
{
    return urlsOf(mountedRemovable(devices, false));
}

QList<QUrl> removableVolumeURLs(VolumeSource &source)
{
    return removableVolumeURLs(blockDevices(source));
}

QList<QUrl> usbVolumeURLs(const QList<BlockDevice> &devices)
{
    return urlsOf(mountedRemovable(devices, true));
}

QList<QUrl> usbVolumeURLs(VolumeSource &source)
{
    return usbVolumeURLs(blockDevices(source));
}

QList<UsbDisk> usbDiskEntities(const QList<BlockDevice> &devices)
{
    QList<UsbDisk> entities;
    for (const BlockDevice *device : mountedRemovable(devices, true)) {
        if (device->name.isEmpty())
            continue;
        const QUrl url = mountURL(*device);
        tvk::log(url.toLocalFile());
        entities.append(UsbDisk(device->label, url, device->name, device->model, device->size,
                                !device->readOnly, device->isWhole(), device->path));
    }
    return entities;
}

QList<UsbDisk> usbDiskEntities(VolumeSource &source)
{
    return usbDiskEntities(blockDevices(source));
}

std::optional<QUrl> usbVolumeURLContainingPath(VolumeSource &source, const QString &relativePath)
{
    for (const QUrl &url : usbVolumeURLs(source)) {
        if (QFileInfo::exists(QDir(url.toLocalFile()).filePath(relativePath)))
            return url;
    }
    return std::nullopt;
}

std::optional<UsbDisk> findCameraDisk(const QList<UsbDisk> &entities)
{
    const auto isCamera = [](const UsbDisk &e) {
        return e.volumeName() == QLatin1String(kCameraVolumeName);
    };
    const std::function<bool(const UsbDisk &)> passes[] = {
        [&](const UsbDisk &e) { return isCamera(e) && e.writable() && hasConfigFile(e); },
        [&](const UsbDisk &e) { return isCamera(e) && e.writable(); },
        [&](const UsbDisk &e) { return isCamera(e); },
        [](const UsbDisk &e) { return e.writable(); },
        [](const UsbDisk &) { return true; },
    };
    for (const auto &pass : passes) {
        for (const UsbDisk &entity : entities) {
            if (pass(entity))
                return entity;
        }
    }
    return std::nullopt;
}

std::optional<UsbDisk> findCameraDisk(VolumeSource &source)
{
    return findCameraDisk(usbDiskEntities(source));
}

VolumeSource &systemVolumeSource()
{
    static LsblkVolumeSource source;
    return source;
}
