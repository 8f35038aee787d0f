<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>InfoPlist</name>
    <!-- shared words: buttons and choices used on several windows -->
    <message id="save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="on">
        <source>On</source>
        <translation>On</translation>
    </message>
    <message id="off">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="use">
        <source>On</source>
        <translation>On</translation>
    </message>
    <message id="unuse">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="none">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="auto">
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message id="default">
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message id="customize">
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message id="insensitive">
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message id="sensitive">
        <source>High</source>
        <translation>High</translation>
    </message>
    <!-- days of the week -->
    <message id="mon">
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message id="tue">
        <source>Tue</source>
        <translation>Tue</translation>
    </message>
    <message id="wed">
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message id="thu">
        <source>Thu</source>
        <translation>Thu</translation>
    </message>
    <message id="fri">
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message id="sat">
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message id="sun">
        <source>Sun</source>
        <translation>Sun</translation>
    </message>
    <!-- durations: %1 is the number -->
    <message id="nSecond_fmt">
        <source>%1 sec</source>
        <translation>%1 sec</translation>
    </message>
    <message id="nMinute_fmt">
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message id="nHour_fmt">
        <source>%1 hours</source>
        <translation>%1 hours</translation>
    </message>
    <message id="5min">
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
    <message id="3min">
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <!-- player window: recording list -->
    <message id="filelist.mode">
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message id="filelist.date">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="filelist.time">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="filelist.file">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="media.always">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="media.motion">
        <source>Motion</source>
        <translation>Motion</translation>
    </message>
    <message id="media.event">
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message id="media.unknown">
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <!-- player window: head bar, side buttons, notes of the list -->
    <message id="player.open_folder">
        <source>Open a folder of recordings</source>
        <translation>Open a folder of recordings</translation>
    </message>
    <message id="player.recordings">
        <source>Recordings</source>
        <translation>Recordings</translation>
    </message>
    <message id="player.route_map">
        <source>Route map</source>
        <translation>Route map</translation>
    </message>
    <message id="player.reading_folder">
        <source>Reading the folder…</source>
        <translation>Reading the folder…</translation>
    </message>
    <message id="player.no_folder">
        <source>No folder is open.
Open the camera’s card or a folder of recordings with the folder button above or Ctrl+O,
or drop it here.</source>
        <translation>No folder is open.
