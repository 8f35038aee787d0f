#include "core/card/ShellCommand.h"

#include "core/common/log.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

namespace {

// pkexec's own exit codes.
constexpr int kPkexecDismissed = 126;
constexpr int kPkexecNotAuthorised = 127;

// What the kernel and the disk tools say about a write-protected medium: the SCSI and MMC
// drivers refuse a writable open of such a card with EROFS, which mkfs.fat prints as
// "unable to open /dev/sdX: Read-only file system".
bool tellsWriteProtected(const QString &text)
{
    return text.contains(QLatin1String("Read-only file system"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("write-protected"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("write protected"), Qt::CaseInsensitive);
}

QString oneLine(const QString &text)
{
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(QLatin1String("; "));
}

QString describe(const tvk::Result<void> &outcome)
{
    if (outcome)
        return QStringLiteral("{}");
    return QStringLiteral("{NSAppleScriptErrorNumber = %1; NSAppleScriptErrorMessage = \"%2\"}")
        .arg(outcome.failure().code)
        .arg(outcome.failure().reasonOrMessage());
}

tvk::Failure shellFailure(int code, const char *key, const QString &reason, QStringList args = {})
{
    return tvk::Failure{key, {}, reason, std::move(args), code};
}

} // namespace

tvk::Result<void> shellOutcomeFromExit(int exitCode, bool crashed, const QByteArray &errorOutput,
                                       bool administrator)
{
    using namespace ShellErrorNumber;
    const QString message = oneLine(QString::fromLocal8Bit(errorOutput));
    if (crashed)
        return shellFailure(Crashed, QT_TRID_NOOP("msg.command_crashed"), message);
    if (exitCode == 0)
        return {};
    if (administrator && exitCode == kPkexecDismissed)
        return shellFailure(Cancelled, QT_TRID_NOOP("msg.command_cancelled"), {});
    if (administrator && exitCode == kPkexecNotAuthorised)
        return shellFailure(NotAuthorised, QT_TRID_NOOP("msg.command_not_authorised"), message);
    if (tellsWriteProtected(message))
        return shellFailure(WriteProtected, QT_TRID_NOOP("msg.write_protected_disk"), message);
    return shellFailure(CommandFailed, QT_TRID_NOOP("msg.command_exit_status"), message,
                        {QString::number(exitCode)});
}

tvk::Result<void> runShellCommand(const QString &command, bool administrator)
{
    QProcess process;
    // The error texts are read for their meaning: keep them in English.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    const QStringList shell{QStringLiteral("/bin/sh"), QStringLiteral("-c"), command};
    if (administrator)
        process.start(QStringLiteral("pkexec"), shell);
    else
        process.start(shell.first(), shell.mid(1));

    tvk::Result<void> outcome;
    if (!process.waitForStarted(-1)) {
        outcome = shellFailure(ShellErrorNumber::NotStarted,
                               QT_TRID_NOOP("msg.command_not_started"), process.errorString());
    } else {
        process.waitForFinished(-1);
        outcome =
            shellOutcomeFromExit(process.exitCode(), process.exitStatus() == QProcess::CrashExit,
                                 process.readAllStandardError(), administrator);
    }
    tvk::log(QStringLiteral("ERROR=%1").arg(describe(outcome)));
    return outcome;
}

QString shellQuote(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', QLatin1String("'\\''"));
    return u'\'' + quoted + u'\'';
}

bool isSafeDeviceName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9._-]+$"));
    return name != QLatin1String(".") && name != QLatin1String("..") &&
           pattern.match(name).hasMatch();
}
