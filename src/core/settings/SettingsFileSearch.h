#pragma once

#include "core/card/UsbDisk.h"

#include <QString>

#include <optional>

class VolumeLabeller;
class VolumeSource;

// The settings window's card: the path of a valid config.bin and the volume that holds it.
struct SettingsCardSelection
{
    QString settingFilePath;
    std::optional<UsbDisk> selectedUSBDisk;
};

inline constexpr char kSettingFileName[] = "config.bin";

// Finds the camera's card and its config.bin. With no USB volume at all it logs "no removable
// devices" and leaves the selection as it was; otherwise the selection is cleared and set
// again only when the chosen card holds a config.bin of exactly 428 bytes. A card with
// another label is renamed TAVIK through the labeller (on failure: logged "error=..." and
// used under its old name).
void findUSBVolume(VolumeSource &volumes, VolumeLabeller &labeller,
                   SettingsCardSelection &selection);
