#pragma once

#include "core/card/VolumeSource.h"

// The computer's block devices, from util-linux's lsblk. Stateless: usable from any thread.
class LsblkVolumeSource : public VolumeSource
{
public:
    tvk::Result<QByteArray> lsblkJson() override;
};
