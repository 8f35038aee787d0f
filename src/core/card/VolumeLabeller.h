#pragma once

#include "TKUSBDiskEntity.h"

#include <QString>

// Renames a mounted volume. The desktop build talks to the system's disk service; the core
// only decides when to ask.
class VolumeLabeller
{
public:
    virtual ~VolumeLabeller() = default;
    // True when the volume now carries the label; else false with a description in *error.
    virtual bool setLabel(const TKUSBDiskEntity &volume, const QString &label, QString *error) = 0;
};
