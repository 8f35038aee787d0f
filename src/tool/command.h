#pragma once

#include <QStringList>
#include <QTextStream>

#include <functional>
#include <map>

// One sub-command of tavik-tool. `run` gets the arguments after the command's name and
// returns the process exit status.
struct ToolCommand
{
    const char *name;
    const char *usage; // one line, shown by `tavik-tool help`
    std::function<int(const QStringList &args)> run;
    // Runs under a QGuiApplication (offscreen unless the caller chose a platform): fonts and
    // image drawing need one.
    bool needsGui = false;
};

// Commands register themselves from their own source file:
//   static const ToolCommandRegistration reg{{"list", "list DIR [--json]", runList}};
class ToolCommandRegistration
{
public:
    explicit ToolCommandRegistration(ToolCommand command);
};

const std::map<QString, ToolCommand> &toolCommands();

// Streams of the process, UTF-8.
QTextStream &toolOut();
QTextStream &toolErr();

// Writes "tavik-tool: message" to the error stream and returns the usage status 2.
int toolUsageError(const QString &message);
// Writes "tavik-tool: message" to the error stream and returns the failure status 1.
int toolFailure(const QString &message);
