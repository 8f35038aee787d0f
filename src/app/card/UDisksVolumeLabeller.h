#pragma once

#include "core/card/VolumeLabeller.h"

// Renames a mounted volume through the UDisks2 service on the system bus, without asking the
// user for a password: a refusal comes back as an error and the card keeps its name.
class UDisksVolumeLabeller : public VolumeLabeller
{
public:
    tvk::Result<void> setLabel(const UsbDisk &volume, const QString &label) override;

    // UDisks2's object path of a block device: /org/freedesktop/UDisks2/block_devices/<name>,
    // with every character other than a letter or digit written as _XX (its hex code).
    static QString objectPathFor(const QString &deviceName);
};