Open the camera’s card or a folder of recordings with the folder button above or Ctrl+O,
or drop it here.</translation>
    </message>
    <message id="player.no_recordings">
        <source>No recordings in this folder.</source>
        <translation>No recordings in this folder.</translation>
    </message>
    <message id="player.card_inserted">
        <source>A camera card was inserted.</source>
        <translation>A camera card was inserted.</translation>
    </message>
    <message id="player.card_settings_inserted">
        <source>A card with the camera’s settings was inserted.</source>
        <translation>A card with the camera’s settings was inserted.</translation>
    </message>
    <message id="player.open_card">
        <source>Open card at %1</source>
        <translation>Open card at %1</translation>
    </message>
    <message id="player.card_dismiss">
        <source>Not now</source>
        <translation>Not now</translation>
    </message>
    <message id="player.cannot_play">
        <source>The recording %1 could not be played.</source>
        <translation>The recording %1 could not be played.</translation>
    </message>
    <message id="player.play_pause">
        <source>Play or pause (Space)</source>
        <translation>Play or pause (Space)</translation>
    </message>
    <message id="player.jump_backward">
        <source>Back 10 seconds (Left)</source>
        <translation>Back 10 seconds (Left)</translation>
    </message>
    <message id="player.jump_forward">
        <source>Forward 10 seconds (Right)</source>
        <translation>Forward 10 seconds (Right)</translation>
    </message>
    <message id="player.volume_down">
        <source>Volume down (Down)</source>
        <translation>Volume down (Down)</translation>
    </message>
    <message id="player.volume_up">
        <source>Volume up (Up)</source>
        <translation>Volume up (Up)</translation>
    </message>
    <message id="player.speed_down">
        <source>Normal speed</source>
        <translation>Normal speed</translation>
    </message>
    <message id="player.speed_up">
        <source>Double speed</source>
        <translation>Double speed</translation>
    </message>
    <message id="player.size_down">
        <source>Smaller window</source>
        <translation>Smaller window</translation>
    </message>
    <message id="player.size_up">
        <source>Larger window</source>
        <translation>Larger window</translation>
    </message>
    <message id="player.swap">
        <source>Swap front and rear</source>
        <translation>Swap front and rear</translation>
    </message>
    <message id="player.sound_choice">
        <source>Sound from the front or the rear camera</source>
        <translation>Sound from the front or the rear camera</translation>
    </message>
    <message id="player.fill_view">
        <source>Fill the view (crops the picture's edges)</source>
        <translation>Fill the view (crops the picture's edges)</translation>
    </message>
    <message id="player.fit_view">
        <source>Show the whole picture</source>
        <translation>Show the whole picture</translation>
    </message>
    <message id="player.full_screen">
        <source>Full screen (F)</source>
        <translation>Full screen (F)</translation>
    </message>
    <message id="player.capture">
        <source>Save the picture of the front view</source>
        <translation>Save the picture of the front view</translation>
    </message>
    <message id="player.print">
        <source>Print the picture of the front view</source>
        <translation>Print the picture of the front view</translation>
    </message>
    <message id="player.exit_full_screen">
        <source>Leave full screen (Esc)</source>
        <translation>Leave full screen (Esc)</translation>
    </message>
    <message id="language.choose">
        <source>Language of the program</source>
        <translation>Language of the program</translation>
    </message>
    <message id="language.system">
        <source>Language of the system</source>
        <translation>Language of the system</translation>
    </message>
    <message id="language.restart">
        <source>The program shows the new language when it starts again.</source>
        <translation>The program shows the new language when it starts again.</translation>
    </message>
    <message id="capture.save_title">
        <source>Save Captured Picture</source>
        <translation>Save Captured Picture</translation>
    </message>
    <message id="capture.filter_png">
        <source>PNG image</source>
        <translation>PNG image</translation>
    </message>
    <message id="capture.filter_jpeg">
        <source>JPEG image</source>
        <translation>JPEG image</translation>
    </message>
    <message id="capture.no_frame">
        <source>There is no picture to capture yet.</source>
        <translation>There is no picture to capture yet.</translation>
    </message>
    <message id="capture.unknown_format">
        <source>%1 names no image format. Use .png or .jpg.</source>
        <translation>%1 names no image format. Use .png or .jpg.</translation>
    </message>
    <message id="capture.save_failed">
        <source>The picture could not be saved.</source>
        <translation>The picture could not be saved.</translation>
    </message>
    <message id="print.failed">
        <source>The picture could not be printed.</source>
        <translation>The picture could not be printed.</translation>
    </message>
    <!-- settings window: title (followed by the version), pages, buttons, messages -->
    <message id="setting.window_title">
        <source>Tavik Settings </source>
        <translation>Tavik Settings </translation>
    </message>
    <message id="setting.video">
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message id="setting.basic">
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message id="setting.gps">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="setting.aux">
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message id="setting.motion">
        <source>Motion</source>
        <translation>Motion</translation>
    </message>
    <message id="setting.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="setting.driveinfoview">
        <source>Driving log</source>
        <translation>Driving log</translation>
    </message>
    <message id="setting.information">
        <source>Driving log</source>
        <translation>Driving log</translation>
    </message>
    <message id="setting.sdcardformat">
        <source>Format card…</source>
        <translation>Format card…</translation>
    </message>
    <message id="setting.initialize">
        <source>Restore defaults</source>
        <translation>Restore defaults</translation>
    </message>
    <message id="msg.saved">
        <source>The file has been saved.</source>
        <translation>The file has been saved.</translation>
    </message>
    <message id="msg.write_protected_disk">
        <source>The disk is write-protected or cannot be written to.</source>
        <translation>The disk is write-protected or cannot be written to.</translation>
    </message>
    <message id="setting.open">
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message id="setting.open_title">
        <source>Open the camera's settings file</source>
        <translation>Open the camera's settings file</translation>
    </message>
    <message id="setting.open_filter">
        <source>Camera settings</source>
        <translation>Camera settings</translation>
    </message>
    <message id="setting.open_all">
        <source>All files</source>
        <translation>All files</translation>
    </message>
    <message id="setting.open_missing">
        <source>There is no config.bin here.</source>
        <translation>There is no config.bin here.</translation>
    </message>
    <message id="setting.open_wrong_size_fmt">
        <source>This file holds %1 bytes; the camera's settings file has exactly 428.</source>
        <translation>This file holds %1 bytes; the camera's settings file has exactly 428.</translation>
    </message>
    <message id="setting.checksum_mismatch">
        <source>The checksum of this config.bin does not match its contents. The values are shown as read; saving writes a correct checksum.</source>
        <translation>The checksum of this config.bin does not match its contents. The values are shown as read; saving writes a correct checksum.</translation>
    </message>
    <message id="setting.disk_utility">
        <source>Open Disks</source>
        <translation>Open Disks</translation>
    </message>
    <message id="msg.no_disk_utility">
        <source>No disk utility is installed. Install GNOME Disks (package gnome-disk-utility) to manage the card's partitions.</source>
        <translation>No disk utility is installed. Install GNOME Disks (package gnome-disk-utility) to manage the card's partitions.</translation>
    </message>
    <!-- video settings page -->
    <message id="setting.video.front_quality">
        <source>Front video quality</source>
        <translation>Front video quality</translation>
    </message>
    <message id="setting.video.rear_quality">
        <source>Rear video quality</source>
        <translation>Rear video quality</translation>
    </message>
    <message id="setting.video.quality_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="setting.video.quality_high">
        <source>High</source>
        <translation>High</translation>
    </message>
    <message id="setting.video.quality_highest">
        <source>Highest</source>
        <translation>Highest</translation>
    </message>
    <message id="setting.video.front_setting">
        <source>Front image</source>
        <translation>Front image</translation>
    </message>
    <message id="setting.video.rear_setting">
        <source>Rear image</source>
        <translation>Rear image</translation>
    </message>
    <message id="brightness">
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message id="setting.video.cpl_filter_use">
        <source>With a CPL (polarising) filter fitted, a higher brightness is recommended.</source>
        <translation>With a CPL (polarising) filter fitted, a higher brightness is recommended.</translation>
    </message>
    <message id="setting.video.rear_reversal">
        <source>Flip rear image</source>
        <translation>Flip rear image</translation>
    </message>
    <message id="setting.video.rear_fps">
        <source>Rear frame rate</source>
        <translation>Rear frame rate</translation>
    </message>
    <message id="30fps">
        <source>30 fps</source>
        <translation>30 fps</translation>
    </message>
    <message id="25fps">
        <source>25 fps</source>
        <translation>25 fps</translation>
    </message>
    <message id="15fps">
        <source>15 fps</source>
        <translation>15 fps</translation>
    </message>
    <message id="setting.video.front_tinting">
        <source>Front window tint</source>
        <translation>Front window tint</translation>
    </message>
    <message id="setting.video.rear_tinting">
        <source>Rear window tint</source>
        <translation>Rear window tint</translation>
    </message>
    <message id="cpl_unuse">
        <source>No filter</source>
        <translation>No filter</translation>
    </message>
    <message id="cpl_use">
        <source>CPL filter</source>
        <translation>CPL filter</translation>
    </message>
    <message id="light_tinting">
        <source>Light tint</source>
        <translation>Light tint</translation>
    </message>
    <message id="dark_tinting">
        <source>Dark tint</source>
        <translation>Dark tint</translation>
    </message>
    <!-- basic settings page -->
    <message id="setting.basic.segment_display">
        <source>Segment display</source>
        <translation>Segment display</translation>
    </message>
    <message id="setting.basic.segment_display1">
        <source>Mode 1</source>
        <translation>Mode 1</translation>
    </message>
    <message id="setting.basic.segment_display2">
        <source>Mode 2</source>
        <translation>Mode 2</translation>
    </message>
    <message id="setting.basic.segment_display3">
        <source>Mode 3</source>
        <translation>Mode 3</translation>
    </message>
    <message id="setting.basic.segment_display4">
        <source>Mode 4</source>
        <translation>Mode 4</translation>
    </message>
    <message id="setting.basic.auto_parking_waiting_time">
        <source>Auto parking mode delay</source>
        <translation>Auto parking mode delay</translation>
    </message>
    <message id="setting.basic.enable_gsensor">
        <source>Record events with the G-sensor</source>
        <translation>Record events with the G-sensor</translation>
    </message>
    <message id="setting.basic.driving_impact_sensitivity">
        <source>Impact sensitivity while driving</source>
        <translation>Impact sensitivity while driving</translation>
    </message>
    <message id="setting.basic.parking_impact_sensitivity">
        <source>Impact sensitivity while parked</source>
        <translation>Impact sensitivity while parked</translation>
    </message>
    <message id="setting.basic.customize">
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message id="setting.basic.others">
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message id="setting.basic.enable_front_security_led">
        <source>Front security LED</source>
        <translation>Front security LED</translation>
    </message>
    <message id="setting.basic.enable_rear_security_led">
        <source>Rear security LED</source>
        <translation>Rear security LED</translation>
    </message>
    <message id="setting.basic.car_number_input">
        <source>Car number:</source>
        <translation>Car number:</translation>
    </message>
    <message id="setting.basic.videoout">
        <source>Video output</source>
        <translation>Video output</translation>
    </message>
    <message id="setting.basic.cutoff_voltage_setting">
        <source>Power cut-off</source>
        <translation>Power cut-off</translation>
    </message>
    <message id="setting.basic.set_voltage">
        <source>Cut-off voltage:</source>
        <translation>Cut-off voltage:</translation>
    </message>
    <message id="setting.basic.set_timer">
        <source>Parking timer:</source>
        <translation>Parking timer:</translation>
    </message>
    <message id="setting.basic.use_external_power">
        <source>Use external power</source>
        <translation>Use external power</translation>
    </message>
    <message id="setting.basic.power_guide">
        <source>The camera switches off when the car battery falls below the cut-off voltage or when the parking timer runs out.</source>
        <translation>The camera switches off when the car battery falls below the cut-off voltage or when the parking timer runs out.</translation>
    </message>
    <message id="externpower">
        <source>External power</source>
        <translation>External power</translation>
    </message>
    <message id="msg.use_external_power_10v">
        <source>Choose External power only when the camera runs from an external battery; it then switches off at 10 V.</source>
        <translation>Choose External power only when the camera runs from an external battery; it then switches off at 10 V.</translation>
    </message>
    <message id="setting.basic.cable_voltage_loss">
        <source>Power cable voltage loss</source>
        <translation>Power cable voltage loss</translation>
    </message>
    <!-- GPS settings page -->
    <message id="setting.gps.weekly_alarm">
        <source>No-driving day alarm</source>
        <translation>No-driving day alarm</translation>
    </message>
    <message id="setting.gps.gps_guide1">
        <source>These settings need the camera's GPS receiver.</source>
        <translation>These settings need the camera's GPS receiver.</translation>
    </message>
    <message id="setting.gps.speed_display">
        <source>Speed unit</source>
        <translation>Speed unit</translation>
    </message>
    <message id="setting.gps.gps_speed_guide1">
        <source>The speed comes from GPS and is shown in the chosen unit.</source>
        <translation>The speed comes from GPS and is shown in the chosen unit.</translation>
    </message>
    <message id="setting.gps.osd_speed_display">
        <source>Speed on video</source>
        <translation>Speed on video</translation>
    </message>
    <message id="setting.gps.timezone_setting">
        <source>Time zone</source>
        <translation>Time zone</translation>
    </message>
    <message id="summerTime">
        <source>Daylight saving time</source>
        <translation>Daylight saving time</translation>
    </message>
    <message id="setting.gps.gps_time_guide1">
        <source>The camera sets its clock from GPS time in this time zone.</source>
        <translation>The camera sets its clock from GPS time in this time zone.</translation>
    </message>
    <message id="setting.gps.driving_route_info_saving_interval">
        <source>Route saving interval</source>
        <translation>Route saving interval</translation>
    </message>
    <message id="setting.gps.gps_on_parking_mode">
        <source>GPS in parking mode</source>
        <translation>GPS in parking mode</translation>
    </message>
    <message id="setting.gps.gps_guide2">
        <source>Keeping GPS on in parking mode uses more battery power.</source>
        <translation>Keeping GPS on in parking mode uses more battery power.</translation>
    </message>
    <!-- advanced (auxiliary) settings page -->
    <message id="setting.aux.sdcard_capacity">
        <source>Memory card allocation</source>
        <translation>Memory card allocation</translation>
    </message>
    <message id="setting.aux.always">
        <source>Continuous</source>
        <translation>Continuous</translation>
    </message>
    <message id="setting.aux.motion">
        <source>Motion</source>
        <translation>Motion</translation>
    </message>
    <message id="msg.memconfig_warning">
        <source>Applying a new allocation formats the memory card. Back up your recordings first.</source>
        <translation>Applying a new allocation formats the memory card. Back up your recordings first.</translation>
    </message>
    <message id="msg.sdcard_ratio_too_low">
        <source>Continuous and motion recording must each have at least 20% of the card.</source>
        <translation>Continuous and motion recording must each have at least 20% of the card.</translation>
    </message>
    <message id="setting.aux.motion_sense_setting">
        <source>Motion detection</source>
        <translation>Motion detection</translation>
    </message>
    <message id="setting.aux.night_ae_setting">
        <source>Night exposure (vehicle height)</source>
        <translation>Night exposure (vehicle height)</translation>
    </message>
    <message id="setting.aux.low">
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message id="setting.aux.medium_sedan">
        <source>Medium (sedan)</source>
        <translation>Medium (sedan)</translation>
    </message>
    <message id="setting.aux.high_suv">
        <source>High (SUV)</source>
        <translation>High (SUV)</translation>
    </message>
    <message id="setting.aux.lcd_auto_off">
        <source>Screen auto-off</source>
        <translation>Screen auto-off</translation>
    </message>
    <message id="setting.aux.country_ac_power_setting">
        <source>Mains frequency</source>
        <translation>Mains frequency</translation>
    </message>
    <message id="setting.aux.lcd_brightness">
        <source>Screen brightness</source>
        <translation>Screen brightness</translation>
    </message>
    <message id="setting.aux.lcd_brightness_night">
        <source>Night dimming</source>
        <translation>Night dimming</translation>
    </message>
    <message id="setting.aux.parking_rear_setting">
        <source>Rear camera when parked</source>
        <translation>Rear camera when parked</translation>
    </message>
    <message id="setting.aux.lcd_screensaver">
        <source>Screen saver</source>
        <translation>Screen saver</translation>
    </message>
    <message id="setting.aux.parking_monitor_notice">
        <source>Parking monitoring notice</source>
        <translation>Parking monitoring notice</translation>
    </message>
    <message id="setting.aux.recording_length">
        <source>Recording length</source>
        <translation>Recording length</translation>
    </message>
    <message id="setting.aux.pip_position">
        <source>Picture-in-picture position</source>
        <translation>Picture-in-picture position</translation>
    </message>
    <message id="setting.aux.ssid">
        <source>Network name:</source>
        <translation>Network name:</translation>
    </message>
    <message id="setting.aux.password">
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message id="setting.aux.channel">
        <source>Channel:</source>
        <translation>Channel:</translation>
    </message>
    <message id="setting.aux.pip_top_left">
        <source>Top left</source>
        <translation>Top left</translation>
    </message>
    <message id="setting.aux.pip_top_right">
        <source>Top right</source>
        <translation>Top right</translation>
    </message>
    <message id="setting.aux.pip_bottom_left">
        <source>Bottom left</source>
        <translation>Bottom left</translation>
    </message>
    <message id="setting.aux.pip_bottom_right">
        <source>Bottom right</source>
        <translation>Bottom right</translation>
    </message>
    <message id="setting.aux.wifi_settings">
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message id="setting.aux.ssid_length">
        <source>The Wi-Fi name must be at least 6 characters long.</source>
        <translation>The Wi-Fi name must be at least 6 characters long.</translation>
    </message>
    <message id="setting.aux.ssid_invalid">
        <source>The Wi-Fi name may contain only ASCII letters, digits and symbols, without spaces.</source>
        <translation>The Wi-Fi name may contain only ASCII letters, digits and symbols, without spaces.</translation>
    </message>
    <message id="setting.aux.password_length">
        <source>The Wi-Fi password must be at least 8 characters long.</source>
        <translation>The Wi-Fi password must be at least 8 characters long.</translation>
    </message>
    <message id="setting.aux.password_invalid">
        <source>The Wi-Fi password may contain only ASCII letters, digits and symbols, without spaces.</source>
        <translation>The Wi-Fi password may contain only ASCII letters, digits and symbols, without spaces.</translation>
    </message>
    <message id="setting.aux.auto_format">
        <source>Format reminder</source>
        <translation>Format reminder</translation>
    </message>
    <message id="setting.aux.4week">
        <source>4 weeks</source>
        <translation>4 weeks</translation>
    </message>
    <message id="setting.aux.8week">
        <source>8 weeks</source>
        <translation>8 weeks</translation>
    </message>
    <message id="setting.aux.16week">
        <source>16 weeks</source>
        <translation>16 weeks</translation>
    </message>
    <message id="setting.aux.32week">
        <source>32 weeks</source>
        <translation>32 weeks</translation>
    </message>
    <!-- motion settings page -->
    <message id="setting.motion.sensitivity">
        <source>Motion sensitivity</source>
        <translation>Motion sensitivity</translation>
    </message>
    <message id="setting.aux.front_sensitivity">
        <source>Front camera:</source>
        <translation>Front camera:</translation>
    </message>
    <message id="setting.aux.rear_sensitivity">
        <source>Rear camera:</source>
        <translation>Rear camera:</translation>
    </message>
    <message id="setting.motion.block">
        <source>Detection zones</source>
        <translation>Detection zones</translation>
    </message>
    <message id="setting.motion.block_front">
        <source>Front camera</source>
        <translation>Front camera</translation>
    </message>
    <message id="setting.motion.block_rear">
        <source>Rear camera</source>
        <translation>Rear camera</translation>
    </message>
    <!-- audio settings page -->
    <message id="setting.aux.mic_volume">
        <source>Microphone volume</source>
        <translation>Microphone volume</translation>
    </message>
    <message id="setting.aux.speaker_volume">
        <source>Speaker volume</source>
        <translation>Speaker volume</translation>
    </message>
    <message id="setting.aux.volume_low">
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message id="setting.aux.volume_up">
        <source>High</source>
        <translation>High</translation>
    </message>
    <message id="setting.aux.enable_hourly_alarm">
        <source>Hourly chime</source>
        <translation>Hourly chime</translation>
    </message>
    <message id="setting.aux.enable_voice_guidance">
        <source>Voice guidance language</source>
        <translation>Voice guidance language</translation>
    </message>
    <!-- audio settings page: voice guidance languages, in the camera's numbering -->
    <message id="Korean">
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message id="English">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="French">
        <source>French</source>
        <translation>French</translation>
    </message>
    <message id="Spanish.Europe">
        <source>Spanish (Europe)</source>
        <translation>Spanish (Europe)</translation>
    </message>
    <message id="Arabic">
        <source>Arabic</source>
        <translation>Arabic</translation>
    </message>
    <message id="Chinese">
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message id="Russian">
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message id="Japanese">
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message id="Thai">
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message id="BahasaIndonesia">
        <source>Bahasa Indonesia</source>
        <translation>Bahasa Indonesia</translation>
    </message>
    <message id="Vietnamese">
        <source>Vietnamese</source>
        <translation>Vietnamese</translation>
    </message>
    <message id="Mongolian">
        <source>Mongolian</source>
        <translation>Mongolian</translation>
    </message>
    <message id="Spanish.SouthAmerica">
        <source>Spanish (South America)</source>
        <translation>Spanish (South America)</translation>
    </message>
    <message id="German">
        <source>German</source>
        <translation>German</translation>
    </message>
    <message id="Turkish">
        <source>Turkish</source>
        <translation>Turkish</translation>
    </message>
    <message id="Italian">
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message id="Hindi">
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message id="Cantonese">
        <source>Cantonese</source>
        <translation>Cantonese</translation>
    </message>
    <message id="Czech">
        <source>Czech</source>
        <translation>Czech</translation>
    </message>
    <message id="Portuguese">
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
    <message id="Malaysia">
        <source>Malay</source>
        <translation>Malay</translation>
    </message>
    <!-- input checks: %1 and %2 are the lowest and highest accepted values -->
    <message id="msg.input_value_invalid_format">
        <source>The value must be a number, such as 0.50.</source>
        <translation>The value must be a number, such as 0.50.</translation>
    </message>
    <message id="msg.gsensor_outofrange_fmt">
        <source>The value must be between %1 and %2.</source>
        <translation>The value must be between %1 and %2.</translation>
    </message>
    <!-- card format window -->
    <message id="setting.format.filesystem">
        <source>File system:</source>
        <translation>File system:</translation>
    </message>
    <message id="setting.format.allocation_unit_size">
        <source>Allocation unit size:</source>
        <translation>Allocation unit size:</translation>
    </message>
    <message id="setting.format.format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="msg.cannot_format">
        <source>The card cannot be formatted.</source>
        <translation>The card cannot be formatted.</translation>
    </message>
    <message id="msg.format_complete">
        <source>Formatting is complete.</source>
        <translation>Formatting is complete.</translation>
    </message>
    <message id="msg.file_open_fail">
        <source>The file could not be opened for writing.</source>
        <translation>The file could not be opened for writing.</translation>
    </message>
    <!-- card format window: the steps and the failures of the sequence -->
    <message id="format.step.start">
        <source>Formatting...</source>
        <translation>Formatting...</translation>
    </message>
    <message id="format.step.unmount">
        <source>unmount disk...</source>
        <translation>unmount disk...</translation>
    </message>
    <message id="format.step.formatting">
        <source>formatting...</source>
        <translation>formatting...</translation>
    </message>
    <message id="format.step.mount">
        <source>try mount...</source>
        <translation>try mount...</translation>
    </message>
    <message id="format.step.completed">
        <source>Format completed!</source>
        <translation>Format completed!</translation>
    </message>
    <message id="format.step.searching">
        <source>Disk searching...</source>
        <translation>Disk searching...</translation>
    </message>
    <message id="format.error">
        <source>Error:</source>
        <translation>Error:</translation>
    </message>
    <message id="msg.config_copy_fail">
        <source>config.bin copy fail</source>
        <translation>config.bin copy fail</translation>
    </message>
    <message id="msg.format.not_remounted">
        <source>%1 was formatted but is not mounted again; config.bin was not written.</source>
        <translation>%1 was formatted but is not mounted again; config.bin was not written.</translation>
    </message>
    <message id="msg.format.not_remounted_copy">
        <source>%1 was formatted but is not mounted again; config.bin was not put back. Its copy is %2</source>
        <translation>%1 was formatted but is not mounted again; config.bin was not put back. Its copy is %2</translation>
    </message>
    <message id="msg.format.bad_name">
        <source>The device name is not valid.</source>
        <translation>The device name is not valid.</translation>
    </message>
    <message id="msg.format.device_gone">
        <source>The device is no longer present.</source>
        <translation>The device is no longer present.</translation>
    </message>
    <message id="msg.format.bad_path">
        <source>The device path is not valid.</source>
        <translation>The device path is not valid.</translation>
    </message>
    <message id="msg.format.not_usb">
        <source>The device is not a removable USB volume.</source>
        <translation>The device is not a removable USB volume.</translation>
    </message>
    <message id="msg.format.swap">
        <source>The device holds a swap area.</source>
        <translation>The device holds a swap area.</translation>
    </message>
    <message id="msg.format.system_folder">
        <source>The device holds a system folder (%1).</source>
        <translation>The device holds a system folder (%1).</translation>
    </message>
    <message id="msg.label_fail">
        <source>The volume could not be renamed.</source>
        <translation>The volume could not be renamed.</translation>
    </message>
    <message id="msg.no_device_list">
        <source>The list of devices could not be read.</source>
        <translation>The list of devices could not be read.</translation>
    </message>
    <!-- commands run for the card: %1 is the exit status -->
    <message id="msg.command_not_started">
        <source>The command could not be started.</source>
        <translation>The command could not be started.</translation>
    </message>
    <message id="msg.command_crashed">
        <source>crashed</source>
        <translation>crashed</translation>
    </message>
    <message id="msg.command_cancelled">
        <source>User canceled.</source>
        <translation>User canceled.</translation>
    </message>
    <message id="msg.command_not_authorised">
        <source>Not authorized.</source>
        <translation>Not authorized.</translation>
    </message>
    <message id="msg.command_exit_status">
        <source>exit status %1</source>
        <translation>exit status %1</translation>
    </message>
    <!-- failures of reading and writing files -->
    <message id="msg.not_regular_file">
        <source>Not a regular file; it was left as it is.</source>
        <translation>Not a regular file; it was left as it is.</translation>
    </message>
    <message id="msg.same_file">
        <source>The output would replace the input.</source>
        <translation>The output would replace the input.</translation>
    </message>
    <message id="msg.folder_unreadable">
        <source>The folder could not be read.</source>
        <translation>The folder could not be read.</translation>
    </message>
    <message id="msg.name_not_utf8">
        <source>The name is not valid UTF-8, so this program cannot open it; rename it to show it.</source>
        <translation>The name is not valid UTF-8, so this program cannot open it; rename it to show it.</translation>
    </message>
    <message id="msg.catalogue_limit_fmt">
        <source>The folder holds more recordings than the %1 shown.</source>
        <translation>The folder holds more recordings than the %1 shown.</translation>
    </message>
    <message id="msg.file_read_fail">
        <source>The file could not be read.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message id="msg.folder_create_fail">
        <source>The folder could not be created.</source>
        <translation>The folder could not be created.</translation>
    </message>
    <message id="msg.copy_differs">
        <source>The copy differs from %1.</source>
        <translation>The copy differs from %1.</translation>
    </message>
    <message id="msg.date_unwritable">
        <source>The date cannot be written as yyyy/MM/dd.</source>
        <translation>The date cannot be written as yyyy/MM/dd.</translation>
    </message>
    <message id="msg.telemetry_recovered">
        <source>The telemetry was recovered from a damaged recording.</source>
        <translation>The telemetry was recovered from a damaged recording.</translation>
    </message>
    <message id="msg.not_a_recording">
        <source>Not a readable recording.</source>
        <translation>Not a readable recording.</translation>
    </message>
    <message id="msg.drv_no_header">
        <source>The file is too short to be a driving-record file.</source>
        <translation>The file is too short to be a driving-record file.</translation>
    </message>
    <message id="msg.drv_refused">
        <source>Not a driving-record file (header count %1).</source>
        <translation>Not a driving-record file (header count %1).</translation>
    </message>
    <message id="msg.settings_size">
        <source>The file holds %1 bytes; a settings file holds %2.</source>
        <translation>The file holds %1 bytes; a settings file holds %2.</translation>
    </message>
    <!-- values given for settings fields: %1 is the value, %2 and %3 the lowest and highest -->
    <message id="msg.setting.unknown_field">
        <source>Not a field of the settings record.</source>
        <translation>Not a field of the settings record.</translation>
    </message>
    <message id="msg.setting.not_editable">
        <source>No settings page edits this field.</source>
        <translation>No settings page edits this field.</translation>
    </message>
    <message id="msg.setting.car_number">
        <source>At most 8 ASCII letters and digits.</source>
        <translation>At most 8 ASCII letters and digits.</translation>
    </message>
    <message id="msg.setting.not_number">
        <source>"%1" is not a whole number.</source>
        <translation>"%1" is not a whole number.</translation>
    </message>
    <message id="msg.setting.not_listed">
        <source>%1 is not one of the page's values.</source>
        <translation>%1 is not one of the page's values.</translation>
    </message>
    <message id="msg.setting.outside">
        <source>%1 is outside %2 to %3.</source>
        <translation>%1 is outside %2 to %3.</translation>
    </message>
    <message id="msg.setting.ratio">
        <source>%1 is not a multiple of 10 from 0 to 100.</source>
        <translation>%1 is not a multiple of 10 from 0 to 100.</translation>
    </message>
    <message id="msg.setting.does_not_fit">
        <source>%1 does not fit the field.</source>
        <translation>%1 does not fit the field.</translation>
    </message>
    <message id="msg.setting.too_long">
        <source>At most %1 characters.</source>
        <translation>At most %1 characters.</translation>
    </message>
    <message id="msg.settings_checksum_wrong">
        <source>The checksum of this settings file does not match its contents, so it was left as it is (--force sets the values anyway).</source>
        <translation>The checksum of this settings file does not match its contents, so it was left as it is (--force sets the values anyway).</translation>
    </message>
    <message id="setting.format.card">
        <source>Card:</source>
        <translation>Card:</translation>
    </message>
    <message id="setting.format.device">
        <source>Device:</source>
        <translation>Device:</translation>
    </message>
    <message id="setting.format.confirm_title">
        <source>Erase this memory card?</source>
        <translation>Erase this memory card?</translation>
    </message>
    <message id="setting.format.confirm">
        <source>Device: %1
Size: %2
Label: %3
Mounted at: %4

Formatting erases every recording on this card. Its config.bin is put back afterwards.</source>
        <translation>Device: %1
Size: %2
Label: %3
Mounted at: %4

Formatting erases every recording on this card. Its config.bin is put back afterwards.</translation>
    </message>
    <!-- clock window -->
    <message id="today">
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message id="time.filesave">
        <source>The clock file has been saved. Put the card into the camera to set its clock.</source>
        <translation>The clock file has been saved. Put the card into the camera to set its clock.</translation>
    </message>
    <!-- driving log page: column titles (also the header line of the exported file, so no commas) -->
    <message id="setting.flashdata.index">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="setting.flashdata.seq">
        <source>Seq.</source>
        <translation>Seq.</translation>
    </message>
    <message id="setting.flashdata.date">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="setting.flashdata.time">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="setting.flashdata.yoil">
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message id="setting.flashdata.lat">
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message id="setting.flashdata.lon">
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message id="setting.flashdata.driving_distance">
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message id="setting.flashdata.cur_speed">
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message id="setting.flashdata.max_speed">
        <source>Max speed</source>
        <translation>Max speed</translation>
    </message>
    <message id="setting.flashdata.value">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="setting.flashdata.battery">
        <source>Battery</source>
        <translation>Battery</translation>
    </message>
    <!-- driving log page: buttons and messages -->
    <message id="open">
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message id="export">
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message id="setting.flashdata.warning">
        <source>No driving log was found on the memory card. Use Open to choose a log file.</source>
        <translation>No driving log was found on the memory card. Use Open to choose a log file.</translation>
    </message>
    <!-- drives: the list by trip, exports, the camera's clock -->
    <message id="trips.by_trip">
        <source>By trip</source>
        <translation>By trip</translation>
    </message>
    <message id="trips.by_trip_tip">
        <source>Show the recordings grouped by drive</source>
        <translation>Show the recordings grouped by drive</translation>
    </message>
    <message id="trips.trip">
        <source>Trip</source>
        <translation>Trip</translation>
    </message>
    <message id="trips.minutes">
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message id="trips.hours">
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message id="trips.export">
        <source>Export route or evidence</source>
        <translation>Export route or evidence</translation>
    </message>
    <message id="trips.export_route">
        <source>Export route…</source>
        <translation>Export route…</translation>
    </message>
    <message id="trips.export_trip_route">
        <source>Export route of the whole trip…</source>
        <translation>Export route of the whole trip…</translation>
    </message>
    <message id="trips.export_evidence">
        <source>Export evidence…</source>
        <translation>Export evidence…</translation>
    </message>
    <message id="trips.track_name">
        <source>Trip %1</source>
        <translation>Trip %1</translation>
    </message>
    <message id="trips.no_route">
        <source>This recording has no GPS positions: there is no route to export.</source>
        <translation>This recording has no GPS positions: there is no route to export.</translation>
    </message>
    <message id="trips.no_trip_route">
        <source>No recording of this trip has GPS positions: there is no route to export.</source>
        <translation>No recording of this trip has GPS positions: there is no route to export.</translation>
    </message>
    <message id="trips.route_not_written">
        <source>The route was not written to %1: %2</source>
        <translation>The route was not written to %1: %2</translation>
    </message>
    <message id="trips.evidence_folder">
        <source>Evidence %1</source>
        <translation>Evidence %1</translation>
    </message>
    <message id="trips.evidence_writing">
        <source>Writing the evidence folder…</source>
        <translation>Writing the evidence folder…</translation>
    </message>
    <message id="trips.evidence_written">
        <source>The evidence folder was written: %1</source>
        <translation>The evidence folder was written: %1</translation>
    </message>
    <message id="trips.evidence_failed">
        <source>The evidence folder was not written: %1</source>
        <translation>The evidence folder was not written: %1</translation>
    </message>
    <message id="trips.clock_reading">
        <source>Camera clock: checking against the GPS time…</source>
        <translation>Camera clock: checking against the GPS time…</translation>
    </message>
    <message id="trips.clock">
        <source>Camera clock vs GPS: </source>
        <translation>Camera clock vs GPS: </translation>
    </message>
    <message id="trips.clock_recording">
        <source>this recording %1</source>
        <translation>this recording %1</translation>
    </message>
    <message id="trips.clock_recording_nofix">
        <source>no valid fix in this recording</source>
        <translation>no valid fix in this recording</translation>
    </message>
    <message id="trips.clock_card">
        <source>card median %1</source>
        <translation>card median %1</translation>
    </message>
    <message id="trips.clock_card_nofix">
        <source>no recording of the card has a valid fix</source>
        <translation>no recording of the card has a valid fix</translation>
    </message>
    <message id="trips.clock_set">
        <source>set it in the clock window</source>
        <translation>set it in the clock window</translation>
    </message>
    <message id="time.proposal_ahead">
        <source>The camera’s clock runs %1 ahead of the GPS time in its recordings. Proposed: the time now in the card’s zone (%2).</source>
        <translation>The camera’s clock runs %1 ahead of the GPS time in its recordings. Proposed: the time now in the card’s zone (%2).</translation>
    </message>
    <message id="time.proposal_behind">
        <source>The camera’s clock runs %1 behind the GPS time in its recordings. Proposed: the time now in the card’s zone (%2).</source>
        <translation>The camera’s clock runs %1 behind the GPS time in its recordings. Proposed: the time now in the card’s zone (%2).</translation>
    </message>
    <!-- trips, clock and route: begin -->
    <message id="trips.json_and_route_on_stdout">
        <source>--json and a route written to - would share the standard output; write the route to a file.</source>
        <translation>--json and a route written to - would share the standard output; write the route to a file.</translation>
    </message>
    <message id="clock.zone_guessed">
        <source>zone %1 (guessed from the GPS time: the card has no config.bin)</source>
        <translation>zone %1 (guessed from the GPS time: the card has no config.bin)</translation>
    </message>
    <message id="clock.nothing_to_compare">
        <source>no recording has a valid GPS fix: there is nothing to compare the camera&apos;s clock with</source>
        <translation>no recording has a valid GPS fix: there is nothing to compare the camera&apos;s clock with</translation>
    </message>
    <message id="evidence.clock_zone_guessed">
        <source>the time zone was guessed from the GPS time: the card has no config.bin</source>
        <translation>the time zone was guessed from the GPS time: the card has no config.bin</translation>
    </message>
    <message id="trips.recording_unreadable">
        <source>The recording could not be read, so it is left out of the trips</source>
        <translation>The recording could not be read, so it is left out of the trips</translation>
    </message>
    <!-- trips, clock and route: end -->
    <!-- evidence and written files: begin -->
    <message id="msg.input_not_regular_file">
        <source>Not a regular file (a folder, a pipe or a device), so it was not read.</source>
        <translation>Not a regular file (a folder, a pipe or a device), so it was not read.</translation>
    </message>
    <message id="msg.pseudo_file_system">
        <source>It lies on a system file system (proc, sysfs or their kin), not on a card or a disk.</source>
        <translation>It lies on a system file system (proc, sysfs or their kin), not on a card or a disk.</translation>
    </message>
    <message id="msg.not_an_avi_recording">
        <source>Not a recording: the file does not begin as an AVI recording.</source>
        <translation>Not a recording: the file does not begin as an AVI recording.</translation>
    </message>
    <message id="msg.evidence_target_taken">
        <source>It exists and is not an empty folder.</source>
        <translation>It exists and is not an empty folder.</translation>
    </message>
    <message id="msg.evidence_write_fail">
        <source>The evidence folder could not be written.</source>
        <translation>The evidence folder could not be written.</translation>
    </message>
    <message id="msg.year_out_of_range">
        <source>The year must lie between %1 and %2, the years recording names can hold.</source>
        <translation>The year must lie between %1 and %2, the years recording names can hold.</translation>
    </message>
    <!-- evidence and written files: end -->
    <!-- memory, painting and fuzzing: begin -->
    <message id="msg.lsblk_too_large">
        <source>Larger than %1 MB: not a recorded lsblk output.</source>
        <translation>Larger than %1 MB: not a recorded lsblk output.</translation>
    </message>
    <!-- memory, painting and fuzzing: end -->
    <!-- player window and list: begin -->
    <message id="msg.format.cancelled">
        <source>The format was stopped before anything was erased.</source>
        <translation>The format was stopped before anything was erased.</translation>
    </message>
    <message id="trips.file_count" numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message id="trips.event_count" numerus="yes">
        <source>%n event(s)</source>
        <translation>
            <numerusform>%n event</numerusform>
            <numerusform>%n events</numerusform>
        </translation>
    </message>
    <message id="capture.no_viewer">
        <source>The picture was saved as %1, but no program to show it is set up on this computer.</source>
        <translation>The picture was saved as %1, but no program to show it is set up on this computer.</translation>
    </message>
    <message id="trips.route_written">
        <source>The route was written to %1.</source>
        <translation>The route was written to %1.</translation>
    </message>
    <message id="player.no_picture">
        <source>This recording has no picture: %1 holds sound only.</source>
        <translation>This recording has no picture: %1 holds sound only.</translation>
    </message>
    <!-- player window and list: end -->
    <!-- card windows: begin -->
    <message id="duration.hours" numerus="yes">
        <source>%n h</source>
        <translation>
            <numerusform>%n h</numerusform>
            <numerusform>%n h</numerusform>
        </translation>
    </message>
    <message id="duration.minutes" numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message id="duration.seconds" numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
    <message id="duration.pair">
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="time.window_title">
        <source>Set the Camera’s Clock</source>
        <translation>Set the Camera’s Clock</translation>
    </message>
    <message id="format.window_title">
        <source>Format Memory Card</source>
        <translation>Format Memory Card</translation>
    </message>
    <message id="map.window_title">
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message id="records.map_title">
        <source>Driving Log Map</source>
        <translation>Driving Log Map</translation>
    </message>
    <message id="setting.open_settings">
        <source>Open Settings File…</source>
        <translation>Open Settings File…</translation>
    </message>
    <message id="records.open_log">
        <source>Open Driving Log…</source>
        <translation>Open Driving Log…</translation>
    </message>
    <message id="records.truncated">
        <source>%1: the header promises %2 records, the file holds %3; the missing records are not shown.</source>
        <translation>%1: the header promises %2 records, the file holds %3; the missing records are not shown.</translation>
    </message>
    <message id="player.open_card_settings">
        <source>Open the settings on %1</source>
        <translation>Open the settings on %1</translation>
    </message>
    <!-- card windows: end -->
    <!-- benchmarks: begin -->
    <!-- benchmarks: end -->
    <!-- clip export: begin -->
    <message id="msg.clip_empty_range">
        <source>The clip's end must come after its start.</source>
        <translation>The clip's end must come after its start.</translation>
    </message>
    <message id="msg.clip_no_recording">
        <source>No recording covers this stretch of time.</source>
        <translation>No recording covers this stretch of time.</translation>
    </message>
    <message id="msg.clip_gap_too_long">
        <source>The range has %1 s without any recording; at most %2 s can be shown as black.</source>
        <translation>The range has %1 s without any recording; at most %2 s can be shown as black.</translation>
    </message>
    <message id="msg.clip_read_fail">
        <source>The recording could not be read.</source>
        <translation>The recording could not be read.</translation>
    </message>
    <message id="msg.clip_encoder_missing">
        <source>The video encoder is not available.</source>
        <translation>The video encoder is not available.</translation>
    </message>
    <message id="msg.clip_write_fail">
        <source>The clip could not be written.</source>
        <translation>The clip could not be written.</translation>
    </message>
    <message id="msg.clip_cancelled">
        <source>The clip was cancelled; no file was left.</source>
        <translation>The clip was cancelled; no file was left.</translation>
    </message>
    <message id="clip.no_recording">
        <source>No recording</source>
        <translation>No recording</translation>
    </message>
    <message id="clip.north">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="clip.title">
        <source>Export Clip</source>
        <translation>Export Clip</translation>
    </message>
    <message id="clip.export_action">
        <source>Export Clip…</source>
        <translation>Export Clip…</translation>
    </message>
    <message id="clip.export">
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message id="clip.from">
        <source>From:</source>
        <translation>From:</translation>
    </message>
    <message id="clip.to">
        <source>To:</source>
        <translation>To:</translation>
    </message>
    <message id="clip.layout">
        <source>Layout:</source>
        <translation>Layout:</translation>
    </message>
    <message id="clip.corner">
        <source>Inset corner:</source>
        <translation>Inset corner:</translation>
    </message>
    <message id="clip.overlay">
        <source>Drawn in:</source>
        <translation>Drawn in:</translation>
    </message>
    <message id="clip.sound">
        <source>Sound:</source>
        <translation>Sound:</translation>
    </message>
    <message id="clip.quality">
        <source>Quality (lower is better):</source>
        <translation>Quality (lower is better):</translation>
    </message>
    <message id="clip.layout_side">
        <source>Side by side</source>
        <translation>Side by side</translation>
    </message>
    <message id="clip.layout_inset">
        <source>Front with rear inset</source>
        <translation>Front with rear inset</translation>
    </message>
    <message id="clip.layout_front">
        <source>Front only</source>
        <translation>Front only</translation>
    </message>
    <message id="clip.layout_rear">
        <source>Rear only</source>
        <translation>Rear only</translation>
    </message>
    <message id="clip.corner_bottom_right">
        <source>Bottom right</source>
        <translation>Bottom right</translation>
    </message>
    <message id="clip.corner_bottom_left">
        <source>Bottom left</source>
        <translation>Bottom left</translation>
    </message>
    <message id="clip.corner_top_right">
        <source>Top right</source>
        <translation>Top right</translation>
    </message>
    <message id="clip.corner_top_left">
        <source>Top left</source>
        <translation>Top left</translation>
    </message>
    <message id="clip.sound_front">
        <source>Front camera</source>
        <translation>Front camera</translation>
    </message>
    <message id="clip.sound_rear">
        <source>Rear camera</source>
        <translation>Rear camera</translation>
    </message>
    <message id="clip.item_time">
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message id="clip.item_speed">
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message id="clip.item_gforce">
        <source>G-force</source>
        <translation>G-force</translation>
    </message>
    <message id="clip.item_map">
        <source>Route map</source>
        <translation>Route map</translation>
    </message>
    <message id="clip.writing">
        <source>Writing the clip…</source>
        <translation>Writing the clip…</translation>
    </message>
    <message id="clip.time_left">
        <source>%1:%2 left</source>
        <translation>%1:%2 left</translation>
    </message>
    <message id="clip.failed">
        <source>The clip was not written: %1</source>
        <translation>The clip was not written: %1</translation>
    </message>
    <!-- clip export: end -->
    <!-- card index: begin -->
    <message id="msg.index_fail">
        <source>The card index could not be used.</source>
        <translation>The card index could not be used.</translation>
    </message>
    <message id="msg.index_folder_fail">
        <source>The folder for the card index could not be created.</source>
        <translation>The folder for the card index could not be created.</translation>
    </message>
    <message id="index.progress">
        <source>Indexing the card: %1 of %2 recordings</source>
        <translation>Indexing the card: %1 of %2 recordings</translation>
    </message>
    <message id="index.done">
        <source>Card indexed: %1 recordings, %2 trips</source>
        <translation>Card indexed: %1 recordings, %2 trips</translation>
    </message>
    <message id="index.failed">
        <source>The card could not be indexed: %1</source>
        <translation>The card could not be indexed: %1</translation>
    </message>
    <message id="index.recordings_here">
        <source>Recordings here</source>
        <translation>Recordings here</translation>
    </message>
    <message id="index.all_drives">
        <source>All drives</source>
        <translation>All drives</translation>
    </message>
    <message id="index.passes_title">
        <source>Passes within %1 m</source>
        <translation>Passes within %1 m</translation>
    </message>
    <message id="index.no_passes">
        <source>No recording passed here.</source>
        <translation>No recording passed here.</translation>
    </message>
    <message id="index.pass_header">
        <source>Pass</source>
        <translation>Pass</translation>
    </message>
    <message id="index.column_date">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="index.column_time">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="index.column_speed">
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message id="index.column_direction">
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message id="index.speed_value">
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message id="index.pass_number">
        <source>Pass %1</source>
        <translation>Pass %1</translation>
    </message>
    <!-- card index: end -->
    <!-- errors and exports: begin -->
    <message id="alert.warning">
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message id="msg.write_fail">
        <source>The file could not be written.</source>
        <translation>The file could not be written.</translation>
    </message>
    <message id="msg.system_words">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="tool.standard_output">
        <source>standard output</source>
        <translation>standard output</translation>
    </message>
    <message id="tool.output_not_replaced">
        <source>not a regular file; not replaced</source>
        <translation>not a regular file; not replaced</translation>
    </message>
    <message id="tool.not_a_folder">
        <source>not a folder</source>
        <translation>not a folder</translation>
    </message>
    <message id="tool.choose_one_of">
        <source>choose one of %1</source>
        <translation>choose one of %1</translation>
    </message>
    <message id="tool.gpx_or_kml">
        <source>choose one of --gpx and --kml</source>
        <translation>choose one of --gpx and --kml</translation>
    </message>
    <message id="tool.trip_km">
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message id="tool.trip_recordings">
        <source>%1 recordings</source>
        <translation>%1 recordings</translation>
    </message>
    <message id="tool.trip_count">
        <source>%1 trips</source>
        <translation>%1 trips</translation>
    </message>
    <message id="tool.clock_no_fix">
        <source>no fix</source>
        <translation>no fix</translation>
    </message>
    <message id="tool.clock_zone">
        <source>zone %1 (config.bin)</source>
        <translation>zone %1 (config.bin)</translation>
    </message>
    <message id="tool.clock_median">
        <source>median offset %1 s: %2</source>
        <translation>median offset %1 s: %2</translation>
    </message>
    <message id="tool.clock_right">
        <source>the camera&apos;s clock is right</source>
        <translation>the camera&apos;s clock is right</translation>
    </message>
    <message id="tool.clock_ahead">
        <source>the camera&apos;s clock is %1 s ahead</source>
        <translation>the camera&apos;s clock is %1 s ahead</translation>
    </message>
    <message id="tool.clock_behind">
        <source>the camera&apos;s clock is %1 s behind</source>
        <translation>the camera&apos;s clock is %1 s behind</translation>
    </message>
    <message id="tool.drv_truncated">
        <source>the header promises %1 records, the file holds %2</source>
        <translation>the header promises %1 records, the file holds %2</translation>
    </message>
    <message id="tool.drv_nothing">
        <source>no records, nothing exported</source>
        <translation>no records, nothing exported</translation>
    </message>
    <message id="tool.evidence_not_written">
        <source>evidence not written: %1</source>
        <translation>evidence not written: %1</translation>
    </message>
    <message id="evidence.copy_differs">
        <source>the copy differs from %1</source>
        <translation>the copy differs from %1</translation>
    </message>
    <message id="evidence.not_read_back">
        <source>cannot be read back</source>
        <translation>cannot be read back</translation>
    </message>
    <message id="evidence.no_pictures">
        <source>the pictures could not be drawn</source>
        <translation>the pictures could not be drawn</translation>
    </message>
    <message id="print.no_queue">
        <source>The printer&apos;s queue was not found.</source>
        <translation>The printer&apos;s queue was not found.</translation>
    </message>
    <message id="print.not_submitted">
        <source>The print service did not take the job.</source>
        <translation>The print service did not take the job.</translation>
    </message>
    <message id="report.title">
        <source>Evidence: %1</source>
        <translation>Evidence: %1</translation>
    </message>
    <message id="report.recording">
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message id="report.partner">
        <source>Partner recording</source>
        <translation>Partner recording</translation>
    </message>
    <message id="report.no_partner">
        <source>none on the card</source>
        <translation>none on the card</translation>
    </message>
    <message id="report.partner_refused">
        <source>none taken: %1</source>
        <translation>none taken: %1</translation>
    </message>
    <message id="report.start">
        <source>Start (camera clock)</source>
        <translation>Start (camera clock)</translation>
    </message>
    <message id="report.peak">
        <source>Peak G-sensor reading</source>
        <translation>Peak G-sensor reading</translation>
    </message>
    <message id="report.peak_value">
        <source>%1 g (X %2, Y %3, Z %4) at %5 s</source>
        <translation>%1 g (X %2, Y %3, Z %4) at %5 s</translation>
    </message>
    <message id="report.no_gsensor">
        <source>no G-sensor data</source>
        <translation>no G-sensor data</translation>
    </message>
    <message id="report.place_wgs84">
        <source>Place (WGS 84)</source>
        <translation>Place (WGS 84)</translation>
    </message>
    <message id="report.place">
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message id="report.no_fix">
        <source>no GPS fix in the recording</source>
        <translation>no GPS fix in the recording</translation>
    </message>
    <message id="report.speed">
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message id="report.speed_value">
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message id="report.gps_time">
        <source>GPS time (UTC)</source>
        <translation>GPS time (UTC)</translation>
    </message>
    <message id="report.clock">
        <source>Camera clock against GPS</source>
        <translation>Camera clock against GPS</translation>
    </message>
    <message id="report.clock_value">
        <source>%1 s (positive: the camera&apos;s clock is ahead)</source>
        <translation>%1 s (positive: the camera&apos;s clock is ahead)</translation>
    </message>
    <message id="report.clock_with_note">
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message id="report.clock_unknown">
        <source>unknown: no valid GPS fix</source>
        <translation>unknown: no valid GPS fix</translation>
    </message>
    <message id="report.camera_settings">
        <source>Camera settings</source>
        <translation>Camera settings</translation>
    </message>
    <message id="report.no_config">
        <source>no config.bin on the card</source>
        <translation>no config.bin on the card</translation>
    </message>
    <message id="report.thresholds_driving">
        <source>G-sensor thresholds, driving</source>
        <translation>G-sensor thresholds, driving</translation>
    </message>
    <message id="report.thresholds_parked">
        <source>G-sensor thresholds, parked</source>
        <translation>G-sensor thresholds, parked</translation>
    </message>
    <message id="report.thresholds_value">
        <source>X %1 g, Y %2 g, Z %3 g</source>
        <translation>X %1 g, Y %2 g, Z %3 g</translation>
    </message>
    <message id="report.event_recording">
        <source>G-sensor event recording</source>
        <translation>G-sensor event recording</translation>
    </message>
    <message id="report.on">
        <source>on</source>
        <translation>on</translation>
    </message>
    <message id="report.off">
        <source>off</source>
        <translation>off</translation>
    </message>
    <message id="report.time_zone">
        <source>Camera time zone</source>
        <translation>Camera time zone</translation>
    </message>
    <message id="report.zone_value">
        <source>UTC%1</source>
        <translation>UTC%1</translation>
    </message>
    <message id="report.zone_not_set">
        <source>not set (time_gmt %1)</source>
        <translation>not set (time_gmt %1)</translation>
    </message>
    <message id="report.zone_summer_time">
        <source>%1, summer time included</source>
        <translation>%1, summer time included</translation>
    </message>
    <message id="report.gsensor">
        <source>G-sensor</source>
        <translation>G-sensor</translation>
    </message>
    <message id="report.gsensor_graph">
        <source>G-sensor graph</source>
        <translation>G-sensor graph</translation>
    </message>
    <message id="report.route">
        <source>Route</source>
        <translation>Route</translation>
    </message>
    <message id="report.files">
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message id="report.no_telemetry">
        <source>%1 carries no telemetry: no CSV or GPX was made for it.</source>
        <translation>%1 carries no telemetry: no CSV or GPX was made for it.</translation>
    </message>
    <message id="report.sums">
        <source>%1 holds the SHA-256 of every file; check them with %2.</source>
        <translation>%1 holds the SHA-256 of every file; check them with %2.</translation>
    </message>
    <message id="msg.short_write">
        <source>only %1 of %2 bytes could be written</source>
        <translation>only %1 of %2 bytes could be written</translation>
    </message>
    <!-- errors and exports: end -->
    <!-- -->
    <!-- recordings and telemetry: begin -->
    <!-- recordings and telemetry: end -->
    <!-- -->
    <!-- settings pages: begin -->
    <message id="setting.loading">
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message id="setting.version">
        <source>[Ver %1]</source>
        <translation>[Ver %1]</translation>
    </message>
    <message id="setting.save_title">
        <source>Save Settings</source>
        <translation>Save Settings</translation>
    </message>
    <message id="setting.alert.warn">
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message id="setting.alert.warning">
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message id="setting.input_refused">
        <source>This value cannot be stored</source>
        <translation>This value cannot be stored</translation>
    </message>
    <message id="records.alert.alarm">
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message id="records.saving">
        <source>Saving...</source>
        <translation>Saving...</translation>
    </message>
    <message id="records.exported">
        <source>Driving log exported</source>
        <translation>Driving log exported</translation>
    </message>
    <message id="format.alert.no_card">
        <source>No card to format</source>
        <translation>No card to format</translation>
    </message>
    <message id="format.no_drive">
        <source>There is no USB drive.</source>
        <translation>There is no USB drive.</translation>
    </message>
    <message id="format.select_drive">
        <source>Please select USB drive.</source>
        <translation>Please select USB drive.</translation>
    </message>
    <message id="time.saved">
        <source>Clock file written</source>
        <translation>Clock file written</translation>
    </message>
    <message id="msg.setting.expected_assignment">
        <source>expected NAME=VALUE</source>
        <translation>expected NAME=VALUE</translation>
    </message>
    <message id="msg.config.wrong_arguments">
        <source>wrong arguments for %1</source>
        <translation>wrong arguments for %1</translation>
    </message>
    <message id="msg.config.unknown_action">
        <source>unknown action &quot;%1&quot;</source>
        <translation>unknown action &quot;%1&quot;</translation>
    </message>
    <!-- settings pages: end -->
    <!-- -->
    <!-- playback: begin -->
    <message id="playback.loading">
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <!-- playback: end -->
    <!-- -->
    <!-- charts and tests: begin -->
    <!-- charts and tests: end -->
    <!-- -->
    <!-- tool help and writers: begin -->
    <message id="tool.help.clock_tells_how_far">
        <source>Tells how far the camera's clock is off, from the GPS time of its recordings.</source>
        <translation>Tells how far the camera's clock is off, from the GPS time of its recordings.</translation>
    </message>
    <message id="tool.help.card_or_copy">
        <source>The card or a folder copied from it.</source>
        <translation>The card or a folder copied from it.</translation>
    </message>
    <message id="tool.help.config_force">
        <source>Set values even in a file whose checksum does not match its contents.</source>
        <translation>Set values even in a file whose checksum does not match its contents.</translation>
    </message>
    <message id="tool.help.config_action">
        <source>show, set or defaults.</source>
        <translation>show, set or defaults.</translation>
    </message>
    <message id="tool.help.config_file">
        <source>The settings file (defaults: the file to write).</source>
        <translation>The settings file (defaults: the file to write).</translation>
    </message>
    <message id="tool.help.config_changes">
        <source>The settings to change (set).</source>
        <translation>The settings to change (set).</translation>
    </message>
    <message id="tool.help.drv_export_the_table">
        <source>Export the table as CSV to OUT.</source>
        <translation>Export the table as CSV to OUT.</translation>
    </message>
    <message id="tool.help.drv_shows_the_driving">
        <source>Shows the driving-record log of a tavik_000.drv file, or exports it.</source>
        <translation>Shows the driving-record log of a tavik_000.drv file, or exports it.</translation>
    </message>
    <message id="tool.help.drv_the_driving_record">
        <source>The driving-record file.</source>
        <translation>The driving-record file.</translation>
    </message>
    <message id="tool.help.find_the_place_as">
        <source>The place, as signed decimal degrees LAT,LON.</source>
        <translation>The place, as signed decimal degrees LAT,LON.</translation>
    </message>
    <message id="tool.help.find_how_close_a">
        <source>How close a pass comes, in metres (default %1).</source>
        <translation>How close a pass comes, in metres (default %1).</translation>
    </message>
    <message id="tool.help.find_lists_every_pass">
        <source>Lists every pass of the car by a place: the front recording, the offset into it, the time, the distance and the speed. Updates the card's index first.</source>
        <translation>Lists every pass of the car by a place: the front recording, the offset into it, the time, the distance and the speed. Updates the card's index first.</translation>
    </message>
    <message id="tool.help.card_folder">
        <source>The card's folder.</source>
        <translation>The card's folder.</translation>
    </message>
    <message id="tool.help.format_erase_without_asking">
        <source>Erase without asking.</source>
        <translation>Erase without asking.</translation>
    </message>
    <message id="tool.help.format_formats_a_mounted">
        <source>Formats a mounted USB card (DEVICE: sdb1 or /dev/sdb1) for the camera.</source>
        <translation>Formats a mounted USB card (DEVICE: sdb1 or /dev/sdb1) for the camera.</translation>
    </message>
    <message id="tool.help.format_the_card_s">
        <source>The card's volume, as tavik-tool volumes lists it.</source>
        <translation>The card's volume, as tavik-tool volumes lists it.</translation>
    </message>
    <message id="tool.help.index_builds_or_updates">
        <source>Builds or updates the index of a card folder (kept in the user's cache, never on the card) and tells what changed.</source>
        <translation>Builds or updates the index of a card folder (kept in the user's cache, never on the card) and tells what changed.</translation>
    </message>
    <message id="tool.help.list_lists_the_recordings">
        <source>Lists the recordings of a card folder in time order, with their pairs.</source>
        <translation>Lists the recordings of a card folder in time order, with their pairs.</translation>
    </message>
    <message id="tool.help.telemetry_prints_the_telemetry">
        <source>Prints the telemetry embedded in recordings, extracting them on every core.</source>
        <translation>Prints the telemetry embedded in recordings, extracting them on every core.</translation>
    </message>
    <message id="tool.help.telemetry_the_recordings_avi">
        <source>The recordings (.avi).</source>
        <translation>The recordings (.avi).</translation>
    </message>
    <message id="tool.help.timeset_set_the_clock">
        <source>Set the clock to TIME instead of the computer's.</source>
        <translation>Set the clock to TIME instead of the computer's.</translation>
    </message>
    <message id="tool.help.timeset_writes_the_camera">
        <source>Writes the camera's clock file, which sets its clock at the next start.</source>
        <translation>Writes the camera's clock file, which sets its clock at the next start.</translation>
    </message>
    <message id="tool.help.timeset_the_file_to">
        <source>The file to write, timeset.cfg at the card's top.</source>
        <translation>The file to write, timeset.cfg at the card's top.</translation>
    </message>
    <message id="tool.help.trips_gpx">
        <source>Write the routes as GPX to OUT (- for stdout).</source>
        <translation>Write the routes as GPX to OUT (- for stdout).</translation>
    </message>
    <message id="tool.help.trips_kml">
        <source>Write the routes as KML to OUT (- for stdout).</source>
        <translation>Write the routes as KML to OUT (- for stdout).</translation>
    </message>
    <message id="tool.help.trips_groups_a_card">
        <source>Groups a card's recordings into drives, with their distance and routes.</source>
        <translation>Groups a card's recordings into drives, with their distance and routes.</translation>
    </message>
    <message id="tool.help.volumes_read_a_recorded">
        <source>Read a recorded lsblk --json output.</source>
        <translation>Read a recorded lsblk --json output.</translation>
    </message>
    <message id="tool.help.volumes_lists_the_mounted">
        <source>Lists the mounted USB volumes and the one taken for the camera's card.</source>
        <translation>Lists the mounted USB volumes and the one taken for the camera's card.</translation>
    </message>
    <message id="tool.help.clip_start_on_the">
        <source>Start on the card's clock, &quot;yyyy-MM-dd HH:mm:ss&quot;.</source>
        <translation>Start on the card's clock, &quot;yyyy-MM-dd HH:mm:ss&quot;.</translation>
    </message>
    <message id="tool.help.clip_end_on_the">
        <source>End on the card's clock.</source>
        <translation>End on the card's clock.</translation>
    </message>
    <message id="tool.help.clip_side_default_inset">
        <source>side (default), inset, front or rear.</source>
        <translation>side (default), inset, front or rear.</translation>
    </message>
    <message id="tool.help.clip_corner_of_the">
        <source>Corner of the rear inset: top-left, top-right, bottom-left or bottom-right (default).</source>
        <translation>Corner of the rear inset: top-left, top-right, bottom-left or bottom-right (default).</translation>
    </message>
    <message id="tool.help.clip_leave_the_telemetry">
        <source>Leave the telemetry out of the picture.</source>
        <translation>Leave the telemetry out of the picture.</translation>
    </message>
    <message id="tool.help.clip_h_264_rate">
        <source>H.264 rate factor, 0 (best) to 51; 23 default.</source>
        <translation>H.264 rate factor, 0 (best) to 51; 23 default.</translation>
    </message>
    <message id="tool.help.clip_x264_speed_preset">
        <source>x264 speed preset (default veryfast).</source>
        <translation>x264 speed preset (default veryfast).</translation>
    </message>
    <message id="tool.help.clip_sound_of_the">
        <source>Sound of the front (default) or rear camera.</source>
        <translation>Sound of the front (default) or rear camera.</translation>
    </message>
    <message id="tool.help.clip_a_recording_with">
        <source>A recording (with its partner), or a card's folder.</source>
        <translation>A recording (with its partner), or a card's folder.</translation>
    </message>
    <message id="tool.help.clip_the_mp4_file">
        <source>The MP4 file to write.</source>
        <translation>The MP4 file to write.</translation>
    </message>
    <message id="tool.help.democard_minutes">
        <source>Length of each recording in minutes.</source>
        <translation>Length of each recording in minutes.</translation>
    </message>
    <message id="tool.help.democard_seconds">
        <source>Length of each recording in seconds.</source>
        <translation>Length of each recording in seconds.</translation>
    </message>
    <message id="tool.help.democard_seed_of_the">
        <source>Seed of the traffic and the noise.</source>
        <translation>Seed of the traffic and the noise.</translation>
    </message>
    <message id="tool.help.democard_the_folder_to">
        <source>The folder to write the card into.</source>
        <translation>The folder to write the card into.</translation>
    </message>
    <message id="tool.help.evidence_the_recording_avi">
        <source>The recording (.avi).</source>
        <translation>The recording (.avi).</translation>
    </message>
    <message id="tool.help.evidence_the_folder_to">
        <source>The folder to write; absent or empty.</source>
        <translation>The folder to write; absent or empty.</translation>
    </message>
    <message id="tool.help.pictures_writes_a_sample">
        <source>Writes a sample camera card: recordings of a drive, settings and logs.</source>
        <translation>Writes a sample camera card: recordings of a drive, settings and logs.</translation>
    </message>
    <message id="tool.help.pictures_writes_the_evidence">
        <source>Writes the evidence folder of a recording and its partner: copies, telemetry, pictures, a report and SHA256SUMS.</source>
        <translation>Writes the evidence folder of a recording and its partner: copies, telemetry, pictures, a report and SHA256SUMS.</translation>
    </message>
    <message id="tool.help.pictures_writes_an_mp4">
        <source>Writes an MP4 clip of a recording and its partner, or of a stretch of the card's clock, with both cameras and the telemetry drawn in.</source>
        <translation>Writes an MP4 clip of a recording and its partner, or of a stretch of the card's clock, with both cameras and the telemetry drawn in.</translation>
    </message>
    <message id="tool.help.telemetry_print_json_the">
        <source>Print JSON (the default).</source>
        <translation>Print JSON (the default).</translation>
    </message>
    <message id="tool.help.telemetry_print_csv_a">
        <source>Print CSV, a row per G-sensor sample.</source>
        <translation>Print CSV, a row per G-sensor sample.</translation>
    </message>
    <message id="tool.help.telemetry_print_a_gpx">
        <source>Print a GPX file, a track per recording.</source>
        <translation>Print a GPX file, a track per recording.</translation>
    </message>
    <message id="tool.help.telemetry_print_a_kml">
        <source>Print a KML file, a track with times and speeds per recording.</source>
        <translation>Print a KML file, a track with times and speeds per recording.</translation>
    </message>
    <message id="tool.help.config">
        <source>Shows, edits or creates the camera's settings file config.bin.</source>
        <translation>Shows, edits or creates the camera's settings file config.bin.</translation>
    </message>
    <message id="tool.unknown_command">
        <source>unknown command &quot;%1&quot;; try tavik-tool help</source>
        <translation>unknown command &quot;%1&quot;; try tavik-tool help</translation>
    </message>
    <message id="tool.clip_folder_range">
        <source>a folder needs --from and --to</source>
        <translation>a folder needs --from and --to</translation>
    </message>
    <message id="tool.find_near_needed">
        <source>--near is needed</source>
        <translation>--near is needed</translation>
    </message>
    <message id="tool.find_bad_place">
        <source>--near wants LAT,LON in decimal degrees</source>
        <translation>--near wants LAT,LON in decimal degrees</translation>
    </message>
    <message id="tool.find_bad_radius">
        <source>--radius wants metres, above 0 and at most 100000</source>
        <translation>--radius wants metres, above 0 and at most 100000</translation>
    </message>
    <message id="tool.picture_program_missing">
        <source>%1 is missing; it carries out %2</source>
        <translation>%1 is missing; it carries out %2</translation>
    </message>
    <message id="tool.timeset_bad_time">
        <source>--at &quot;%1&quot;: expected yyyy/MM/dd HH:mm:ss</source>
        <translation>--at &quot;%1&quot;: expected yyyy/MM/dd HH:mm:ss</translation>
    </message>
    <message id="tool.format_not_usb">
        <source>%1: not a mounted USB volume; see tavik-tool volumes</source>
        <translation>%1: not a mounted USB volume; see tavik-tool volumes</translation>
    </message>
    <message id="tool.format_needs_yes">
        <source>this erases %1 (%2); add --yes to go ahead</source>
        <translation>this erases %1 (%2); add --yes to go ahead</translation>
    </message>
    <message id="tool.format_backup">
        <source>backup of config.bin: %1</source>
        <translation>backup of config.bin: %1</translation>
    </message>
    <message id="tool.format_cluster">
        <source>FAT32, cluster %1</source>
        <translation>FAT32, cluster %1</translation>
    </message>
    <message id="tool.volume_writable">
        <source>writable</source>
        <translation>writable</translation>
    </message>
    <message id="tool.volume_read_only">
        <source>read-only</source>
        <translation>read-only</translation>
    </message>
    <message id="tool.volume_whole_disk">
        <source>whole disk</source>
        <translation>whole disk</translation>
    </message>
    <message id="tool.volume_partition">
        <source>partition</source>
        <translation>partition</translation>
    </message>
    <message id="tool.volume_none">
        <source>no USB volume</source>
        <translation>no USB volume</translation>
    </message>
    <message id="tool.volume_camera_card">
        <source>camera card: %1</source>
        <translation>camera card: %1</translation>
    </message>
    <message id="tool.volume_no_card">
        <source>none</source>
        <translation>none</translation>
    </message>
    <message id="tool.help_help">
        <source>Show this help.</source>
        <translation>Show this help.</translation>
    </message>
    <message id="tool.help_verbose">
        <source>Print the diagnostic log on stderr.</source>
        <translation>Print the diagnostic log on stderr.</translation>
    </message>
    <message id="tool.help_json">
        <source>Print JSON.</source>
        <translation>Print JSON.</translation>
    </message>
    <message id="tool.missing_argument">
        <source>missing %1</source>
        <translation>missing %1</translation>
    </message>
    <message id="tool.unexpected_argument">
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message id="tool.usage_refused">
        <source>%1; usage: %2 (see tavik-tool %3 --help)</source>
        <translation>%1; usage: %2 (see tavik-tool %3 --help)</translation>
    </message>
    <message id="writers.device_not_writable">
        <source>the device is not a writable file</source>
        <translation>the device is not a writable file</translation>
    </message>
    <message id="writers.not_open">
        <source>the recording is not open</source>
        <translation>the recording is not open</translation>
    </message>
    <message id="writers.over_4_gib">
        <source>the recording would exceed 4 GiB</source>
        <translation>the recording would exceed 4 GiB</translation>
    </message>
    <message id="writers.headers_unwritten">
        <source>cannot rewrite the headers</source>
        <translation>cannot rewrite the headers</translation>
    </message>
    <message id="writers.card_folder_not_empty">
        <source>not empty; the sample card is only written into an empty folder</source>
        <translation>not empty; the sample card is only written into an empty folder</translation>
    </message>
    <message id="tool.democard_bad_length">
        <source>--%1: bad value &quot;%2&quot; (recordings last 4 s to 60 min)</source>
        <translation>--%1: bad value &quot;%2&quot; (recordings last 4 s to 60 min)</translation>
    </message>
    <message id="tool.democard_wrote">
        <source>wrote %1</source>
        <translation>wrote %1</translation>
    </message>
    <message id="tool.democard_done">
        <source>sample card in %1: %2 files, %3 MB, %4 s</source>
        <translation>sample card in %1: %2 files, %3 MB, %4 s</translation>
    </message>
    <message id="viewer.help">
        <source>Plays the front and rear recordings of a dash camera in step.</source>
        <translation>Plays the front and rear recordings of a dash camera in step.</translation>
    </message>
    <message id="viewer.help_folder">
        <source>A folder of recordings (the camera's card), or a recording to play.</source>
        <translation>A folder of recordings (the camera's card), or a recording to play.</translation>
    </message>
    <message id="viewer.help_settings">
        <source>Open only the camera's settings window; with a folder (or a config.bin), edit the settings file found there instead of the card's.</source>
        <translation>Open only the camera's settings window; with a folder (or a config.bin), edit the settings file found there instead of the card's.</translation>
    </message>
    <message id="progress.minutes_fmt">
        <source>About %1 minutes remaining</source>
        <translation>About %1 minutes remaining</translation>
    </message>
    <message id="progress.ten_minutes">
        <source>About ten minutes remaining</source>
        <translation>About ten minutes remaining</translation>
    </message>
    <message id="progress.nine_minutes">
        <source>About nine minutes remaining</source>
        <translation>About nine minutes remaining</translation>
    </message>
    <message id="progress.eight_minutes">
        <source>About eight minutes remaining</source>
        <translation>About eight minutes remaining</translation>
    </message>
    <message id="progress.seven_minutes">
        <source>About seven minutes remaining</source>
        <translation>About seven minutes remaining</translation>
    </message>
    <message id="progress.six_minutes">
        <source>About six minutes remaining</source>
        <translation>About six minutes remaining</translation>
    </message>
    <message id="progress.five_minutes">
        <source>About five minutes remaining</source>
        <translation>About five minutes remaining</translation>
    </message>
    <message id="progress.four_minutes">
        <source>About four minutes remaining</source>
        <translation>About four minutes remaining</translation>
    </message>
    <message id="progress.three_minutes">
        <source>About three minutes remaining</source>
        <translation>About three minutes remaining</translation>
    </message>
    <message id="progress.two_minutes">
        <source>About two minutes remaining</source>
        <translation>About two minutes remaining</translation>
    </message>
    <message id="progress.one_minute">
        <source>About one minute remaining</source>
        <translation>About one minute remaining</translation>
    </message>
    <message id="progress.under_a_minute">
        <source>Less than a minute remaining</source>
        <translation>Less than a minute remaining</translation>
    </message>
    <message id="progress.ten_seconds">
        <source>About ten seconds remaining</source>
        <translation>About ten seconds remaining</translation>
    </message>
    <message id="progress.five_seconds">
        <source>About five seconds remaining</source>
        <translation>About five seconds remaining</translation>
    </message>
    <message id="map.offline_note">
        <source>Map tiles unavailable (offline) — showing coordinates only</source>
        <translation>Map tiles unavailable (offline) — showing coordinates only</translation>
    </message>
    <message id="map.no_gps">
        <source>No GPS data in this recording</source>
        <translation>No GPS data in this recording</translation>
    </message>
    <message id="map.event_label">
        <source>Event %1</source>
        <translation>Event %1</translation>
    </message>
    <!-- tool help and writers: end -->
    <!-- -->
    <!-- index window: begin -->
    <message id="index.all_drives_tip">
        <source>Show every drive of the card on the map</source>
        <translation>Show every drive of the card on the map</translation>
    </message>
    <message id="index.close_passes">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="index.speed_kmh_fmt">
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message id="index.offset_fmt">
        <source>at %1 s</source>
        <translation>at %1 s</translation>
    </message>
    <message id="index.compass_n">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="index.compass_ne">
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message id="index.compass_e">
        <source>E</source>
        <translation>E</translation>
    </message>
    <message id="index.compass_se">
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message id="index.compass_s">
        <source>S</source>
        <translation>S</translation>
    </message>
    <message id="index.compass_sw">
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message id="index.compass_w">
        <source>W</source>
        <translation>W</translation>
    </message>
    <message id="index.compass_nw">
        <source>NW</source>
        <translation>NW</translation>
    </message>
    <message id="index.compass_unknown">
        <source>—</source>
        <translation>—</translation>
    </message>
    <message id="index.checking">
        <source>Checking the card’s index…</source>
        <translation>Checking the card’s index…</translation>
    </message>
    <message id="index.passes_fmt">
        <source>Passes here: %1</source>
        <translation>Passes here: %1</translation>
    </message>
    <!-- index window: end -->
    <!-- -->
    <!-- clip marks: begin -->
    <message id="clip.done">
        <source>The clip is written: %1</source>
        <translation>The clip is written: %1</translation>
    </message>
    <message id="clip.play">
        <source>Play Clip</source>
        <translation>Play Clip</translation>
    </message>
    <message id="clip.show_folder">
        <source>Show in Folder</source>
        <translation>Show in Folder</translation>
    </message>
    <message id="clip.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="clip.marks_in_use">
        <source>From the marks on the position slider</source>
        <translation>From the marks on the position slider</translation>
    </message>
    <message id="tool.clip_bad_layout">
        <source>--layout: unknown layout &quot;%1&quot;</source>
        <translation>--layout: unknown layout &quot;%1&quot;</translation>
    </message>
    <message id="tool.clip_bad_corner">
        <source>--corner: unknown corner &quot;%1&quot;</source>
        <translation>--corner: unknown corner &quot;%1&quot;</translation>
    </message>
    <message id="tool.clip_bad_quality">
        <source>--quality: bad value &quot;%1&quot; (0 to 51)</source>
        <translation>--quality: bad value &quot;%1&quot; (0 to 51)</translation>
    </message>
    <message id="tool.clip_bad_sound">
        <source>--sound: front or rear, not &quot;%1&quot;</source>
        <translation>--sound: front or rear, not &quot;%1&quot;</translation>
    </message>
    <message id="tool.clip_from_and_to">
        <source>--from and --to go together</source>
        <translation>--from and --to go together</translation>
    </message>
    <message id="tool.clip_bad_time">
        <source>--%1: &quot;%2&quot; is not yyyy-MM-dd HH:mm:ss</source>
        <translation>--%1: &quot;%2&quot; is not yyyy-MM-dd HH:mm:ss</translation>
    </message>
    <!-- clip marks: end -->
    <!-- -->
    <!-- world ready: begin -->
    <message id="map.view_name">
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message id="map.settings_action">
        <source>Map settings…</source>
        <translation>Map settings…</translation>
    </message>
    <message id="map.settings_title">
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message id="map.tile_url">
        <source>Tile server:</source>
        <translation>Tile server:</translation>
    </message>
    <message id="map.tile_url_hint">
        <source>Empty: the default server</source>
        <translation>Empty: the default server</translation>
    </message>
    <message id="map.attribution">
        <source>Attribution:</source>
        <translation>Attribution:</translation>
    </message>
    <message id="map.attribution_hint">
        <source>Whose map the tiles show, as its licence asks</source>
        <translation>Whose map the tiles show, as its licence asks</translation>
    </message>
    <message id="map.cache_size">
        <source>Disk cache:</source>
        <translation>Disk cache:</translation>
    </message>
    <message id="map.cache_unit">
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message id="map.clear_cache">
        <source>Clear map cache</source>
        <translation>Clear map cache</translation>
    </message>
    <message id="map.cache_cleared">
        <source>The map tiles kept on disk are deleted.</source>
        <translation>The map tiles kept on disk are deleted.</translation>
    </message>
    <message id="map.default_server">
        <source>Default server</source>
        <translation>Default server</translation>
    </message>
    <message id="map.tile_url_places">
        <source>The tile server address needs the places {z}, {x} and {y}.</source>
        <translation>The tile server address needs the places {z}, {x} and {y}.</translation>
    </message>
    <message id="map.tile_url_invalid">
        <source>The tile server address must be an http or https address.</source>
        <translation>The tile server address must be an http or https address.</translation>
    </message>
    <message id="map.settings_unsaved">
        <source>The map settings could not be saved.</source>
        <translation>The map settings could not be saved.</translation>
    </message>
    <message id="access.clock_button">
        <source>Set the camera’s clock</source>
        <translation>Set the camera’s clock</translation>
    </message>
    <message id="access.settings_button">
        <source>Camera settings</source>
        <translation>Camera settings</translation>
    </message>
    <message id="access.minimize">
        <source>Minimise</source>
        <translation>Minimise</translation>
    </message>
    <message id="access.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="access.position">
        <source>Position in the recording</source>
        <translation>Position in the recording</translation>
    </message>
    <message id="access.volume">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="access.trip_list">
        <source>Recordings by trip</source>
        <translation>Recordings by trip</translation>
    </message>
    <message id="access.driving_log">
        <source>Records of the driving log</source>
        <translation>Records of the driving log</translation>
    </message>
    <message id="access.date">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="access.time">
        <source>Time of day</source>
        <translation>Time of day</translation>
    </message>
    <!-- world ready: end -->
    <!-- -->
</context>
</TS>
