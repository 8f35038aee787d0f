#include "core/settings/SettingValues.h"

#include "core/common/cformat.h"
#include "core/settings/FileDataFields.h"
#include "core/settings/SettingChoices.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/ValueChecks.h"

#include <QHash>
#include <QList>

namespace {

enum class Kind { Values, Range, Threshold, Ratio, CarNumber, WifiName, WifiPassword };

struct Rule
{
    Kind kind;
    qint64 min = 0;
    qint64 max = 0;
    QList<qint64> values = {};
};

QList<qint64> listed(std::span<const quint32> choices)
{
    return QList<qint64>(choices.begin(), choices.end());
}

const QHash<QString, Rule> &rules()
{
    static const QHash<QString, Rule> table = [] {
        QHash<QString, Rule> t;
        const auto range = [&t](const char *name, qint64 min, qint64 max) {
            t.insert(QLatin1String(name), Rule{Kind::Range, min, max});
        };
        const auto kind = [&t](const char *name, Kind k) {
            t.insert(QLatin1String(name), Rule{k});
        };
        const auto values = [&t](const char *name, std::span<const quint32> choices) {
            t.insert(QLatin1String(name), Rule{Kind::Values, 0, 0, listed(choices)});
        };
        values("sd_mem_always_reserved", kCutOffMillivolts);
        values("sd_mem_motion_reserved", kParkingRecordingHours);
        values("always_mode_timeout", kParkingWaitSeconds);
        for (const char *name :
             {"gsen_x_threshold", "gsen_y_threshold", "gsen_z_threshold", "parkmode_x_threshold",
              "parkmode_y_threshold", "parkmode_z_threshold"})
            kind(name, Kind::Threshold);
        kind("sd_mem_always_ratio", Kind::Ratio);
        kind("sd_mem_motion_ratio", Kind::Ratio);
        kind("szPlateNumber", Kind::CarNumber);
        kind("wifi_ssid", Kind::WifiName);
        kind("wifi_password", Kind::WifiPassword);
        for (const char *name :
             {"sd_mem_event_reserved", "composite_mode", "osd_speed_flag", "speed_disp_unit",
              "summer_time", "g_sensor_enable", "alarm_ontime_flag", "NightTime", "ledoff", "Gamma",
              "parking_rear_off", "flip_video", "parking_alarm", "rear_fps", "ledoff_rear",
              "always_mode_recording_time", "lcd_brightness_night"})
            range(name, 0, 1);
        for (const char *name : {"vid_enc_bitrate", "vid_enc_bitrate_R", "DayTime",
                                 "lcd_brightness", "lcd_screensaver", "rear_cpl_use"})
            range(name, 0, 2);
        for (const char *name : {"disp_segment_mode", "aud_input_vol", "aud_output_vol",
                                 "lcd_autopoweroff", "pip_position", "front_cpl_use"})
            range(name, 0, 3);
        range("vid_brightness", 0, 4);
        range("vid_brightness_R", 0, 4);
        range("autoFormatAlarm", 0, 4);
        range("motion1080pCValue", 0, 5);
        range("motion720pCValue", 0, 5);
        range("motionBlock", 0, 0xFFF);
        range("motionBlock_Rear", 0, 0xFFF);
        range("time_gmt", -1, 33);
        range("nodriving_day", 0, 7);
        range("SaveDuration", 0, 7);
        range("Brightness1", 0, 20);
        range("CableVoltCorr", 1, kCableLossSteps);
        range("wifi_channel", 0, kWifiChannelCount - 1);
        return t;
    }();
    return table;
}

// The failure about one field, named in its text.
tvk::Failure fieldFailure(const QString &name, const char *key, QStringList args = {})
{
    return tvk::Failure{key, name, {}, std::move(args)};
}

tvk::Result<void> aboutField(const QString &name, tvk::Result<void> result)
{
    if (!result)
        return fieldFailure(name, result.failure().key, result.failure().args);
    return result;
}

} // namespace

tvk::Result<void> setSettingValue(SettingsRecord &record, const QString &name, const QString &value)
{
    if (!findFileDataField(name))
        return fieldFailure(name, QT_TRID_NOOP("msg.setting.unknown_field"));
    const auto found = rules().constFind(name);
    if (found == rules().constEnd())
        return fieldFailure(name, QT_TRID_NOOP("msg.setting.not_editable"));
    const Rule &rule = *found;

    switch (rule.kind) {
    case Kind::CarNumber:
        if (filteredCarNumber(value) != value)
            return fieldFailure(name, QT_TRID_NOOP("msg.setting.car_number"));
        setRecordText(record.szPlateNumber, value);
        return {};
    case Kind::WifiName:
        if (auto checked = checkWifiName(value); !checked)
            return aboutField(name, checked);
        setRecordText(record.wifi_ssid, value);
        return {};
    case Kind::WifiPassword:
        if (auto checked = checkWifiPassword(value); !checked)
            return aboutField(name, checked);
        setRecordText(record.wifi_password, value);
        return {};
    default:
        break;
    }

    // Decimal, as the pages show numbers ("010" is ten); hexadecimal only with its "0x".
    bool ok = false;
    const bool hex = value.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const qint64 number = hex ? value.mid(2).toLongLong(&ok, 16) : value.toLongLong(&ok, 10);
    if (!ok)
        return fieldFailure(name, QT_TRID_NOOP("msg.setting.not_number"), {value});
    const QString shown = QString::number(number);
    switch (rule.kind) {
    case Kind::Values:
        if (!rule.values.contains(number))
            return fieldFailure(name, QT_TRID_NOOP("msg.setting.not_listed"), {shown});
        break;
    case Kind::Range:
        if (number < rule.min || number > rule.max)
            return fieldFailure(name, QT_TRID_NOOP("msg.setting.outside"),
                                {shown, QString::number(rule.min), QString::number(rule.max)});
        break;
    case Kind::Threshold:
        // The page shows hundredths as "0.00" and checks what it shows.
        if (auto checked = ValueChecks::validateGsensorThreshold(
                tvk::cformat("%.2f", static_cast<double>(number) / 100));
            !checked)
            return aboutField(name, checked);
        break;
    case Kind::Ratio: {
        if (number % 10 != 0 || number < 0 || number > 100)
            return fieldFailure(name, QT_TRID_NOOP("msg.setting.ratio"), {shown});
        for (const qint64 share : {number, 100 - number}) {
            if (auto checked = ValueChecks::validateSDCardSizeRatio(share); !checked)
                return aboutField(name, checked);
        }
        const bool always = name == QLatin1String("sd_mem_always_ratio");
        record.sd_mem_always_ratio = static_cast<quint32>(always ? number : 100 - number);
        record.sd_mem_motion_ratio = static_cast<quint32>(always ? 100 - number : number);
        return {};
    }
    default:
        break;
    }
    if (!setFileDataFieldInteger(record, name, number))
        return fieldFailure(name, QT_TRID_NOOP("msg.setting.does_not_fit"), {shown});
    return {};
}
