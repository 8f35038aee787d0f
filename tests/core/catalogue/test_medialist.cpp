// The catalogue walk: acceptance, order, pairs, the per-folder cap, publication in one step,
// outdated walks and link loops.
#include "core/catalogue/DirectoryWalk.h"
#include "core/catalogue/MediaList.h"
#include "core/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A catalogue that notes every publication.
struct Catalogue
{
    MediaList list;
    QList<qint64> counts; // the list's size at each publication
    QStringList folders;

    Catalogue()
    {
        QObject::connect(&list, &MediaList::catalogueChanged, &list, [this] {
            counts << list.count();
            folders << list.directoryPath();
        });
    }
    // Gives the folder to the catalogue and waits for the published result.
    bool walk(const QString &folder)
    {
        const qsizetype before = counts.size();
        list.setDirectoryPath(folder);
        return QTest::qWaitFor([&] { return counts.size() > before; }, 20000);
    }
    QStringList names() const
    {
        QStringList names;
        for (const MediaFile &m : list.medias())
            names << m.fileName();
        return names;
    }
};

void touch(const QTemporaryDir &dir, const QStringList &names)
{
    for (const QString &name : names) {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(name));
    }
}

} // namespace

class TestMediaList : public QObject
{
    Q_OBJECT
private slots:
    void acceptance_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("empty folder") << QStringList{} << QStringList{};
        QTest::newRow("ordered by time, event first")
            << QStringList{"alwa_20240131_120000_F.avi", "alwa_20240131_120000_R.avi",
                           "event_20240131_115900_F.AVI"}
            << QStringList{"event_20240131_115900_F.AVI", "alwa_20240131_120000_F.avi",
                           "alwa_20240131_120000_R.avi"};
        QTest::newRow("other extension, side, length")
            << QStringList{"alwa_20240131_120000_F.mp4", "alwa_20240131_120000_X.avi",
                           "alwa_2024013_120000_F.avi", "notes.txt"}
            << QStringList{};
        QTest::newRow("nested folders in one order")
            << QStringList{"b/c/alwa_20240131_120002_F.avi", "alwa_20240131_120001_F.avi",
                           "a/alwa_20240131_120000_R.avi"}
            << QStringList{"alwa_20240131_120000_R.avi", "alwa_20240131_120001_F.avi",
                           "alwa_20240131_120002_F.avi"};
        QTest::newRow("folder with a recording's name is walked into")
            << QStringList{"alwa_20240131_120000_F.avi/alwa_20240131_130000_R.avi"}
            << QStringList{"alwa_20240131_130000_R.avi"};
        QTest::newRow("hidden companions")
            << QStringList{"alwa_20240131_120000_F.avi", "._alwa_20240131_120000_F.avi",
                           "._motion_20240131_120000_F.avi", "._event_20240131_120000_F.avi"}
            << QStringList{"._alwa_20240131_120000_F.avi", "alwa_20240131_120000_F.avi"};
        QTest::newRow("name's length counted in characters, not bytes")
            << QStringList{"alwa_20240131_12000\u00e9_F.avi", "alwa_20240131_1200\u00e9_F.avi"}
            << QStringList{"alwa_20240131_12000\u00e9_F.avi"};
        QTest::newRow("a dot in the name, a lower-case side, any case of avi")
            << QStringList{"alwa_2024.131_120000_F.avi", "alwa_20240131_120000_f.avi",
                           "alwa_20240131_120000_R.aVi"}
            << QStringList{"alwa_2024.131_120000_F.avi", "alwa_20240131_120000_R.aVi"};
        QTest::newRow("out-of-range time is listed, unknown")
            << QStringList{"motion_20241301_120000_F.avi", "alwa_20240131_120000_F.avi"}
            << QStringList{"motion_20241301_120000_F.avi", "alwa_20240131_120000_F.avi"};
    }

    void acceptance()
    {
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        touch(dir, files);
        Catalogue c;
        QVERIFY(c.walk(dir.path()));
        QTEST(c.names(), "listed");
        QCOMPARE(c.counts.size(), 1);
    }

    void pairsOfAFolder()
    {
        QTemporaryDir dir;
        touch(dir, {"alwa_20240131_120000_F.avi", "alwa_20240131_120000_R.avi",
                    "event_20240131_115900_F.AVI", "motion_20241301_120000_F.avi"});
        Catalogue c;
        QVERIFY(c.walk(dir.path()));
        const MediaPair *both =
            c.list.findMediaPairWithFileName(dir.filePath("alwa_20240131_120000_R.avi"));
        QVERIFY(both && both->frontMedia && both->rearMedia);
        QCOMPARE(both->frontMedia->mediaName(), "alwa_20240131_120000_F");
        QCOMPARE(both->rearMedia->mediaName(), "alwa_20240131_120000_R");
        QCOMPARE(c.list.findMediaPairWithFileName("alwa_20240131_120000_F"), both);
        const MediaPair *event = c.list.findMediaPairWithFileName("event_20240131_115900_F");
        QVERIFY(event && event->frontMedia && !event->rearMedia);
        // Unknown side: listed, grouped, in neither slot.
        const MediaPair *unknown = c.list.findMediaPairWithFileName("motion_20241301_120000_F");
        QVERIFY(unknown && !unknown->frontMedia && !unknown->rearMedia);
        for (const MediaFile &m : c.list.medias())
            QVERIFY(c.list.mediaPairDic().contains(m.mediaGroupName()));
        QVERIFY(!c.list.mediaAtIndex(-1) && !c.list.mediaAtIndex(c.list.count()));
        QVERIFY(c.list.mediaAtIndex(0));
    }

    // Names alike in their time but not in their text are groups of their own, each found by
    // its own name: names of the camera's form are held by number, any other by its text.
    void alikeNamesAreGroupsApart_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("separator")
            << QStringList{"alwa_20240131_120000_F", "alwa_20240131x120000_R"};
        QTest::newRow("kind") << QStringList{"alwa_20240131_120000_F", "event_20240131_120000_R",
                                             "motion_20240131_120000_F"};
        QTest::newRow("no kind") << QStringList{"abcd_20240131_120000_F", "xxxx_20240131_120000_R",
                                                "alwa_00000000_000000_F"};
        QTest::newRow("other digits")
            << QStringList{"alwa_2024013\u0661_120000_F", "alwa_20240131_120000_R"};
        QTest::newRow("one second apart") << QStringList{
            "alwa_20240131_120000_F", "alwa_20240131_120001_F", "alwa_20240131_120000_R"};
    }
    void alikeNamesAreGroupsApart()
    {
        QFETCH(QStringList, names);
        MediaList::Contents contents;
        for (const QString &name : std::as_const(names))
            contents.addMedia(MediaFile("/card/" + name + ".avi"));
        QSet<QString> groups;
        for (const MediaFile &media : std::as_const(contents.medias)) {
            groups << media.mediaGroupName();
            const MediaPair *pair = contents.findMediaPairWithFileName(media.fileName());
            QVERIFY2(pair, qPrintable(media.mediaName()));
            QVERIFY(contents.mediaPairDic.contains(media.mediaGroupName()));
            const std::optional<MediaFile> &slot =
                media.isRearMedia() ? pair->rearMedia : pair->frontMedia;
            if (media.mediaDirection() != MediaFile::UnknownDirection)
                QCOMPARE(slot->mediaName(), media.mediaName());
        }
        QCOMPARE(contents.mediaPairDic.size(), groups.size());
        QVERIFY(!contents.mediaPairDic.contains(u"alwa_20240131_120002"));
    }

    // A catalogue handed on is a copy: what is added to one changes no pair of the other.
    void copiesOfACatalogueStayApart()
    {
        MediaList::Contents first;
        first.addMedia(MediaFile("/card/alwa_20240131_120000_F.avi"));
        first.addMedia(MediaFile("/card/oddx_20240131_120000_F.avi"));
        MediaList::Contents second = first;
        second.addMedia(MediaFile("/card/alwa_20240131_120000_R.avi"));
        second.addMedia(MediaFile("/card/oddx_20240131_120000_R.avi"));
        second.addMedia(MediaFile("/card/alwa_20240131_130000_F.avi"));
        for (const QString &name : QStringList{"alwa_20240131_120000", "oddx_20240131_120000"}) {
            QVERIFY(!first.findMediaPairWithFileName(name)->rearMedia);
            QVERIFY(second.findMediaPairWithFileName(name)->rearMedia);
        }
        QCOMPARE(first.mediaPairDic.size(), 2);
        QCOMPARE(second.mediaPairDic.size(), 3);
    }

    void sameNameInTwoFoldersIsListedTwice()
    {
        QTemporaryDir dir;
        touch(dir, {"a/alwa_20240131_120000_F.avi", "b/alwa_20240131_120000_F.avi"});
        Catalogue c;
        QVERIFY(c.walk(dir.path()));
        QCOMPARE(c.list.count(), 2);
        const MediaPair *pair = c.list.findMediaPairWithFileName("alwa_20240131_120000_F");
        QVERIFY(pair && pair->frontMedia);
        QCOMPARE(pair->frontMedia->path(), c.list.medias().last().path());
    }

    void secondWalkReplacesTheFirst()
    {
        QTemporaryDir first, second;
        touch(first, {"alwa_20240131_120000_F.avi"});
        touch(second, {"event_20240201_080000_R.avi"});
        Catalogue c;
        QVERIFY(c.walk(first.path()) && c.walk(second.path()));
        QCOMPARE(c.names(), QStringList{"event_20240201_080000_R.avi"});
        QVERIFY(!c.list.findMediaPairWithFileName("alwa_20240131_120000_F"));
        QCOMPARE(c.list.mediaPairDic().size(), 1);
    }

    void outdatedWalkIsDropped()
    {
        QTemporaryDir big, small;
        QStringList many;
        for (int i = 0; i < 3000; ++i)
            many << QStringLiteral("d%1/alwa_20240131_%2_F.avi").arg(i % 50).arg(100000 + i);
        touch(big, many);
        touch(small, {"alwa_20240301_120000_F.avi"});
        Catalogue c;
        c.list.setDirectoryPath(big.path());
        QVERIFY(c.walk(small.path()));
        // Let the big walk finish too: its result must never be reported.
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(c.folders, QStringList{small.path()});
        QCOMPARE(c.list.count(), 1);
    }

    void readersSeeTheOldListUntilTheNewOneIsPublished()
    {
        QTemporaryDir first, second;
        touch(first, {"alwa_20240131_120000_F.avi"});
        QStringList many;
        for (int i = 0; i < 500; ++i)
            many << QStringLiteral("alwa_20240201_%1_R.avi").arg(100000 + i);
        touch(second, many);
        Catalogue c;
        QVERIFY(c.walk(first.path()));
        c.list.setDirectoryPath(second.path());
        QCOMPARE(c.list.count(), 1); // still the first folder's list, never a part of the second
        QTRY_COMPARE_WITH_TIMEOUT(c.counts, (QList<qint64>{1, 500}), 20000);
    }

    void nullPathStartsNothing()
    {
        Catalogue c;
        c.list.setDirectoryPath(QString());
        QTest::qWait(50);
        QVERIFY(c.counts.isEmpty());
        QVERIFY(c.list.directoryPath().isNull());
    }

    void linkLoopsEndAndLinkedFoldersAreFollowed()
    {
        QTemporaryDir dir, elsewhere;
        touch(dir, {"a/alwa_20240131_120000_F.avi"});
        touch(elsewhere, {"event_20240131_110000_R.avi"});
        QVERIFY(QFile::link(dir.path(), dir.filePath("a/back-to-top")));
        QVERIFY(QFile::link(dir.filePath("a"), dir.filePath("a/self")));
        QVERIFY(QFile::link(elsewhere.path(), dir.filePath("linked")));
        Catalogue c;
        QVERIFY(c.walk(dir.path()));
        QCOMPARE(c.names(),
                 QStringList({"event_20240131_110000_R.avi", "alwa_20240131_120000_F.avi"}));
    }

    // A folder stops at the limit, and the user hears of it only when something was left out.
    void capAtFifteenThousandPerFolder_data()
    {
        QTest::addColumn<int>("extra");
        QTest::newRow("exactly the limit") << 0;
        QTest::newRow("more than the limit") << 20;
    }

    void capAtFifteenThousandPerFolder()
    {
        QFETCH(int, extra);
        QTemporaryDir dir;
        QStringList names; // one name per second, so every name is distinct
        for (int i = 0; i < kMaxCatalogueEntries + extra; ++i) {
            const QTime time = QTime(0, 0).addSecs(i % 86400);
            names << QStringLiteral("alwa_%1_%2_F.avi")
                         .arg(20240101 + i / 86400)
                         .arg(time.toString("hhmmss"));
        }
        touch(dir, names);
        const auto [found, report] = walkFolder(dir.path());
        QCOMPARE(found.size(), kMaxCatalogueEntries);
        QCOMPARE(report.stoppedAtLimit, extra > 0);
        const ProcessRun run = runTool({"list", dir.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err.contains("holds more recordings than the 15000 shown"), extra > 0);
    }

    // Each folder stops on its own: past the limit, the one walked second still gives one.
    void limitStopsOneFolderAtATime()
    {
        QTemporaryDir dir;
        QStringList names;
        for (int i = 0; i < kMaxCatalogueEntries; ++i) {
            const QString time = QTime(0, 0).addSecs(i).toString("hhmmss");
            names << QStringLiteral("a/alwa_20240101_%1_F.avi").arg(time)
                  << QStringLiteral("b/alwa_20240102_%1_F.avi").arg(time);
        }
        touch(dir, names);
        const QList<MediaFile> found = walkFolder(dir.path()).found;
        QCOMPARE(found.size(), kMaxCatalogueEntries + 1);
    }
};

QTEST_GUILESS_MAIN(TestMediaList)
#include "test_medialist.moc"
