// The window's indexer: progress up to the whole card, then the report, for the folder given
// last when a second comes before the first is done.
#include "core/index/CardIndexer.h"
#include "passcard.h"

#include <QSignalSpy>

class TestCardIndexer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_card.isValid() && m_other.isValid());
        QVERIFY(DemoPassCard::write(m_card.path()));
        QVERIFY(copyFolder(m_card.path(), m_other.path()));
        QVERIFY(QFile::remove(m_other.path() + u'/' +
                              DemoPassCard::recordingPaths(DemoPassCard::drives().first())[0]));
    }

    void indexesWithProgress_data()
    {
        QTest::addColumn<bool>("secondFolderAtOnce");
        QTest::newRow("one folder") << false;
        QTest::newRow("another folder before the first is done") << true;
    }

    void indexesWithProgress()
    {
        QFETCH(bool, secondFolderAtOnce);
        QTemporaryDir cache;
        CardIndexer indexer(cache.path());
        QSignalSpy progress(&indexer, &CardIndexer::progress);
        QSignalSpy finished(&indexer, &CardIndexer::finished);
        QSignalSpy failed(&indexer, &CardIndexer::failed);
        indexer.start(m_card.path());
        if (secondFolderAtOnce)
            indexer.start(m_other.path());
        QVERIFY(finished.wait(120000));
        QVERIFY(!indexer.isRunning());
        QCOMPARE(failed.size(), 0);
        QCOMPARE(finished.size(), 1);
        const QString folder = secondFolderAtOnce ? m_other.path() : m_card.path();
        const qsizetype recordings = secondFolderAtOnce ? 11 : 12;
        QCOMPARE(finished.first().at(0).toString(), folder);
        QCOMPARE(finished.first().at(1).value<IndexUpdateReport>().added, recordings);
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last().at(0).value<qsizetype>(), recordings);
        QCOMPARE(progress.last().at(1).value<qsizetype>(), recordings);
    }

private:
    QTemporaryDir m_card, m_other;
};

QTEST_GUILESS_MAIN(TestCardIndexer)
#include "test_cardindexer.moc"
