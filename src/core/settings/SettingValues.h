#pragma once

#include "core/settings/FileData.h"

#include <QString>
#include <QStringList>

// The values the settings pages can store, field by field, for editing a record outside the
// settings window. Fields that no page edits (and the two the save step computes) are refused.

// Stores one value as its page would: numbers as the record holds them (thresholds in
// hundredths, voltages in millivolts), texts as typed. Setting one card share sets the other
// to the rest of 100. On failure the record is unchanged.
tvk::Result<void> setSettingValue(SettingsRecord &record, const QString &name,
                                  const QString &value);
