// tavik-tool evidence: a folder that sha256sum accepts, copies equal to the card's files, and
// nothing that looks complete when the export is cut short or the target is taken.
#include "tripcard.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QUrl>

#include <sys/stat.h>

class TestEvidenceTool : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_front, m_rear;

    static QStringList filesBelow(const QString &dir)
    {
        QStringList names;
        for (QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();)
            names << QDir(dir).relativeFilePath(it.next());
        names.sort();
        return names;
    }

    // The report's links, as written.
    static QStringList hrefs(const QByteArray &html)
    {
        QStringList found;
        static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
        for (auto it = link.globalMatch(QString::fromUtf8(html)); it.hasNext();)
            found << it.next().captured(1);
        return found;
    }

    static int sha256sumCheck(const QString &dir, const QString &sums = "SHA256SUMS")
    {
        QProcess check;
        check.setWorkingDirectory(dir);
        check.start("sha256sum", {"-c", "--strict", "--quiet", sums});
        return check.waitForFinished() && check.exitStatus() == QProcess::NormalExit
                   ? check.exitCode()
                   : -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(writeCardSettings(m_dir.path(), 28, false));
        for (const char *side : {"F", "R"}) {
            PlannedRecording plan;
            plan.path = m_dir.filePath(QStringLiteral("DCIM/200EVENT/event_20261017_083300_%1.avi")
                                           .arg(QLatin1String(side)));
            plan.seconds = 30;
            plan.peakG = 0.9;
            plan.utcStart = timeOfName("event_20261017_083300_F").addSecs(-9 * 3600);
            QVERIFY(writePlannedRecording(plan));
            (side[0] == 'F' ? m_front : m_rear) = plan.path;
        }
    }

    void folderPassesSha256sum()
    {
        const QString out = m_dir.filePath("evidence");
        const ProcessRun run = runTool({"evidence", m_rear, out});
        QVERIFY2(run.status == 0, run.err);
        QCOMPARE(
            filesBelow(out),
            QStringList({"SHA256SUMS", "event_20261017_083300_F.avi", "event_20261017_083300_F.csv",
                         "event_20261017_083300_F.gpx", "event_20261017_083300_R.avi",
                         "event_20261017_083300_R.csv", "event_20261017_083300_R.gpx",
                         "gsensor.png", "report.html", "route.png"}));
        QCOMPARE(readFile(out + "/event_20261017_083300_F.avi"), readFile(m_front));
        QCOMPARE(readFile(out + "/event_20261017_083300_R.avi"), readFile(m_rear));
        QCOMPARE(readFile(out + "/SHA256SUMS").count('\n'), 9);

        QProcess check;
        check.setWorkingDirectory(out);
        check.start("sha256sum", {"-c", "--strict", "SHA256SUMS"});
        QVERIFY(check.waitForFinished());
        QCOMPARE(check.exitCode(), 0);
        QCOMPARE(check.readAllStandardOutput().count(": OK\n"), 9);

        const QByteArray report = readFile(out + "/report.html");
        QVERIFY(report.contains("0.90 g (X -0.90"));
        QVERIFY(report.contains("X 0.50 g, Y 0.45 g, Z 0.45 g"));
        QVERIFY(report.contains("UTC+09:00"));
    }

    // A rear camera that recorded no telemetry gets no empty CSV or GPX; the report says why.
    void partnerWithoutTelemetry()
    {
        QTemporaryDir card;
        QVERIFY(writeCardSettings(card.path(), 28, false));
        PlannedRecording plan;
        plan.seconds = 5;
        plan.utcStart = timeOfName("event_20261017_083300_F").addSecs(-9 * 3600);
        plan.path = card.filePath("DCIM/200EVENT/event_20261017_083300_F.avi");
        QVERIFY(writePlannedRecording(plan));
        plan.path = card.filePath("DCIM/200EVENT/event_20261017_083300_R.avi");
        plan.telemetry = false;
        QVERIFY(writePlannedRecording(plan));
        const QString out = card.filePath("evidence");
        const ProcessRun run = runTool({"evidence", plan.path, out});
        QVERIFY2(run.status == 0, run.err);
        QCOMPARE(
            filesBelow(out),
            QStringList({"SHA256SUMS", "event_20261017_083300_F.avi", "event_20261017_083300_F.csv",
                         "event_20261017_083300_F.gpx", "event_20261017_083300_R.avi",
                         "gsensor.png", "report.html", "route.png"}));
        QVERIFY(readFile(out + "/report.html")
                    .contains("event_20261017_083300_R.avi carries no telemetry"));
    }

    // A file of the partner's name that is no recording of the card is not copied.
    void partnerMustBeARecording_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("link to a system file") << "/etc/passwd";
        QTest::newRow("link into proc") << "/proc/self/environ";
        QTest::newRow("link to a folder") << "/etc";
    }
    void partnerMustBeARecording()
    {
        QFETCH(QString, target);
        QTemporaryDir card;
        const QString front = card.filePath("DCIM/event_20261017_083300_F.avi");
        QVERIFY(QDir().mkpath(card.filePath("DCIM")));
        QVERIFY(QFile::copy(m_front, front));
        QVERIFY(QFile::link(target, card.filePath("DCIM/event_20261017_083300_R.avi")));
        const QString out = card.filePath("evidence");
        const ProcessRun run = runTool({"evidence", front, out});
        QVERIFY2(run.status == 0, run.err);
        QVERIFY(!filesBelow(out).contains("event_20261017_083300_R.avi"));
        QCOMPARE(sha256sumCheck(out), 0);
        QVERIFY(readFile(out + "/report.html").contains("none taken"));
    }

    void fileMustBeARecording_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("random bytes")
            << QByteArray("\x13\x37 not a recording at all", 26) << "Not a recording";
        QTest::newRow("empty") << QByteArray() << "Not a recording";
        QTest::newRow("a folder") << QByteArray("folder") << "Not a regular file";
    }
    void fileMustBeARecording()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir card;
        const QString file = card.filePath("event_20261017_083300_F.avi");
        QVERIFY(bytes == "folder" ? QDir().mkdir(file) : writeFile(file, bytes));
        const ProcessRun run = runTool({"evidence", file, card.filePath("evidence")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(reason.toUtf8()), run.err);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(!QFileInfo::exists(card.filePath("evidence")));
    }

    // Whatever the recording is called, the copy stays the recording, the list verifies and
    // every link stays inside the folder.
    void hostileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("newline") << "event_20261017_083300\n_F.avi";
        QTest::newRow("backslash") << "event_20261017_083300\\_F.avi";
        QTest::newRow("control characters") << "event_\x01\x1b[31m20261017_083300_F.avi";
        QTest::newRow("script link") << "javascript:alert(1);a_F.avi";
        QTest::newRow("fragment and query") << "a#b%20c?d_F.avi";
        QTest::newRow("the report's name") << "report.html";
        QTest::newRow("the graph's name") << "GSENSOR.PNG";
        QTest::newRow("the checksums' name") << "SHA256SUMS";
        QTest::newRow("a telemetry file's name") << "event_20261017_083300_F.csv";
    }
    void hostileNames()
    {
        QFETCH(QString, name);
        QTemporaryDir card;
        const QString file = card.filePath(name);
        QVERIFY(QFile::copy(m_front, file));
        const QString out = card.filePath("evidence");
        const ProcessRun run = runTool({"evidence", file, out});
        QVERIFY2(run.status == 0, run.err);
        QCOMPARE(readFile(QDir(out).filePath(name)), readFile(m_front));
        // What the copy's name takes gives way with a number.
        QCOMPARE(sha256sumCheck(out, QString::fromLatin1(name == "SHA256SUMS" ? "SHA256SUMS-2"
                                                                              : "SHA256SUMS")),
                 0);
        const QByteArray report = readFile(
            out + QString::fromLatin1(name == "report.html" ? "/report-2.html" : "/report.html"));
        QVERIFY(!report.contains('\x1b'));
        const QStringList links = hrefs(report);
        QCOMPARE(links.size(), filesBelow(out).size() + 1); // pictures shown; report.html unlisted
        for (const QString &link : links) {
            QVERIFY2(link.startsWith("./") && !link.contains(':') && !link.contains('#') &&
                         !link.contains('?'),
                     qPrintable(link));
            const QString target = QUrl::fromPercentEncoding(link.mid(2).toUtf8());
            QVERIFY2(QFileInfo(QDir(out).filePath(target)).isFile(), qPrintable(target));
        }
    }

    void emptyFolderIsTheTarget_data()
    {
        QTest::addColumn<QString>("given");
        QTest::newRow("the folder") << "out";
        QTest::newRow("with a slash") << "out/";
    }
    void emptyFolderIsTheTarget()
    {
        QFETCH(QString, given);
        QTemporaryDir place;
        QVERIFY(QDir().mkdir(place.filePath("out")));
        const ProcessRun run = runTool({"evidence", m_front, place.filePath(given)});
        QVERIFY2(run.status == 0, run.err);
        QCOMPARE(sha256sumCheck(place.filePath("out")), 0);
        QCOMPARE(
            QDir(place.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"out"});
    }

    void longTargetName()
    {
        QTemporaryDir place;
        const QString out = place.filePath(QString(250, u'e'));
        const ProcessRun run = runTool({"evidence", m_front, out});
        QVERIFY2(run.status == 0, run.err);
        QCOMPARE(sha256sumCheck(out), 0);
    }

    // A run killed part-way leaves its partial folder beside the target: the card's
    // catalogue does not list what is in it, other hidden folders are still walked, and the
    // next run removes it.
    void partialFoldersAreOursAlone()
    {
        QTemporaryDir card;
        const QString partial = card.filePath(".tavik-partial-Kx81Qa");
        const QString hidden = card.filePath(".camera");
        for (const QString &dir : {partial, hidden}) {
            QVERIFY(QDir().mkpath(dir));
            QVERIFY(QFile::copy(m_front, dir + "/event_20261017_083300_F.avi"));
        }
        const ProcessRun list = runTool({"list", card.path()});
        QCOMPARE(list.status, 0);
        QVERIFY(!list.out.contains(".tavik-partial-"));
        QVERIFY(list.out.contains(".camera/event_20261017_083300_F.avi"));

        const ProcessRun run = runTool({"evidence", m_front, card.filePath("evidence")});
        QVERIFY2(run.status == 0, run.err);
        QVERIFY(!QFileInfo::exists(partial));
        QVERIFY(QFileInfo::exists(hidden + "/event_20261017_083300_F.avi"));
    }

    void refusesAFolderInUse()
    {
        const QString out = m_dir.filePath("taken");
        QVERIFY(QDir().mkpath(out));
        QVERIFY(writeFile(out + "/notes.txt", "mine"));
        const ProcessRun run = runTool({"evidence", m_front, out});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("not an empty folder"));
        QCOMPARE(filesBelow(out), QStringList({"notes.txt"}));
    }

    // A full card: the copy fails part-way and the half folder goes.
    void cutShortLeavesNothingComplete()
    {
        QTemporaryDir target;
        ProcessRun run;
        {
            const FileSizeLimit limit(20000);
            run = runTool({"evidence", m_front, target.filePath("evidence")});
        }
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("File too large"), run.err);
        QCOMPARE(
            QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }
};

QTEST_GUILESS_MAIN(TestEvidenceTool)
#include "test_evidencetool.moc"
