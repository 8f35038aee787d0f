// Reopening a card whose folders kept their times skips the walk; any change a folder's time
// shows is found by the walk that follows, and a card just written is walked each time.
#include "core/index/foldertimes.h"
#include "core/index/indexupdate.h"
#include "passcard.h"

class TestFolderTimes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_written.isValid());
        QVERIFY(DemoPassCard::write(m_written.path()));
    }

    void reopen_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("aged");
        QTest::addColumn<bool>("walked");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("removed");
        QTest::newRow("nothing, folders aged") << "" << true << false << 0 << 0;
        QTest::newRow("nothing, folders just written") << "" << false << true << 0 << 0;
        QTest::newRow("a recording added") << "add" << true << true << 1 << 0;
        QTest::newRow("a recording removed") << "remove" << true << true << 0 << 1;
        QTest::newRow("a folder made") << "folder" << true << true << 0 << 0;
    }

    void reopen()
    {
        QFETCH(QString, change);
        QFETCH(bool, aged);
        QFETCH(bool, walked);
        QFETCH(int, added);
        QFETCH(int, removed);
        QTemporaryDir card, cache;
        QVERIFY(copyFolder(m_written.path(), card.path()));
        const QString first = DemoPassCard::recordingPaths(DemoPassCard::drives().first())[0];
        const QString spare = card.path() + u'/' + first;
        const QString kept = cache.filePath(QStringLiteral("spare.avi"));
        QVERIFY(QFile::rename(spare, kept)); // the recording a change adds back
        if (aged)
            QVERIFY(ageFolders(card.path()));
        {
            auto index = CardIndex::open(card.path(), cache.path());
            QVERIFY(index);
            const auto report = updateCardIndex(**index);
            QVERIFY(report);
            QVERIFY(report->walked);
        }
        if (change == QLatin1String("add"))
            QVERIFY(QFile::copy(kept, spare));
        else if (change == QLatin1String("remove"))
            QVERIFY(QFile::remove(card.path() + u'/' +
                                  DemoPassCard::recordingPaths(DemoPassCard::drives().last())[0]));
        else if (change == QLatin1String("folder"))
            QVERIFY(QDir(card.path()).mkpath(QStringLiteral("DCIM/NEW")));
        auto index = CardIndex::open(card.path(), cache.path());
        QVERIFY(index);
        const auto report = updateCardIndex(**index);
        QVERIFY(report);
        QCOMPARE(report->walked, walked);
        QCOMPARE(int(report->added), added);
        QCOMPARE(int(report->removed), removed);
        QCOMPARE(int(report->recordings), 11 + added - removed);
        QCOMPARE(int(report->unchanged), 11 - removed);
        QVERIFY(report->points > 0);
    }

    void brokenRecordOfTimes_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no time") << QByteArray(" DCIM\n");
        QTest::newRow("not a number") << QByteArray("x DCIM\n");
        QTest::newRow("a folder that is not there") << QByteArray("1 nowhere\n");
    }

    void brokenRecordOfTimes()
    {
        QFETCH(QByteArray, stored);
        QVERIFY(!folderTimesMatch(m_written.path(), stored));
    }

private:
    QTemporaryDir m_written;
};

QTEST_GUILESS_MAIN(TestFolderTimes)
#include "test_foldertimes.moc"
