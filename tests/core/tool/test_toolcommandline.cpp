// tavik-tool's command line: every command answers --help and refuses a bad line in the
// same words, and `--` lets a file name begin with a dash.
#include "core/testsupport.h"

#include <QRegularExpression>

class TestToolCommandLine : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // The commands as `tavik-tool help` lists them.
    static QStringList commands()
    {
        QStringList names;
        const ProcessRun help = runTool({"help"});
        static const QRegularExpression entry(QStringLiteral("^  ([a-z-]+)"),
                                              QRegularExpression::MultilineOption);
        for (auto it = entry.globalMatch(QString::fromUtf8(help.out)); it.hasNext();)
            names << it.next().captured(1);
        return names;
    }

private slots:
    void everyCommand_data()
    {
        QTest::addColumn<QString>("command");
        const QStringList names = commands();
        QVERIFY(names.size() >= 8);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyCommand()
    {
        QFETCH(QString, command);
        const ProcessRun help = runTool({command, "--help"});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.startsWith("Usage: tavik-tool " + command.toUtf8() + ' '), help.out);

        const ProcessRun bad = runTool({command, "x", "--bogus"});
        QCOMPARE(bad.status, 2);
        QVERIFY(bad.out.isEmpty());
        const QRegularExpression line("^tavik-tool: unknown option 'bogus'; usage: " + command +
                                      " .* \\(see tavik-tool " + command + " --help\\)$");
        QVERIFY2(line.match(QString::fromUtf8(bad.err.trimmed().split('\n').last())).hasMatch(),
                 bad.err);
    }

    void argumentCounts_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("problem");
        QTest::newRow("missing") << QStringList{"list"} << "missing DIR";
        QTest::newRow("extra") << QStringList{"drv", "a", "b"} << "unexpected argument \"b\"";
        QTest::newRow("no value") << QStringList{"timeset", "out", "--at"}
                                  << "missing value after '--at'";
        QTest::newRow("config action")
            << QStringList{"config", "print", "f"} << "unknown action \"print\"";
        QTest::newRow("two formats") << QStringList{"telemetry", "f", "--csv", "--gpx"}
                                     << "choose one of --json, --csv, --gpx";
        QTest::newRow("minutes that wrap")
            << QStringList{"demo-card", "d", "--minutes", "307445734561825861"}
            << "--minutes: bad value";
    }

    void argumentCounts()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, problem);
        const ProcessRun run = runTool(args);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith("tavik-tool: " + problem.toUtf8()), run.err);
    }

    void dashedFileName()
    {
        QDir::setCurrent(m_dir.path());
        const ProcessRun run = runTool({"timeset", "--", "-clock.cfg"});
        QCOMPARE(run.status, 0);
        QVERIFY(QFile::exists(m_dir.filePath("-clock.cfg")));
    }
};

QTEST_GUILESS_MAIN(TestToolCommandLine)
#include "test_toolcommandline.moc"
