// The shell runner: outcomes of real commands, the error numbers of recorded tool output, and
// quoting that survives a real shell.
#include "card/shellcommand.h"
#include "common/log.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray recordedError(const QString &name)
{
    QFile file(QStringLiteral(TAVIK_TEST_DATA "/card/stderr/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing fixture");
}

} // namespace

class TestShellCommand : public QObject
{
    Q_OBJECT
    QStringList m_log;

private slots:
    void init()
    {
        m_log.clear();
        tvk::setLogSink([this](const QString &line) { m_log << line; });
    }
    void cleanup() { tvk::setLogSink({}); }

    void successIsEmptyAndLogged()
    {
        QCOMPARE(runShellCommand(QStringLiteral("true"), false), std::nullopt);
        QCOMPARE(m_log, QStringList{QStringLiteral("ERROR={}")});
    }

    void failureCarriesTheErrorOutput()
    {
        const auto error =
            runShellCommand(QStringLiteral("echo first >&2; echo second >&2; exit 3"), false);
        QVERIFY(error);
        QCOMPARE(error->number, ShellErrorNumber::CommandFailed);
        QCOMPARE(error->message, QStringLiteral("first; second"));
        QCOMPARE(m_log.size(), 1);
        QVERIFY(m_log.first().startsWith(QLatin1String("ERROR={NSAppleScriptErrorNumber = 2;")));
    }

    void silentFailureNamesItsStatus()
    {
        const auto error = runShellCommand(QStringLiteral("exit 1"), false);
        QVERIFY(error);
        QCOMPARE(error->number, ShellErrorNumber::CommandFailed);
        QCOMPARE(error->message, QStringLiteral("exit status 1"));
    }

    void killedCommandIsAFailure()
    {
        const auto error = runShellCommand(QStringLiteral("kill -9 $$"), false);
        QVERIFY(error);
        QCOMPARE(error->number, ShellErrorNumber::Crashed);
    }

    void errorTextsStayEnglish()
    {
        const auto error = runShellCommand(QStringLiteral("echo \"$LC_ALL\" >&2; exit 1"), false);
        QVERIFY(error);
        QCOMPARE(error->message, QStringLiteral("C"));
    }

    void recordedFailures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("administrator");
        QTest::addColumn<int>("number");
        QTest::newRow("write-protected card") << "mkfs-read-only.txt" << 1 << true << 1;
        QTest::newRow("write-protected, no pkexec") << "mkfs-read-only.txt" << 1 << false << 1;
        QTest::newRow("no such device")
            << "mkfs-no-device.txt" << 1 << true << ShellErrorNumber::CommandFailed;
        QTest::newRow("permission denied")
            << "mkfs-permission-denied.txt" << 1 << true << ShellErrorNumber::CommandFailed;
        QTest::newRow("still mounted")
            << "mkfs-busy.txt" << 1 << true << ShellErrorNumber::CommandFailed;
        QTest::newRow("password prompt dismissed")
            << "pkexec-dismissed.txt" << 126 << true << ShellErrorNumber::Cancelled;
        QTest::newRow("not authorised")
            << "pkexec-not-authorized.txt" << 127 << true << ShellErrorNumber::NotAuthorised;
        QTest::newRow("no polkit daemon")
            << "pkexec-no-authority.txt" << 127 << true << ShellErrorNumber::NotAuthorised;
        QTest::newRow("127 without pkexec: no such command")
            << "pkexec-no-authority.txt" << 127 << false << ShellErrorNumber::CommandFailed;
        QTest::newRow("warning on success") << "mkfs-too-small.txt" << 0 << true << 0;
    }

    void recordedFailures()
    {
        QFETCH(QString, file);
        QFETCH(int, exitCode);
        QFETCH(bool, administrator);
        QFETCH(int, number);
        const auto error = shellErrorFromExit(exitCode, false, recordedError(file), administrator);
        QCOMPARE(error.has_value(), number != 0);
        if (error) {
            QCOMPARE(error->number, number);
            QVERIFY(!error->message.isEmpty());
            QVERIFY(!error->message.contains(u'\n'));
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
        const QString out = dir.filePath(QStringLiteral("out"));
        const QString command = QStringLiteral("cd %1 && printf '%s' %2 > out")
                                    .arg(shellQuote(dir.path()), shellQuote(word));
        QCOMPARE(runShellCommand(command, false), std::nullopt);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), word);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("INJECTED"))));
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
