<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_GB">
<context>
    <name>InfoPlist</name>
    <message id="save">
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message id="cancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="on">
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message id="off">
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message id="use">
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message id="unuse">
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message id="none">
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message id="auto">
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message id="default">
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message id="customize">
        <source>Custom</source>
        <translation>사용자 설정</translation>
    </message>
    <message id="insensitive">
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message id="sensitive">
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message id="mon">
        <source>Mon</source>
        <translation>월</translation>
    </message>
    <message id="tue">
        <source>Tue</source>
        <translation>화</translation>
    </message>
    <message id="wed">
        <source>Wed</source>
        <translation>수</translation>
    </message>
    <message id="thu">
        <source>Thu</source>
        <translation>목</translation>
    </message>
    <message id="fri">
        <source>Fri</source>
        <translation>금</translation>
    </message>
    <message id="sat">
        <source>Sat</source>
        <translation>토</translation>
    </message>
    <message id="sun">
        <source>Sun</source>
        <translation>일</translation>
    </message>
    <message id="nSecond_fmt">
        <source>%1 sec</source>
        <translation>%1초</translation>
    </message>
    <message id="nMinute_fmt">
        <source>%1 min</source>
        <translation>%1분</translation>
    </message>
    <message id="nHour_fmt">
        <source>%1 hours</source>
        <translation>%1시간</translation>
    </message>
    <message id="5min">
        <source>5 min</source>
        <translation>5분</translation>
    </message>
    <message id="3min">
        <source>3 min</source>
        <translation>3분</translation>
    </message>
    <message id="filelist.mode">
        <source>Mode</source>
        <translation>모드</translation>
    </message>
    <message id="filelist.date">
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message id="filelist.time">
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message id="filelist.file">
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message id="media.always">
        <source>Normal</source>
        <translation>상시</translation>
    </message>
    <message id="media.motion">
        <source>Motion</source>
        <translation>모션</translation>
    </message>
    <message id="media.event">
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message id="media.unknown">
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message id="player.open_folder">
        <source>Open a folder of recordings</source>
        <translation>녹화 폴더 열기</translation>
    </message>
    <message id="player.recordings">
        <source>Recordings</source>
        <translation>녹화 영상</translation>
    </message>
    <message id="player.route_map">
        <source>Route map</source>
        <translation>경로 지도</translation>
    </message>
    <message id="player.reading_folder">
        <source>Reading the folder…</source>
        <translation>폴더를 읽는 중…</translation>
    </message>
    <message id="player.no_folder">
        <source>No folder is open.
Open the camera’s card or a folder of recordings with the folder button above or Ctrl+O,
or drop it here.</source>
        <translation>열린 폴더가 없습니다.
