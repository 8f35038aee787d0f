#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One block device as lsblk reports it. Bus, model and the removable and read-only flags of a
// partition come from its disk: lsblk gives them for the disk only.
struct BlockDevice
{
    QString name;       // sdb1
    QString path;       // /dev/sdb1
    QString type;       // disk, part, loop, rom, crypt ...
    QString bus;        // lsblk's transport: usb, sata, nvme, mmc ...; empty when none
    QString parentName; // the device this one sits on; empty for a disk
    QString model;      // null when none
    QString label;
    QString fsType;
    QStringList mountPoints; // real mount points only; an active swap area shows as "[SWAP]"
    quint64 size = 0;
    bool removable = false;
    bool readOnly = false;

    bool isMounted() const;
    bool isWhole() const { return type != QLatin1String("part"); }
    // A card in a USB reader or in a computer's built-in SD slot (mmcblk devices).
    bool onCardBus() const { return bus == QLatin1String("usb") || bus == QLatin1String("mmc"); }
};

// The columns the parser reads, in lsblk's -o syntax.
QString lsblkColumns();

// Every device of lsblk's JSON output (tree or flat), parents before their children. Output
// of older lsblk versions (flags and sizes as strings, one "mountpoint") reads the same.
// Malformed input gives the devices that could be read, or none.
QList<BlockDevice> parseLsblkJson(const QByteArray &json);
