#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <map>

// A positional argument: "NAME", "[NAME]" when optional, "NAME..." for one or more and
// "[NAME...]" for any number; only the last may repeat.
struct ToolArgument
{
    QString syntax;
    QString description; // string-table key
};

// One sub-command of tavik-tool. The shared runner parses its options and arguments, answers
// `tavik-tool NAME --help`, and refuses a bad command line with one message before `run` is
// called with the parsed line.
struct ToolCommand
{
    QString name;
    QString usage;       // one line, shown by `tavik-tool help`
    QString description; // key of the first line of `tavik-tool NAME --help`
    // Their descriptions are string-table keys, looked up when the help is shown (commands
    // register before the table is loaded); a text's "%1" is the option's default value.
    QList<QCommandLineOption> options;
    QList<ToolArgument> arguments;
    std::function<int(const QCommandLineParser &line)> run;
    // Set instead of `run` for a command another program carries out: it gets the words as
    // typed, that program parses them.
    std::function<int(const QStringList &args)> handOver = {};
    // Takes many files and goes on past one it cannot read: a name that is not UTF-8 is
    // skipped the same way instead of refusing the whole line.
    bool manyFiles = false;
};

// Commands register themselves from their own source file:
//   const ToolCommandRegistration registration{{u"list"_s, ..., runList}};
class ToolCommandRegistration
{
public:
    explicit ToolCommandRegistration(ToolCommand command);
};

const std::map<QString, ToolCommand> &toolCommands();

// Parses `args` (the words after the command's name) and runs the command.
int runToolCommand(const ToolCommand &command, const QStringList &args);

// Options several commands share, so that they read the same everywhere.
QCommandLineOption toolJsonOption();

// Streams of the process, UTF-8.
QTextStream &toolOut();
QTextStream &toolErr();
// The device under toolOut(), for output written as bytes; toolOut()'s buffer is flushed first.
QIODevice *toolOutDevice();

// Writes "tavik-tool: message" to the error stream and returns the usage status 2.
int toolUsageError(const QString &message);
// The same for a command line a command refuses: the problem, then the command's usage.
int toolCommandUsageError(const QString &command, const QString &problem);
// Writes "tavik-tool: message" to the error stream and returns the failure status 1.
int toolFailure(const QString &message);
