// Recording names: kind, side and time from the name, ordering, and the player-side test.
#include "catalogue/TVKMedia.h"
#include "catalogue/mediaside.h"

#include <QTest>

class TestMedia : public QObject
{
    Q_OBJECT
private slots:
    void parsePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("division");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("extension");

        QTest::newRow("continuous front")
            << "/card/alwa_20240131_235959_F.avi" << 0 << 0 << "20240131235959"
            << "avi";
        QTest::newRow("event rear, upper-case extension")
            << "/card/event_20240131_235959_R.AVI" << 2 << 1 << "20240131235959"
            << "AVI";
        QTest::newRow("motion, month 13")
            << "/card/motion_20241301_120000_F.avi" << 1 << 2 << "00000000000000"
            << "avi";
        QTest::newRow("upper-case prefix: no prefix, suffix still read")
            << "/card/ALWA_20240131_235959_F.avi" << 0 << 0 << "00000000000000"
            << "avi";
        QTest::newRow("lower-case side letter")
            << "/card/alwa_20240131_235959_f.avi" << 0 << 2 << "20240131235959"
            << "avi";
        QTest::newRow("23 characters with alwa_ prefix")
            << "/card/alwa_20240131_2359590_F.avi" << 0 << 0 << "20240131235959"
            << "avi";
        QTest::newRow("hour 24, minute and second 60")
            << "/card/alwa_20240131_246060_R.avi" << 0 << 1 << "20240131246060"
            << "avi";
        QTest::newRow("year 1969")
            << "/card/alwa_19690131_120000_F.avi" << 0 << 2 << "00000000000000"
            << "avi";
        QTest::newRow("year 2701")
            << "/card/alwa_27010131_120000_F.avi" << 0 << 2 << "00000000000000"
            << "avi";
        QTest::newRow("year 2700 and 1970 bounds")
            << "/card/alwa_27001231_000000_F.avi" << 0 << 0 << "27001231000000"
            << "avi";
        QTest::newRow("wrong length keeps new-record values")
            << "/card/alwa_2024013_120000_F.avi" << 0 << 0 << "00000000000000"
            << "avi";
        QTest::newRow("day 0") << "/card/event_20240100_120000_F.avi" << 2 << 2 << "00000000000000"
                               << "avi";
        QTest::newRow("blanks and sign in a window")
            << "/card/alwa_2024 1 1_+1 0 0_F.avi" << 0 << 0 << "20240101010000"
            << "avi";
        QTest::newRow("hidden companion, no prefix")
            << "/card/._alwa_20240131_120000_F.avi" << 0 << 0 << "00000000000000"
            << "avi";
    }

    void parsePath()
    {
        QFETCH(QString, path);
        const TVKMedia media(path);
        QTEST(media.mediaDivision(), "division");
        QTEST(media.mediaDirection(), "direction");
        QTEST(media.yyyymmddhhmiss(), "time");
        QTEST(media.extension(), "extension");
        QCOMPARE(media.dir(), QStringLiteral("/card"));
        QCOMPARE(media.fileName(), path.mid(6));
    }

    void fieldsOfAFullName()
    {
        const TVKMedia media(QStringLiteral("/card/DCIM/alwa_20240131_235959_F.avi"));
        QCOMPARE(media.path(), QStringLiteral("/card/DCIM/alwa_20240131_235959_F.avi"));
        QCOMPARE(media.mediaName(), QStringLiteral("alwa_20240131_235959_F"));
        QCOMPARE(media.dir(), QStringLiteral("/card/DCIM"));
        QCOMPARE(media.mediaGroupName(), QStringLiteral("alwa_20240131_235959"));
        QCOMPARE(media.fileName(), QStringLiteral("alwa_20240131_235959_F.avi"));
        QCOMPARE(media.year(), 2024);
        QCOMPARE(media.month(), 1);
        QCOMPARE(media.day(), 31);
        QCOMPARE(media.hour(), 23);
        QCOMPARE(media.minute(), 59);
        QCOMPARE(media.second(), 59);
        QVERIFY(media.isFrontMedia() && media.isAlwaysMedia());
        QVERIFY(!media.isRearMedia() && !media.isMotionMedia() && !media.isEventMedia());
    }

    void shortNameChangesNothing()
    {
        TVKMedia media;
        QVERIFY(!media.parseTimeByName(QStringLiteral("alwa_2024"), 5));
        QCOMPARE(media.year(), 0);
    }

    void compareDate_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("order");
        QTest::newRow("earlier time first") << "alwa_20240131_120000_F.avi"
                                            << "event_20240131_115900_F.avi" << 1;
        QTest::newRow("event before continuous at the same time")
            << "event_20240131_120000_F.avi"
            << "alwa_20240131_120000_F.avi" << -1;
        QTest::newRow("event before motion") << "event_20240131_120000_R.avi"
                                             << "motion_20240131_120000_F.avi" << -1;
        QTest::newRow("front before rear") << "alwa_20240131_120000_F.avi"
                                           << "alwa_20240131_120000_R.avi" << -1;
        QTest::newRow("same time, kind and side") << "alwa_20240131_120000_F.avi"
                                                  << "alwa_20240131_120000_F.AVI" << 0;
        QTest::newRow("unknown time sorts first") << "._alwa_20240131_120000_F.avi"
                                                  << "alwa_19700101_000000_F.avi" << -1;
    }

    void compareDate()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, order);
        const TVKMedia a(QStringLiteral("/c/") + first), b(QStringLiteral("/c/") + second);
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
