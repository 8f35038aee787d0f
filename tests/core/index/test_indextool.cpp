// `tavik-tool index` and `tavik-tool find` as scripts use them, and the tool indexing a card
// while this program indexes it too.
#include "core/index/indexupdate.h"
#include "core/index/placesearch.h"
#include "passcard.h"

#include <QJsonArray>

class TestIndexTool : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_card.isValid() && m_cache.isValid());
        QVERIFY(DemoPassCard::write(m_card.path()));
        m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_cache.path());
    }

    void tripsFromTheIndexAsFromTheFiles_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QByteArray>("shows"); // a piece of what a reading of the files gives
        QTest::newRow("trips") << QStringList{QStringLiteral("trips")} << QByteArray(" km");
        QTest::newRow("trips json")
            << QStringList{QStringLiteral("trips"), QStringLiteral("--json")}
            << QByteArray("\"km\": ");
        QTest::newRow("trips gpx")
            << QStringList{QStringLiteral("trips"), QStringLiteral("--gpx"), QStringLiteral("-")}
            << QByteArray("<time>");
        QTest::newRow("trips kml")
            << QStringList{QStringLiteral("trips"), QStringLiteral("--kml"), QStringLiteral("-")}
            << QByteArray("<when>");
        QTest::newRow("clock") << QStringList{QStringLiteral("clock")} << QByteArray(" s  ");
        QTest::newRow("clock json")
            << QStringList{QStringLiteral("clock"), QStringLiteral("--json")}
            << QByteArray("\"offset_s\": ");
    }

    void tripsFromTheIndexAsFromTheFiles()
    {
        // What the tool tells from a current index must be what a reading of the recordings
        // gives. Once the folders' times vouch for the index, no recording is read at all: each
        // is then blanked, keeping its size and time, and the answer must not change.
        QFETCH(QStringList, command);
        QFETCH(QByteArray, shows);
        QTemporaryDir card, freshCache, cache;
        QVERIFY(copyFolder(m_card.path(), card.path()));
        QVERIFY(ageFolders(card.path()));
        QProcessEnvironment fresh = m_environment, indexed = m_environment;
        fresh.insert(QStringLiteral("XDG_CACHE_HOME"), freshCache.path());
        indexed.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
        const QStringList line = QStringList{command.first(), card.path()} + command.mid(1);
        const ProcessRun read = runTool(line, fresh);
        QCOMPARE(read.status, 0);
        QVERIFY2(read.out.count(shows) >= 2, read.out.constData());
        QCOMPARE(runTool({QStringLiteral("index"), card.path()}, indexed).status, 0);
        QCOMPARE(runTool(line, indexed).out, read.out);
        QStringList recordings;
        for (QDirIterator it(card.path(), {QStringLiteral("*.avi")}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            recordings.append(it.next());
        QCOMPARE(recordings.size(), 12);
        for (const QString &path : std::as_const(recordings)) {
            const QFileInfo info(path);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QCOMPARE(file.write(QByteArray(info.size(), '\0')), info.size());
            QVERIFY(file.flush());
            QVERIFY(file.setFileTime(info.lastModified(), QFileDevice::FileModificationTime));
        }
        const ProcessRun fromIndex = runTool(line, indexed);
        QCOMPARE(fromIndex.status, 0);
        QCOMPARE(fromIndex.out, read.out);
        // A reading of the blanked files tells another story: the index really answered.
        QVERIFY(runTool(line, fresh).out != read.out);
    }

    void findAnswersInTheScriptsShape_data()
    {
        QTest::addColumn<double>("metres"); // along the loop; negative: far from it
        QTest::newRow("passed twice") << 300.0;
        QTest::newRow("passed once") << 50.0;
        QTest::newRow("never passed") << -1.0;
    }

    void findAnswersInTheScriptsShape()
    {
        QFETCH(double, metres);
        // Below zero: a place far from every drive.
        const auto [latitude, longitude] =
            metres >= 0 ? DemoPassCard::placeAt(metres) : DemoRoute::Degrees{35.1796, 129.0756};
        const ProcessRun run =
            runTool({QStringLiteral("find"), m_card.path(), QStringLiteral("--near"),
                     QString::number(latitude, 'f', 7) + u',' + QString::number(longitude, 'f', 7),
                     QStringLiteral("--radius"), QStringLiteral("30"), QStringLiteral("--json")},
                    m_environment);
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.startsWith("{\"passes\": ["));
        const QJsonArray passes = QJsonDocument::fromJson(run.out)[u"passes"].toArray();
        const QList<DemoPassCard::Moment> expected =
            metres >= 0 ? DemoPassCard::frontMomentsAt(metres) : QList<DemoPassCard::Moment>();
        QCOMPARE(passes.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const DemoPassCard::Moment &m = expected[i];
            QCOMPARE(jsonFields(passes[i], {"path", "offset_s", "time", "speed_kmh"}),
                     QStringLiteral("path=%1 offset_s=%2 time=%3 speed_kmh=36")
                         .arg(m_card.path() + u'/' + m.path)
                         .arg(m.offsetSeconds)
                         .arg(m.time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))));
            QVERIFY(passes[i][u"distance_m"].toDouble() < 1);
        }
    }

    void aPlaceThatIsNoneIsRefused_data()
    {
        QTest::addColumn<QString>("near");
        QTest::newRow("one number") << "37.5";
        QTest::newRow("latitude beyond the pole") << "91,127";
        QTest::newRow("words") << "north,east";
    }

    void aPlaceThatIsNoneIsRefused()
    {
        QFETCH(QString, near);
        const ProcessRun run = runTool(
            {QStringLiteral("find"), m_card.path(), QStringLiteral("--near"), near}, m_environment);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains("--near"));
    }

    // The viewer and the tool at once: both finish, and the index is what either alone makes.
    void twoProgramsIndexingAtOnceAgree()
    {
        QTemporaryDir card, cache;
        QVERIFY(copyFolder(m_card.path(), card.path()));
        QProcessEnvironment environment = m_environment;
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
        QProcess tool;
        tool.setProcessEnvironment(environment);
        tool.start(qEnvironmentVariable("TAVIK_TOOL"), {QStringLiteral("index"), card.path()});
        QVERIFY(tool.waitForStarted());
        auto index =
            CardIndex::open(card.path(), cache.path() + QStringLiteral("/tavik-viewer/cards"));
        QVERIFY2(index, index ? "" : qPrintable(index.failure().text()));
        const auto ours = updateCardIndex(**index);
        QVERIFY2(ours, ours ? "" : qPrintable(ours.failure().text()));
        QVERIFY(tool.waitForFinished(120000));
        QCOMPARE(tool.exitCode(), 0);
        const ProcessRun again = runTool({QStringLiteral("index"), card.path()}, environment);
        QCOMPARE(again.status, 0);
        QVERIFY2(again.out.startsWith("12 recordings: 0 added, 0 changed, 0 removed, 12 "
                                      "unchanged; 240 route points, 2 trips"),
                 again.out.constData());
        // Six front recordings of 20 points: two boxes each.
        QCOMPARE((*index)->db().integer("SELECT count(*) FROM point_boxes").value(), 12);
        const auto [latitude, longitude] = DemoPassCard::placeAt(300);
        QCOMPARE(findPasses(**index, latitude, longitude, 30)->size(), 2);
    }

private:
    QTemporaryDir m_card, m_cache;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

QTEST_GUILESS_MAIN(TestIndexTool)
#include "test_indextool.moc"
