// The clock window on a card folder: where it writes, the two time controls in step, the
// today box, and a write that fails.
#include "app/apptestsetup.h"
#include "app/card/TVKTimeSetupController.h"
#include "app/controls/TKClockFaceView.h"
#include "app/settings/settingswindowfixture.h"
#include "core/card/TimeSetFile.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFileDialog>
#include <QTimeEdit>

class TestClockWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplicationTest(); }

    void writesTheCardsFile()
    {
        SettingsCard card({});
        const QString path = card.dir.filePath("timeset.cfg");
        writeFile(path, "2001/01/01 00:00:00 and an old tail");
        TVKTimeSetupController window(&card.volumes);
        window.showWindow();
        QCOMPARE(window.settingFilePath(), path);
        window.onSaveConfigFile();
        QCOMPARE(dismissAlert(window), "TAVIK|" + tvk::text("time.filesave"));
        QVERIFY(!window.isVisible());
        // The time of opening, 19 bytes, nothing of the old tail.
        QCOMPARE(readFile(path), *timesetText(window.selectedDate(), window.selectedTime()));
        QCOMPARE(readFile(path).size(), 19);
    }

    void asksWhereWithoutACardFile()
    {
        SettingsCard card({});
        TVKTimeSetupController window(&card.volumes);
        window.showWindow();
        QVERIFY(window.settingFilePath().isEmpty());
        window.onSaveConfigFile();
        auto *panel = window.findChild<QFileDialog *>("savePanel");
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(QFileInfo(panel->selectedFiles().value(0)).fileName(), "timeset.cfg");
        panel->reject();
        QVERIFY(window.isVisible());
    }

    void timeControlsInStep()
    {
        SettingsCard card({});
        TVKTimeSetupController window(&card.volumes);
        window.showWindow();
        auto *text = window.findChild<QTimeEdit *>("timePicker");
        auto *face = window.findChild<TKClockFaceView *>("clockTimePicker");
        text->setTime(QTime(22, 15, 0));
        QCOMPARE(face->time(), QTime(22, 15, 0));
        // The minute hand points to 3 o'clock; dragged to 6 o'clock it shows half past.
        const QPointF centre = QRectF(face->rect()).center();
        const double r = qMin(face->width(), face->height()) / 2.0 * 0.6;
        QTest::mousePress(face, Qt::LeftButton, {}, (centre + QPointF(r, 0)).toPoint());
        QTest::mouseMove(face, (centre + QPointF(0, r)).toPoint());
        QTest::mouseRelease(face, Qt::LeftButton, {}, (centre + QPointF(0, r)).toPoint());
        QCOMPARE(text->time(), QTime(22, 30, 0));
        QCOMPARE(window.selectedTime(), QTime(22, 30, 0));
    }

    void todayBox()
    {
        SettingsCard card({});
        TVKTimeSetupController window(&card.volumes);
        window.showWindow();
        window.findChild<QCalendarWidget *>("datePicker")->setSelectedDate(QDate(2020, 2, 29));
        QCOMPARE(window.selectedDate(), QDate(2020, 2, 29));
        const QTime time = window.selectedTime();
        auto *today = window.findChild<QCheckBox *>("nowDaySettingChk");
        today->click();
        QCOMPARE(window.selectedDate(), QDate::currentDate());
        QCOMPARE(window.selectedTime(), time);
        QVERIFY(today->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(!today->isChecked(), 1000);
    }

    void failedWriteIsShown()
    {
        SettingsCard card({});
        TVKTimeSetupController window(&card.volumes);
        window.showWindow();
        window.doWriteConfigFile("/proc/timeset.cfg");
        QVERIFY(dismissAlert(window).startsWith("Warn|/proc/timeset.cfg"));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestClockWindow)
#include "test_clockwindow.moc"
