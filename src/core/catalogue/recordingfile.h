#pragma once

#include "core/common/result.h"

#include <QString>

// File systems that describe the running system rather than hold files (proc, sysfs,
// cgroup and their kin): walking them never ends, and nothing a camera wrote is there.
bool isPseudoFileSystem(int fd);

// Whether the file at `path` can stand for a recording of the card: after links, a regular
// file on a real file system that begins as an AVI recording ("RIFF", size, "AVI "). The
// failure names the path and says which of these it is not.
tvk::Result<void> checkRecordingFile(const QString &path);
