// Recording names: kind, side and time from the name, ordering, and the player-side test.
#include "core/catalogue/MediaFile.h"
#include "core/catalogue/MediaSide.h"

#include <QTest>

class TestMedia : public QObject
{
    Q_OBJECT
private slots:
    void parsePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("division");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("time");
        const QString unknown = "00000000000000";
        QTest::newRow("continuous front")
            << "alwa_20240131_235959_F.avi" << 0 << 0 << "20240131235959";
        QTest::newRow("event rear, upper-case extension")
            << "event_20240131_235959_R.AVI" << 2 << 1 << "20240131235959";
        QTest::newRow("motion, month 13") << "motion_20241301_120000_F.avi" << 1 << 2 << unknown;
        QTest::newRow("upper-case prefix: none, suffix read")
            << "ALWA_20240131_235959_F.avi" << 0 << 0 << unknown;
        QTest::newRow("lower-case side letter")
            << "alwa_20240131_235959_f.avi" << 0 << 2 << "20240131235959";
        QTest::newRow("23 characters after alwa_")
            << "alwa_20240131_2359590_F.avi" << 0 << 0 << "20240131235959";
        QTest::newRow("hour 24, minute and second 60")
            << "alwa_20240131_246060_R.avi" << 0 << 1 << "20240131246060";
        QTest::newRow("year 1969") << "alwa_19690131_120000_F.avi" << 0 << 2 << unknown;
        QTest::newRow("year 2701") << "alwa_27010131_120000_F.avi" << 0 << 2 << unknown;
        QTest::newRow("year 2700 and 1970 bounds")
            << "alwa_27001231_000000_F.avi" << 0 << 0 << "27001231000000";
        QTest::newRow("wrong length keeps new-record values")
            << "alwa_2024013_120000_F.avi" << 0 << 0 << unknown;
        QTest::newRow("day 0") << "event_20240100_120000_F.avi" << 2 << 2 << unknown;
        QTest::newRow("blanks and sign in a window")
            << "alwa_2024 1 1_+1 0 0_F.avi" << 0 << 0 << "20240101010000";
        QTest::newRow("any character between date and time")
            << "alwa_20240131x235959_F.avi" << 0 << 0 << "20240131235959";
        QTest::newRow("a letter ends a window early")
            << "alwa_20240131_12a059_R.avi" << 0 << 1 << "20240131120059";
        QTest::newRow("hidden companion, no prefix")
            << "._alwa_20240131_120000_F.avi" << 0 << 0 << unknown;
    }

    void parsePath()
    {
        QFETCH(QString, name);
        const MediaFile media("/card/DCIM/" + name);
        QTEST(media.mediaDivision(), "division");
        QTEST(media.mediaDirection(), "direction");
        QTEST(media.yyyymmddhhmiss(), "time");
        QCOMPARE(media.extension(), name.right(3));
        QCOMPARE(media.dir(), "/card/DCIM");
        QCOMPARE(media.fileName(), name);
        QCOMPARE(media.mediaName(), name.chopped(4));
    }

    void groupAndShortName()
    {
        QCOMPARE(MediaFile("/card/alwa_20240131_235959_F.avi").mediaGroupName(),
                 "alwa_20240131_235959");
        MediaFile empty;
        QVERIFY(!empty.parseTimeByName("alwa_2024", 5)); // a short name changes nothing
        QCOMPARE(empty.year(), 0);
    }

    void compareDate_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("order");
        QTest::newRow("earlier time first") << "alwa_20240131_120000_F.avi"
                                            << "event_20240131_115900_F.avi" << 1;
        QTest::newRow("event before continuous") << "event_20240131_120000_F.avi"
                                                 << "alwa_20240131_120000_F.avi" << -1;
        QTest::newRow("event before motion") << "event_20240131_120000_R.avi"
                                             << "motion_20240131_120000_F.avi" << -1;
        QTest::newRow("front before rear") << "alwa_20240131_120000_F.avi"
                                           << "alwa_20240131_120000_R.avi" << -1;
        QTest::newRow("same time, kind and side") << "alwa_20240131_120000_F.avi"
                                                  << "alwa_20240131_120000_F.AVI" << 0;
        QTest::newRow("unknown time first") << "._alwa_20240131_120000_F.avi"
                                            << "alwa_19700101_000000_F.avi" << -1;
    }

    void compareDate()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, order);
        const MediaFile a("/c/" + first), b("/c/" + second);
        QCOMPARE(a.compareDate(b), order);
        QCOMPARE(b.compareDate(a), -order);
    }

    void playerMediaSide_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("direction");
        QTest::newRow("rear, any case") << "/c/alwa_20240131_120000_r.AVI" << 1;
        QTest::newRow("front") << "/c/alwa_20240131_120000_F.avi" << 0;
        QTest::newRow("other extension") << "/c/alwa_20240131_120000_F.mp4" << 2;
        QTest::newRow("no media") << QString() << 2;
        QTest::newRow("shorter than six") << "F.avi" << 2;
    }

    void playerMediaSide()
    {
        QFETCH(QString, path);
        QTEST(mediaDirectionOfPath(path), "direction");
    }
};

QTEST_GUILESS_MAIN(TestMedia)
#include "test_media.moc"
