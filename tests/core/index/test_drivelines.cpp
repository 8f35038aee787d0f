// Every drive of the two-morning card from its index, as the map draws them all at once.
#include "core/index/drivelines.h"
#include "core/index/indexupdate.h"
#include "passcard.h"

class TestDriveLines : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_card.isValid() && m_cache.isValid());
        QVERIFY(DemoPassCard::write(m_card.path()));
        auto index = CardIndex::open(m_card.path(), m_cache.path());
        QVERIFY(index);
        QVERIFY(updateCardIndex(**index));
    }

    void drivesOfTheCard_data()
    {
        QTest::addColumn<int>("every");
        QTest::newRow("every point") << 1;
        QTest::newRow("one in five") << 5;
        QTest::newRow("fewer than the points") << 1000;
    }

    void drivesOfTheCard()
    {
        QFETCH(int, every);
        auto index = CardIndex::open(m_card.path(), m_cache.path());
        QVERIFY(index);
        const auto drives = indexedDrives(**index, every);
        QVERIFY(drives);
        const QList<DemoPassCard::Drive> written = DemoPassCard::drives();
        QCOMPARE(drives->size(), written.size());
        for (qsizetype d = 0; d < written.size(); ++d) {
            const DriveLines &drive = drives->at(d);
            QCOMPARE(drive.start, written[d].start.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
            // One line per front recording, the rear's route being the same drive.
            QCOMPARE(drive.lines.size(), written[d].recordings);
            const qsizetype points = DemoPassCard::kRecordingSeconds;
            const qsizetype expected = every == 1 ? points : (points - 1) / every + 2;
            for (qsizetype r = 0; r < drive.lines.size(); ++r) {
                const QList<QPointF> &line = drive.lines[r];
                QCOMPARE(line.size(), std::min(points, expected));
                // Its ends are where the recording starts and stops on the loop.
                const auto [latitude, longitude] = DemoPassCard::placeAt(
                    written[d].fromMetres +
                    DemoPassCard::kMetresPerSecond * double(r * DemoPassCard::kRecordingSeconds));
                QVERIFY(std::abs(line.first().y() - latitude) < 2e-5);
                QVERIFY(std::abs(line.first().x() - longitude) < 2e-5);
            }
        }
    }

private:
    QTemporaryDir m_card, m_cache;
};

QTEST_GUILESS_MAIN(TestDriveLines)
#include "test_drivelines.moc"
