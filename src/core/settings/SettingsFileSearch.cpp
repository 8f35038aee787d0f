#include "core/settings/SettingsFileSearch.h"

#include "core/card/VolumeLabeller.h"
#include "core/card/Volumes.h"
#include "core/common/log.h"
#include "core/settings/FileData.h"

#include <QDir>
#include <QFileInfo>

void findUSBVolume(VolumeSource &volumes, VolumeLabeller &labeller,
                   SettingsCardSelection &selection)
{
    const QList<BlockDevice> devices = blockDevices(volumes);
    if (usbVolumeURLs(devices).isEmpty()) {
        tvk::log(QStringLiteral("no removable devices"));
        return;
    }
    selection = {};

    std::optional<UsbDisk> card = findCameraDisk(usbDiskEntities(devices));
    if (!card)
        return;
    const QString path = QDir(card->mountPath()).filePath(QLatin1String(kSettingFileName));
    const QFileInfo info(path);
    if (!info.isFile() || info.size() != SettingsRecord::kSize)
        return;

    if (card->volumeName() != QLatin1String(kCameraVolumeName)) {
        if (const auto labelled = labeller.setLabel(*card, QLatin1String(kCameraVolumeName));
            !labelled) {
            tvk::log(QStringLiteral("error=%1").arg(labelled.failure().reasonOrMessage()));
        } else {
            // The renamed volume, found again by its device: a fresh search by label alone
            // could settle on another card while the new label is still being announced.
            for (const UsbDisk &entity : usbDiskEntities(volumes)) {
                if (entity.deviceFilePath() == card->deviceFilePath()) {
                    card = entity;
                    break;
                }
            }
        }
    }
    selection.settingFilePath = QDir(card->mountPath()).filePath(QLatin1String(kSettingFileName));
    selection.selectedUSBDisk = card;
}
