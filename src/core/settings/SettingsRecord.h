#pragma once

#include "core/settings/FileData.h"
#include "core/settings/RecordText.h"

#include <QString>

// The four operations on a caller-owned settings record, and the save step.

inline constexpr char kExternalRearCameraKey[] = "5806externalRearCamera";

// Overwrites every field with its factory value, except checksum, time_gmt, summer_time and
// Brightness1: restoring the defaults keeps the user's time zone, summer time and voice.
void applyFactoryDefaults(SettingsRecord &record);
// An all-zero record with the factory values applied.
SettingsRecord factoryDefaultRecord();

// Reads the record of a settings file, which holds exactly 428 bytes as on the card.
tvk::Result<SettingsRecord> readRecord(const QString &path);

// Replaces the file with the record's 428 bytes; a failure is also logged with the system's
// reason. The old file stays whole until the new one is complete, so an interrupted write
// leaves no torn config.bin.
tvk::Result<void> writeRecord(const SettingsRecord &record, const QString &path);
// The factory-default record, not passed through the save step (checksum and plate flag 0).
tvk::Result<void> writeDefaultSettingsFile(const QString &path);

// XOR of the low halves of the 106 words from byte 4 on; cfg_ver and checksum are outside.
quint16 computeChecksum(const SettingsRecord &record);
// A stamped checksum that does not match: the bytes were changed after the camera or this
// program wrote them. 0 is the camera's never-stamped default file, not a fault.
bool checksumIsWrong(const SettingsRecord &record);
// The save step: the plate flag from the car number, then the checksum.
void applySaveStep(SettingsRecord &record);

// The user default that mirrors external_rear_camera (0 when absent, cut to 32 bits).
quint32 externalRearCameraDefault();
void storeExternalRearCameraDefault(quint32 value);
