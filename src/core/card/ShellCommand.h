#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QString>

// Failures of shell commands carry one of these codes, as the format window tells them apart;
// their reason is the command's error output, on one line.
namespace ShellErrorNumber {
// The medium is write-protected (the format window shows its own message for it).
inline constexpr int WriteProtected = 1;
// Any other failure of the command; the message holds its error output.
inline constexpr int CommandFailed = 2;
inline constexpr int NotStarted = -1;
inline constexpr int Crashed = -2;
// The administrator password prompt was dismissed.
inline constexpr int Cancelled = -128;
// Authorisation was refused.
inline constexpr int NotAuthorised = -129;
} // namespace ShellErrorNumber

// Runs "/bin/sh -c command", or "pkexec /bin/sh -c command" with the administrator flag (the
// desktop's polkit agent asks for the password), waits for it and logs "ERROR=..." with the
// outcome. Values put into the command must be validated or quoted by the caller.
tvk::Result<void> runShellCommand(const QString &command, bool administrator);

// The outcome of a finished command from its exit status and error output.
tvk::Result<void> shellOutcomeFromExit(int exitCode, bool crashed, const QByteArray &errorOutput,
                                       bool administrator);

// The text as one shell word in single quotes.
QString shellQuote(const QString &text);
// A device name fit for a command line: letters, digits, ".", "_", "-"; not "." or "..".
bool isSafeDeviceName(const QString &name);

// Runs commands for the card sequences; tests put a runner of their own in its place.
class CommandRunner
{
public:
    virtual ~CommandRunner() = default;
    virtual tvk::Result<void> run(const QString &command, bool administrator) = 0;
};

class ShellCommandRunner : public CommandRunner
{
public:
    tvk::Result<void> run(const QString &command, bool administrator) override
    {
        return runShellCommand(command, administrator);
    }
};
