// The settings pages as a keyboard and a careful eye find them: the G-sensor fields follow the
// sensor, the choices match the command line, the Tab order, and nothing jumps or surprises.
#include "app/card/FormatWindow.h"
#include "app/controls/SegmentedButtons.h"
#include "app/settings/LoadingOverlay.h"
#include "core/settings/FileDataFields.h"
#include "core/settings/SettingValues.h"
#include "core/settings/ValueChecks.h"
#include "settingswindowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>

namespace {

QStringList driving()
{
    return {"gsensorSensitivityThresholdXDrivingField", "gsensorSensitivityThresholdYDrivingField",
            "gsensorSensitivityThresholdZDrivingField"};
}

} // namespace

class TestSettingsPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplicationTest(); }

    // Custom thresholds out of range on a card whose sensor is off: nothing to hold against the
    // page while the sensor stays off, and the stored thresholds stay as they were.
    void gsensorFieldsFollowTheSensor_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<int>("shown"); // the page after asking for page 2
        QTest::newRow("sensor off") << false << false << 2;
        QTest::newRow("sensor on") << true << true << 1;
    }

    void gsensorFieldsFollowTheSensor()
    {
        QFETCH(bool, on);
        SettingsCard card(recordBytes([on](SettingsRecord &r) {
            r.g_sensor_enable = on ? 1 : 0;
            r.gsen_x_threshold = 2;
            r.gsen_y_threshold = r.gsen_z_threshold = 40;
        }));
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->showPage(1);
        QWidget *page = window->targetController();
        for (const QString &name : driving())
            QTEST(page->findChild<QLineEdit *>(name)->isEnabled(), "editable");
        window->showPage(2);
        if (on)
            QVERIFY(!dismissAlert(*window).isEmpty());
        QTEST(int(window->lastSelectedTabIndex()), "shown");
        if (!on)
            QCOMPARE(window->filedata()->gsen_x_threshold, 2);
    }

    void switchingTheSensorOffDisablesCustomFields()
    {
        SettingsCard card(recordBytes());
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->showPage(1);
        QWidget *page = window->targetController();
        applyChange(page, "chk:gsensorEnableChk=1");
        applyChange(page, "seg:gsensorSensitivityDrivingSeg=5");
        QVERIFY(page->findChild<QLineEdit *>(driving().first())->isEnabled());
        applyChange(page, "chk:gsensorEnableChk=0");
        for (const QString &name : driving())
            QVERIFY(!page->findChild<QLineEdit *>(name)->isEnabled());
        applyChange(page, "chk:gsensorEnableChk=1");
        QVERIFY(page->findChild<QLineEdit *>(driving().first())->isEnabled());
    }

    // What a page offers for a field is exactly what `tavik-tool config set` takes for it:
    // every choice stores a value the command line accepts, and it accepts no other value up
    // to `highest`.
    void choicesAreWhatTheCommandLineTakes_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("highest");
        QTest::newRow("cut-off voltage") << 1 << "combo:powerVoltageCombo"
                                         << "sd_mem_always_reserved" << 13000;
        QTest::newRow("parking hours") << 1 << "combo:powerTimeCombo"
                                       << "sd_mem_motion_reserved" << 100;
        QTest::newRow("cable loss") << 1 << "combo:cableLossCombo"
                                    << "CableVoltCorr" << 100;
        QTest::newRow("parking wait") << 1 << "seg:alwaysModeTimeoutSeg"
                                      << "always_mode_timeout" << 1000;
        QTest::newRow("segment display") << 1 << "seg:osdOptionSeg"
                                         << "disp_segment_mode" << 100;
        QTest::newRow("Wi-Fi channel") << 3 << "combo:wifiChannelCombo"
                                       << "wifi_channel" << 100;
        QTest::newRow("screen off") << 3 << "seg:lcdAutoPowerOffSeg"
                                    << "lcd_autopoweroff" << 100;
        QTest::newRow("format reminder") << 3 << "seg:autoFormatSeg"
                                         << "autoFormatAlarm" << 100;
    }

    void choicesAreWhatTheCommandLineTakes()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, field);
        QFETCH(int, highest);
        SettingsCard card(recordBytes());
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->showPage(page);
        QWidget *shown = window->targetController();
        const QString name = control.section(u':', 1);
        auto *combo = shown->findChild<QComboBox *>(name);
        const int choices =
            combo ? combo->count() : shown->findChild<SegmentedButtons *>(name)->segmentCount();
        QVERIFY(choices > 1);
        QSet<qint64> stored;
        for (int choice = 0; choice < choices; ++choice) {
            if (combo)
                combo->setCurrentIndex(choice); // not "activated": no alert for the external one
            else
                applyChange(shown, control + '=' + QString::number(choice));
            QVERIFY(window->populate());
            const qint64 value = fileDataFieldValue(*window->filedata(), field).toLongLong();
            SettingsRecord record = *window->filedata();
            QVERIFY2(setSettingValue(record, field, QString::number(value)),
                     qPrintable(QString::number(value)));
            stored.insert(value);
        }
        QCOMPARE(stored.size(), choices);
        int accepted = 0;
        SettingsRecord record = *window->filedata();
        for (int value = 0; value <= highest; ++value)
            accepted += setSettingValue(record, field, QString::number(value)) ? 1 : 0;
        QCOMPARE(accepted, choices);
    }

    // Tab from the selector goes through the Basic page as it reads, one stop per row of
    // segments, before the window's buttons; Enter at the start opens nothing.
    void keyboard()
    {
        SettingsCard card(recordBytes());
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *selector = window->findChild<SegmentedButtons *>("functionSegmentedControl");
        QCOMPARE(QApplication::focusWidget(), selector);
        QTest::keyClick(selector, Qt::Key_Return);
        QTest::keyClick(selector, Qt::Key_Enter);
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<FormatWindow *>(top) || !top->isVisible());

        QTest::keyClick(selector, Qt::Key_Right);
        QCOMPARE(window->lastSelectedTabIndex(), 1);
        QStringList stops;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << QApplication::focusWidget()->objectName();
        }
        const QStringList expected{"osdOptionSeg",
                                   "compositeModeSeg",
                                   "alwaysModeTimeoutSeg",
                                   "gsensorEnableChk",
                                   "gsensorSensitivityDrivingSeg",
                                   "gsensorSensitivityParkingSeg",
                                   "frontLedOffChk",
                                   "rearLedOffChk",
                                   "carNumberField"};
        QCOMPARE(stops.mid(0, expected.size()), expected);
        QVERIFY2(!stops.join(u' ').contains("segment"), qPrintable(stops.join(u' ')));
    }

    // The Advanced page keeps the room of its warning, so nothing moves when it appears.
    void warningDoesNotMoveThePage()
    {
        SettingsCard card(recordBytes());
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->showPage(3);
        QWidget *page = window->targetController();
        QCoreApplication::processEvents();
        const QList<SegmentedButtons *> controls = page->findChildren<SegmentedButtons *>();
        QList<QPoint> before;
        for (const QWidget *control : controls)
            before << control->mapTo(page, QPoint());
        applyChange(page, "slider:memeryRatioSlider=3");
        QVERIFY(page->findChild<QLabel *>("sdcardCapacityWarningLabel")->isVisible());
        QCoreApplication::processEvents();
        for (qsizetype i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->mapTo(page, QPoint()), before[i]);
    }

    void loadingSheetOffersNoWindowButtons()
    {
        SettingsCard card(recordBytes());
        auto window = card.open();
        const Qt::WindowFlags flags = window->loadingSheet()->windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(firstPageShown(*window));
    }
};

QTEST_MAIN(TestSettingsPages)
#include "test_settingspages.moc"
