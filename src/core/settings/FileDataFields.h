#pragma once

#include "core/settings/FileData.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <cstddef>

// Calls v(name, field, offset) for every field of the record, in record order. The one list of
// field names in the code: the byte image, the command line and the value checks all walk it.
template <class Record, class Visitor> void visitFileDataFields(Record &r, Visitor &&v)
{
#define TVK_FIELD(x) v(#x, r.x, offsetof(_FILEDATA, x))
    TVK_FIELD(cfg_ver);
    TVK_FIELD(checksum);
    TVK_FIELD(disp_segment_mode);
    TVK_FIELD(sd_mem_always_ratio);
    TVK_FIELD(sd_mem_event_ratio);
    TVK_FIELD(sd_mem_motion_ratio);
    TVK_FIELD(sd_mem_always_reserved);
    TVK_FIELD(sd_mem_event_reserved);
    TVK_FIELD(sd_mem_motion_reserved);
    TVK_FIELD(aud_enable);
    TVK_FIELD(aud_codec_type);
    TVK_FIELD(aud_sampling_freq);
    TVK_FIELD(aud_bitrate);
    TVK_FIELD(aud_input_vol);
    TVK_FIELD(aud_output_vol);
    TVK_FIELD(vid_enc_res);
    TVK_FIELD(vid_enc_bitrate);
    TVK_FIELD(vid_framerate);
    TVK_FIELD(vid_brightness);
    TVK_FIELD(vid_contrast);
    TVK_FIELD(vid_saturation);
    TVK_FIELD(vid_sharpness);
    TVK_FIELD(vid_hue);
    TVK_FIELD(gsen_x_threshold);
    TVK_FIELD(gsen_y_threshold);
    TVK_FIELD(gsen_z_threshold);
    TVK_FIELD(always_mode_timeout);
    TVK_FIELD(parkmode_x_threshold);
    TVK_FIELD(parkmode_y_threshold);
    TVK_FIELD(parkmode_z_threshold);
    TVK_FIELD(motion1080pCValue);
    TVK_FIELD(motion720pCValue);
    TVK_FIELD(motionBlock);
    TVK_FIELD(high_temp_threshold);
    TVK_FIELD(high_temp_duration);
    TVK_FIELD(safe_temp_threshold);
    TVK_FIELD(safe_temp_duration);
    TVK_FIELD(composite_mode);
    TVK_FIELD(osd_option);
    TVK_FIELD(osd_speed_flag);
    TVK_FIELD(osd_plate_flag);
    TVK_FIELD(plate_number);
    TVK_FIELD(speed_disp_unit);
    TVK_FIELD(time_gmt);
    TVK_FIELD(summer_time);
    TVK_FIELD(nodriving_day);
    TVK_FIELD(auto_drive_in_mode_on);
    TVK_FIELD(auto_park_in_mode_on);
    TVK_FIELD(motion_detect_mode_on);
    TVK_FIELD(event_only_mode_on);
    TVK_FIELD(g_sensor_enable);
    TVK_FIELD(audio_mux_enable);
    TVK_FIELD(safe_temp_mode_on);
    TVK_FIELD(alarm_ontime_flag);
    TVK_FIELD(voiceEnable);
    TVK_FIELD(drivingSecurity);
    TVK_FIELD(parkingSecurity);
    TVK_FIELD(SaveDuration);
    TVK_FIELD(MemConfig);
    TVK_FIELD(BrightnessFixed);
    TVK_FIELD(DayTime);
    TVK_FIELD(NightTime);
    TVK_FIELD(Brightness1);
    TVK_FIELD(ledoff);
    TVK_FIELD(Gamma);
    TVK_FIELD(szPlateNumber);
    TVK_FIELD(vid_enc_bitrate_R);
    TVK_FIELD(vid_brightness_R);
    TVK_FIELD(vid_sharpness_R);
    TVK_FIELD(lcd_autopoweroff);
    TVK_FIELD(lcd_brightness);
    TVK_FIELD(lcd_screensaver);
    TVK_FIELD(parking_rear_off);
    TVK_FIELD(sd2_mem_always_ratio);
    TVK_FIELD(sd2_mem_event_ratio);
    TVK_FIELD(sd2_mem_motion_ratio);
    TVK_FIELD(flip_video);
    TVK_FIELD(parking_alarm);
    TVK_FIELD(rear_fps);
    TVK_FIELD(motion_zone);
    TVK_FIELD(motionBlock_Rear);
    TVK_FIELD(ledoff_rear);
    TVK_FIELD(always_mode_recording_time);
    TVK_FIELD(pip_position);
    TVK_FIELD(always_motion);
    TVK_FIELD(lcd_brightness_night);
    TVK_FIELD(size_rear);
    TVK_FIELD(front_cpl_use);
    TVK_FIELD(rear_cpl_use);
    TVK_FIELD(wifi_ssid);
    TVK_FIELD(wifi_password);
    TVK_FIELD(CableVoltCorr);
    TVK_FIELD(autoFormatAlarm);
    TVK_FIELD(wifi_channel);
    TVK_FIELD(flip_front_video);
    TVK_FIELD(external_rear_camera);
    TVK_FIELD(dummy00);
    TVK_FIELD(debug_mode);
#undef TVK_FIELD
}

enum class FileDataFieldType { U16, U32, I32, Text, Words };

struct FileDataField
{
    QString name;
    qsizetype offset;
    qsizetype size;
    FileDataFieldType type;
};

// Every field of the record in record order.
const QList<FileDataField> &fileDataFields();
const FileDataField *findFileDataField(const QString &name);

// The field's value: an integer (qint64) for numbers, the text for text fields, a list of
// integers for dummy00. Invalid for an unknown name.
QVariant fileDataFieldValue(const _FILEDATA &record, const QString &name);

// Stores an integer into a number field. False for an unknown name, a text field, or a value
// that does not fit the field's type.
bool setFileDataFieldInteger(_FILEDATA &record, const QString &name, qint64 value);
