#pragma once

#include "core/card/LsblkParser.h"
#include "core/card/UsbDisk.h"
#include "core/card/VolumeSource.h"

#include <QList>
#include <QUrl>

#include <optional>

// Mounted volumes, the USB ones among them, and the choice of the camera's card. Every call
// asks its source afresh; nothing is kept between calls. A card in a built-in SD slot counts as
// a USB volume: it is the same card, only the reader differs.

// The source's devices; none when it could not list them (the source logs why).
QList<BlockDevice> blockDevices(VolumeSource &source);

// Mount URLs of the mounted volumes on removable media, in lsblk's order.
QList<QUrl> removableVolumeURLs(const QList<BlockDevice> &devices);
QList<QUrl> removableVolumeURLs(VolumeSource &source);
// Those of them on the USB bus (or in a built-in SD slot).
QList<QUrl> usbVolumeURLs(const QList<BlockDevice> &devices);
QList<QUrl> usbVolumeURLs(VolumeSource &source);
// One entity for each USB volume that has a device name; logs each mount path.
QList<UsbDisk> usbDiskEntities(const QList<BlockDevice> &devices);
QList<UsbDisk> usbDiskEntities(VolumeSource &source);
// The first USB volume whose root holds an item at the relative path.
std::optional<QUrl> usbVolumeURLContainingPath(VolumeSource &source, const QString &relativePath);

// The volume most likely to be the camera's card: the first of the list that passes, in pass
// order, 1) label TAVIK, writable and config.bin at its root; 2) TAVIK and writable;
// 3) TAVIK; 4) writable; 5) any.
std::optional<UsbDisk> findCameraDisk(const QList<UsbDisk> &entities);
std::optional<UsbDisk> findCameraDisk(VolumeSource &source);

// The computer's own source (lsblk).
VolumeSource &systemVolumeSource();
