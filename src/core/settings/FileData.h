#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>

// The camera's settings record, the 428 bytes of `config.bin`. Field names are the camera's
// own; many of them no longer say what they hold, and the accessors after the fields name
// those the rest of the code uses (sd_mem_always_reserved is the cut-off voltage, Brightness1
// the voice language). The struct mirrors the byte image field for field
// so that offsetof() can prove the layout, but it is never copied as raw memory: decode() and
// encode() go through little-endian conversions field by field.
struct SettingsRecord
{
    quint16 cfg_ver;
    quint16 checksum;
    quint32 disp_segment_mode;
    quint32 sd_mem_always_ratio;
    quint32 sd_mem_event_ratio;
    quint32 sd_mem_motion_ratio;
    quint32 sd_mem_always_reserved;
    quint32 sd_mem_event_reserved;
    quint32 sd_mem_motion_reserved;
    quint32 aud_enable;
    quint32 aud_codec_type;
    quint32 aud_sampling_freq;
    quint32 aud_bitrate;
    quint32 aud_input_vol;
    quint32 aud_output_vol;
    quint32 vid_enc_res;
    quint32 vid_enc_bitrate;
    quint32 vid_framerate;
    quint32 vid_brightness;
    quint32 vid_contrast;
    quint32 vid_saturation;
    quint32 vid_sharpness;
    quint32 vid_hue;
    qint32 gsen_x_threshold;
    qint32 gsen_y_threshold;
    qint32 gsen_z_threshold;
    quint32 always_mode_timeout;
    qint32 parkmode_x_threshold;
    qint32 parkmode_y_threshold;
    qint32 parkmode_z_threshold;
    quint32 motion1080pCValue;
    quint32 motion720pCValue;
    quint32 motionBlock;
    qint32 high_temp_threshold;
    quint32 high_temp_duration;
    qint32 safe_temp_threshold;
    quint32 safe_temp_duration;
    quint32 composite_mode;
    quint32 osd_option;
    qint32 osd_speed_flag;
    qint32 osd_plate_flag;
    quint32 plate_number;
    quint32 speed_disp_unit;
    qint32 time_gmt;
    quint32 summer_time;
    quint32 nodriving_day;
    quint32 auto_drive_in_mode_on;
    quint32 auto_park_in_mode_on;
    quint32 motion_detect_mode_on;
    quint32 event_only_mode_on;
    quint32 g_sensor_enable;
    quint32 audio_mux_enable;
    quint32 safe_temp_mode_on;
    quint32 alarm_ontime_flag;
    quint32 voiceEnable;
    quint32 drivingSecurity;
    quint32 parkingSecurity;
    quint32 SaveDuration;
    quint32 MemConfig;
    quint32 BrightnessFixed;
    quint32 DayTime;
    quint32 NightTime;
    quint32 Brightness1;
    quint32 ledoff;
    quint32 Gamma;
    char szPlateNumber[8];
    quint32 vid_enc_bitrate_R;
    quint32 vid_brightness_R;
    quint32 vid_sharpness_R;
    quint32 lcd_autopoweroff;
    quint32 lcd_brightness;
    quint32 lcd_screensaver;
    quint32 parking_rear_off;
    quint32 sd2_mem_always_ratio;
    quint32 sd2_mem_event_ratio;
    quint32 sd2_mem_motion_ratio;
    quint32 flip_video;
    quint32 parking_alarm;
    quint32 rear_fps;
    quint32 motion_zone;
    quint32 motionBlock_Rear;
    quint32 ledoff_rear;
    quint32 always_mode_recording_time;
    quint32 pip_position;
    quint32 always_motion;
    quint32 lcd_brightness_night;
    quint32 size_rear;
    quint32 front_cpl_use;
    quint32 rear_cpl_use;
    char wifi_ssid[16];
    char wifi_password[16];
    quint32 CableVoltCorr;
    quint32 autoFormatAlarm;
    quint32 wifi_channel;
    quint32 flip_front_video;
    quint32 external_rear_camera;
    quint32 dummy00[4];
    quint32 debug_mode;

    // The fields whose camera names no longer say what they hold.
    quint32 &cutOffMillivolts() { return sd_mem_always_reserved; }
    quint32 cutOffMillivolts() const { return sd_mem_always_reserved; }
    quint32 &externalPower() { return sd_mem_event_reserved; }
    quint32 externalPower() const { return sd_mem_event_reserved; }
    quint32 &parkingRecordingHours() { return sd_mem_motion_reserved; }
    quint32 parkingRecordingHours() const { return sd_mem_motion_reserved; }
    quint32 &voiceLanguage() { return Brightness1; }
    quint32 voiceLanguage() const { return Brightness1; }

    static constexpr qsizetype kSize = 428;

    // The record of a byte image; fails ("msg.settings_size") when fewer than kSize bytes are
    // given.
    static tvk::Result<SettingsRecord> decode(const QByteArray &bytes);
    // A file of `size` bytes is no settings file.
    static tvk::Failure sizeFailure(qint64 size);
    QByteArray encode() const;
};

static_assert(sizeof(SettingsRecord) == SettingsRecord::kSize);

