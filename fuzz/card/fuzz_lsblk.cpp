// lsblk's JSON output from outside bytes: devices, USB volumes, the camera card and the checks
// before formatting must cope with anything.
#include "core/card/FormatCommands.h"
#include "core/card/LsblkParser.h"
#include "core/card/Volumes.h"
#include "core/common/log.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        tvk::setLogSink([](const QString &) {});
        return true;
    }();
    (void)quiet;
    const QByteArray json(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QList<BlockDevice> devices = parseLsblkJson(json);
    const QList<UsbDisk> entities = usbDiskEntities(devices);
    if (entities.size() > usbVolumeURLs(devices).size() ||
        usbVolumeURLs(devices).size() > removableVolumeURLs(devices).size())
        std::abort();
    (void)findCameraDisk(entities);
    for (const UsbDisk &entity : entities) {
        if (entity.displayString().isEmpty())
            std::abort();
    }
    for (const BlockDevice &device : devices.mid(0, 32)) {
        const tvk::Result<FormatTarget> target = formatTarget(devices, device.name);
        if (target) {
            if (!target->device.onCardBus() || !target->device.removable)
                std::abort();
            for (const QString &path : target->unmountPaths)
                (void)unmountCommand(path);
        } else if (!target.failure().key) {
            std::abort();
        }
    }
    return 0;
}
