#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>

// The camera's settings record, the 428 bytes of `config.bin`. Field names are the camera's
// own; many of them no longer say what they hold (sd_mem_always_reserved is the cut-off
// voltage, Brightness1 the voice language). The struct mirrors the byte image field for field
// so that offsetof() can prove the layout, but it is never copied as raw memory: decode() and
// encode() go through little-endian conversions field by field.
struct _FILEDATA
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

    static constexpr qsizetype kSize = 428;

    // The record of a byte image; fails ("msg.settings_size") when fewer than kSize bytes are
    // given.
    static tvk::Result<_FILEDATA> decode(const QByteArray &bytes);
    // A file of `size` bytes is no settings file.
    static tvk::Failure sizeFailure(qint64 size);
    QByteArray encode() const;
};

#define TVK_FILEDATA_AT(field, offset) static_assert(offsetof(_FILEDATA, field) == (offset))
static_assert(sizeof(_FILEDATA) == _FILEDATA::kSize);
TVK_FILEDATA_AT(cfg_ver, 0);
TVK_FILEDATA_AT(checksum, 2);
TVK_FILEDATA_AT(disp_segment_mode, 4);
TVK_FILEDATA_AT(sd_mem_always_ratio, 8);
TVK_FILEDATA_AT(sd_mem_event_ratio, 12);
TVK_FILEDATA_AT(sd_mem_motion_ratio, 16);
TVK_FILEDATA_AT(sd_mem_always_reserved, 20);
TVK_FILEDATA_AT(sd_mem_event_reserved, 24);
TVK_FILEDATA_AT(sd_mem_motion_reserved, 28);
TVK_FILEDATA_AT(aud_enable, 32);
TVK_FILEDATA_AT(aud_codec_type, 36);
TVK_FILEDATA_AT(aud_sampling_freq, 40);
TVK_FILEDATA_AT(aud_bitrate, 44);
TVK_FILEDATA_AT(aud_input_vol, 48);
TVK_FILEDATA_AT(aud_output_vol, 52);
TVK_FILEDATA_AT(vid_enc_res, 56);
TVK_FILEDATA_AT(vid_enc_bitrate, 60);
TVK_FILEDATA_AT(vid_framerate, 64);
TVK_FILEDATA_AT(vid_brightness, 68);
TVK_FILEDATA_AT(vid_contrast, 72);
TVK_FILEDATA_AT(vid_saturation, 76);
TVK_FILEDATA_AT(vid_sharpness, 80);
TVK_FILEDATA_AT(vid_hue, 84);
TVK_FILEDATA_AT(gsen_x_threshold, 88);
TVK_FILEDATA_AT(gsen_y_threshold, 92);
TVK_FILEDATA_AT(gsen_z_threshold, 96);
TVK_FILEDATA_AT(always_mode_timeout, 100);
TVK_FILEDATA_AT(parkmode_x_threshold, 104);
TVK_FILEDATA_AT(parkmode_y_threshold, 108);
TVK_FILEDATA_AT(parkmode_z_threshold, 112);
TVK_FILEDATA_AT(motion1080pCValue, 116);
TVK_FILEDATA_AT(motion720pCValue, 120);
TVK_FILEDATA_AT(motionBlock, 124);
TVK_FILEDATA_AT(high_temp_threshold, 128);
TVK_FILEDATA_AT(high_temp_duration, 132);
TVK_FILEDATA_AT(safe_temp_threshold, 136);
TVK_FILEDATA_AT(safe_temp_duration, 140);
TVK_FILEDATA_AT(composite_mode, 144);
TVK_FILEDATA_AT(osd_option, 148);
TVK_FILEDATA_AT(osd_speed_flag, 152);
TVK_FILEDATA_AT(osd_plate_flag, 156);
TVK_FILEDATA_AT(plate_number, 160);
TVK_FILEDATA_AT(speed_disp_unit, 164);
TVK_FILEDATA_AT(time_gmt, 168);
TVK_FILEDATA_AT(summer_time, 172);
TVK_FILEDATA_AT(nodriving_day, 176);
TVK_FILEDATA_AT(auto_drive_in_mode_on, 180);
TVK_FILEDATA_AT(auto_park_in_mode_on, 184);
TVK_FILEDATA_AT(motion_detect_mode_on, 188);
TVK_FILEDATA_AT(event_only_mode_on, 192);
TVK_FILEDATA_AT(g_sensor_enable, 196);
TVK_FILEDATA_AT(audio_mux_enable, 200);
TVK_FILEDATA_AT(safe_temp_mode_on, 204);
TVK_FILEDATA_AT(alarm_ontime_flag, 208);
TVK_FILEDATA_AT(voiceEnable, 212);
TVK_FILEDATA_AT(drivingSecurity, 216);
TVK_FILEDATA_AT(parkingSecurity, 220);
TVK_FILEDATA_AT(SaveDuration, 224);
TVK_FILEDATA_AT(MemConfig, 228);
TVK_FILEDATA_AT(BrightnessFixed, 232);
TVK_FILEDATA_AT(DayTime, 236);
TVK_FILEDATA_AT(NightTime, 240);
TVK_FILEDATA_AT(Brightness1, 244);
TVK_FILEDATA_AT(ledoff, 248);
TVK_FILEDATA_AT(Gamma, 252);
TVK_FILEDATA_AT(szPlateNumber, 256);
TVK_FILEDATA_AT(vid_enc_bitrate_R, 264);
TVK_FILEDATA_AT(vid_brightness_R, 268);
TVK_FILEDATA_AT(vid_sharpness_R, 272);
TVK_FILEDATA_AT(lcd_autopoweroff, 276);
TVK_FILEDATA_AT(lcd_brightness, 280);
TVK_FILEDATA_AT(lcd_screensaver, 284);
TVK_FILEDATA_AT(parking_rear_off, 288);
TVK_FILEDATA_AT(sd2_mem_always_ratio, 292);
TVK_FILEDATA_AT(sd2_mem_event_ratio, 296);
TVK_FILEDATA_AT(sd2_mem_motion_ratio, 300);
TVK_FILEDATA_AT(flip_video, 304);
TVK_FILEDATA_AT(parking_alarm, 308);
TVK_FILEDATA_AT(rear_fps, 312);
TVK_FILEDATA_AT(motion_zone, 316);
TVK_FILEDATA_AT(motionBlock_Rear, 320);
TVK_FILEDATA_AT(ledoff_rear, 324);
TVK_FILEDATA_AT(always_mode_recording_time, 328);
TVK_FILEDATA_AT(pip_position, 332);
TVK_FILEDATA_AT(always_motion, 336);
TVK_FILEDATA_AT(lcd_brightness_night, 340);
TVK_FILEDATA_AT(size_rear, 344);
TVK_FILEDATA_AT(front_cpl_use, 348);
TVK_FILEDATA_AT(rear_cpl_use, 352);
TVK_FILEDATA_AT(wifi_ssid, 356);
TVK_FILEDATA_AT(wifi_password, 372);
TVK_FILEDATA_AT(CableVoltCorr, 388);
TVK_FILEDATA_AT(autoFormatAlarm, 392);
TVK_FILEDATA_AT(wifi_channel, 396);
TVK_FILEDATA_AT(flip_front_video, 400);
TVK_FILEDATA_AT(external_rear_camera, 404);
TVK_FILEDATA_AT(dummy00, 408);
TVK_FILEDATA_AT(debug_mode, 424);
#undef TVK_FILEDATA_AT
