// The settings pages as a keyboard and a careful eye find them: the G-sensor fields follow the
// sensor, a refused switch keeps the selector, the Tab order, and nothing jumps or surprises.
#include "app/card/TVKFormatWindowController.h"
#include "app/controls/TKSegmentedControl.h"
#include "app/settings/TVKLoadingSheet.h"
#include "core/settings/TVKValidator.h"
#include "settingswindowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

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
        window->changeViewController(1);
        QWidget *page = window->targetController();
        for (const QString &name : driving())
            QTEST(page->findChild<QLineEdit *>(name)->isEnabled(), "editable");
        window->changeViewController(2);
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
        window->changeViewController(1);
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

    // A switch the page refuses leaves the selector on the page that stays.
    void refusedSwitchKeepsTheSelector_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("change");
        QTest::newRow("threshold out of range")
            << 1 << "text:gsensorSensitivityThresholdYDrivingField=0.01";
        QTest::newRow("card share") << 3 << "slider:memeryRatioSlider=9";
        QTest::newRow("short network name") << 3 << "text:ssidLabel=abcde";
    }

    void refusedSwitchKeepsTheSelector()
    {
        QFETCH(int, page);
        QFETCH(QString, change);
        SettingsCard card(recordBytes());
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        window->changeViewController(page);
        if (page == 1)
            applyChange(window->targetController(), "seg:gsensorSensitivityDrivingSeg=5");
        applyChange(window->targetController(), change);
        auto *selector = window->findChild<TKSegmentedControl *>("functionSegmentedControl");
        selector->findChild<QPushButton *>("segment5")->click();
        QVERIFY(!dismissAlert(*window).isEmpty());
        QCOMPARE(int(window->lastSelectedTabIndex()), page);
        QCOMPARE(selector->selectedSegment(), page);
        for (int segment = 0; segment < selector->segmentCount(); ++segment)
            QCOMPARE(selector->findChild<QPushButton *>(QStringLiteral("segment%1").arg(segment))
                         ->isChecked(),
                     segment == page);
    }

    // Tab from the selector goes through the Basic page as it reads, one stop per row of
    // segments, before the window's buttons; Enter at the start opens nothing.
    void keyboard()
    {
        SettingsCard card(recordBytes());
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *selector = window->findChild<TKSegmentedControl *>("functionSegmentedControl");
        QCOMPARE(QApplication::focusWidget(), selector);
        QTest::keyClick(selector, Qt::Key_Return);
        QTest::keyClick(selector, Qt::Key_Enter);
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TVKFormatWindowController *>(top) || !top->isVisible());

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
        window->changeViewController(3);
        QWidget *page = window->targetController();
        QCoreApplication::processEvents();
        const QList<TKSegmentedControl *> controls = page->findChildren<TKSegmentedControl *>();
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
