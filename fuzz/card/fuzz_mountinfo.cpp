// The kernel's mount table as outside bytes: every line read, the changes between two tables.
#include "core/card/MountTable.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QList<MountEntry> entries = parseMountInfo(bytes);
    for (const MountEntry &entry : entries) {
        if (!entry.mountPoint.startsWith(QLatin1Char('/')) || entry.fsType.isEmpty())
            std::abort();
    }
    // The second half of the input as the table after a change.
    const QList<MountEntry> later = parseMountInfo(bytes.mid(bytes.size() / 2));
    if (newMounts(entries, later).size() > later.size() ||
        goneMountPoints(entries, later).size() > entries.size() ||
        !newMounts(entries, entries).isEmpty())
        std::abort();
    return 0;
}
