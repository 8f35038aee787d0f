#pragma once

#include "core/common/result.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <span>

// The values the settings pages offer where the record holds a measure rather than the
// position of a control, in the order the pages list them. `tavik-tool config set` accepts
// these and no others.

// always_mode_timeout: how long the camera waits before it records as parked, in seconds.
inline constexpr std::array<quint32, 9> kParkingWaitSeconds{0, 10, 30, 60, 120, 180, 300, 420, 600};
inline constexpr int kUnlistedParkingWaitIndex = 2;
// sd_mem_always_reserved: the battery voltage at which the camera stops, in millivolts; 0 is
// off, 1 automatic, 10000 an external battery.
inline constexpr std::array<quint32, 13> kCutOffMillivolts{
    0, 1, 10000, 11500, 11600, 11700, 11800, 11900, 12000, 12100, 12200, 12300, 12400};
inline constexpr int kFirstVoltageIndex = 3;
inline constexpr int kExternalBatteryIndex = 2;
inline constexpr int kUnlistedCutOffIndex = 8;
// sd_mem_motion_reserved: how long the camera records while parked, in hours; 0 without end.
inline constexpr std::array<quint32, 8> kParkingRecordingHours{0, 3, 6, 9, 12, 24, 36, 48};
// wifi_channel: 0 chooses by itself, then channels 1 to 13.
inline constexpr int kWifiChannelCount = 14;
// CableVoltCorr: the voltage lost in the power cable, 1 (none) to 7 (0.6 V).
inline constexpr int kCableLossSteps = 7;

// The sensitivity presets of the G-sensor, least sensitive first, in hundredths of a g.
struct GSensorPreset
{
    qint32 drivingX;
    qint32 drivingYZ;
    qint32 parking;
};
inline constexpr std::array<GSensorPreset, 5> kGSensorPresets{
    {{70, 65, 25}, {60, 55, 20}, {50, 45, 15}, {40, 35, 12}, {30, 25, 8}}};

// Where `value` stands among `choices`; nothing when it is not one of them.
std::optional<int> choiceIndex(std::span<const quint32> choices, quint32 value);
// The preset whose driving (parking) thresholds these are; nothing for thresholds of the
// user's own.
std::optional<int> drivingPresetIndex(qint32 x, qint32 y, qint32 z);
std::optional<int> parkingPresetIndex(qint32 x, qint32 y, qint32 z);

// The Wi-Fi name (at least 6) and password (at least 8): printable ASCII without spaces, at
// most 16 bytes.
tvk::Result<void> checkWifiName(const QString &text);
tvk::Result<void> checkWifiPassword(const QString &text);
