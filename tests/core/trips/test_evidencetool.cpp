// tavik-tool evidence: a folder that sha256sum accepts, copies equal to the card's files, and
// nothing that looks complete when the export is cut short or the target is taken.
#include "tripcard.h"

#include <QDirIterator>

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
            QCOMPARE(writePlannedRecording(plan), QString());
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
        QCOMPARE(writePlannedRecording(plan), QString());
        plan.path = card.filePath("DCIM/200EVENT/event_20261017_083300_R.avi");
        plan.telemetry = false;
        QCOMPARE(writePlannedRecording(plan), QString());
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
