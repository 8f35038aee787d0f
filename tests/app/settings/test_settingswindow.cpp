#include "app/controls/SegmentedButtons.h"
#include "core/settings/ValueChecks.h"
#include "settingswindowfixture.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

class TestSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplicationTest(); }

    // Every control of every page changed through the window, saved, and compared with what
    // the command line writes for the same names and values.
    void savedLikeTheTool_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("assignments");
        QTest::newRow("video") << 0 << QStringList{"seg:videoEncodingBitrate=2",
                                                   "seg:videoBrightness=4",
                                                   "seg:videoEncodingBitrateRear=0",
                                                   "seg:videoBrightnessRear=0",
                                                   "seg:flipVideoRealSeg=1",
                                                   "seg:rearfpsSeg=1",
                                                   "seg:frontTinting=3",
                                                   "seg:rearTinting=2"}
                               << QStringList{"vid_enc_bitrate=2",   "vid_brightness=4",
                                              "vid_enc_bitrate_R=0", "vid_brightness_R=0",
                                              "flip_video=1",        "rear_fps=1",
                                              "front_cpl_use=3",     "rear_cpl_use=2"};
        QTest::newRow("basic") << 1
                               << QStringList{"seg:osdOptionSeg=3",
                                              "seg:alwaysModeTimeoutSeg=8",
                                              "seg:gsensorSensitivityDrivingSeg=0",
                                              "seg:gsensorSensitivityParkingSeg=5",
                                              "text:gsensorSensitivityThresholdXParkingField=0.29",
                                              "text:gsensorSensitivityThresholdYParkingField=0.57",
                                              "text:gsensorSensitivityThresholdZParkingField=1.5",
                                              "chk:frontLedOffChk=0",
                                              "chk:rearLedOffChk=0",
                                              "seg:compositeModeSeg=1",
                                              "text:carNumberField=12 가 3456-78",
                                              "combo:powerVoltageCombo=3",
                                              "combo:powerTimeCombo=7",
                                              "chk:useExternalPowerChk=1",
                                              "combo:cableLossCombo=0",
                                              "chk:gsensorEnableChk=0"}
                               << QStringList{"disp_segment_mode=3",
                                              "always_mode_timeout=600",
                                              "gsen_x_threshold=70",
                                              "gsen_y_threshold=65",
                                              "gsen_z_threshold=65",
                                              "parkmode_x_threshold=29",
                                              "parkmode_y_threshold=57",
                                              "parkmode_z_threshold=150",
                                              "ledoff=1",
                                              "ledoff_rear=1",
                                              "composite_mode=1",
                                              "szPlateNumber=12345678",
                                              "sd_mem_always_reserved=11500",
                                              "sd_mem_motion_reserved=48",
                                              "sd_mem_event_reserved=1",
                                              "CableVoltCorr=1",
                                              "g_sensor_enable=0"};
        QTest::newRow("empty car number")
            << 1 << QStringList{"text:carNumberField=-/-"} << QStringList{"szPlateNumber="};
        QTest::newRow("gps") << 2
                             << QStringList{"seg:drivingDaySeg=7",      "seg:speedDisplayUnitSeg=1",
                                            "seg:osdSpeedDisplaySeg=0", "combo:timeGmtCombo=22",
                                            "chk:summerTimeChk=1",      "seg:saveDurationSeg=7",
                                            "seg:nightTimeSeg=1"}
                             << QStringList{"nodriving_day=7",  "speed_disp_unit=1",
                                            "osd_speed_flag=0", "time_gmt=22",
                                            "summer_time=1",    "SaveDuration=7",
                                            "NightTime=1"};
        QTest::newRow("auxiliary")
            << 3 << QStringList{"slider:memeryRatioSlider=4",      "seg:dayTimeAESeg=2",
                                "seg:lcdAutoPowerOffSeg=3",        "seg:gammaSeg=1",
                                "seg:lcdBrightnessSeg=2",          "seg:lcdNightBrightnessSeg=0",
                                "seg:parkingRearOffSeg=0",         "seg:lcdScreenSaverSeg=2",
                                "seg:parkingAlarmSeg=0",           "seg:recordingLengthSeg=0",
                                "radio:pipPositionRadio00",        "seg:autoFormatSeg=4",
                                "text:ssidLabel=SixteenCharName1", "text:passwordLabel=secret123",
                                "combo:wifiChannelCombo=13"}
            << QStringList{"sd_mem_always_ratio=40",
                           "DayTime=2",
                           "lcd_autopoweroff=3",
                           "Gamma=1",
                           "lcd_brightness=2",
                           "lcd_brightness_night=0",
                           "parking_rear_off=1",
                           "lcd_screensaver=2",
                           "parking_alarm=0",
                           "always_mode_recording_time=0",
                           "pip_position=2",
                           "autoFormatAlarm=4",
                           "wifi_ssid=SixteenCharName1",
                           "wifi_password=secret123",
                           "wifi_channel=13"};
        QTest::newRow("motion") << 4
                                << QStringList{"seg:frontSensitivitySeg=5",
                                               "seg:rearSensitivitySeg=1",
                                               "chk:frontMotionBlock01Chk=0",
                                               "chk:rearMotionBlock12Chk=0"}
                                << QStringList{"motion720pCValue=5", "motion1080pCValue=1",
                                               "motionBlock=352", "motionBlock_Rear=104"};
        QTest::newRow("audio") << 5
                               << QStringList{"seg:micSeg=0", "seg:speakerSeg=3",
                                              "chk:useEveryHourNoticeChk=0",
                                              "radio:voiceLangRadio08"}
                               << QStringList{"aud_input_vol=0", "aud_output_vol=3",
                                              "alarm_ontime_flag=0", "Brightness1=8"};
        QTest::newRow("Malaysia") << 5 << QStringList{"radio:malaysiaRadio"}
                                  << QStringList{"Brightness1=20"};
    }

    void savedLikeTheTool()
    {
        QFETCH(int, page);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, assignments);
        SettingsCard card(recordBytes());
        const QString reference = card.dir.filePath(QStringLiteral("reference.bin"));
        QVERIFY(QFile::copy(card.configPath(), reference));
        const ProcessRun tool = runTool(QStringList{"config", "set", reference} + assignments);
        QVERIFY2(tool.status == 0, tool.err.constData());

        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->showPage(page);
        for (const QString &change : changes)
            applyChange(window->targetController(), change);
        window->onSave();
        QCOMPARE(dismissAlert(*window), card.configPath() + "|The file has been saved.");
        QVERIFY(!window->isVisible());
        QCOMPARE(readFile(card.configPath()), readFile(reference));
    }
    void pagesAndCancel()
    {
        SettingsCard card(recordBytes());
        const QByteArray before = readFile(card.configPath());
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        QWidget *video = window->targetController();
        window->showPage(0); // the page already shown: nothing happens
        QCOMPARE(window->targetController(), video);

        window->showPage(1);
        applyChange(window->targetController(), "seg:osdOptionSeg=3");
        window->showPage(3);
        window->showPage(1); // a fresh page, showing the value kept in the record
        const auto *segments =
            window->targetController()->findChild<SegmentedButtons *>("osdOptionSeg");
        QCOMPARE(segments->selectedSegment(), 3);
        window->onCloseCmd();
        QCOMPARE(readFile(card.configPath()), before);
    }

    void restoreDefaults()
    {
        SettingsCard card(recordBytes([](SettingsRecord &r) {
            r.time_gmt = 22;
            r.summer_time = 1;
            r.vid_enc_bitrate = 0;
            r.nodriving_day = 4;
        }));
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->showPage(2);
        window->onSaveDefaultSetting();
        const auto *day =
            window->targetController()->findChild<SegmentedButtons *>("drivingDaySeg");
        QCOMPARE(day->selectedSegment(), 0);
        window->showPage(0); // another page's field was reset too
        const auto *quality =
            window->targetController()->findChild<SegmentedButtons *>("videoEncodingBitrate");
        QCOMPARE(quality->selectedSegment(), 1);
        QCOMPARE(window->filedata()->time_gmt, 22);
        QCOMPARE(window->filedata()->summer_time, 1u);
    }

    // Without a card file the record takes the computer's zone; the title names the file only
    // when there is one.
    void zoneAndTitle_data()
    {
        QTest::addColumn<QString>("bus"); // empty: no card at all
        QTest::addColumn<int>("offset");  // the computer's zone, seconds east of Greenwich
        QTest::addColumn<int>("timeGmt");
        QTest::addColumn<bool>("titled");
        QTest::newRow("+9:00") << "" << 9 * 3600 << 28 << false;
        QTest::newRow("+8:45") << "" << 8 * 3600 + 2700 << -1 << false;
        QTest::newRow("USB card") << "usb" << 9 * 3600 << 7 << true;
        QTest::newRow("built-in SD slot") << "mmc" << 9 * 3600 << 7 << true;
    }

    void zoneAndTitle()
    {
        QFETCH(QString, bus);
        QFETCH(int, offset);
        SettingsCard card(bus.isEmpty() ? QByteArray()
                                        : recordBytes([](SettingsRecord &r) { r.time_gmt = 7; }),
                          bus.isEmpty() ? QStringLiteral("usb") : bus);
        if (bus.isEmpty())
            card.volumes.setJson(recordedLsblk("lsblk-vm.json"));
        auto window = card.open(QTimeZone(offset));
        QVERIFY(firstPageShown(*window));
        QTEST(window->filedata()->time_gmt, "timeGmt");
        QTEST(window->windowTitle().endsWith(" : " + card.configPath()), "titled");
    }

    void saveWithoutCard()
    {
        SettingsCard card({});
        card.volumes.setJson(recordedLsblk("lsblk-vm.json"));
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->onSave();
        auto *panel = window->findChild<QFileDialog *>("savePanel");
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->windowTitle(), "Save Settings");
        QCOMPARE(panel->directory().path(), card.dir.path());
        QCOMPARE(panel->selectedFiles().value(0), card.configPath());
        panel->reject();
        QVERIFY(window->isVisible());
        QVERIFY(!QFile::exists(card.configPath()));
    }

    // Input a page cannot store keeps the user on it, and the selector with it, with the page's
    // message.
    void warnings_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<int>("stays"); // the page shown afterwards
        const QString refused = tvk::text("setting.input_refused") + '|';
        const QString range =
            refused + ValueChecks::validateGsensorThreshold("0.01").failure().message();
        QTest::newRow("custom threshold")
            << 1 << "text:gsensorSensitivityThresholdYDrivingField=0.01" << range << 1;
        QTest::newRow("card share") << 3 << "slider:memeryRatioSlider=9"
                                    << refused + tvk::text("msg.sdcard_ratio_too_low") << 3;
        QTest::newRow("short network name")
            << 3 << "text:ssidLabel=abcde"
            << "Warning|" + tvk::text("setting.aux.ssid_length") << 3;
        QTest::newRow("space in network name")
            << 3 << "text:ssidLabel=abc def"
            << "Warning|" + tvk::text("setting.aux.ssid_invalid") << 3;
        QTest::newRow("short password")
            << 3 << "text:passwordLabel=1234567"
            << "Warning|" + tvk::text("setting.aux.password_length") << 3;
        QTest::newRow("external power")
            << 1 << "combo:powerVoltageCombo=2"
            << "Warning|" + tvk::text("msg.use_external_power_10v") << 2;
    }

    void warnings()
    {
        QFETCH(int, page);
        QFETCH(QString, change);
        SettingsCard card(recordBytes());
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->showPage(page);
        if (page == 1)
            applyChange(window->targetController(), "seg:gsensorSensitivityDrivingSeg=5");
        applyChange(window->targetController(), change);
        auto *selector = window->findChild<SegmentedButtons *>("functionSegmentedControl");
        selector->findChild<QPushButton *>("segment2")->click();
        QTEST(dismissAlert(*window), "alert");
        QFETCH(int, stays);
        QCOMPARE(int(window->lastSelectedTabIndex()), stays);
        for (int segment = 0; segment < selector->segmentCount(); ++segment)
            QCOMPARE(selector->findChild<QPushButton *>(QStringLiteral("segment%1").arg(segment))
                         ->isChecked(),
                     segment == stays);
    }

    // Bad input still opens; what no control can show is kept as it was.
    void badInputKept()
    {
        QByteArray bytes = recordBytes([](SettingsRecord &r) {
            r.vid_enc_bitrate = 5;
            r.disp_segment_mode = 7;
            r.time_gmt = 40;
            r.CableVoltCorr = 9;
            r.Brightness1 = 30;
        });
        bytes[2] = 0x34; // a checksum that does not match
        SettingsCard card(bytes);
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        auto *status = window->findChild<QLabel *>("statusField");
        QVERIFY(status->isVisibleTo(window.get()));
        QVERIFY(status->text().contains("checksum"));
        for (int page = 1; page <= 5; ++page)
            window->showPage(page);
        window->onSave();
        QCOMPARE(dismissAlert(*window).section(u'|', 1), "The file has been saved.");
        const auto read = readRecord(card.configPath());
        QVERIFY(read.ok());
        const SettingsRecord &saved = *read;
        QCOMPARE(saved.vid_enc_bitrate, 5u);
        QCOMPARE(saved.disp_segment_mode, 7u);
        QCOMPARE(saved.time_gmt, 40);
        QCOMPARE(saved.CableVoltCorr, 9u);
        QCOMPARE(saved.Brightness1, 30u);
        QCOMPARE(saved.checksum, computeChecksum(saved));

        SettingsCard stamped(recordBytes()); // the camera's unstamped default: no complaint
        auto quiet = stamped.open();
        QVERIFY(firstPageShown(*quiet));
        QVERIFY(!quiet->findChild<QLabel *>("statusField")->isVisibleTo(quiet.get()));
    }

    void openAnotherFile()
    {
        SettingsCard card({});
        card.volumes.setJson(recordedLsblk("lsblk-vm.json"));
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        QVERIFY(window->findChild<QPushButton *>("openButton")->isVisible());
        const QString odd = card.dir.filePath("odd.bin");
        writeFile(odd, QByteArray(427, '\0'));
        const tvk::Result<void> refused = window->openSettingFile(odd);
        QVERIFY(!refused);
        QCOMPARE(refused.failure().subject, odd);
        QCOMPARE(refused.failure().args, QStringList{"427"});
        writeFile(card.configPath(), recordBytes([](SettingsRecord &r) { r.vid_enc_bitrate = 2; }));
        QVERIFY(window->openSettingFile(card.dir.path()));
        QVERIFY(window->windowTitle().endsWith(" : " + card.configPath()));
        window->onSave(); // back where it came from, no save panel
        QCOMPARE(dismissAlert(*window), card.configPath() + "|The file has been saved.");
        const auto saved = readRecord(card.configPath());
        QVERIFY(saved.ok());
        QCOMPARE(saved->vid_enc_bitrate, 2u);
    }

    // A write that fails leaves the old file whole and says so.
    void failedSave_data()
    {
        QTest::addColumn<QString>("mount"); // empty: the card's own folder under a size limit
        QTest::newRow("folder nobody may write") << "/proc";
        QTest::newRow("short write") << "";
    }

    void failedSave()
    {
        QFETCH(QString, mount);
        SettingsCard card(recordBytes());
        const QByteArray before = readFile(card.configPath());
        if (!mount.isEmpty())
            card.volumes.setJson(lsblkJsonFor({{"sdb1", "TAVIK", mount}}));
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->showPage(1);
        applyChange(window->targetController(), "seg:osdOptionSeg=3");
        {
            FileSizeLimit limit(mount.isEmpty() ? 100 : RLIM_INFINITY);
            window->onSave();
        }
        QCOMPARE(dismissAlert(*window), "Warn|" + tvk::text("msg.write_protected_disk"));
        QVERIFY(window->isVisible());
        QCOMPARE(readFile(card.configPath()), before);
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "test_settingswindow.moc"
