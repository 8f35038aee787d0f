// The shell runner: outcomes of real commands, the error numbers of recorded tool output, and
// quoting that survives a real shell.
#include "core/card/ShellCommand.h"
#include "core/common/log.h"
#include "core/common/strings.h"
#include "core/testsupport.h"

class TestShellCommand : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(tvk::installStringTable()); }

    void outcomes_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("success") << "true" << 0 << "";
        QTest::newRow("error output on one line")
            << "echo first >&2; echo second >&2; exit 3" << 2 << "first; second";
        QTest::newRow("silent failure names its status") << "exit 1" << 2 << "exit status 1";
        QTest::newRow("killed") << "kill -9 $$" << int(ShellErrorNumber::Crashed) << "crashed";
        QTest::newRow("error texts stay English") << "echo \"$LC_ALL\" >&2; exit 1" << 2 << "C";
    }

    void outcomes()
    {
        QFETCH(QString, command);
        QFETCH(int, number);
        QFETCH(QString, message);
        tvk::setLogSink([](const QString &) {});
        const tvk::Result<void> outcome = runShellCommand(command, false);
        tvk::setLogSink({});
        QCOMPARE(outcome ? 0 : outcome.failure().code, number);
        QCOMPARE(outcome ? QString() : outcome.failure().reasonOrMessage(), message);
    }

    void recordedFailures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("administrator");
        QTest::addColumn<int>("number");
        const int failed = ShellErrorNumber::CommandFailed;
        QTest::newRow("write-protected card") << "mkfs-read-only.txt" << 1 << true << 1;
        QTest::newRow("write-protected, no pkexec") << "mkfs-read-only.txt" << 1 << false << 1;
        QTest::newRow("no such device") << "mkfs-no-device.txt" << 1 << true << failed;
        QTest::newRow("permission denied") << "mkfs-permission-denied.txt" << 1 << true << failed;
        QTest::newRow("still mounted") << "mkfs-busy.txt" << 1 << true << failed;
        QTest::newRow("password prompt dismissed")
            << "pkexec-dismissed.txt" << 126 << true << ShellErrorNumber::Cancelled;
        QTest::newRow("not authorised")
            << "pkexec-not-authorized.txt" << 127 << true << ShellErrorNumber::NotAuthorised;
        QTest::newRow("no polkit daemon")
            << "pkexec-no-authority.txt" << 127 << true << ShellErrorNumber::NotAuthorised;
        QTest::newRow("127 without pkexec: no such command")
            << "pkexec-no-authority.txt" << 127 << false << failed;
        QTest::newRow("warning on success") << "mkfs-too-small.txt" << 0 << true << 0;
    }

    void recordedFailures()
    {
        QFETCH(QString, file);
        QFETCH(int, exitCode);
        QFETCH(bool, administrator);
        QFETCH(int, number);
        const QByteArray output = readFile(QStringLiteral(TAVIK_TEST_DATA "/card/stderr/") + file);
        QVERIFY(!output.isEmpty());
        const tvk::Result<void> outcome =
            shellOutcomeFromExit(exitCode, false, output, administrator);
        QCOMPARE(!outcome, number != 0);
        if (!outcome) {
            QCOMPARE(outcome.failure().code, number);
            const QString message = outcome.failure().reasonOrMessage();
            QVERIFY(!message.isEmpty() && !message.contains(u'\n'));
        }
    }

    void quotedWordsSurviveTheShell_data()
    {
        QTest::addColumn<QString>("word");
        QTest::newRow("plain") << "/dev/sdb1";
        QTest::newRow("spaces") << "/media/user/NO NAME";
        QTest::newRow("quotes") << "it's \"quoted\"";
        QTest::newRow("substitutions") << "$(touch INJECTED) `touch INJECTED` $HOME";
        QTest::newRow("separators") << "a; touch INJECTED && b | c";
        QTest::newRow("backslashes and newline") << "a\\b\nc";
    }

    void quotedWordsSurviveTheShell()
    {
        QFETCH(QString, word);
        QTemporaryDir dir;
        const QString command = QStringLiteral("cd %1 && printf '%s' %2 > out")
                                    .arg(shellQuote(dir.path()), shellQuote(word));
        QVERIFY(runShellCommand(command, false).ok());
        QCOMPARE(QString::fromUtf8(readFile(dir.filePath("out"))), word);
        QVERIFY(!QFile::exists(dir.filePath("INJECTED")));
    }

    void deviceNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("partition") << "sdb1" << true;
        QTest::newRow("mmc") << "mmcblk0p1" << true;
        QTest::newRow("mapper") << "dm-0" << true;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("slash") << "sdb/../sda" << false;
        QTest::newRow("space") << "sd b" << false;
        QTest::newRow("semicolon") << "sdb;reboot" << false;
        QTest::newRow("empty") << "" << false;
    }

    void deviceNames()
    {
        QFETCH(QString, name);
        QTEST(isSafeDeviceName(name), "safe");
    }
};

QTEST_GUILESS_MAIN(TestShellCommand)
#include "test_shellcommand.moc"
