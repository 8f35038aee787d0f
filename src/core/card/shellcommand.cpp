#include "shellcommand.h"

#include "common/log.h"

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

QString describe(const std::optional<ShellError> &error)
{
    if (!error)
        return QStringLiteral("{}");
    return QStringLiteral("{NSAppleScriptErrorNumber = %1; NSAppleScriptErrorMessage = \"%2\"}")
        .arg(error->number)
        .arg(error->message);
}

} // namespace

std::optional<ShellError> shellErrorFromExit(int exitCode, bool crashed,
                                             const QByteArray &errorOutput, bool administrator)
{
    const QString message = oneLine(QString::fromLocal8Bit(errorOutput));
    if (crashed)
        return ShellError{ShellErrorNumber::Crashed,
                          message.isEmpty() ? QStringLiteral("crashed") : message};
    if (exitCode == 0)
        return std::nullopt;
    if (administrator && exitCode == kPkexecDismissed)
        return ShellError{ShellErrorNumber::Cancelled, QStringLiteral("User canceled.")};
    if (administrator && exitCode == kPkexecNotAuthorised)
        return ShellError{ShellErrorNumber::NotAuthorised,
                          message.isEmpty() ? QStringLiteral("Not authorized.") : message};
    if (tellsWriteProtected(message))
        return ShellError{ShellErrorNumber::WriteProtected, message};
    return ShellError{ShellErrorNumber::CommandFailed,
                      message.isEmpty() ? QStringLiteral("exit status %1").arg(exitCode) : message};
}

std::optional<ShellError> runShellCommand(const QString &command, bool administrator)
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

    std::optional<ShellError> error;
    if (!process.waitForStarted(-1)) {
        error = ShellError{ShellErrorNumber::NotStarted, process.errorString()};
    } else {
        process.waitForFinished(-1);
        error = shellErrorFromExit(process.exitCode(), process.exitStatus() == QProcess::CrashExit,
                                   process.readAllStandardError(), administrator);
    }
    tvk::log(QStringLiteral("ERROR=%1").arg(describe(error)));
    return error;
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
