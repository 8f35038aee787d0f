#include "core/settings/cardsettings.h"

#include "core/settings/SettingsFileSearch.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/TimeZones.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>

std::optional<SettingsRecord> cardSettings(const QString &folder)
{
    tvk::Result<SettingsRecord> record =
        readRecord(QDir(folder).filePath(QLatin1String(kSettingFileName)));
    return record ? std::optional<SettingsRecord>(*record) : std::nullopt;
}

std::optional<SettingsRecord> cardSettingsAbove(const QString &path)
{
    const QFileInfo info(path);
    QDir dir(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
    for (int up = 0; up < 4; ++up) {
        if (std::optional<SettingsRecord> settings = cardSettings(dir.path()))
            return settings;
        if (!dir.cdUp())
            break;
    }
    return std::nullopt;
}

std::optional<int> cardZoneSeconds(const SettingsRecord &settings)
{
    if (settings.time_gmt < 0 || std::size_t(settings.time_gmt) >= timeZoneCodeTable.size())
        return std::nullopt;
    const int code = timeZoneCodeTable[std::size_t(settings.time_gmt)].code;
    const int seconds = (code / 100) * 3600 + (code % 100) * 60;
    return seconds + (settings.summer_time == 1 ? 3600 : 0);
}

QString zoneText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(QChar(seconds < 0 ? u'-' : u'+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}