// Calls v(name, field, offset) for every field of the record, in record order. The one list of
// field names and offsets in the code: the byte image, the command line and the value checks
// all walk it, and each offset is proven against the struct.
template <class Record, class Visitor> void visitSettingsFields(Record &r, Visitor &&v)
{
#define TVK_FIELD(x, at)                                                                           \
    static_assert(offsetof(SettingsRecord, x) == (at));                                            \
    v(#x, r.x, std::size_t{at})
    TVK_FIELD(cfg_ver, 0);
    TVK_FIELD(checksum, 2);
    TVK_FIELD(disp_segment_mode, 4);
    TVK_FIELD(sd_mem_always_ratio, 8);
    TVK_FIELD(sd_mem_event_ratio, 12);
    TVK_FIELD(sd_mem_motion_ratio, 16);
    TVK_FIELD(sd_mem_always_reserved, 20);
    TVK_FIELD(sd_mem_event_reserved, 24);
    TVK_FIELD(sd_mem_motion_reserved, 28);
    TVK_FIELD(aud_enable, 32);
    TVK_FIELD(aud_codec_type, 36);
    TVK_FIELD(aud_sampling_freq, 40);
    TVK_FIELD(aud_bitrate, 44);
    TVK_FIELD(aud_input_vol, 48);
    TVK_FIELD(aud_output_vol, 52);
    TVK_FIELD(vid_enc_res, 56);
    TVK_FIELD(vid_enc_bitrate, 60);
    TVK_FIELD(vid_framerate, 64);
    TVK_FIELD(vid_brightness, 68);
    TVK_FIELD(vid_contrast, 72);
    TVK_FIELD(vid_saturation, 76);
    TVK_FIELD(vid_sharpness, 80);
    TVK_FIELD(vid_hue, 84);
    TVK_FIELD(gsen_x_threshold, 88);
    TVK_FIELD(gsen_y_threshold, 92);
    TVK_FIELD(gsen_z_threshold, 96);
    TVK_FIELD(always_mode_timeout, 100);
    TVK_FIELD(parkmode_x_threshold, 104);
    TVK_FIELD(parkmode_y_threshold, 108);
    TVK_FIELD(parkmode_z_threshold, 112);
    TVK_FIELD(motion1080pCValue, 116);
    TVK_FIELD(motion720pCValue, 120);
    TVK_FIELD(motionBlock, 124);
    TVK_FIELD(high_temp_threshold, 128);
    TVK_FIELD(high_temp_duration, 132);
    TVK_FIELD(safe_temp_threshold, 136);
    TVK_FIELD(safe_temp_duration, 140);
    TVK_FIELD(composite_mode, 144);
    TVK_FIELD(osd_option, 148);
    TVK_FIELD(osd_speed_flag, 152);
    TVK_FIELD(osd_plate_flag, 156);
    TVK_FIELD(plate_number, 160);
    TVK_FIELD(speed_disp_unit, 164);
    TVK_FIELD(time_gmt, 168);
    TVK_FIELD(summer_time, 172);
    TVK_FIELD(nodriving_day, 176);
    TVK_FIELD(auto_drive_in_mode_on, 180);
    TVK_FIELD(auto_park_in_mode_on, 184);
    TVK_FIELD(motion_detect_mode_on, 188);
    TVK_FIELD(event_only_mode_on, 192);
    TVK_FIELD(g_sensor_enable, 196);
    TVK_FIELD(audio_mux_enable, 200);
    TVK_FIELD(safe_temp_mode_on, 204);
    TVK_FIELD(alarm_ontime_flag, 208);
    TVK_FIELD(voiceEnable, 212);
    TVK_FIELD(drivingSecurity, 216);
    TVK_FIELD(parkingSecurity, 220);
    TVK_FIELD(SaveDuration, 224);
    TVK_FIELD(MemConfig, 228);
    TVK_FIELD(BrightnessFixed, 232);
    TVK_FIELD(DayTime, 236);
    TVK_FIELD(NightTime, 240);
    TVK_FIELD(Brightness1, 244);
    TVK_FIELD(ledoff, 248);
    TVK_FIELD(Gamma, 252);
    TVK_FIELD(szPlateNumber, 256);
    TVK_FIELD(vid_enc_bitrate_R, 264);
    TVK_FIELD(vid_brightness_R, 268);
    TVK_FIELD(vid_sharpness_R, 272);
    TVK_FIELD(lcd_autopoweroff, 276);
    TVK_FIELD(lcd_brightness, 280);
    TVK_FIELD(lcd_screensaver, 284);
    TVK_FIELD(parking_rear_off, 288);
    TVK_FIELD(sd2_mem_always_ratio, 292);
    TVK_FIELD(sd2_mem_event_ratio, 296);
    TVK_FIELD(sd2_mem_motion_ratio, 300);
    TVK_FIELD(flip_video, 304);
    TVK_FIELD(parking_alarm, 308);
    TVK_FIELD(rear_fps, 312);
    TVK_FIELD(motion_zone, 316);
    TVK_FIELD(motionBlock_Rear, 320);
    TVK_FIELD(ledoff_rear, 324);
    TVK_FIELD(always_mode_recording_time, 328);
    TVK_FIELD(pip_position, 332);
    TVK_FIELD(always_motion, 336);
    TVK_FIELD(lcd_brightness_night, 340);
    TVK_FIELD(size_rear, 344);
    TVK_FIELD(front_cpl_use, 348);
    TVK_FIELD(rear_cpl_use, 352);
    TVK_FIELD(wifi_ssid, 356);
    TVK_FIELD(wifi_password, 372);
    TVK_FIELD(CableVoltCorr, 388);
    TVK_FIELD(autoFormatAlarm, 392);
    TVK_FIELD(wifi_channel, 396);
    TVK_FIELD(flip_front_video, 400);
    TVK_FIELD(external_rear_camera, 404);
    TVK_FIELD(dummy00, 408);
    TVK_FIELD(debug_mode, 424);
#undef TVK_FIELD
}
