#pragma once

#include "core/settings/FileData.h"

#include <QString>

#include <optional>

// The settings record of the card whose root is `folder`: its config.bin when that is
// exactly one record long.
std::optional<SettingsRecord> cardSettings(const QString &folder);
// The settings of the card that holds `path`: config.bin in its folder or one of the folders
// above (a recording lies in DCIM/<folder>/, a window may have opened any of them).
std::optional<SettingsRecord> cardSettingsAbove(const QString &path);

// The card's time zone as an offset from UTC in seconds: time_gmt from the zone list, one
// hour more with summer_time. Nothing when time_gmt is not a zone of the list.
std::optional<int> cardZoneSeconds(const SettingsRecord &settings);
// "+09:00", "-04:30": the zone as the camera's list writes it.
QString zoneText(int seconds);
