// The camera's clock against the GPS time: the line under the map, and the clock window
// proposing the time now in the card's zone when the clock is off by more than 2 s.
#include "app/apptestsetup.h"
#include "app/card/ClockWindow.h"
#include "app/settings/settingswindowfixture.h"
#include "app/trips/ClockReadout.h"

#include <QLabel>
#include <QTimeEdit>

class TestClockProposal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplicationTest(); }

    void proposal_data()
    {
        QTest::addColumn<double>("offset");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QDateTime>("nowUtc");
        QTest::addColumn<QDateTime>("proposed"); // invalid: nothing proposed
        QTest::addColumn<QString>("note");
        const QDateTime now(QDate(2026, 12, 6), QTime(10, 0, 0, 600), Qt::UTC);
        QTest::newRow("within 2 s") << 1.9 << 9 * 3600 << now << QDateTime() << "";
        QTest::newRow("exactly 2 s") << -2.0 << 9 * 3600 << now << QDateTime() << "";
        QTest::newRow("ahead") << 42.0 << 9 * 3600 << now
                               << QDateTime(QDate(2026, 12, 6), QTime(19, 0, 0)) << "42 s ahead";
        QTest::newRow("behind, half-hour zone")
            << -5.25 << -(4 * 3600 + 1800) << now << QDateTime(QDate(2026, 12, 6), QTime(5, 30, 0))
            << "5 s behind";
        QTest::newRow("the card's zone is already tomorrow")
            << 3.0 << 3600 << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58), Qt::UTC)
            << QDateTime(QDate(2027, 1, 1), QTime(0, 59, 58)) << "(UTC+01:00)";
    }
    void proposal()
    {
        QFETCH(double, offset);
        QFETCH(int, zone);
        QFETCH(QDateTime, nowUtc);
        QFETCH(QDateTime, proposed);
        QFETCH(QString, note);
        SettingsCard card({});
        ClockWindow window(&card.volumes);
        const QDate openedDate = window.selectedDate();
        const QTime openedTime = window.selectedTime();
        QCOMPARE(window.proposeCorrection(offset, zone, nowUtc), proposed.isValid());
        auto *label = window.findChild<QLabel *>("proposalNote");
        if (!proposed.isValid()) {
            QVERIFY(!label);
            QCOMPARE(window.selectedDate(), openedDate);
            QCOMPARE(window.selectedTime(), openedTime);
            return;
        }
        QCOMPARE(QDateTime(window.selectedDate(), window.selectedTime()), proposed);
        QCOMPARE(window.findChild<QTimeEdit *>("timePicker")->time(), proposed.time());
        QVERIFY2(label && label->text().contains(note), qPrintable(label ? label->text() : ""));
    }

    void readoutLine_data()
    {
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QVariant>("recording"); // offset in seconds, or none for no fix
        QTest::addColumn<bool>("cardKnown");
        QTest::addColumn<QVariant>("median");
        QTest::addColumn<QString>("text");
        const QVariant none;
        QTest::newRow("card being read") << true << QVariant(1.0) << false << none
                                         << "Camera clock: checking against the GPS time…";
        QTest::newRow("right") << true << QVariant(0.4) << true << QVariant(0.25)
                               << "Camera clock vs GPS: this recording +0.4 s · card median +0.2 s";
        QTest::newRow("off")
            << false << none << true << QVariant(-42.0)
            << "Camera clock vs GPS: card median -42.0 s · set it in the clock window";
        QTest::newRow("no fix here")
            << true << none << true << QVariant(3.0)
            << "Camera clock vs GPS: no valid fix in this recording · card median +3.0 s · set it "
               "in the clock window";
        QTest::newRow("no fix anywhere") << true << none << true << none
                                         << "Camera clock vs GPS: no valid fix in this recording · "
                                            "no recording of the card has a valid fix";
    }
    void readoutLine()
    {
        QFETCH(bool, playing);
        QFETCH(QVariant, recording);
        QFETCH(bool, cardKnown);
        QFETCH(QVariant, median);
        std::optional<ClockReading> reading;
        if (playing)
            reading = ClockReading{"/r.avi", recording.isValid()
                                                 ? std::optional<double>(recording.toDouble())
                                                 : std::nullopt};
        std::optional<ClockReport> card;
        if (cardKnown) {
            card = ClockReport();
            if (median.isValid())
                card->medianOffsetSeconds = median.toDouble();
        }
        QTEST(ClockReadout::lineText(reading, card), "text");
    }
};

QTEST_MAIN(TestClockProposal)
#include "test_clockproposal.moc"
