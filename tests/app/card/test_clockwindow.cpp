// The clock window on a card folder: where it writes, the two time controls in step, the
// today box in the card's zone, the proposal, and a write that fails.
#include "app/apptestsetup.h"
#include "app/card/ClockWindow.h"
#include "app/controls/ClockFace.h"
#include "app/settings/settingswindowfixture.h"
#include "core/card/TimeSetFile.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QTimeEdit>
#include <QtMath>

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
        ClockWindow window(&card.volumes);
        window.showWindow();
        QCOMPARE(window.settingFilePath(), path);
        window.onSaveConfigFile();
        QCOMPARE(dismissAlert(window), tvk::text("time.saved") + '|' + tvk::text("time.filesave"));
        QVERIFY(!window.isVisible());
        // The time of opening, 19 bytes, nothing of the old tail.
        QCOMPARE(readFile(path), *timesetText(window.selectedDate(), window.selectedTime()));
        QCOMPARE(readFile(path).size(), 19);
    }

    void asksWhereWithoutACardFile()
    {
        SettingsCard card({});
        ClockWindow window(&card.volumes);
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
        ClockWindow window(&card.volumes);
        window.showWindow();
        auto *text = window.findChild<QTimeEdit *>("timePicker");
        auto *face = window.findChild<ClockFace *>("clockTimePicker");
        text->setTime(QTime(22, 15, 0));
        QCOMPARE(face->time(), QTime(22, 15, 0));
        QCOMPARE(window.selectedTime(), QTime(22, 15, 0));
    }

    void todayBox()
    {
        SettingsCard card({});
        ClockWindow window(&card.volumes);
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

    // With a proposal in the card's zone, "Today" is the card's today: one zone for the window.
    // Of a zone 14 h east and one 12 h west, at least one is on another date than UTC.
    void todayInTheCardsZone_data()
    {
        QTest::addColumn<int>("zone");
        QTest::newRow("UTC+14") << 14 * 3600;
        QTest::newRow("UTC-12") << -12 * 3600;
    }

    void todayInTheCardsZone()
    {
        QFETCH(int, zone);
        SettingsCard card({});
        ClockWindow window(&card.volumes);
        window.showWindow();
        QVERIFY(window.proposeCorrection(-8100, zone));
        window.findChild<QCalendarWidget *>("datePicker")->setSelectedDate(QDate(2020, 2, 29));
        auto *today = window.findChild<QCheckBox *>("nowDaySettingChk");
        const QDate cardToday = QDateTime::currentDateTimeUtc().addSecs(zone).date();
        // The box names the day it sets, not the day picked.
        QVERIFY2(today->text().contains(QLocale().toString(cardToday, QLocale::ShortFormat)),
                 qPrintable(today->text()));
        QVERIFY(
            !today->text().contains(QLocale().toString(QDate(2020, 2, 29), QLocale::ShortFormat)));
        today->click();
        QCOMPARE(window.selectedDate(), cardToday);
    }

    void proposalSaysHowFar_data()
    {
        QTest::addColumn<double>("offset");
        QTest::addColumn<QString>("amount");
        QTest::newRow("ahead") << 8100.0 << " 2 h 15 min ahead ";
        QTest::newRow("behind") << -95.0 << " 1 min 35 s behind ";
    }

    void proposalSaysHowFar()
    {
        QFETCH(double, offset);
        QFETCH(QString, amount);
        SettingsCard card({});
        ClockWindow window(&card.volumes);
        QVERIFY(window.proposeCorrection(offset, 3600));
        const QString note = window.findChild<QLabel *>("proposalNote")->text();
        QVERIFY2(note.contains(amount), qPrintable(note));
        QCOMPARE(window.windowTitle(), tvk::text("time.window_title"));
    }

    // The minute hand carried past 12 carries the hour, both ways, across midnight too; the
    // time box shows what the hand set.
    void minuteHandCarriesTheHour_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QList<int>>("degrees"); // where the minute hand is dragged through
        QTest::addColumn<QTime>("end");
        QTest::newRow("forward") << QTime(10, 50) << QList<int>{300, 330, 0, 30} << QTime(11, 5);
        QTest::newRow("back") << QTime(11, 5) << QList<int>{30, 0, 330, 300} << QTime(10, 50);
        QTest::newRow("past midnight") << QTime(23, 55) << QList<int>{330, 0, 30} << QTime(0, 5);
        QTest::newRow("back before midnight")
            << QTime(0, 5) << QList<int>{30, 0, 330} << QTime(23, 55);
        QTest::newRow("within the hour")
            << QTime(10, 10) << QList<int>{60, 120, 180} << QTime(10, 30);
    }

    void minuteHandCarriesTheHour()
    {
        QFETCH(QTime, start);
        QFETCH(QList<int>, degrees);
        SettingsCard card({});
        ClockWindow window(&card.volumes);
        window.showWindow();
        auto *text = window.findChild<QTimeEdit *>("timePicker");
        text->setTime(start);
        auto *face = window.findChild<ClockFace *>("clockTimePicker");
        const QPointF centre = QRectF(face->rect()).center();
        const double r = (qMin(face->width(), face->height()) / 2.0 - 4) * 0.7;
        const auto at = [&](int angle) {
            const double a = qDegreesToRadians(double(angle));
            return (centre + QPointF(std::sin(a), -std::cos(a)) * r).toPoint();
        };
        QTest::mousePress(face, Qt::LeftButton, {}, at(degrees.first()));
        for (int angle : degrees)
            QTest::mouseMove(face, at(angle));
        QTest::mouseRelease(face, Qt::LeftButton, {}, at(degrees.last()));
        QTEST(window.selectedTime(), "end");
        QTEST(text->time(), "end"); // the time box follows the hand
    }

    void failedWriteIsShown()
    {
        SettingsCard card({});
        ClockWindow window(&card.volumes);
        window.showWindow();
        window.doWriteConfigFile("/proc/timeset.cfg");
        QVERIFY(dismissAlert(window).startsWith("Warn|/proc/timeset.cfg"));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestClockWindow)
#include "test_clockwindow.moc"