위의 폴더 버튼이나 Ctrl+O로 카메라의 메모리 카드나 녹화 폴더를 여세요.
여기에 끌어다 놓아도 됩니다.</translation>
    </message>
    <message id="player.no_recordings">
        <source>No recordings in this folder.</source>
        <translation>이 폴더에는 녹화 영상이 없습니다.</translation>
    </message>
    <message id="player.card_inserted">
        <source>A camera card was inserted.</source>
        <translation>카메라 메모리 카드가 삽입되었습니다.</translation>
    </message>
    <message id="player.card_settings_inserted">
        <source>A card with the camera’s settings was inserted.</source>
        <translation>카메라 설정이 들어 있는 카드가 삽입되었습니다.</translation>
    </message>
    <message id="player.open_card">
        <source>Open card at %1</source>
        <translation>%1의 카드 열기</translation>
    </message>
    <message id="player.card_dismiss">
        <source>Not now</source>
        <translation>나중에</translation>
    </message>
    <message id="player.cannot_play">
        <source>The recording %1 could not be played.</source>
        <translation>녹화 영상 %1을(를) 재생할 수 없습니다.</translation>
    </message>
    <message id="player.play_pause">
        <source>Play or pause (Space)</source>
        <translation>재생 또는 일시 정지 (Space)</translation>
    </message>
    <message id="player.jump_backward">
        <source>Back 10 seconds (Left)</source>
        <translation>10초 뒤로 (Left)</translation>
    </message>
    <message id="player.jump_forward">
        <source>Forward 10 seconds (Right)</source>
        <translation>10초 앞으로 (Right)</translation>
    </message>
    <message id="player.volume_down">
        <source>Volume down (Down)</source>
        <translation>음량 줄이기 (Down)</translation>
    </message>
    <message id="player.volume_up">
        <source>Volume up (Up)</source>
        <translation>음량 키우기 (Up)</translation>
    </message>
    <message id="player.speed_down">
        <source>Normal speed</source>
        <translation>보통 속도</translation>
    </message>
    <message id="player.speed_up">
        <source>Double speed</source>
        <translation>2배 속도</translation>
    </message>
    <message id="player.size_down">
        <source>Smaller window</source>
        <translation>창 작게</translation>
    </message>
    <message id="player.size_up">
        <source>Larger window</source>
        <translation>창 크게</translation>
    </message>
    <message id="player.swap">
        <source>Swap front and rear</source>
        <translation>전방과 후방 바꾸기</translation>
    </message>
    <message id="player.sound_choice">
        <source>Sound from the front or the rear camera</source>
        <translation>전방 또는 후방 카메라의 소리</translation>
    </message>
    <message id="player.fill_view">
        <source>Fill the view (crops the picture's edges)</source>
        <translation>화면 채우기 (영상 가장자리가 잘림)</translation>
    </message>
    <message id="player.fit_view">
        <source>Show the whole picture</source>
        <translation>영상 전체 보기</translation>
    </message>
    <message id="player.full_screen">
        <source>Full screen (F)</source>
        <translation>전체 화면 (F)</translation>
    </message>
    <message id="player.capture">
        <source>Save the picture of the front view</source>
        <translation>전방 화면의 영상 저장</translation>
    </message>
    <message id="player.print">
        <source>Print the picture of the front view</source>
        <translation>전방 화면의 영상 인쇄</translation>
    </message>
    <message id="player.exit_full_screen">
        <source>Leave full screen (Esc)</source>
        <translation>전체 화면 끝내기 (Esc)</translation>
    </message>
    <message id="language.choose">
        <source>Language of the program</source>
        <translation>프로그램 언어</translation>
    </message>
    <message id="language.system">
        <source>Language of the system</source>
        <translation>시스템 언어</translation>
    </message>
    <message id="language.restart">
        <source>The program shows the new language when it starts again.</source>
        <translation>프로그램을 다시 시작하면 새 언어로 표시됩니다.</translation>
    </message>
    <message id="capture.save_title">
        <source>Save Captured Picture</source>
        <translation>캡처한 영상 저장</translation>
    </message>
    <message id="capture.filter_png">
        <source>PNG image</source>
        <translation>PNG 이미지</translation>
    </message>
    <message id="capture.filter_jpeg">
        <source>JPEG image</source>
        <translation>JPEG 이미지</translation>
    </message>
    <message id="capture.no_frame">
        <source>There is no picture to capture yet.</source>
        <translation>아직 캡처할 영상이 없습니다.</translation>
    </message>
    <message id="capture.unknown_format">
        <source>%1 names no image format. Use .png or .jpg.</source>
        <translation>%1은(는) 이미지 형식이 아닙니다. .png 또는 .jpg를 사용하세요.</translation>
    </message>
    <message id="capture.save_failed">
        <source>The picture could not be saved.</source>
        <translation>영상을 저장하지 못했습니다.</translation>
    </message>
    <message id="print.failed">
        <source>The picture could not be printed.</source>
        <translation>영상을 인쇄하지 못했습니다.</translation>
    </message>
    <message id="setting.window_title">
        <source>Tavik Settings </source>
        <translation>Tavik 설정 </translation>
    </message>
    <message id="setting.video">
        <source>Video</source>
        <translation>영상</translation>
    </message>
    <message id="setting.basic">
        <source>Basic</source>
        <translation>기본</translation>
    </message>
    <message id="setting.gps">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="setting.aux">
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message id="setting.motion">
        <source>Motion</source>
        <translation>모션</translation>
    </message>
    <message id="setting.audio">
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message id="setting.driveinfoview">
        <source>Driving log</source>
        <translation>운행 기록</translation>
    </message>
    <message id="setting.information">
        <source>Driving log</source>
        <translation>운행 기록</translation>
    </message>
    <message id="setting.sdcardformat">
        <source>Format card…</source>
        <translation>카드 포맷…</translation>
    </message>
    <message id="setting.initialize">
        <source>Restore defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message id="msg.saved">
        <source>The file has been saved.</source>
        <translation>파일을 저장했습니다.</translation>
    </message>
    <message id="msg.write_protected_disk">
        <source>The disk is write-protected or cannot be written to.</source>
        <translation>디스크가 쓰기 금지되어 있거나 쓸 수 없습니다.</translation>
    </message>
    <message id="setting.open">
        <source>Open…</source>
        <translation>열기…</translation>
    </message>
    <message id="setting.open_title">
        <source>Open the camera's settings file</source>
        <translation>카메라 설정 파일 열기</translation>
    </message>
    <message id="setting.open_filter">
        <source>Camera settings</source>
        <translation>카메라 설정</translation>
    </message>
    <message id="setting.open_all">
        <source>All files</source>
        <translation>모든 파일</translation>
    </message>
    <message id="setting.open_missing">
        <source>There is no config.bin here.</source>
        <translation>여기에는 config.bin이 없습니다.</translation>
    </message>
    <message id="setting.open_wrong_size_fmt">
        <source>This file holds %1 bytes; the camera's settings file has exactly 428.</source>
        <translation>이 파일은 %1바이트입니다. 카메라 설정 파일은 정확히 428바이트입니다.</translation>
    </message>
    <message id="setting.checksum_mismatch">
        <source>The checksum of this config.bin does not match its contents. The values are shown as read; saving writes a correct checksum.</source>
        <translation>이 config.bin의 체크섬이 내용과 맞지 않습니다. 값은 읽은 그대로 보여 주며, 저장하면 올바른 체크섬을 씁니다.</translation>
    </message>
    <message id="setting.disk_utility">
        <source>Open Disks</source>
        <translation>디스크 열기</translation>
    </message>
    <message id="msg.no_disk_utility">
        <source>No disk utility is installed. Install GNOME Disks (package gnome-disk-utility) to manage the card's partitions.</source>
        <translation>디스크 유틸리티가 설치되어 있지 않습니다. 카드의 파티션을 관리하려면 GNOME 디스크(gnome-disk-utility 패키지)를 설치하세요.</translation>
    </message>
    <message id="setting.video.front_quality">
        <source>Front video quality</source>
        <translation>전방 영상 화질</translation>
    </message>
    <message id="setting.video.rear_quality">
        <source>Rear video quality</source>
        <translation>후방 영상 화질</translation>
    </message>
    <message id="setting.video.quality_normal">
        <source>Normal</source>
        <translation>보통</translation>
    </message>
    <message id="setting.video.quality_high">
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message id="setting.video.quality_highest">
        <source>Highest</source>
        <translation>최고</translation>
    </message>
    <message id="setting.video.front_setting">
        <source>Front image</source>
        <translation>전방 영상</translation>
    </message>
    <message id="setting.video.rear_setting">
        <source>Rear image</source>
        <translation>후방 영상</translation>
    </message>
    <message id="brightness">
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message id="setting.video.cpl_filter_use">
        <source>With a CPL (polarising) filter fitted, a higher brightness is recommended.</source>
        <translation>CPL(편광) 필터를 끼웠다면 밝기를 높이는 것이 좋습니다.</translation>
    </message>
    <message id="setting.video.rear_reversal">
        <source>Flip rear image</source>
        <translation>후방 영상 뒤집기</translation>
    </message>
    <message id="setting.video.rear_fps">
        <source>Rear frame rate</source>
        <translation>후방 프레임 속도</translation>
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
        <translation>앞유리 틴팅</translation>
    </message>
    <message id="setting.video.rear_tinting">
        <source>Rear window tint</source>
        <translation>뒷유리 틴팅</translation>
    </message>
    <message id="cpl_unuse">
        <source>No filter</source>
        <translation>필터 없음</translation>
    </message>
    <message id="cpl_use">
        <source>CPL filter</source>
        <translation>CPL 필터</translation>
    </message>
    <message id="light_tinting">
        <source>Light tint</source>
        <translation>옅은 틴팅</translation>
    </message>
    <message id="dark_tinting">
        <source>Dark tint</source>
        <translation>짙은 틴팅</translation>
    </message>
    <message id="setting.basic.segment_display">
        <source>Segment display</source>
        <translation>세그먼트 표시</translation>
    </message>
    <message id="setting.basic.segment_display1">
        <source>Mode 1</source>
        <translation>모드 1</translation>
    </message>
    <message id="setting.basic.segment_display2">
        <source>Mode 2</source>
        <translation>모드 2</translation>
    </message>
    <message id="setting.basic.segment_display3">
        <source>Mode 3</source>
        <translation>모드 3</translation>
    </message>
    <message id="setting.basic.segment_display4">
        <source>Mode 4</source>
        <translation>모드 4</translation>
    </message>
    <message id="setting.basic.auto_parking_waiting_time">
        <source>Auto parking mode delay</source>
        <translation>자동 주차 모드 전환 시간</translation>
    </message>
    <message id="setting.basic.enable_gsensor">
        <source>Record events with the G-sensor</source>
        <translation>G-센서로 이벤트 녹화</translation>
    </message>
    <message id="setting.basic.driving_impact_sensitivity">
        <source>Impact sensitivity while driving</source>
        <translation>주행 중 충격 감도</translation>
    </message>
    <message id="setting.basic.parking_impact_sensitivity">
        <source>Impact sensitivity while parked</source>
        <translation>주차 중 충격 감도</translation>
    </message>
    <message id="setting.basic.customize">
        <source>Custom</source>
        <translation>사용자 설정</translation>
    </message>
    <message id="setting.basic.others">
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message id="setting.basic.enable_front_security_led">
        <source>Front security LED</source>
        <translation>전방 보안 LED</translation>
    </message>
    <message id="setting.basic.enable_rear_security_led">
        <source>Rear security LED</source>
        <translation>후방 보안 LED</translation>
    </message>
    <message id="setting.basic.car_number_input">
        <source>Car number:</source>
        <translation>차량 번호:</translation>
    </message>
    <message id="setting.basic.videoout">
        <source>Video output</source>
        <translation>영상 출력</translation>
    </message>
    <message id="setting.basic.cutoff_voltage_setting">
        <source>Power cut-off</source>
        <translation>전원 차단</translation>
    </message>
    <message id="setting.basic.set_voltage">
        <source>Cut-off voltage:</source>
        <translation>차단 전압:</translation>
    </message>
    <message id="setting.basic.set_timer">
        <source>Parking timer:</source>
        <translation>주차 타이머:</translation>
    </message>
    <message id="setting.basic.use_external_power">
        <source>Use external power</source>
        <translation>외부 전원 사용</translation>
    </message>
    <message id="setting.basic.power_guide">
        <source>The camera switches off when the car battery falls below the cut-off voltage or when the parking timer runs out.</source>
        <translation>차량 배터리가 차단 전압 아래로 내려가거나 주차 타이머가 끝나면 카메라가 꺼집니다.</translation>
    </message>
    <message id="externpower">
        <source>External power</source>
        <translation>외부 전원</translation>
    </message>
    <message id="msg.use_external_power_10v">
        <source>Choose External power only when the camera runs from an external battery; it then switches off at 10 V.</source>
        <translation>카메라가 외부 배터리로 동작할 때만 외부 전원을 고르세요. 이때는 10 V에서 꺼집니다.</translation>
    </message>
    <message id="setting.basic.cable_voltage_loss">
        <source>Power cable voltage loss</source>
        <translation>전원 케이블 전압 손실</translation>
    </message>
    <message id="setting.gps.weekly_alarm">
        <source>No-driving day alarm</source>
        <translation>미운행일 알림</translation>
    </message>
    <message id="setting.gps.gps_guide1">
        <source>These settings need the camera's GPS receiver.</source>
        <translation>이 설정에는 카메라의 GPS 수신기가 필요합니다.</translation>
    </message>
    <message id="setting.gps.speed_display">
        <source>Speed unit</source>
        <translation>속도 단위</translation>
    </message>
    <message id="setting.gps.gps_speed_guide1">
        <source>The speed comes from GPS and is shown in the chosen unit.</source>
        <translation>속도는 GPS에서 얻어 선택한 단위로 표시합니다.</translation>
    </message>
    <message id="setting.gps.osd_speed_display">
        <source>Speed on video</source>
        <translation>영상에 속도 표시</translation>
    </message>
    <message id="setting.gps.timezone_setting">
        <source>Time zone</source>
        <translation>시간대</translation>
    </message>
    <message id="summerTime">
        <source>Daylight saving time</source>
        <translation>서머타임</translation>
    </message>
    <message id="setting.gps.gps_time_guide1">
        <source>The camera sets its clock from GPS time in this time zone.</source>
        <translation>카메라는 이 시간대의 GPS 시간으로 시계를 맞춥니다.</translation>
    </message>
    <message id="setting.gps.driving_route_info_saving_interval">
        <source>Route saving interval</source>
        <translation>경로 저장 간격</translation>
    </message>
    <message id="setting.gps.gps_on_parking_mode">
        <source>GPS in parking mode</source>
        <translation>주차 모드에서 GPS</translation>
    </message>
    <message id="setting.gps.gps_guide2">
        <source>Keeping GPS on in parking mode uses more battery power.</source>
        <translation>주차 모드에서 GPS를 켜 두면 배터리를 더 씁니다.</translation>
    </message>
    <message id="setting.aux.sdcard_capacity">
        <source>Memory card allocation</source>
        <translation>메모리 카드 용량 배분</translation>
    </message>
    <message id="setting.aux.always">
        <source>Continuous</source>
        <translation>상시</translation>
    </message>
    <message id="setting.aux.motion">
        <source>Motion</source>
        <translation>모션</translation>
    </message>
    <message id="msg.memconfig_warning">
        <source>Applying a new allocation formats the memory card. Back up your recordings first.</source>
        <translation>새 배분을 적용하면 메모리 카드를 포맷합니다. 먼저 녹화 영상을 백업하세요.</translation>
    </message>
    <message id="msg.sdcard_ratio_too_low">
        <source>Continuous and motion recording must each have at least 20% of the card.</source>
        <translation>상시 녹화와 모션 녹화에는 각각 카드의 20% 이상이 필요합니다.</translation>
    </message>
    <message id="setting.aux.motion_sense_setting">
        <source>Motion detection</source>
        <translation>움직임 감지</translation>
    </message>
    <message id="setting.aux.night_ae_setting">
        <source>Night exposure (vehicle height)</source>
        <translation>야간 노출 (차량 높이)</translation>
    </message>
    <message id="setting.aux.low">
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message id="setting.aux.medium_sedan">
        <source>Medium (sedan)</source>
        <translation>중간 (세단)</translation>
    </message>
    <message id="setting.aux.high_suv">
        <source>High (SUV)</source>
        <translation>높음 (SUV)</translation>
    </message>
    <message id="setting.aux.lcd_auto_off">
        <source>Screen auto-off</source>
        <translation>화면 자동 꺼짐</translation>
    </message>
    <message id="setting.aux.country_ac_power_setting">
        <source>Mains frequency</source>
        <translation>전원 주파수</translation>
    </message>
    <message id="setting.aux.lcd_brightness">
        <source>Screen brightness</source>
        <translation>화면 밝기</translation>
    </message>
    <message id="setting.aux.lcd_brightness_night">
        <source>Night dimming</source>
        <translation>야간 화면 어둡게</translation>
    </message>
    <message id="setting.aux.parking_rear_setting">
        <source>Rear camera when parked</source>
        <translation>주차 중 후방 카메라</translation>
    </message>
    <message id="setting.aux.lcd_screensaver">
        <source>Screen saver</source>
        <translation>화면 보호기</translation>
    </message>
    <message id="setting.aux.parking_monitor_notice">
        <source>Parking monitoring notice</source>
        <translation>주차 감시 알림</translation>
    </message>
    <message id="setting.aux.recording_length">
        <source>Recording length</source>
        <translation>녹화 길이</translation>
    </message>
    <message id="setting.aux.pip_position">
        <source>Picture-in-picture position</source>
        <translation>PIP 위치</translation>
    </message>
    <message id="setting.aux.ssid">
        <source>Network name:</source>
        <translation>네트워크 이름:</translation>
    </message>
    <message id="setting.aux.password">
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message id="setting.aux.channel">
        <source>Channel:</source>
        <translation>채널:</translation>
    </message>
    <message id="setting.aux.pip_top_left">
        <source>Top left</source>
        <translation>왼쪽 위</translation>
    </message>
    <message id="setting.aux.pip_top_right">
        <source>Top right</source>
        <translation>오른쪽 위</translation>
    </message>
    <message id="setting.aux.pip_bottom_left">
        <source>Bottom left</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message id="setting.aux.pip_bottom_right">
        <source>Bottom right</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message id="setting.aux.wifi_settings">
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message id="setting.aux.ssid_length">
        <source>The Wi-Fi name must be at least 6 characters long.</source>
        <translation>Wi-Fi 이름은 6자 이상이어야 합니다.</translation>
    </message>
    <message id="setting.aux.ssid_invalid">
        <source>The Wi-Fi name may contain only ASCII letters, digits and symbols, without spaces.</source>
        <translation>Wi-Fi 이름에는 공백 없이 ASCII 영문자, 숫자, 기호만 쓸 수 있습니다.</translation>
    </message>
    <message id="setting.aux.password_length">
        <source>The Wi-Fi password must be at least 8 characters long.</source>
        <translation>Wi-Fi 비밀번호는 8자 이상이어야 합니다.</translation>
    </message>
    <message id="setting.aux.password_invalid">
        <source>The Wi-Fi password may contain only ASCII letters, digits and symbols, without spaces.</source>
        <translation>Wi-Fi 비밀번호에는 공백 없이 ASCII 영문자, 숫자, 기호만 쓸 수 있습니다.</translation>
    </message>
    <message id="setting.aux.auto_format">
        <source>Format reminder</source>
        <translation>포맷 알림</translation>
    </message>
    <message id="setting.aux.4week">
        <source>4 weeks</source>
        <translation>4주</translation>
    </message>
    <message id="setting.aux.8week">
        <source>8 weeks</source>
        <translation>8주</translation>
    </message>
    <message id="setting.aux.16week">
        <source>16 weeks</source>
        <translation>16주</translation>
    </message>
    <message id="setting.aux.32week">
        <source>32 weeks</source>
        <translation>32주</translation>
    </message>
    <message id="setting.motion.sensitivity">
        <source>Motion sensitivity</source>
        <translation>움직임 감도</translation>
    </message>
    <message id="setting.aux.front_sensitivity">
        <source>Front camera:</source>
        <translation>전방 카메라:</translation>
    </message>
    <message id="setting.aux.rear_sensitivity">
        <source>Rear camera:</source>
        <translation>후방 카메라:</translation>
    </message>
    <message id="setting.motion.block">
        <source>Detection zones</source>
        <translation>감지 영역</translation>
    </message>
    <message id="setting.motion.block_front">
        <source>Front camera</source>
        <translation>전방 카메라</translation>
    </message>
    <message id="setting.motion.block_rear">
        <source>Rear camera</source>
        <translation>후방 카메라</translation>
    </message>
    <message id="setting.aux.mic_volume">
        <source>Microphone volume</source>
        <translation>마이크 음량</translation>
    </message>
    <message id="setting.aux.speaker_volume">
        <source>Speaker volume</source>
        <translation>스피커 음량</translation>
    </message>
    <message id="setting.aux.volume_low">
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message id="setting.aux.volume_up">
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message id="setting.aux.enable_hourly_alarm">
        <source>Hourly chime</source>
        <translation>정시 알림</translation>
    </message>
    <message id="setting.aux.enable_voice_guidance">
        <source>Voice guidance language</source>
        <translation>음성 안내 언어</translation>
    </message>
    <message id="Korean">
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message id="English">
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message id="French">
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message id="Spanish.Europe">
        <source>Spanish (Europe)</source>
        <translation>스페인어 (유럽)</translation>
    </message>
    <message id="Arabic">
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
    <message id="Chinese">
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message id="Russian">
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message id="Japanese">
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message id="Thai">
        <source>Thai</source>
        <translation>태국어</translation>
    </message>
    <message id="BahasaIndonesia">
        <source>Bahasa Indonesia</source>
        <translation>인도네시아어</translation>
    </message>
    <message id="Vietnamese">
        <source>Vietnamese</source>
        <translation>베트남어</translation>
    </message>
    <message id="Mongolian">
        <source>Mongolian</source>
        <translation>몽골어</translation>
    </message>
    <message id="Spanish.SouthAmerica">
        <source>Spanish (South America)</source>
        <translation>스페인어 (남미)</translation>
    </message>
    <message id="German">
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message id="Turkish">
        <source>Turkish</source>
        <translation>터키어</translation>
    </message>
    <message id="Italian">
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message id="Hindi">
        <source>Hindi</source>
        <translation>힌디어</translation>
    </message>
    <message id="Cantonese">
        <source>Cantonese</source>
        <translation>광둥어</translation>
    </message>
    <message id="Czech">
        <source>Czech</source>
        <translation>체코어</translation>
    </message>
    <message id="Portuguese">
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message id="Malaysia">
        <source>Malay</source>
        <translation>말레이어</translation>
    </message>
    <message id="msg.input_value_invalid_format">
        <source>The value must be a number, such as 0.50.</source>
        <translation>값은 0.50과 같은 숫자여야 합니다.</translation>
    </message>
    <message id="msg.gsensor_outofrange_fmt">
        <source>The value must be between %1 and %2.</source>
        <translation>값은 %1에서 %2 사이여야 합니다.</translation>
    </message>
    <message id="setting.format.filesystem">
        <source>File system:</source>
        <translation>파일 시스템:</translation>
    </message>
    <message id="setting.format.allocation_unit_size">
        <source>Allocation unit size:</source>
        <translation>할당 단위 크기:</translation>
    </message>
    <message id="setting.format.format">
        <source>Format</source>
        <translation>포맷</translation>
    </message>
    <message id="msg.cannot_format">
        <source>The card cannot be formatted.</source>
        <translation>카드를 포맷할 수 없습니다.</translation>
    </message>
    <message id="msg.format_complete">
        <source>Formatting is complete.</source>
        <translation>포맷을 마쳤습니다.</translation>
    </message>
    <message id="msg.file_open_fail">
        <source>The file could not be opened for writing.</source>
        <translation>파일을 쓰기용으로 열 수 없습니다.</translation>
    </message>
    <message id="format.step.start">
        <source>Formatting...</source>
        <translation>포맷하는 중...</translation>
    </message>
    <message id="format.step.unmount">
        <source>unmount disk...</source>
        <translation>디스크 마운트 해제 중...</translation>
    </message>
    <message id="format.step.formatting">
        <source>formatting...</source>
        <translation>포맷하는 중...</translation>
    </message>
    <message id="format.step.mount">
        <source>try mount...</source>
        <translation>다시 마운트하는 중...</translation>
    </message>
    <message id="format.step.completed">
        <source>Format completed!</source>
        <translation>포맷 완료!</translation>
    </message>
    <message id="format.step.searching">
        <source>Disk searching...</source>
        <translation>디스크 찾는 중...</translation>
    </message>
    <message id="format.error">
        <source>Error:</source>
        <translation>오류:</translation>
    </message>
    <message id="msg.config_copy_fail">
        <source>config.bin copy fail</source>
        <translation>config.bin 복사 실패</translation>
    </message>
    <message id="msg.format.not_remounted">
        <source>%1 was formatted but is not mounted again; config.bin was not written.</source>
        <translation>%1을(를) 포맷했지만 다시 마운트되지 않아 config.bin을 쓰지 않았습니다.</translation>
    </message>
    <message id="msg.format.not_remounted_copy">
        <source>%1 was formatted but is not mounted again; config.bin was not put back. Its copy is %2</source>
        <translation>%1을(를) 포맷했지만 다시 마운트되지 않아 config.bin을 되돌려 놓지 못했습니다. 사본: %2</translation>
    </message>
    <message id="msg.format.bad_name">
        <source>The device name is not valid.</source>
        <translation>장치 이름이 올바르지 않습니다.</translation>
    </message>
    <message id="msg.format.device_gone">
        <source>The device is no longer present.</source>
        <translation>장치가 더 이상 없습니다.</translation>
    </message>
    <message id="msg.format.bad_path">
        <source>The device path is not valid.</source>
        <translation>장치 경로가 올바르지 않습니다.</translation>
    </message>
    <message id="msg.format.not_usb">
        <source>The device is not a removable USB volume.</source>
        <translation>이 장치는 이동식 USB 볼륨이 아닙니다.</translation>
    </message>
    <message id="msg.format.swap">
        <source>The device holds a swap area.</source>
        <translation>이 장치에는 스왑 영역이 있습니다.</translation>
    </message>
    <message id="msg.format.system_folder">
        <source>The device holds a system folder (%1).</source>
        <translation>이 장치에는 시스템 폴더(%1)가 있습니다.</translation>
    </message>
    <message id="msg.label_fail">
        <source>The volume could not be renamed.</source>
        <translation>볼륨 이름을 바꾸지 못했습니다.</translation>
    </message>
    <message id="msg.no_device_list">
        <source>The list of devices could not be read.</source>
        <translation>장치 목록을 읽지 못했습니다.</translation>
    </message>
    <message id="msg.command_not_started">
        <source>The command could not be started.</source>
        <translation>명령을 시작하지 못했습니다.</translation>
    </message>
    <message id="msg.command_crashed">
        <source>crashed</source>
        <translation>비정상 종료됨</translation>
    </message>
    <message id="msg.command_cancelled">
        <source>User canceled.</source>
        <translation>사용자가 취소했습니다.</translation>
    </message>
    <message id="msg.command_not_authorised">
        <source>Not authorized.</source>
        <translation>권한이 없습니다.</translation>
    </message>
    <message id="msg.command_exit_status">
        <source>exit status %1</source>
        <translation>종료 상태 %1</translation>
    </message>
    <message id="msg.not_regular_file">
        <source>Not a regular file; it was left as it is.</source>
        <translation>일반 파일이 아니므로 그대로 두었습니다.</translation>
    </message>
    <message id="msg.same_file">
        <source>The output would replace the input.</source>
        <translation>출력이 입력을 덮어쓰게 됩니다.</translation>
    </message>
    <message id="msg.folder_unreadable">
        <source>The folder could not be read.</source>
        <translation>폴더를 읽을 수 없습니다.</translation>
    </message>
    <message id="msg.name_not_utf8">
        <source>The name is not valid UTF-8, so this program cannot open it; rename it to show it.</source>
        <translation>이름이 올바른 UTF-8이 아니어서 이 프로그램으로 열 수 없습니다. 보려면 이름을 바꾸세요.</translation>
    </message>
    <message id="msg.catalogue_limit_fmt">
        <source>The folder holds more recordings than the %1 shown.</source>
        <translation>이 폴더에는 표시한 %1개보다 많은 녹화 영상이 있습니다.</translation>
    </message>
    <message id="msg.file_read_fail">
        <source>The file could not be read.</source>
        <translation>파일을 읽지 못했습니다.</translation>
    </message>
    <message id="msg.folder_create_fail">
        <source>The folder could not be created.</source>
        <translation>폴더를 만들지 못했습니다.</translation>
    </message>
    <message id="msg.copy_differs">
        <source>The copy differs from %1.</source>
        <translation>사본이 %1과(와) 다릅니다.</translation>
    </message>
    <message id="msg.date_unwritable">
        <source>The date cannot be written as yyyy/MM/dd.</source>
        <translation>날짜를 yyyy/MM/dd 형식으로 쓸 수 없습니다.</translation>
    </message>
    <message id="msg.telemetry_recovered">
        <source>The telemetry was recovered from a damaged recording.</source>
        <translation>손상된 녹화 영상에서 주행 정보를 복구했습니다.</translation>
    </message>
    <message id="msg.not_a_recording">
        <source>Not a readable recording.</source>
        <translation>읽을 수 있는 녹화 영상이 아닙니다.</translation>
    </message>
    <message id="msg.drv_no_header">
        <source>The file is too short to be a driving-record file.</source>
        <translation>운행 기록 파일이라기에는 너무 짧습니다.</translation>
    </message>
    <message id="msg.drv_refused">
        <source>Not a driving-record file (header count %1).</source>
        <translation>운행 기록 파일이 아닙니다 (헤더의 개수 %1).</translation>
    </message>
    <message id="msg.settings_size">
        <source>The file holds %1 bytes; a settings file holds %2.</source>
        <translation>이 파일은 %1바이트입니다. 설정 파일은 %2바이트입니다.</translation>
    </message>
    <message id="msg.setting.unknown_field">
        <source>Not a field of the settings record.</source>
        <translation>설정 레코드의 항목이 아닙니다.</translation>
    </message>
    <message id="msg.setting.not_editable">
        <source>No settings page edits this field.</source>
        <translation>이 항목을 편집하는 설정 페이지가 없습니다.</translation>
    </message>
    <message id="msg.setting.car_number">
        <source>At most 8 ASCII letters and digits.</source>
        <translation>ASCII 영문자와 숫자로 최대 8자입니다.</translation>
    </message>
    <message id="msg.setting.not_number">
        <source>"%1" is not a whole number.</source>
        <translation>"%1"은(는) 정수가 아닙니다.</translation>
    </message>
    <message id="msg.setting.not_listed">
        <source>%1 is not one of the page's values.</source>
        <translation>%1은(는) 이 페이지의 값이 아닙니다.</translation>
    </message>
    <message id="msg.setting.outside">
        <source>%1 is outside %2 to %3.</source>
        <translation>%1은(는) %2에서 %3 범위를 벗어납니다.</translation>
    </message>
    <message id="msg.setting.ratio">
        <source>%1 is not a multiple of 10 from 0 to 100.</source>
        <translation>%1은(는) 0에서 100 사이의 10의 배수가 아닙니다.</translation>
    </message>
    <message id="msg.setting.does_not_fit">
        <source>%1 does not fit the field.</source>
        <translation>%1은(는) 이 항목에 맞지 않습니다.</translation>
    </message>
    <message id="msg.setting.too_long">
        <source>At most %1 characters.</source>
        <translation>최대 %1자입니다.</translation>
    </message>
    <message id="msg.settings_checksum_wrong">
        <source>The checksum of this settings file does not match its contents, so it was left as it is (--force sets the values anyway).</source>
        <translation>이 설정 파일의 체크섬이 내용과 맞지 않아 그대로 두었습니다 (--force를 주면 값을 설정합니다).</translation>
    </message>
    <message id="setting.format.card">
        <source>Card:</source>
        <translation>카드:</translation>
    </message>
    <message id="setting.format.device">
        <source>Device:</source>
        <translation>장치:</translation>
    </message>
    <message id="setting.format.confirm_title">
        <source>Erase this memory card?</source>
        <translation>이 메모리 카드를 지울까요?</translation>
    </message>
    <message id="setting.format.confirm">
        <source>Device: %1
Size: %2
Label: %3
Mounted at: %4

Formatting erases every recording on this card. Its config.bin is put back afterwards.</source>
        <translation>장치: %1
크기: %2
이름: %3
마운트 위치: %4

포맷하면 이 카드의 녹화 영상이 모두 지워집니다. config.bin은 포맷 후에 되돌려 놓습니다.</translation>
    </message>
    <message id="today">
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message id="time.filesave">
        <source>The clock file has been saved. Put the card into the camera to set its clock.</source>
        <translation>시계 파일을 저장했습니다. 카드를 카메라에 넣으면 카메라 시계가 맞춰집니다.</translation>
    </message>
    <message id="setting.flashdata.index">
        <source>No.</source>
        <translation>번호</translation>
    </message>
    <message id="setting.flashdata.seq">
        <source>Seq.</source>
        <translation>순번</translation>
    </message>
    <message id="setting.flashdata.date">
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message id="setting.flashdata.time">
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message id="setting.flashdata.yoil">
        <source>Day</source>
        <translation>요일</translation>
    </message>
    <message id="setting.flashdata.lat">
        <source>Latitude</source>
        <translation>위도</translation>
    </message>
    <message id="setting.flashdata.lon">
        <source>Longitude</source>
        <translation>경도</translation>
    </message>
    <message id="setting.flashdata.driving_distance">
        <source>Distance</source>
        <translation>거리</translation>
    </message>
    <message id="setting.flashdata.cur_speed">
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message id="setting.flashdata.max_speed">
        <source>Max speed</source>
        <translation>최고 속도</translation>
    </message>
    <message id="setting.flashdata.value">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="setting.flashdata.battery">
        <source>Battery</source>
        <translation>배터리</translation>
    </message>
    <message id="open">
        <source>Open…</source>
        <translation>열기…</translation>
    </message>
    <message id="export">
        <source>Export…</source>
        <translation>내보내기…</translation>
    </message>
    <message id="setting.flashdata.warning">
        <source>No driving log was found on the memory card. Use Open to choose a log file.</source>
        <translation>메모리 카드에서 운행 기록을 찾지 못했습니다. 열기로 기록 파일을 고르세요.</translation>
    </message>
    <message id="trips.by_trip">
        <source>By trip</source>
        <translation>운행별</translation>
    </message>
    <message id="trips.by_trip_tip">
        <source>Show the recordings grouped by drive</source>
        <translation>녹화 영상을 운행별로 묶어 보기</translation>
    </message>
    <message id="trips.trip">
        <source>Trip</source>
        <translation>운행</translation>
    </message>
    <message id="trips.minutes">
        <source>%1 min</source>
        <translation>%1분</translation>
    </message>
    <message id="trips.hours">
        <source>%1 h %2 min</source>
        <translation>%1시간 %2분</translation>
    </message>
    <message id="trips.export">
        <source>Export route or evidence</source>
        <translation>경로 또는 증거 내보내기</translation>
    </message>
    <message id="trips.export_route">
        <source>Export route…</source>
        <translation>경로 내보내기…</translation>
    </message>
    <message id="trips.export_trip_route">
        <source>Export route of the whole trip…</source>
        <translation>운행 전체 경로 내보내기…</translation>
    </message>
    <message id="trips.export_evidence">
        <source>Export evidence…</source>
        <translation>증거 내보내기…</translation>
    </message>
    <message id="trips.track_name">
        <source>Trip %1</source>
        <translation>운행 %1</translation>
    </message>
    <message id="trips.no_route">
        <source>This recording has no GPS positions: there is no route to export.</source>
        <translation>이 녹화 영상에는 GPS 위치가 없어 내보낼 경로가 없습니다.</translation>
    </message>
    <message id="trips.no_trip_route">
        <source>No recording of this trip has GPS positions: there is no route to export.</source>
        <translation>이 운행의 녹화 영상에는 GPS 위치가 없어 내보낼 경로가 없습니다.</translation>
    </message>
    <message id="trips.route_not_written">
        <source>The route was not written to %1: %2</source>
        <translation>경로를 %1에 쓰지 못했습니다: %2</translation>
    </message>
    <message id="trips.evidence_folder">
        <source>Evidence %1</source>
        <translation>증거 %1</translation>
    </message>
    <message id="trips.evidence_writing">
        <source>Writing the evidence folder…</source>
        <translation>증거 폴더를 쓰는 중…</translation>
    </message>
    <message id="trips.evidence_written">
        <source>The evidence folder was written: %1</source>
        <translation>증거 폴더를 썼습니다: %1</translation>
    </message>
    <message id="trips.evidence_failed">
        <source>The evidence folder was not written: %1</source>
        <translation>증거 폴더를 쓰지 못했습니다: %1</translation>
    </message>
    <message id="trips.clock_reading">
        <source>Camera clock: checking against the GPS time…</source>
        <translation>카메라 시계: GPS 시간과 비교하는 중…</translation>
    </message>
    <message id="trips.clock">
        <source>Camera clock vs GPS: </source>
        <translation>카메라 시계 대 GPS: </translation>
    </message>
    <message id="trips.clock_recording">
        <source>this recording %1</source>
        <translation>이 녹화 영상 %1</translation>
    </message>
    <message id="trips.clock_recording_nofix">
        <source>no valid fix in this recording</source>
        <translation>이 녹화 영상에는 유효한 GPS 위치가 없음</translation>
    </message>
    <message id="trips.clock_card">
        <source>card median %1</source>
        <translation>카드 중앙값 %1</translation>
    </message>
    <message id="trips.clock_card_nofix">
        <source>no recording of the card has a valid fix</source>
        <translation>카드의 어느 녹화 영상에도 유효한 GPS 위치가 없음</translation>
    </message>
    <message id="trips.clock_set">
        <source>set it in the clock window</source>
        <translation>시계 창에서 맞추세요</translation>
    </message>
    <message id="time.proposal_ahead">
        <source>The camera’s clock runs %1 ahead of the GPS time in its recordings. Proposed: the time now in the card’s zone (%2).</source>
        <translation>카메라 시계가 녹화 영상의 GPS 시간보다 %1 빠릅니다. 제안: 카드 시간대의 현재 시각(%2).</translation>
    </message>
    <message id="time.proposal_behind">
        <source>The camera’s clock runs %1 behind the GPS time in its recordings. Proposed: the time now in the card’s zone (%2).</source>
        <translation>카메라 시계가 녹화 영상의 GPS 시간보다 %1 느립니다. 제안: 카드 시간대의 현재 시각(%2).</translation>
    </message>
    <message id="duration.hours" numerus="yes">
        <source>%n h</source>
        <translation>
            <numerusform>%n시간</numerusform>
        </translation>
    </message>
    <message id="duration.minutes" numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message id="duration.seconds" numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n초</numerusform>
        </translation>
    </message>
    <message id="duration.pair">
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="time.window_title">
        <source>Set the Camera’s Clock</source>
        <translation>카메라 시계 맞추기</translation>
    </message>
    <message id="format.window_title">
        <source>Format Memory Card</source>
        <translation>메모리 카드 포맷</translation>
    </message>
    <message id="map.window_title">
        <source>Map</source>
        <translation>지도</translation>
    </message>
    <message id="records.map_title">
        <source>Driving Log Map</source>
        <translation>운행 기록 지도</translation>
    </message>
    <message id="setting.open_settings">
        <source>Open Settings File…</source>
        <translation>설정 파일 열기…</translation>
    </message>
    <message id="records.open_log">
        <source>Open Driving Log…</source>
        <translation>운행 기록 열기…</translation>
    </message>
    <message id="records.truncated">
        <source>%1: the header promises %2 records, the file holds %3; the missing records are not shown.</source>
        <translation>%1: 헤더에는 기록이 %2개라고 되어 있지만 파일에는 %3개뿐입니다. 빠진 기록은 표시하지 않습니다.</translation>
    </message>
    <message id="player.open_card_settings">
        <source>Open the settings on %1</source>
        <translation>%1의 설정 열기</translation>
    </message>
    <message id="trips.json_and_route_on_stdout">
        <source>--json and a route written to - would share the standard output; write the route to a file.</source>
        <translation>--json과 -로 쓰는 경로가 표준 출력을 함께 쓰게 됩니다. 경로는 파일에 쓰세요.</translation>
    </message>
    <message id="clock.zone_guessed">
        <source>zone %1 (guessed from the GPS time: the card has no config.bin)</source>
        <translation>시간대 %1 (GPS 시간으로 추정: 카드에 config.bin이 없음)</translation>
    </message>
    <message id="clock.nothing_to_compare">
        <source>no recording has a valid GPS fix: there is nothing to compare the camera&apos;s clock with</source>
        <translation>유효한 GPS 위치가 있는 녹화 영상이 없어 카메라 시계와 비교할 것이 없습니다</translation>
    </message>
    <message id="evidence.clock_zone_guessed">
        <source>the time zone was guessed from the GPS time: the card has no config.bin</source>
        <translation>카드에 config.bin이 없어 시간대를 GPS 시간으로 추정했습니다</translation>
    </message>
    <message id="trips.recording_unreadable">
        <source>The recording could not be read, so it is left out of the trips</source>
        <translation>녹화 영상을 읽을 수 없어 운행에서 뺐습니다</translation>
    </message>
    <message id="msg.index_fail">
        <source>The card index could not be used.</source>
        <translation>카드 색인을 쓸 수 없습니다.</translation>
    </message>
    <message id="msg.index_folder_fail">
        <source>The folder for the card index could not be created.</source>
        <translation>카드 색인 폴더를 만들지 못했습니다.</translation>
    </message>
    <message id="index.progress">
        <source>Indexing the card: %1 of %2 recordings</source>
        <translation>카드 색인 중: 녹화 영상 %2개 중 %1개</translation>
    </message>
    <message id="index.done">
        <source>Card indexed: %1 recordings, %2 trips</source>
        <translation>카드 색인 완료: 녹화 영상 %1개, 운행 %2개</translation>
    </message>
    <message id="index.failed">
        <source>The card could not be indexed: %1</source>
        <translation>카드를 색인하지 못했습니다: %1</translation>
    </message>
    <message id="index.recordings_here">
        <source>Recordings here</source>
        <translation>이곳의 녹화 영상</translation>
    </message>
    <message id="index.all_drives">
        <source>All drives</source>
        <translation>모든 운행</translation>
    </message>
    <message id="index.passes_title">
        <source>Passes within %1 m</source>
        <translation>반경 %1 m 안을 지난 기록</translation>
    </message>
    <message id="index.no_passes">
        <source>No recording passed here.</source>
        <translation>이곳을 지난 녹화 영상이 없습니다.</translation>
    </message>
    <message id="index.pass_header">
        <source>Pass</source>
        <translation>통과</translation>
    </message>
    <message id="index.column_date">
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message id="index.column_time">
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message id="index.column_speed">
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message id="index.column_direction">
        <source>Direction</source>
        <translation>방향</translation>
    </message>
    <message id="index.speed_value">
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message id="index.pass_number">
        <source>Pass %1</source>
        <translation>통과 %1</translation>
    </message>
    <message id="msg.format.cancelled">
        <source>The format was stopped before anything was erased.</source>
        <translation>아무것도 지우기 전에 포맷을 멈췄습니다.</translation>
    </message>
    <message id="trips.file_count" numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message id="trips.event_count" numerus="yes">
        <source>%n event(s)</source>
        <translation>
            <numerusform>이벤트 %n개</numerusform>
        </translation>
    </message>
    <message id="capture.no_viewer">
        <source>The picture was saved as %1, but no program to show it is set up on this computer.</source>
        <translation>영상을 %1(으)로 저장했지만 이 컴퓨터에는 영상을 보여 줄 프로그램이 설정되어 있지 않습니다.</translation>
    </message>
    <message id="trips.route_written">
        <source>The route was written to %1.</source>
        <translation>경로를 %1에 썼습니다.</translation>
    </message>
    <message id="player.no_picture">
        <source>This recording has no picture: %1 holds sound only.</source>
        <translation>이 녹화 영상에는 영상이 없습니다: %1에는 소리만 있습니다.</translation>
    </message>
    <message id="msg.lsblk_too_large">
        <source>Larger than %1 MB: not a recorded lsblk output.</source>
        <translation>%1 MB보다 큽니다: 기록된 lsblk 출력이 아닙니다.</translation>
    </message>
    <message id="msg.clip_empty_range">
        <source>The clip's end must come after its start.</source>
        <translation>클립의 끝은 시작보다 뒤여야 합니다.</translation>
    </message>
    <message id="msg.clip_no_recording">
        <source>No recording covers this stretch of time.</source>
        <translation>이 시간 구간을 담은 녹화 영상이 없습니다.</translation>
    </message>
    <message id="msg.clip_gap_too_long">
        <source>The range has %1 s without any recording; at most %2 s can be shown as black.</source>
        <translation>이 구간에는 녹화 영상이 없는 시간이 %1초 있습니다. 검은 화면으로는 최대 %2초까지만 보여 줄 수 있습니다.</translation>
    </message>
    <message id="msg.clip_read_fail">
        <source>The recording could not be read.</source>
        <translation>녹화 영상을 읽지 못했습니다.</translation>
    </message>
    <message id="msg.clip_encoder_missing">
        <source>The video encoder is not available.</source>
        <translation>영상 인코더를 쓸 수 없습니다.</translation>
    </message>
    <message id="msg.clip_write_fail">
        <source>The clip could not be written.</source>
        <translation>클립을 쓰지 못했습니다.</translation>
    </message>
    <message id="msg.clip_cancelled">
        <source>The clip was cancelled; no file was left.</source>
        <translation>클립을 취소했습니다. 남은 파일은 없습니다.</translation>
    </message>
    <message id="clip.no_recording">
        <source>No recording</source>
        <translation>녹화 없음</translation>
    </message>
    <message id="clip.north">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="clip.title">
        <source>Export Clip</source>
        <translation>클립 내보내기</translation>
    </message>
    <message id="clip.export_action">
        <source>Export Clip…</source>
        <translation>클립 내보내기…</translation>
    </message>
    <message id="clip.export">
        <source>Export…</source>
        <translation>내보내기…</translation>
    </message>
    <message id="clip.from">
        <source>From:</source>
        <translation>시작:</translation>
    </message>
    <message id="clip.to">
        <source>To:</source>
        <translation>끝:</translation>
    </message>
    <message id="clip.layout">
        <source>Layout:</source>
        <translation>배치:</translation>
    </message>
    <message id="clip.corner">
        <source>Inset corner:</source>
        <translation>작은 화면 위치:</translation>
    </message>
    <message id="clip.overlay">
        <source>Drawn in:</source>
        <translation>표시할 정보:</translation>
    </message>
    <message id="clip.sound">
        <source>Sound:</source>
        <translation>소리:</translation>
    </message>
    <message id="clip.quality">
        <source>Quality (lower is better):</source>
        <translation>화질 (낮을수록 좋음):</translation>
    </message>
    <message id="clip.layout_side">
        <source>Side by side</source>
        <translation>나란히</translation>
    </message>
    <message id="clip.layout_inset">
        <source>Front with rear inset</source>
        <translation>전방과 후방 작은 화면</translation>
    </message>
    <message id="clip.layout_front">
        <source>Front only</source>
        <translation>전방만</translation>
    </message>
    <message id="clip.layout_rear">
        <source>Rear only</source>
        <translation>후방만</translation>
    </message>
    <message id="clip.corner_bottom_right">
        <source>Bottom right</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message id="clip.corner_bottom_left">
        <source>Bottom left</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message id="clip.corner_top_right">
        <source>Top right</source>
        <translation>오른쪽 위</translation>
    </message>
    <message id="clip.corner_top_left">
        <source>Top left</source>
        <translation>왼쪽 위</translation>
    </message>
    <message id="clip.sound_front">
        <source>Front camera</source>
        <translation>전방 카메라</translation>
    </message>
    <message id="clip.sound_rear">
        <source>Rear camera</source>
        <translation>후방 카메라</translation>
    </message>
    <message id="clip.item_time">
        <source>Date and time</source>
        <translation>날짜와 시간</translation>
    </message>
    <message id="clip.item_speed">
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message id="clip.item_gforce">
        <source>G-force</source>
        <translation>G-force</translation>
    </message>
    <message id="clip.item_map">
        <source>Route map</source>
        <translation>경로 지도</translation>
    </message>
    <message id="clip.writing">
        <source>Writing the clip…</source>
        <translation>클립을 쓰는 중…</translation>
    </message>
    <message id="clip.time_left">
        <source>%1:%2 left</source>
        <translation>%1:%2 남음</translation>
    </message>
    <message id="clip.failed">
        <source>The clip was not written: %1</source>
        <translation>클립을 쓰지 못했습니다: %1</translation>
    </message>
    <message id="msg.input_not_regular_file">
        <source>Not a regular file (a folder, a pipe or a device), so it was not read.</source>
        <translation>일반 파일이 아니어서(폴더, 파이프 또는 장치) 읽지 않았습니다.</translation>
    </message>
    <message id="msg.pseudo_file_system">
        <source>It lies on a system file system (proc, sysfs or their kin), not on a card or a disk.</source>
        <translation>카드나 디스크가 아니라 시스템 파일 시스템(proc, sysfs 등)에 있습니다.</translation>
    </message>
    <message id="msg.not_an_avi_recording">
        <source>Not a recording: the file does not begin as an AVI recording.</source>
        <translation>녹화 영상이 아닙니다: 파일이 AVI 녹화 영상으로 시작하지 않습니다.</translation>
    </message>
    <message id="msg.evidence_target_taken">
        <source>It exists and is not an empty folder.</source>
        <translation>이미 있으며 빈 폴더가 아닙니다.</translation>
    </message>
    <message id="msg.evidence_write_fail">
        <source>The evidence folder could not be written.</source>
        <translation>증거 폴더를 쓰지 못했습니다.</translation>
    </message>
    <message id="msg.year_out_of_range">
        <source>The year must lie between %1 and %2, the years recording names can hold.</source>
        <translation>연도는 녹화 파일 이름에 쓸 수 있는 %1에서 %2 사이여야 합니다.</translation>
    </message>
    <!-- errors and exports: begin -->
    <message id="alert.warning">
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message id="msg.write_fail">
        <source>The file could not be written.</source>
        <translation>파일을 쓰지 못했습니다.</translation>
    </message>
    <message id="msg.system_words">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="tool.standard_output">
        <source>standard output</source>
        <translation>표준 출력</translation>
    </message>
    <message id="tool.output_not_replaced">
        <source>not a regular file; not replaced</source>
        <translation>일반 파일이 아니어서 바꾸지 않았습니다</translation>
    </message>
    <message id="tool.not_a_folder">
        <source>not a folder</source>
        <translation>폴더가 아닙니다</translation>
    </message>
    <message id="tool.choose_one_of">
        <source>choose one of %1</source>
        <translation>%1 중 하나를 고르십시오</translation>
    </message>
    <message id="tool.gpx_or_kml">
        <source>choose one of --gpx and --kml</source>
        <translation>--gpx와 --kml 중 하나를 고르십시오</translation>
    </message>
    <message id="tool.trip_km">
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message id="tool.trip_recordings">
        <source>%1 recordings</source>
        <translation>녹화 %1개</translation>
    </message>
    <message id="tool.trip_count">
        <source>%1 trips</source>
        <translation>주행 %1건</translation>
    </message>
    <message id="tool.clock_no_fix">
        <source>no fix</source>
        <translation>위치 없음</translation>
    </message>
    <message id="tool.clock_zone">
        <source>zone %1 (config.bin)</source>
        <translation>시간대 %1 (config.bin)</translation>
    </message>
    <message id="tool.clock_median">
        <source>median offset %1 s: %2</source>
        <translation>차이의 중앙값 %1초: %2</translation>
    </message>
    <message id="tool.clock_right">
        <source>the camera&apos;s clock is right</source>
        <translation>카메라 시계가 맞습니다</translation>
    </message>
    <message id="tool.clock_ahead">
        <source>the camera&apos;s clock is %1 s ahead</source>
        <translation>카메라 시계가 %1초 빠릅니다</translation>
    </message>
    <message id="tool.clock_behind">
        <source>the camera&apos;s clock is %1 s behind</source>
        <translation>카메라 시계가 %1초 느립니다</translation>
    </message>
    <message id="tool.drv_truncated">
        <source>the header promises %1 records, the file holds %2</source>
        <translation>머리말에는 기록이 %1개라고 되어 있지만 파일에는 %2개가 있습니다</translation>
    </message>
    <message id="tool.drv_nothing">
        <source>no records, nothing exported</source>
        <translation>기록이 없어 아무것도 내보내지 않았습니다</translation>
    </message>
    <message id="tool.evidence_not_written">
        <source>evidence not written: %1</source>
        <translation>증거를 쓰지 못했습니다: %1</translation>
    </message>
    <message id="evidence.copy_differs">
        <source>the copy differs from %1</source>
        <translation>사본이 %1와 다릅니다</translation>
    </message>
    <message id="evidence.not_read_back">
        <source>cannot be read back</source>
        <translation>다시 읽을 수 없습니다</translation>
    </message>
    <message id="evidence.no_pictures">
        <source>the pictures could not be drawn</source>
        <translation>그림을 그리지 못했습니다</translation>
    </message>
    <message id="print.no_queue">
        <source>The printer&apos;s queue was not found.</source>
        <translation>프린터 대기열을 찾지 못했습니다.</translation>
    </message>
    <message id="print.not_submitted">
        <source>The print service did not take the job.</source>
        <translation>인쇄 서비스가 작업을 받지 않았습니다.</translation>
    </message>
    <message id="report.title">
        <source>Evidence: %1</source>
        <translation>증거: %1</translation>
    </message>
    <message id="report.recording">
        <source>Recording</source>
        <translation>녹화</translation>
    </message>
    <message id="report.partner">
        <source>Partner recording</source>
        <translation>짝 녹화</translation>
    </message>
    <message id="report.no_partner">
        <source>none on the card</source>
        <translation>카드에 없음</translation>
    </message>
    <message id="report.partner_refused">
        <source>none taken: %1</source>
        <translation>가져오지 않음: %1</translation>
    </message>
    <message id="report.start">
        <source>Start (camera clock)</source>
        <translation>시작 (카메라 시계)</translation>
    </message>
    <message id="report.peak">
        <source>Peak G-sensor reading</source>
        <translation>G-센서 최대값</translation>
    </message>
    <message id="report.peak_value">
        <source>%1 g (X %2, Y %3, Z %4) at %5 s</source>
        <translation>%1 g (X %2, Y %3, Z %4), %5초</translation>
    </message>
    <message id="report.no_gsensor">
        <source>no G-sensor data</source>
        <translation>G-센서 데이터 없음</translation>
    </message>
    <message id="report.place_wgs84">
        <source>Place (WGS 84)</source>
        <translation>위치 (WGS 84)</translation>
    </message>
    <message id="report.place">
        <source>Place</source>
        <translation>위치</translation>
    </message>
    <message id="report.no_fix">
        <source>no GPS fix in the recording</source>
        <translation>녹화에 GPS 위치 없음</translation>
    </message>
    <message id="report.speed">
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message id="report.speed_value">
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message id="report.gps_time">
        <source>GPS time (UTC)</source>
        <translation>GPS 시각 (UTC)</translation>
    </message>
    <message id="report.clock">
        <source>Camera clock against GPS</source>
        <translation>GPS와 비교한 카메라 시계</translation>
    </message>
    <message id="report.clock_value">
        <source>%1 s (positive: the camera&apos;s clock is ahead)</source>
        <translation>%1초 (양수: 카메라 시계가 빠름)</translation>
    </message>
    <message id="report.clock_with_note">
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message id="report.clock_unknown">
        <source>unknown: no valid GPS fix</source>
        <translation>알 수 없음: 유효한 GPS 위치 없음</translation>
    </message>
    <message id="report.camera_settings">
        <source>Camera settings</source>
        <translation>카메라 설정</translation>
    </message>
    <message id="report.no_config">
        <source>no config.bin on the card</source>
        <translation>카드에 config.bin 없음</translation>
    </message>
    <message id="report.thresholds_driving">
        <source>G-sensor thresholds, driving</source>
        <translation>G-센서 기준값, 주행 중</translation>
    </message>
    <message id="report.thresholds_parked">
        <source>G-sensor thresholds, parked</source>
        <translation>G-센서 기준값, 주차 중</translation>
    </message>
    <message id="report.thresholds_value">
        <source>X %1 g, Y %2 g, Z %3 g</source>
        <translation>X %1 g, Y %2 g, Z %3 g</translation>
    </message>
    <message id="report.event_recording">
        <source>G-sensor event recording</source>
        <translation>G-센서 이벤트 녹화</translation>
    </message>
    <message id="report.on">
        <source>on</source>
        <translation>켬</translation>
    </message>
    <message id="report.off">
        <source>off</source>
        <translation>끔</translation>
    </message>
    <message id="report.time_zone">
        <source>Camera time zone</source>
        <translation>카메라 시간대</translation>
    </message>
    <message id="report.zone_value">
        <source>UTC%1</source>
        <translation>UTC%1</translation>
    </message>
    <message id="report.zone_not_set">
        <source>not set (time_gmt %1)</source>
        <translation>설정 안 됨 (time_gmt %1)</translation>
    </message>
    <message id="report.zone_summer_time">
        <source>%1, summer time included</source>
        <translation>%1, 서머타임 포함</translation>
    </message>
    <message id="report.gsensor">
        <source>G-sensor</source>
        <translation>G-센서</translation>
    </message>
    <message id="report.gsensor_graph">
        <source>G-sensor graph</source>
        <translation>G-센서 그래프</translation>
    </message>
    <message id="report.route">
        <source>Route</source>
        <translation>경로</translation>
    </message>
    <message id="report.files">
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message id="report.no_telemetry">
        <source>%1 carries no telemetry: no CSV or GPX was made for it.</source>
        <translation>%1에는 텔레메트리가 없어 CSV나 GPX를 만들지 않았습니다.</translation>
    </message>
    <message id="report.sums">
        <source>%1 holds the SHA-256 of every file; check them with %2.</source>
        <translation>%1에 모든 파일의 SHA-256이 있습니다. %2로 확인하십시오.</translation>
    </message>
    <message id="msg.short_write">
        <source>only %1 of %2 bytes could be written</source>
        <translation>%2바이트 중 %1바이트만 쓸 수 있었습니다</translation>
    </message>
    <!-- errors and exports: end -->
    <!-- -->
    <!-- recordings and telemetry: begin -->
    <!-- recordings and telemetry: end -->
    <!-- -->
    <!-- settings pages: begin -->
    <message id="setting.loading">
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
    <message id="setting.version">
        <source>[Ver %1]</source>
        <translation>[Ver %1]</translation>
    </message>
    <message id="setting.save_title">
        <source>Save Settings</source>
        <translation>설정 저장</translation>
    </message>
    <message id="setting.alert.warn">
        <source>Warn</source>
        <translation>경고</translation>
    </message>
    <message id="setting.alert.warning">
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message id="setting.input_refused">
        <source>This value cannot be stored</source>
        <translation>이 값은 저장할 수 없습니다</translation>
    </message>
    <message id="records.alert.alarm">
        <source>Alarm</source>
        <translation>알림</translation>
    </message>
    <message id="records.saving">
        <source>Saving...</source>
        <translation>저장 중...</translation>
    </message>
    <message id="records.exported">
        <source>Driving log exported</source>
        <translation>주행 기록을 내보냈습니다</translation>
    </message>
    <message id="format.alert.no_card">
        <source>No card to format</source>
        <translation>포맷할 카드가 없습니다</translation>
    </message>
    <message id="format.no_drive">
        <source>There is no USB drive.</source>
        <translation>USB 드라이브가 없습니다.</translation>
    </message>
    <message id="format.select_drive">
        <source>Please select USB drive.</source>
        <translation>USB 드라이브를 선택하세요.</translation>
    </message>
    <message id="time.saved">
        <source>Clock file written</source>
        <translation>시계 파일을 저장했습니다</translation>
    </message>
    <message id="msg.setting.expected_assignment">
        <source>expected NAME=VALUE</source>
        <translation>NAME=VALUE 형식이어야 합니다</translation>
    </message>
    <message id="msg.config.wrong_arguments">
        <source>wrong arguments for %1</source>
        <translation>%1의 인수가 잘못되었습니다</translation>
    </message>
    <message id="msg.config.unknown_action">
        <source>unknown action &quot;%1&quot;</source>
        <translation>알 수 없는 동작 &quot;%1&quot;</translation>
    </message>
    <!-- settings pages: end -->
    <!-- -->
    <!-- playback: begin -->
    <message id="playback.loading">
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
    <!-- playback: end -->
    <!-- -->
    <!-- charts and tests: begin -->
    <!-- charts and tests: end -->
    <!-- -->
    <!-- tool help and writers: begin -->
    <message id="tool.help.clock_tells_how_far">
        <source>Tells how far the camera's clock is off, from the GPS time of its recordings.</source>
        <translation>녹화 파일의 GPS 시각으로 카메라 시계가 얼마나 틀렸는지 알려 줍니다.</translation>
    </message>
    <message id="tool.help.card_or_copy">
        <source>The card or a folder copied from it.</source>
        <translation>카드 또는 카드에서 복사한 폴더.</translation>
    </message>
    <message id="tool.help.config_force">
        <source>Set values even in a file whose checksum does not match its contents.</source>
        <translation>체크섬이 내용과 맞지 않는 파일에도 값을 설정합니다.</translation>
    </message>
    <message id="tool.help.config_action">
        <source>show, set or defaults.</source>
        <translation>show, set 또는 defaults.</translation>
    </message>
    <message id="tool.help.config_file">
        <source>The settings file (defaults: the file to write).</source>
        <translation>설정 파일 (defaults: 쓸 파일).</translation>
    </message>
    <message id="tool.help.config_changes">
        <source>The settings to change (set).</source>
        <translation>바꿀 설정 (set).</translation>
    </message>
    <message id="tool.help.drv_export_the_table">
        <source>Export the table as CSV to OUT.</source>
        <translation>표를 CSV로 OUT에 내보냅니다.</translation>
    </message>
    <message id="tool.help.drv_shows_the_driving">
        <source>Shows the driving-record log of a tavik_000.drv file, or exports it.</source>
        <translation>tavik_000.drv 파일의 주행 기록을 보여 주거나 내보냅니다.</translation>
    </message>
    <message id="tool.help.drv_the_driving_record">
        <source>The driving-record file.</source>
        <translation>주행 기록 파일.</translation>
    </message>
    <message id="tool.help.find_the_place_as">
        <source>The place, as signed decimal degrees LAT,LON.</source>
        <translation>장소, 부호 있는 십진 도 단위 LAT,LON.</translation>
    </message>
    <message id="tool.help.find_how_close_a">
        <source>How close a pass comes, in metres (default %1).</source>
        <translation>지나간 것으로 볼 거리, 미터 단위 (기본값 %1).</translation>
    </message>
    <message id="tool.help.find_lists_every_pass">
        <source>Lists every pass of the car by a place: the front recording, the offset into it, the time, the distance and the speed. Updates the card's index first.</source>
        <translation>차가 한 장소를 지나간 모든 때를 보여 줍니다: 전방 녹화 파일, 파일 안의 위치, 시각, 거리, 속도. 먼저 카드의 색인을 갱신합니다.</translation>
    </message>
    <message id="tool.help.card_folder">
        <source>The card's folder.</source>
        <translation>카드의 폴더.</translation>
    </message>
    <message id="tool.help.format_erase_without_asking">
        <source>Erase without asking.</source>
        <translation>묻지 않고 지웁니다.</translation>
    </message>
    <message id="tool.help.format_formats_a_mounted">
        <source>Formats a mounted USB card (DEVICE: sdb1 or /dev/sdb1) for the camera.</source>
        <translation>마운트된 USB 카드(DEVICE: sdb1 또는 /dev/sdb1)를 카메라용으로 포맷합니다.</translation>
    </message>
    <message id="tool.help.format_the_card_s">
        <source>The card's volume, as tavik-tool volumes lists it.</source>
        <translation>카드의 볼륨, tavik-tool volumes가 보여 주는 이름.</translation>
    </message>
    <message id="tool.help.index_builds_or_updates">
        <source>Builds or updates the index of a card folder (kept in the user's cache, never on the card) and tells what changed.</source>
        <translation>카드 폴더의 색인을 만들거나 갱신하고(카드가 아닌 사용자 캐시에 보관) 무엇이 바뀌었는지 알려 줍니다.</translation>
    </message>
    <message id="tool.help.list_lists_the_recordings">
        <source>Lists the recordings of a card folder in time order, with their pairs.</source>
        <translation>카드 폴더의 녹화 파일을 시간 순으로, 짝과 함께 보여 줍니다.</translation>
    </message>
    <message id="tool.help.telemetry_prints_the_telemetry">
        <source>Prints the telemetry embedded in recordings, extracting them on every core.</source>
        <translation>녹화 파일에 담긴 주행 데이터를 모든 코어에서 추출해 출력합니다.</translation>
    </message>
    <message id="tool.help.telemetry_the_recordings_avi">
        <source>The recordings (.avi).</source>
        <translation>녹화 파일 (.avi).</translation>
    </message>
    <message id="tool.help.timeset_set_the_clock">
        <source>Set the clock to TIME instead of the computer's.</source>
        <translation>컴퓨터 시각 대신 TIME으로 시계를 맞춥니다.</translation>
    </message>
    <message id="tool.help.timeset_writes_the_camera">
        <source>Writes the camera's clock file, which sets its clock at the next start.</source>
        <translation>카메라의 시계 파일을 씁니다. 카메라는 다음에 켜질 때 이 파일로 시계를 맞춥니다.</translation>
    </message>
    <message id="tool.help.timeset_the_file_to">
        <source>The file to write, timeset.cfg at the card's top.</source>
        <translation>쓸 파일, 카드 맨 위의 timeset.cfg.</translation>
    </message>
    <message id="tool.help.trips_gpx">
        <source>Write the routes as GPX to OUT (- for stdout).</source>
        <translation>경로를 GPX로 OUT에 씁니다 (- 는 표준 출력).</translation>
    </message>
    <message id="tool.help.trips_kml">
        <source>Write the routes as KML to OUT (- for stdout).</source>
        <translation>경로를 KML로 OUT에 씁니다 (- 는 표준 출력).</translation>
    </message>
    <message id="tool.help.trips_groups_a_card">
        <source>Groups a card's recordings into drives, with their distance and routes.</source>
        <translation>카드의 녹화 파일을 주행별로 묶고, 거리와 경로를 보여 줍니다.</translation>
    </message>
    <message id="tool.help.volumes_read_a_recorded">
        <source>Read a recorded lsblk --json output.</source>
        <translation>기록해 둔 lsblk --json 출력을 읽습니다.</translation>
    </message>
    <message id="tool.help.volumes_lists_the_mounted">
        <source>Lists the mounted USB volumes and the one taken for the camera's card.</source>
        <translation>마운트된 USB 볼륨과 카메라 카드로 고른 볼륨을 보여 줍니다.</translation>
    </message>
    <message id="tool.help.clip_start_on_the">
        <source>Start on the card's clock, &quot;yyyy-MM-dd HH:mm:ss&quot;.</source>
        <translation>카드 시계로 시작 시각, &quot;yyyy-MM-dd HH:mm:ss&quot;.</translation>
    </message>
    <message id="tool.help.clip_end_on_the">
        <source>End on the card's clock.</source>
        <translation>카드 시계로 끝 시각.</translation>
    </message>
    <message id="tool.help.clip_side_default_inset">
        <source>side (default), inset, front or rear.</source>
        <translation>side (기본값), inset, front 또는 rear.</translation>
    </message>
    <message id="tool.help.clip_corner_of_the">
        <source>Corner of the rear inset: top-left, top-right, bottom-left or bottom-right (default).</source>
        <translation>후방 작은 화면의 모서리: top-left, top-right, bottom-left 또는 bottom-right (기본값).</translation>
    </message>
    <message id="tool.help.clip_leave_the_telemetry">
        <source>Leave the telemetry out of the picture.</source>
        <translation>주행 데이터를 화면에 넣지 않습니다.</translation>
    </message>
    <message id="tool.help.clip_h_264_rate">
        <source>H.264 rate factor, 0 (best) to 51; 23 default.</source>
        <translation>H.264 화질 계수, 0(최고)부터 51까지; 기본값 23.</translation>
    </message>
    <message id="tool.help.clip_x264_speed_preset">
        <source>x264 speed preset (default veryfast).</source>
        <translation>x264 속도 프리셋 (기본값 veryfast).</translation>
    </message>
    <message id="tool.help.clip_sound_of_the">
        <source>Sound of the front (default) or rear camera.</source>
        <translation>전방(기본값) 또는 후방 카메라의 소리.</translation>
    </message>
    <message id="tool.help.clip_a_recording_with">
        <source>A recording (with its partner), or a card's folder.</source>
        <translation>녹화 파일(짝과 함께) 또는 카드의 폴더.</translation>
    </message>
    <message id="tool.help.clip_the_mp4_file">
        <source>The MP4 file to write.</source>
        <translation>쓸 MP4 파일.</translation>
    </message>
    <message id="tool.help.democard_minutes">
        <source>Length of each recording in minutes.</source>
        <translation>녹화 파일 하나의 길이, 분 단위.</translation>
    </message>
    <message id="tool.help.democard_seconds">
        <source>Length of each recording in seconds.</source>
        <translation>녹화 파일 하나의 길이, 초 단위.</translation>
    </message>
    <message id="tool.help.democard_seed_of_the">
        <source>Seed of the traffic and the noise.</source>
        <translation>교통과 잡음의 시드.</translation>
    </message>
    <message id="tool.help.democard_the_folder_to">
        <source>The folder to write the card into.</source>
        <translation>카드를 쓸 폴더.</translation>
    </message>
    <message id="tool.help.evidence_the_recording_avi">
        <source>The recording (.avi).</source>
        <translation>녹화 파일 (.avi).</translation>
    </message>
    <message id="tool.help.evidence_the_folder_to">
        <source>The folder to write; absent or empty.</source>
        <translation>쓸 폴더; 없거나 비어 있어야 합니다.</translation>
    </message>
    <message id="tool.help.pictures_writes_a_sample">
        <source>Writes a sample camera card: recordings of a drive, settings and logs.</source>
        <translation>샘플 카메라 카드를 씁니다: 주행 녹화, 설정, 기록.</translation>
    </message>
    <message id="tool.help.pictures_writes_the_evidence">
        <source>Writes the evidence folder of a recording and its partner: copies, telemetry, pictures, a report and SHA256SUMS.</source>
        <translation>녹화 파일과 그 짝의 증거 폴더를 씁니다: 사본, 주행 데이터, 사진, 보고서, SHA256SUMS.</translation>
    </message>
    <message id="tool.help.pictures_writes_an_mp4">
        <source>Writes an MP4 clip of a recording and its partner, or of a stretch of the card's clock, with both cameras and the telemetry drawn in.</source>
        <translation>녹화 파일과 그 짝, 또는 카드 시계의 한 구간을 두 카메라와 주행 데이터가 들어간 MP4 클립으로 씁니다.</translation>
    </message>
    <message id="tool.help.telemetry_print_json_the">
        <source>Print JSON (the default).</source>
        <translation>JSON으로 출력합니다 (기본값).</translation>
    </message>
    <message id="tool.help.telemetry_print_csv_a">
        <source>Print CSV, a row per G-sensor sample.</source>
        <translation>CSV로 출력합니다, G센서 측정값마다 한 행.</translation>
    </message>
    <message id="tool.help.telemetry_print_a_gpx">
        <source>Print a GPX file, a track per recording.</source>
        <translation>GPX 파일로 출력합니다, 녹화 파일마다 트랙 하나.</translation>
    </message>
    <message id="tool.help.telemetry_print_a_kml">
        <source>Print a KML file, a track with times and speeds per recording.</source>
        <translation>KML 파일로 출력합니다, 녹화 파일마다 시각과 속도가 있는 트랙 하나.</translation>
    </message>
    <message id="tool.help.config">
        <source>Shows, edits or creates the camera's settings file config.bin.</source>
        <translation>카메라의 설정 파일 config.bin을 보여 주거나, 고치거나, 만듭니다.</translation>
    </message>
    <message id="tool.unknown_command">
        <source>unknown command &quot;%1&quot;; try tavik-tool help</source>
        <translation>알 수 없는 명령 &quot;%1&quot;; tavik-tool help를 보십시오</translation>
    </message>
    <message id="tool.clip_folder_range">
        <source>a folder needs --from and --to</source>
        <translation>폴더에는 --from과 --to가 필요합니다</translation>
    </message>
    <message id="tool.find_near_needed">
        <source>--near is needed</source>
        <translation>--near가 필요합니다</translation>
    </message>
    <message id="tool.find_bad_place">
        <source>--near wants LAT,LON in decimal degrees</source>
        <translation>--near에는 십진 도 단위 LAT,LON을 주십시오</translation>
    </message>
    <message id="tool.find_bad_radius">
        <source>--radius wants metres, above 0 and at most 100000</source>
        <translation>--radius에는 0보다 크고 100000 이하인 미터 값을 주십시오</translation>
    </message>
    <message id="tool.picture_program_missing">
        <source>%1 is missing; it carries out %2</source>
        <translation>%1이(가) 없습니다; 이 프로그램이 %2을(를) 실행합니다</translation>
    </message>
    <message id="tool.timeset_bad_time">
        <source>--at &quot;%1&quot;: expected yyyy/MM/dd HH:mm:ss</source>
        <translation>--at &quot;%1&quot;: yyyy/MM/dd HH:mm:ss 형식이어야 합니다</translation>
    </message>
    <message id="tool.format_not_usb">
        <source>%1: not a mounted USB volume; see tavik-tool volumes</source>
        <translation>%1: 마운트된 USB 볼륨이 아닙니다; tavik-tool volumes를 보십시오</translation>
    </message>
    <message id="tool.format_needs_yes">
        <source>this erases %1 (%2); add --yes to go ahead</source>
        <translation>%1 (%2)의 내용이 지워집니다; 진행하려면 --yes를 붙이십시오</translation>
    </message>
    <message id="tool.format_backup">
        <source>backup of config.bin: %1</source>
        <translation>config.bin 백업: %1</translation>
    </message>
    <message id="tool.format_cluster">
        <source>FAT32, cluster %1</source>
        <translation>FAT32, 할당 단위 %1</translation>
    </message>
    <message id="tool.volume_writable">
        <source>writable</source>
        <translation>쓰기 가능</translation>
    </message>
    <message id="tool.volume_read_only">
        <source>read-only</source>
        <translation>읽기 전용</translation>
    </message>
    <message id="tool.volume_whole_disk">
        <source>whole disk</source>
        <translation>디스크 전체</translation>
    </message>
    <message id="tool.volume_partition">
        <source>partition</source>
        <translation>파티션</translation>
    </message>
    <message id="tool.volume_none">
        <source>no USB volume</source>
        <translation>USB 볼륨 없음</translation>
    </message>
    <message id="tool.volume_camera_card">
        <source>camera card: %1</source>
        <translation>카메라 카드: %1</translation>
    </message>
    <message id="tool.volume_no_card">
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message id="tool.help_help">
        <source>Show this help.</source>
        <translation>이 도움말을 보여 줍니다.</translation>
    </message>
    <message id="tool.help_verbose">
        <source>Print the diagnostic log on stderr.</source>
        <translation>진단 기록을 표준 오류로 출력합니다.</translation>
    </message>
    <message id="tool.help_json">
        <source>Print JSON.</source>
        <translation>JSON으로 출력합니다.</translation>
    </message>
    <message id="tool.missing_argument">
        <source>missing %1</source>
        <translation>%1이(가) 빠졌습니다</translation>
    </message>
    <message id="tool.unexpected_argument">
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>예상하지 못한 인자 &quot;%1&quot;</translation>
    </message>
    <message id="tool.usage_refused">
        <source>%1; usage: %2 (see tavik-tool %3 --help)</source>
        <translation>%1; 사용법: %2 (tavik-tool %3 --help 참고)</translation>
    </message>
    <message id="writers.device_not_writable">
        <source>the device is not a writable file</source>
        <translation>쓸 수 있는 파일이 아닙니다</translation>
    </message>
    <message id="writers.not_open">
        <source>the recording is not open</source>
        <translation>녹화 파일이 열려 있지 않습니다</translation>
    </message>
    <message id="writers.over_4_gib">
        <source>the recording would exceed 4 GiB</source>
        <translation>녹화 파일이 4 GiB를 넘게 됩니다</translation>
    </message>
    <message id="writers.headers_unwritten">
        <source>cannot rewrite the headers</source>
        <translation>헤더를 다시 쓸 수 없습니다</translation>
    </message>
    <message id="writers.card_folder_not_empty">
        <source>not empty; the sample card is only written into an empty folder</source>
        <translation>비어 있지 않습니다; 샘플 카드는 빈 폴더에만 씁니다</translation>
    </message>
    <message id="tool.democard_bad_length">
        <source>--%1: bad value &quot;%2&quot; (recordings last 4 s to 60 min)</source>
        <translation>--%1: 잘못된 값 &quot;%2&quot; (녹화 파일은 4초에서 60분까지)</translation>
    </message>
    <message id="tool.democard_wrote">
        <source>wrote %1</source>
        <translation>%1 씀</translation>
    </message>
    <message id="tool.democard_done">
        <source>sample card in %1: %2 files, %3 MB, %4 s</source>
        <translation>%1의 샘플 카드: 파일 %2개, %3 MB, %4초</translation>
    </message>
    <message id="viewer.help">
        <source>Plays the front and rear recordings of a dash camera in step.</source>
        <translation>블랙박스의 전방과 후방 녹화를 나란히 맞춰 재생합니다.</translation>
    </message>
    <message id="viewer.help_folder">
        <source>A folder of recordings (the camera's card), or a recording to play.</source>
        <translation>녹화 파일 폴더(카메라의 카드) 또는 재생할 녹화 파일.</translation>
    </message>
    <message id="viewer.help_settings">
        <source>Open only the camera's settings window; with a folder (or a config.bin), edit the settings file found there instead of the card's.</source>
        <translation>카메라 설정 창만 엽니다; 폴더(또는 config.bin)를 주면 카드의 설정 대신 거기 있는 설정 파일을 고칩니다.</translation>
    </message>
    <message id="progress.minutes_fmt">
        <source>About %1 minutes remaining</source>
        <translation>약 %1분 남음</translation>
    </message>
    <message id="progress.ten_minutes">
        <source>About ten minutes remaining</source>
        <translation>약 10분 남음</translation>
    </message>
    <message id="progress.nine_minutes">
        <source>About nine minutes remaining</source>
        <translation>약 9분 남음</translation>
    </message>
    <message id="progress.eight_minutes">
        <source>About eight minutes remaining</source>
        <translation>약 8분 남음</translation>
    </message>
    <message id="progress.seven_minutes">
        <source>About seven minutes remaining</source>
        <translation>약 7분 남음</translation>
    </message>
    <message id="progress.six_minutes">
        <source>About six minutes remaining</source>
        <translation>약 6분 남음</translation>
    </message>
    <message id="progress.five_minutes">
        <source>About five minutes remaining</source>
        <translation>약 5분 남음</translation>
    </message>
    <message id="progress.four_minutes">
        <source>About four minutes remaining</source>
        <translation>약 4분 남음</translation>
    </message>
    <message id="progress.three_minutes">
        <source>About three minutes remaining</source>
        <translation>약 3분 남음</translation>
    </message>
    <message id="progress.two_minutes">
        <source>About two minutes remaining</source>
        <translation>약 2분 남음</translation>
    </message>
    <message id="progress.one_minute">
        <source>About one minute remaining</source>
        <translation>약 1분 남음</translation>
    </message>
    <message id="progress.under_a_minute">
        <source>Less than a minute remaining</source>
        <translation>1분 미만 남음</translation>
    </message>
    <message id="progress.ten_seconds">
        <source>About ten seconds remaining</source>
        <translation>약 10초 남음</translation>
    </message>
    <message id="progress.five_seconds">
        <source>About five seconds remaining</source>
        <translation>약 5초 남음</translation>
    </message>
    <message id="map.offline_note">
        <source>Map tiles unavailable (offline) — showing coordinates only</source>
        <translation>지도 타일을 불러올 수 없음(오프라인) — 좌표만 표시</translation>
    </message>
    <message id="map.no_gps">
        <source>No GPS data in this recording</source>
        <translation>이 녹화에는 GPS 데이터가 없습니다</translation>
    </message>
    <message id="map.event_label">
        <source>Event %1</source>
        <translation>이벤트 %1</translation>
    </message>
    <!-- tool help and writers: end -->
    <!-- -->
    <!-- index window: begin -->
    <message id="index.all_drives_tip">
        <source>Show every drive of the card on the map</source>
        <translation>카드의 모든 주행을 지도에 표시</translation>
    </message>
    <message id="index.close_passes">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="index.speed_kmh_fmt">
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message id="index.offset_fmt">
        <source>at %1 s</source>
        <translation>%1초 지점</translation>
    </message>
    <message id="index.compass_n">
        <source>N</source>
        <translation>북</translation>
    </message>
    <message id="index.compass_ne">
        <source>NE</source>
        <translation>북동</translation>
    </message>
    <message id="index.compass_e">
        <source>E</source>
        <translation>동</translation>
    </message>
    <message id="index.compass_se">
        <source>SE</source>
        <translation>남동</translation>
    </message>
    <message id="index.compass_s">
        <source>S</source>
        <translation>남</translation>
    </message>
    <message id="index.compass_sw">
        <source>SW</source>
        <translation>남서</translation>
    </message>
    <message id="index.compass_w">
        <source>W</source>
        <translation>서</translation>
    </message>
    <message id="index.compass_nw">
        <source>NW</source>
        <translation>북서</translation>
    </message>
    <message id="index.compass_unknown">
        <source>—</source>
        <translation>—</translation>
    </message>
    <message id="index.checking">
        <source>Checking the card’s index…</source>
        <translation>카드 색인 확인 중…</translation>
    </message>
    <message id="index.passes_fmt">
        <source>Passes here: %1</source>
        <translation>여기를 지난 횟수: %1</translation>
    </message>
    <!-- index window: end -->
    <!-- -->
    <!-- clip marks: begin -->
    <message id="clip.done">
        <source>The clip is written: %1</source>
        <translation>클립을 저장했습니다: %1</translation>
    </message>
    <message id="clip.play">
        <source>Play Clip</source>
        <translation>클립 재생</translation>
    </message>
    <message id="clip.show_folder">
        <source>Show in Folder</source>
        <translation>폴더에서 보기</translation>
    </message>
    <message id="clip.close">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="clip.marks_in_use">
        <source>From the marks on the position slider</source>
        <translation>재생 위치 막대의 표시 구간</translation>
    </message>
    <message id="tool.clip_bad_layout">
        <source>--layout: unknown layout &quot;%1&quot;</source>
        <translation>--layout: 알 수 없는 배치 &quot;%1&quot;</translation>
    </message>
    <message id="tool.clip_bad_corner">
        <source>--corner: unknown corner &quot;%1&quot;</source>
        <translation>--corner: 알 수 없는 모서리 &quot;%1&quot;</translation>
    </message>
    <message id="tool.clip_bad_quality">
        <source>--quality: bad value &quot;%1&quot; (0 to 51)</source>
        <translation>--quality: 잘못된 값 &quot;%1&quot; (0에서 51)</translation>
    </message>
    <message id="tool.clip_bad_sound">
        <source>--sound: front or rear, not &quot;%1&quot;</source>
        <translation>--sound: &quot;%1&quot;이 아니라 front 또는 rear</translation>
    </message>
    <message id="tool.clip_from_and_to">
        <source>--from and --to go together</source>
        <translation>--from과 --to는 함께 써야 합니다</translation>
    </message>
    <message id="tool.clip_bad_time">
        <source>--%1: &quot;%2&quot; is not yyyy-MM-dd HH:mm:ss</source>
        <translation>--%1: &quot;%2&quot;은(는) yyyy-MM-dd HH:mm:ss 형식이 아닙니다</translation>
    </message>
    <!-- clip marks: end -->
    <!-- -->
    <!-- world ready: begin -->
    <message id="map.view_name">
        <source>Map</source>
        <translation>지도</translation>
    </message>
    <message id="map.settings_action">
        <source>Map settings…</source>
        <translation>지도 설정…</translation>
    </message>
    <message id="map.settings_title">
        <source>Map</source>
        <translation>지도</translation>
    </message>
    <message id="map.tile_url">
        <source>Tile server:</source>
        <translation>타일 서버:</translation>
    </message>
    <message id="map.tile_url_hint">
        <source>Empty: the default server</source>
        <translation>비워 두면 기본 서버</translation>
    </message>
    <message id="map.attribution">
        <source>Attribution:</source>
        <translation>저작권 표시:</translation>
    </message>
    <message id="map.attribution_hint">
        <source>Whose map the tiles show, as its licence asks</source>
        <translation>타일 지도의 저작권자 (라이선스가 요구하는 표시)</translation>
    </message>
    <message id="map.cache_size">
        <source>Disk cache:</source>
        <translation>디스크 캐시:</translation>
    </message>
    <message id="map.cache_unit">
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message id="map.clear_cache">
        <source>Clear map cache</source>
        <translation>지도 캐시 지우기</translation>
    </message>
    <message id="map.cache_cleared">
        <source>The map tiles kept on disk are deleted.</source>
        <translation>디스크에 저장된 지도 타일을 삭제했습니다.</translation>
    </message>
    <message id="map.default_server">
        <source>Default server</source>
        <translation>기본 서버</translation>
    </message>
    <message id="map.tile_url_places">
        <source>The tile server address needs the places {z}, {x} and {y}.</source>
        <translation>타일 서버 주소에는 {z}, {x}, {y} 자리가 있어야 합니다.</translation>
    </message>
    <message id="map.tile_url_invalid">
        <source>The tile server address must be an http or https address.</source>
        <translation>타일 서버 주소는 http 또는 https 주소여야 합니다.</translation>
    </message>
    <message id="map.settings_unsaved">
        <source>The map settings could not be saved.</source>
        <translation>지도 설정을 저장하지 못했습니다.</translation>
    </message>
    <message id="access.clock_button">
        <source>Set the camera’s clock</source>
        <translation>카메라 시계 맞추기</translation>
    </message>
    <message id="access.settings_button">
        <source>Camera settings</source>
        <translation>카메라 설정</translation>
    </message>
    <message id="access.minimize">
        <source>Minimise</source>
        <translation>최소화</translation>
    </message>
    <message id="access.close">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="access.position">
        <source>Position in the recording</source>
        <translation>재생 위치</translation>
    </message>
    <message id="access.volume">
        <source>Volume</source>
        <translation>음량</translation>
    </message>
    <message id="access.trip_list">
        <source>Recordings by trip</source>
        <translation>주행별 녹화 영상</translation>
    </message>
    <message id="access.driving_log">
        <source>Records of the driving log</source>
        <translation>주행 기록 목록</translation>
    </message>
    <message id="access.date">
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message id="access.time">
        <source>Time of day</source>
        <translation>시각</translation>
    </message>
    <!-- world ready: end -->
    <!-- -->
</context>
</TS>
