#pragma once

#include "core/common/result.h"

#include <QByteArray>

// Where the list of block devices comes from: lsblk on the computer, a recorded output in tests.
class VolumeSource
{
public:
    virtual ~VolumeSource() = default;
    // lsblk's JSON output (--json --bytes -o lsblkColumns()).
    virtual tvk::Result<QByteArray> lsblkJson() = 0;
};
