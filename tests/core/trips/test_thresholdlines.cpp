// The G-sensor graph's threshold lines from the card's config.bin.
#include "core/common/cformat.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/cardsettings.h"
#include "core/settings/gsensorthresholds.h"
#include "core/testsupport.h"

class TestThresholdLines : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QList<int>>("thresholds"); // driving X, Y, Z in hundredths
        QTest::addColumn<QString>("lines");
        QTest::newRow("factory") << true << QList<int>{50, 45, 45}
                                 << "X+0.50 X-0.50 Y+0.45 Y-0.45 Z+1.45 Z+0.55";
        QTest::newRow("custom") << true << QList<int>{5, 150, 120}
                                << "X+0.05 X-0.05 Y+1.50 Y-1.50 Z+2.20 Z-0.20";
        QTest::newRow("an axis at zero draws nothing")
            << true << QList<int>{30, 0, -10} << "X+0.30 X-0.30";
        QTest::newRow("no event recording") << false << QList<int>{50, 45, 45} << "";
    }
    void lines()
    {
        QFETCH(bool, enabled);
        QFETCH(QList<int>, thresholds);
        QTemporaryDir card;
        SettingsRecord record = factoryDefaultRecord();
        record.g_sensor_enable = enabled ? 1 : 0;
        record.gsen_x_threshold = thresholds[0];
        record.gsen_y_threshold = thresholds[1];
        record.gsen_z_threshold = thresholds[2];
        // The parking thresholds are not the driving ones.
        record.parkmode_x_threshold = record.parkmode_y_threshold = 8;
        applySaveStep(record);
        QVERIFY(writeRecord(record, card.filePath("config.bin")).ok());
        QVERIFY(QDir(card.path()).mkpath("DCIM/100ALWAY"));
        // Found from a folder of the card as well as from its top.
        const std::optional<SettingsRecord> read =
            cardSettingsAbove(card.filePath("DCIM/100ALWAY"));
        QVERIFY(read);
        QStringList out;
        for (const GSensorThresholdLine &line : drivingThresholdLines(*read))
            out.append(QString(QChar(line.axis)) + tvk::cformat("%+.2f", line.g));
        QTEST(out.join(' '), "lines");
    }
};

QTEST_MAIN(TestThresholdLines)
#include "test_thresholdlines.moc"
