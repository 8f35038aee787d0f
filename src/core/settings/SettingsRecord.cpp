#include "core/settings/SettingsRecord.h"

#include "core/common/log.h"
#include "core/common/regularfile.h"
#include "core/common/replacefile.h"

#include <QFile>
#include <QSettings>
#include <QtEndian>

void applyFactoryDefaults(SettingsRecord &record)
{
    const quint16 checksum = record.checksum;
    const qint32 timeGmt = record.time_gmt;
    const quint32 summerTime = record.summer_time;
    const quint32 voiceLanguage = record.voiceLanguage();

    SettingsRecord d{};
    d.cfg_ver = 0x5726;
    d.disp_segment_mode = 1;
    d.sd_mem_always_ratio = 70;
    d.sd_mem_event_ratio = 1;
    d.sd_mem_motion_ratio = 30;
    d.cutOffMillivolts() = 12100;
    d.externalPower() = 0;
    d.parkingRecordingHours() = 0;
    d.aud_enable = 3;
    d.aud_codec_type = 0;
    d.aud_sampling_freq = 1;
    d.aud_bitrate = 1;
    d.aud_input_vol = 3;
    d.aud_output_vol = 2;
    d.vid_enc_res = 0;
    d.vid_enc_bitrate = 1;
    d.vid_framerate = 0;
    d.vid_brightness = 2;
    d.vid_contrast = 2;
    d.vid_saturation = 128;
    d.vid_sharpness = 2;
    d.vid_hue = 2;
    d.gsen_x_threshold = 50;
    d.gsen_y_threshold = 45;
    d.gsen_z_threshold = 45;
    d.always_mode_timeout = 10;
    d.parkmode_x_threshold = 8;
    d.parkmode_y_threshold = 8;
    d.parkmode_z_threshold = 8;
    d.motion1080pCValue = 3;
    d.motion720pCValue = 3;
    d.motionBlock = 0x60;
    d.high_temp_threshold = 97;
    d.high_temp_duration = 3600;
    d.safe_temp_threshold = 92;
    d.safe_temp_duration = 60;
    d.composite_mode = 0;
    d.osd_option = 1;
    d.osd_speed_flag = 1;
    d.osd_plate_flag = 0;
    d.plate_number = 0;
    d.speed_disp_unit = 0;
    d.nodriving_day = 0;
    d.auto_drive_in_mode_on = 1;
    d.auto_park_in_mode_on = 1;
    d.motion_detect_mode_on = 1;
    d.event_only_mode_on = 0;
    d.g_sensor_enable = 1;
    d.audio_mux_enable = 1;
    d.safe_temp_mode_on = 1;
    d.alarm_ontime_flag = 1;
    d.voiceEnable = 1;
    d.drivingSecurity = 60;
    d.parkingSecurity = 20;
    d.SaveDuration = 1;
    d.MemConfig = 0xB0;
    d.BrightnessFixed = 3000;
    d.DayTime = 1;
    d.NightTime = 0;
    d.ledoff = 0;
    d.Gamma = 0;
    setRecordText(d.szPlateNumber, QStringLiteral("Tavik"));
    d.vid_enc_bitrate_R = 1;
    d.vid_brightness_R = 2;
    d.vid_sharpness_R = 2;
    d.lcd_autopoweroff = 2;
    d.lcd_brightness = 1;
    d.lcd_screensaver = 0;
    d.parking_rear_off = 0;
    d.sd2_mem_always_ratio = 1;
    d.sd2_mem_event_ratio = 98;
    d.sd2_mem_motion_ratio = 1;
    d.flip_video = 0;
    d.parking_alarm = 1;
    d.rear_fps = 0;
    d.motion_zone = 0;
    d.motionBlock_Rear = 0x60;
    d.ledoff_rear = 0;
    d.always_mode_recording_time = 1;
    d.pip_position = 0;
    d.always_motion = 0;
    d.lcd_brightness_night = 1;
    d.size_rear = 0;
    d.front_cpl_use = 0;
    d.rear_cpl_use = 0;
    setRecordText(d.wifi_ssid, QStringLiteral("TavikD"));
    setRecordText(d.wifi_password, QStringLiteral("24681357"));
    d.CableVoltCorr = 4;
    d.autoFormatAlarm = 0;
    d.wifi_channel = 0;
    d.flip_front_video = 0;
    d.external_rear_camera = externalRearCameraDefault();
    d.debug_mode = 1;

    d.checksum = checksum;
    d.time_gmt = timeGmt;
    d.summer_time = summerTime;
    d.voiceLanguage() = voiceLanguage;
    record = d;
}

SettingsRecord factoryDefaultRecord()
{
    SettingsRecord record{};
    applyFactoryDefaults(record);
    return record;
}

tvk::Result<SettingsRecord> readRecord(const QString &path)
{
    QFile file(path);
    if (const tvk::Result<void> opened = tvk::openRegularFile(file); !opened)
        return opened.failure();
    if (file.size() != SettingsRecord::kSize) {
        tvk::Failure failure = SettingsRecord::sizeFailure(file.size());
        failure.subject = path;
        return failure;
    }
    tvk::Result<SettingsRecord> record = SettingsRecord::decode(file.read(SettingsRecord::kSize));
    if (!record)
        return tvk::Failure{QT_TRID_NOOP("msg.file_read_fail"), path, file.errorString()};
    return record;
}

tvk::Result<void> writeRecord(const SettingsRecord &record, const QString &path)
{
    // A short write is as much a failure as a refused open: the card would keep a torn file.
    tvk::Result<void> written = replaceFileContents(path, record.encode());
    if (!written)
        tvk::log(written.failure().reason);
    return written;
}

tvk::Result<void> writeDefaultSettingsFile(const QString &path)
{
    return writeRecord(factoryDefaultRecord(), path);
}

quint16 computeChecksum(const SettingsRecord &record)
{
    const QByteArray image = record.encode();
    const auto *bytes = reinterpret_cast<const uchar *>(image.constData());
    quint16 sum = 0;
    for (qsizetype offset = 4; offset < SettingsRecord::kSize; offset += 4)
        sum ^= static_cast<quint16>(qFromLittleEndian<quint32>(bytes + offset));
    return sum;
}

void applySaveStep(SettingsRecord &record)
{
    record.osd_plate_flag = record.szPlateNumber[0] != 0 ? 1 : 0;
    record.checksum = computeChecksum(record);
}

quint32 externalRearCameraDefault()
{
    return static_cast<quint32>(
        QSettings().value(QLatin1String(kExternalRearCameraKey)).toLongLong());
}

void storeExternalRearCameraDefault(quint32 value)
{
    QSettings settings;
    settings.setValue(QLatin1String(kExternalRearCameraKey), static_cast<qint64>(value));
    settings.sync();
}

bool checksumIsWrong(const SettingsRecord &record)
{
    return record.checksum != 0 && record.checksum != computeChecksum(record);
}
