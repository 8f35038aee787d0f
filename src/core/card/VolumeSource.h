#pragma once

#include <QByteArray>

// Where the list of block devices comes from: lsblk on the computer, a recorded output in tests.
class VolumeSource
{
public:
    virtual ~VolumeSource() = default;
    // lsblk's JSON output (--json --bytes -o lsblkColumns()); empty when it could not be had.
    virtual QByteArray lsblkJson() = 0;
};
