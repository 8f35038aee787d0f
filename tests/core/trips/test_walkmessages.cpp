// trips and clock tell what their walk of a card could not do in list's own words.
#include "core/catalogue/DirectoryWalk.h"
#include "tripcard.h"

class TestWalkMessages : public QObject
{
    Q_OBJECT

    // A card whose folder "locked" cannot be entered and that holds more recordings than the
    // catalogue takes (empty files: the walk goes by name).
    static bool writeCard(const QString &dir)
    {
        const QString locked = dir + "/DCIM/locked";
        if (!writeCardRecording(dir, "alwa_20261017_083000_F", 3, 9 * 3600, 0).size() ||
            !QDir().mkpath(locked) || !writeFile(locked + "/alwa_20261017_090000_F.avi", "") ||
            !QFile::setPermissions(locked, QFileDevice::ExeOwner) || !QDir().mkpath(dir + "/many"))
            return false;
        const QDateTime first(QDate(2026, 10, 18), QTime(0, 0), Qt::UTC);
        for (qsizetype i = 0; i <= kMaxCatalogueEntries; ++i) {
            const QString name = "alwa_" + first.addSecs(i * 120).toString("yyyyMMdd_HHmmss");
            if (!writeFile(dir + "/many/" + name + "_F.avi", ""))
                return false;
        }
        return true;
    }

private slots:
    void sameWordsAsList_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("trips") << "trips";
        QTest::newRow("clock") << "clock";
    }

    void sameWordsAsList()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        QVERIFY(writeCard(dir.path()));
        const QString card = QFileInfo(dir.path()).absoluteFilePath();
        const ProcessRun list = runToolUnprivileged({"list", card}, dir.path());
        const ProcessRun run = runToolUnprivileged({command, card, "--json"}, dir.path());
        QFile::setPermissions(dir.filePath("DCIM/locked"), QFileDevice::ReadOwner |
                                                               QFileDevice::WriteOwner |
                                                               QFileDevice::ExeOwner);
        QCOMPARE(list.status, 0);
        QCOMPARE(run.status, 0);
        QCOMPARE(list.err.count('\n'), 2); // the folder and the limit
        QCOMPARE(run.err, list.err);
        QVERIFY(QJsonDocument::fromJson(run.out).isObject());
    }

    // A card that cannot be read at all is a failure, as for list.
    void unreadableCard_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("list") << "list";
        QTest::newRow("trips") << "trips";
        QTest::newRow("clock") << "clock";
    }

    void unreadableCard()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString card = dir.filePath("card");
        QVERIFY(writeCardRecording(card, "alwa_20261017_083000_F", 3, 0, 0).size());
        QVERIFY(QFile::setPermissions(card, QFileDevice::ExeOwner | QFileDevice::ExeOther));
        const ProcessRun run = runToolUnprivileged({command, card}, dir.path());
        QFile::setPermissions(card, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("tavik-tool: " + card.toUtf8() + ": "), run.err);
    }
};

QTEST_GUILESS_MAIN(TestWalkMessages)
#include "test_walkmessages.moc"
