// The card index follows its card: what is added, changed and removed; files it cannot use
// are started again; a card is only ever read.
#include "core/index/indexupdate.h"
#include "core/index/packedroute.h"
#include "core/index/placesearch.h"
#include "passcard.h"

namespace {

qsizetype passesAt(CardIndex &index, double metres)
{
    const auto [latitude, longitude] = DemoPassCard::placeAt(metres);
    const auto passes = findPasses(index, latitude, longitude, 30);
    return passes ? passes->size() : -1;
}

qint64 count(CardIndex &index, const char *sql)
{
    const tvk::Result<qint64> n = index.db().integer(sql);
    return n ? *n : -1;
}

// One box a stretch of a front recording's points: what the search by place needs.
qint64 boxesDue(CardIndex &index)
{
    const QByteArray sql =
        "SELECT coalesce(sum((points + " + QByteArray::number(kPointsPerBox - 1) + ") / " +
        QByteArray::number(kPointsPerBox) +
        "), 0) FROM recordings WHERE side = " + QByteArray::number(int(MediaFile::Front));
    return count(index, sql.constData());
}

} // namespace

class TestCardIndex : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_card.isValid());
        QVERIFY(DemoPassCard::write(m_card.path()));
    }

    void firstIndexHoldsEveryRecording()
    {
        QTemporaryDir cache;
        auto index = CardIndex::open(m_card.path(), cache.path());
        QVERIFY(index);
        const auto first = updateCardIndex(**index);
        QVERIFY(first);
        QCOMPARE(first->added, 12);
        QCOMPARE(first->points, 12 * DemoPassCard::kRecordingSeconds);
        QCOMPARE(first->trips, 2);
        QCOMPARE(count(**index, "SELECT count(*) FROM point_boxes"), boxesDue(**index));
        QVERIFY(boxesDue(**index) > 0);
        QCOMPARE(count(**index, "SELECT count(*) FROM recordings WHERE clock_offset_s = 32400"),
                 12);
        const auto again = updateCardIndex(**index);
        QVERIFY(again);
        QCOMPARE(again->unchanged, 12);
        QVERIFY(!again->changedAnything());
    }

    void updatesFollowTheCard_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("changed");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("passes"); // by the place both mornings pass
        QTest::addColumn<int>("trips");
        QTest::newRow("nothing") << "" << 0 << 0 << 0 << 2 << 2;
        QTest::newRow("a recording added") << "add" << 1 << 0 << 0 << 2 << 2;
        QTest::newRow("a recording rewritten elsewhere") << "change" << 0 << 1 << 0 << 1 << 2;
        QTest::newRow("a pair removed") << "remove" << 0 << 0 << 2 << 1 << 2;
    }

    void updatesFollowTheCard()
    {
        QFETCH(QString, change);
        QTemporaryDir card, cache;
        QVERIFY(copyFolder(m_card.path(), card.path()));
        auto index = CardIndex::open(card.path(), cache.path());
        QVERIFY(index);
        QVERIFY(updateCardIndex(**index));
        DemoPassCard::Drive first = DemoPassCard::drives().first();
        // The recording of the first morning that passes the place.
        const QString passing = card.path() + u'/' + DemoPassCard::recordingPaths(first)[2];
        if (change == u"add") {
            first.recordings = 4;
            QVERIFY(DemoPassCard::writeRecording(card.path(), first, 3, false));
        } else if (change == u"change") {
            first.fromMetres = 2000; // the same name, another stretch of road
            QVERIFY(DemoPassCard::writeRecording(card.path(), first, 1, false));
            QFile rewritten(passing);
            QVERIFY(rewritten.open(QIODevice::ReadWrite));
            QVERIFY(rewritten.setFileTime(QDateTime::currentDateTimeUtc().addSecs(60),
                                          QFileDevice::FileModificationTime));
        } else if (change == u"remove") {
            QVERIFY(QFile::remove(passing));
            QVERIFY(QFile::remove(
                QString(passing).replace(QStringLiteral("_F."), QStringLiteral("_R."))));
        }
        const auto report = updateCardIndex(**index);
        QVERIFY(report);
        QTEST(int(report->added), "added");
        QTEST(int(report->changed), "changed");
        QTEST(int(report->removed), "removed");
        QTEST(int(passesAt(**index, 300)), "passes");
        QTEST(int(report->trips), "trips");
        // Every box belongs to a recording still indexed, and every stretch has one.
        QCOMPARE(count(**index, "SELECT count(*) FROM point_boxes WHERE id >> 20 NOT IN "
                                "(SELECT id FROM recordings)"),
                 0);
        QCOMPARE(count(**index, "SELECT count(*) FROM point_boxes"), boxesDue(**index));
        QCOMPARE(count(**index, "SELECT count(*) FROM routes WHERE recording NOT IN "
                                "(SELECT id FROM recordings)"),
                 0);
    }

    // A walk stopped early has not seen the card: what it did not reach is not gone.
    void aStoppedUpdateForgetsNothing()
    {
        QTemporaryDir cache;
        auto index = CardIndex::open(m_card.path(), cache.path());
        QVERIFY(index);
        QVERIFY(updateCardIndex(**index));
        const std::atomic<bool> stop{true};
        const auto stopped = updateCardIndex(**index, {}, &stop);
        QVERIFY(stopped);
        QCOMPARE(stopped->removed, 0);
        QCOMPARE(count(**index, "SELECT count(*) FROM recordings"), 12);
    }

    void unusableFilesAreStartedAgain_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("bytes of no database") << "garbage";
        QTest::newRow("another program's database") << "foreign";
        QTest::newRow("an older version") << "older";
        QTest::newRow("cut short") << "cut";
    }

    void unusableFilesAreStartedAgain()
    {
        QFETCH(QString, kind);
        QTemporaryDir cache;
        const QString file = CardIndex::fileOf(CardIndex::identityOf(m_card.path()), cache.path());
        if (kind == u"garbage") {
            QByteArray bytes(16384, '\0');
            for (qsizetype i = 0; i < bytes.size(); ++i)
                bytes[i] = char(i * 131 + 7);
            QVERIFY(writeFile(file, bytes));
        } else if (kind == u"cut") {
            {
                auto full = CardIndex::open(m_card.path(), cache.path());
                QVERIFY(full);
                QVERIFY(updateCardIndex(**full));
                QVERIFY((*full)->db().exec("PRAGMA wal_checkpoint(TRUNCATE)"));
            }
            const QByteArray bytes = readFile(file);
            QVERIFY(bytes.size() > 8192);
            QVERIFY(writeFile(file, bytes.left(bytes.size() / 3)));
        } else {
            SqliteDb db;
            QVERIFY(db.open(file, true, 1000));
            QVERIFY(db.exec(kind == u"foreign"
                                ? "CREATE TABLE notes(text); INSERT INTO notes VALUES('x');"
                                : "CREATE TABLE recordings(path); PRAGMA user_version = 0; "
                                  "PRAGMA application_id = 1414941513;"));
        }
        auto index = CardIndex::open(m_card.path(), cache.path());
        QVERIFY2(index, index ? "" : qPrintable(index.failure().text()));
        const auto report = updateCardIndex(**index);
        QVERIFY2(report, report ? "" : qPrintable(report.failure().text()));
        QVERIFY(report->rebuilt);
        QCOMPARE(report->recordings, 12);
        QCOMPARE(passesAt(**index, 300), 2);
    }

    void aReadOnlyCardIsOnlyRead()
    {
        QTemporaryDir card, cache;
        QVERIFY(copyFolder(m_card.path(), card.path()));
        const QStringList before = folderState(card.path());
        const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        for (const QString &dir :
             {card.path() + "/DCIM/100ALWAY", card.path() + "/DCIM", card.path()})
            QVERIFY(QFile::setPermissions(dir, readOnly));
        auto index = CardIndex::open(card.path(), cache.path());
        QVERIFY(index);
        const auto report = updateCardIndex(**index);
        for (const QString &dir :
             {card.path(), card.path() + "/DCIM", card.path() + "/DCIM/100ALWAY"})
            QFile::setPermissions(dir, readOnly | QFile::WriteOwner);
        QVERIFY(report);
        QCOMPARE(report->added, 12);
        QVERIFY(!(*index)->file().startsWith(card.path()));
        QCOMPARE(folderState(card.path()), before);
    }

private:
    QTemporaryDir m_card;
};

QTEST_GUILESS_MAIN(TestCardIndex)
#include "test_cardindex.moc"
