// The catalogue walk: acceptance, order, pairs, the per-folder cap, publication in one step,
// outdated walks and link loops.
#include "catalogue/TVKMediaList.h"
#include "catalogue/directorywalk.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

class RecordingDelegate : public TVKMediaListDelegate
{
public:
    void mediaListChanged(TVKMediaList *list) override
    {
        ++calls;
        counts << list->count();
        folders << list->directoryPath();
    }
    int calls = 0;
    QList<qint64> counts;
    QStringList folders;
};

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

QStringList namesOf(const TVKMediaList &list)
{
    QStringList names;
    for (const TVKMedia &m : list.medias())
        names << m.fileName();
    return names;
}

} // namespace

class TestMediaList : public QObject
{
    Q_OBJECT

    // Gives the folder to the catalogue and waits for the published result.
    void walk(TVKMediaList &list, RecordingDelegate &delegate, const QString &folder)
    {
        const int before = delegate.calls;
        list.setDirectoryPath(folder);
        QTRY_COMPARE_WITH_TIMEOUT(delegate.calls, before + 1, 20000);
    }

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
        QTest::newRow("hidden companions")
            << QStringList{"alwa_20240131_120000_F.avi", "._alwa_20240131_120000_F.avi",
                           "._motion_20240131_120000_F.avi", "._event_20240131_120000_F.avi"}
            << QStringList{"._alwa_20240131_120000_F.avi", "alwa_20240131_120000_F.avi"};
        QTest::newRow("out-of-range time is listed, unknown")
            << QStringList{"motion_20241301_120000_F.avi", "alwa_20240131_120000_F.avi"}
            << QStringList{"motion_20241301_120000_F.avi", "alwa_20240131_120000_F.avi"};
    }

    void acceptance()
    {
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        for (const QString &f : files)
            touch(dir.filePath(f));
        TVKMediaList list;
        RecordingDelegate delegate;
        list.setDelegate(&delegate);
        walk(list, delegate, dir.path());
        QTEST(namesOf(list), "listed");
        QCOMPARE(delegate.calls, 1);
    }

    void pairsOfAFolder()
    {
        QTemporaryDir dir;
        for (const char *f : {"alwa_20240131_120000_F.avi", "alwa_20240131_120000_R.avi",
                              "event_20240131_115900_F.AVI", "motion_20241301_120000_F.avi"})
            touch(dir.filePath(QLatin1String(f)));
        TVKMediaList list;
        RecordingDelegate delegate;
        list.setDelegate(&delegate);
        walk(list, delegate, dir.path());

        const TVKMediaPair *both = list.findMediaPairWithFileName(
            dir.filePath(QStringLiteral("alwa_20240131_120000_R.avi")));
        QVERIFY(both && both->frontMedia && both->rearMedia);
        QCOMPARE(both->frontMedia->mediaName(), QStringLiteral("alwa_20240131_120000_F"));
        QCOMPARE(both->rearMedia->mediaName(), QStringLiteral("alwa_20240131_120000_R"));
        QCOMPARE(list.findMediaPairWithFileName(QStringLiteral("alwa_20240131_120000_F")), both);

        const TVKMediaPair *event =
            list.findMediaPairWithFileName(QStringLiteral("event_20240131_115900_F"));
        QVERIFY(event && event->frontMedia && !event->rearMedia);

        // Unknown side: listed, grouped, in neither slot.
        const TVKMediaPair *unknown =
            list.findMediaPairWithFileName(QStringLiteral("motion_20241301_120000_F"));
        QVERIFY(unknown && !unknown->frontMedia && !unknown->rearMedia);

        for (const TVKMedia &m : list.medias())
            QVERIFY(list.mediaPairDic().contains(m.mediaGroupName()));
        QVERIFY(list.mediaAtIndex(-1) == nullptr);
        QVERIFY(list.mediaAtIndex(list.count()) == nullptr);
        QVERIFY(list.mediaAtIndex(0) != nullptr);
    }

    void sameNameInTwoFoldersIsListedTwice()
    {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("a/alwa_20240131_120000_F.avi")));
        touch(dir.filePath(QStringLiteral("b/alwa_20240131_120000_F.avi")));
        TVKMediaList list;
        RecordingDelegate delegate;
        list.setDelegate(&delegate);
        walk(list, delegate, dir.path());
        QCOMPARE(list.count(), 2);
        const TVKMediaPair *pair =
            list.findMediaPairWithFileName(QStringLiteral("alwa_20240131_120000_F"));
        QVERIFY(pair && pair->frontMedia);
        QCOMPARE(pair->frontMedia->path(), list.medias().last().path());
    }

    void folderWithARecordingNameIsWalkedInto()
    {
        QTemporaryDir dir;
        touch(
            dir.filePath(QStringLiteral("alwa_20240131_120000_F.avi/alwa_20240131_130000_R.avi")));
        TVKMediaList list;
        RecordingDelegate delegate;
        list.setDelegate(&delegate);
        walk(list, delegate, dir.path());
        QCOMPARE(namesOf(list), QStringList{QStringLiteral("alwa_20240131_130000_R.avi")});
    }

    void secondWalkReplacesTheFirst()
    {
        QTemporaryDir first, second;
        touch(first.filePath(QStringLiteral("alwa_20240131_120000_F.avi")));
        touch(second.filePath(QStringLiteral("event_20240201_080000_R.avi")));
        TVKMediaList list;
        RecordingDelegate delegate;
        list.setDelegate(&delegate);
        walk(list, delegate, first.path());
        walk(list, delegate, second.path());
        QCOMPARE(namesOf(list), QStringList{QStringLiteral("event_20240201_080000_R.avi")});
        QVERIFY(!list.findMediaPairWithFileName(QStringLiteral("alwa_20240131_120000_F")));
        QCOMPARE(list.mediaPairDic().size(), 1);
    }

    void outdatedWalkIsDropped()
    {
        QTemporaryDir big, small;
        for (int i = 0; i < 3000; ++i)
            touch(big.filePath(QStringLiteral("d%1/alwa_20240131_%2_F.avi")
                                   .arg(i % 50)
                                   .arg(100000 + i % 60000, 6, 10, QLatin1Char('0'))));
        touch(small.filePath(QStringLiteral("alwa_20240301_120000_F.avi")));
        TVKMediaList list;
        RecordingDelegate delegate;
        list.setDelegate(&delegate);
        list.setDirectoryPath(big.path());
        list.setDirectoryPath(small.path());
        QTRY_COMPARE_WITH_TIMEOUT(delegate.calls, 1, 20000);
        // Let the big walk finish too: its result must never be reported.
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(delegate.calls, 1);
        QCOMPARE(delegate.folders, QStringList{small.path()});
        QCOMPARE(list.count(), 1);
    }

    void readersSeeTheOldListUntilTheNewOneIsPublished()
    {
        QTemporaryDir first, second;
        touch(first.filePath(QStringLiteral("alwa_20240131_120000_F.avi")));
        for (int i = 0; i < 500; ++i)
            touch(second.filePath(QStringLiteral("alwa_20240201_%1_R.avi").arg(100000 + i)));
        TVKMediaList list;
        RecordingDelegate delegate;
        list.setDelegate(&delegate);
        walk(list, delegate, first.path());
        list.setDirectoryPath(second.path());
        QCOMPARE(list.count(), 1); // still the first folder's list, never a part of the second
        QTRY_COMPARE_WITH_TIMEOUT(delegate.calls, 2, 20000);
        QCOMPARE(delegate.counts, (QList<qint64>{1, 500}));
    }

    void nullPathStartsNothing()
    {
        TVKMediaList list;
        RecordingDelegate delegate;
        list.setDelegate(&delegate);
        list.setDirectoryPath(QString());
        QTest::qWait(50);
        QCOMPARE(delegate.calls, 0);
        QVERIFY(list.directoryPath().isNull());
    }

    void linkLoopsEndAndLinkedFoldersAreFollowed()
    {
        QTemporaryDir dir, elsewhere;
        touch(dir.filePath(QStringLiteral("a/alwa_20240131_120000_F.avi")));
        touch(elsewhere.filePath(QStringLiteral("event_20240131_110000_R.avi")));
        QVERIFY(QFile::link(dir.path(), dir.filePath(QStringLiteral("a/back-to-top"))));
        QVERIFY(
            QFile::link(dir.filePath(QStringLiteral("a")), dir.filePath(QStringLiteral("a/self"))));
        QVERIFY(QFile::link(elsewhere.path(), dir.filePath(QStringLiteral("linked"))));
        TVKMediaList list;
        RecordingDelegate delegate;
        list.setDelegate(&delegate);
        walk(list, delegate, dir.path());
        QStringList names = namesOf(list);
        QCOMPARE(names, (QStringList{QStringLiteral("event_20240131_110000_R.avi"),
                                     QStringLiteral("alwa_20240131_120000_F.avi")}));
    }

    void capAtFifteenThousandPerFolder()
    {
        QTemporaryDir dir;
        // One name per second, so every name is distinct.
        for (int i = 0; i < kMaxCatalogueEntries + 20; ++i) {
            const int s = i % 86400;
            touch(dir.filePath(QStringLiteral("alwa_%1_%2%3%4_F.avi")
                                   .arg(20240101 + i / 86400)
                                   .arg(s / 3600, 2, 10, QLatin1Char('0'))
                                   .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                                   .arg(s % 60, 2, 10, QLatin1Char('0'))));
        }
        QList<TVKMedia> found;
        eachDir(dir.path(), found);
        QCOMPARE(found.size(), kMaxCatalogueEntries);
    }
};

QTEST_GUILESS_MAIN(TestMediaList)
#include "test_medialist.moc"
