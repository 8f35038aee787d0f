#include "core/settings/SettingChoices.h"

#include "core/settings/FileData.h"

#include <algorithm>

namespace {

// Both Wi-Fi fields hold 16 bytes without a terminator; ASCII only, so a character is a byte.
constexpr qsizetype kWifiTextBytes = sizeof(SettingsRecord::wifi_ssid);
static_assert(sizeof(SettingsRecord::wifi_password) == kWifiTextBytes);

bool isWifiText(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() >= 0x21 && c.unicode() <= 0x7E; });
}

tvk::Result<void> checkWifi(const QString &text, qsizetype minLength, const char *lengthKey,
                            const char *invalidKey)
{
    if (text.size() < minLength)
        return tvk::Failure{lengthKey};
    if (text.size() > kWifiTextBytes)
        return tvk::Failure{
            QT_TRID_NOOP("msg.setting.too_long"), {}, {}, {QString::number(kWifiTextBytes)}};
    if (!isWifiText(text))
        return tvk::Failure{invalidKey};
    return {};
}

} // namespace

std::optional<int> choiceIndex(std::span<const quint32> choices, quint32 value)
{
    const auto found = std::find(choices.begin(), choices.end(), value);
    if (found == choices.end())
        return std::nullopt;
    return int(found - choices.begin());
}

std::optional<int> drivingPresetIndex(qint32 x, qint32 y, qint32 z)
{
    for (std::size_t i = 0; i < kGSensorPresets.size(); ++i) {
        const GSensorPreset &p = kGSensorPresets[i];
        if (x == p.drivingX && y == p.drivingYZ && z == p.drivingYZ)
            return int(i);
    }
    return std::nullopt;
}

std::optional<int> parkingPresetIndex(qint32 x, qint32 y, qint32 z)
{
    for (std::size_t i = 0; i < kGSensorPresets.size(); ++i) {
        const qint32 p = kGSensorPresets[i].parking;
        if (x == p && y == p && z == p)
            return int(i);
    }
    return std::nullopt;
}

tvk::Result<void> checkWifiName(const QString &text)
{
    return checkWifi(text, 6, QT_TRID_NOOP("setting.aux.ssid_length"),
                     QT_TRID_NOOP("setting.aux.ssid_invalid"));
}

tvk::Result<void> checkWifiPassword(const QString &text)
{
    return checkWifi(text, 8, QT_TRID_NOOP("setting.aux.password_length"),
                     QT_TRID_NOOP("setting.aux.password_invalid"));
}
