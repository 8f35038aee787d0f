#pragma once

#include "core/card/UsbDisk.h"
#include "core/common/result.h"

#include <QString>

// Renames a mounted volume. The desktop build talks to the system's disk service; the core
// only decides when to ask.
class VolumeLabeller
{
public:
    virtual ~VolumeLabeller() = default;
    // Succeeds when the volume now carries the label.
    virtual tvk::Result<void> setLabel(const UsbDisk &volume, const QString &label) = 0;
};
