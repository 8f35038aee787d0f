#include "tool/command.h"

#include "core/common/log.h"
#include "core/common/strings.h"
#include "core/common/textescape.h"

#include <QCoreApplication>
#include <QFile>

namespace {

std::map<QString, ToolCommand> &registry()
{
    static std::map<QString, ToolCommand> commands;
    return commands;
}

struct ArgumentCount
{
    qsizetype least = 0;
    qsizetype most = 0; // -1: no limit
};

ArgumentCount countOf(const QList<ToolArgument> &arguments)
{
    ArgumentCount count;
    for (const ToolArgument &argument : arguments) {
        count.least += argument.syntax.startsWith(u'[') ? 0 : 1;
        count.most = argument.syntax.contains(QLatin1String("...")) ? -1 : count.most + 1;
    }
    return count;
}

QString helpText(const QString &key)
{
    return tvk::text(key.toLatin1().constData());
}

QCommandLineOption described(QCommandLineOption option)
{
    QString text = helpText(option.description());
    if (!option.defaultValues().isEmpty() && text.contains(QLatin1String("%1")))
        text = text.arg(option.defaultValues().constFirst());
    option.setDescription(text);
    return option;
}

QString argumentName(const ToolArgument &argument)
{
    QString name = argument.syntax;
    name.remove(u'[').remove(u']').remove(QLatin1String("..."));
    return name;
}

} // namespace

ToolCommandRegistration::ToolCommandRegistration(ToolCommand command)
{
    const QString name = command.name;
    registry().emplace(name, std::move(command));
}

const std::map<QString, ToolCommand> &toolCommands()
{
    return registry();
}

int runToolCommand(const ToolCommand &command, const QStringList &args)
{
    if (command.handOver)
        return command.handOver(args);
    QCommandLineParser line;
    line.setApplicationDescription(helpText(command.description));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tvk::text("tool.help_help"));
    line.addOption(help);
    const QCommandLineOption verbose(QStringLiteral("verbose"), tvk::text("tool.help_verbose"));
    line.addOption(verbose);
    for (const QCommandLineOption &option : command.options)
        line.addOption(described(option));
    for (const ToolArgument &argument : command.arguments)
        line.addPositionalArgument(argumentName(argument), helpText(argument.description),
                                   argument.syntax);

    const QString program = QLatin1String("tavik-tool ") + command.name;
    if (!line.parse(QStringList(program) + args)) {
        // "Unknown option 'x'." reads as one clause of the line.
        QString problem = line.errorText();
        problem[0] = problem[0].toLower();
        if (problem.endsWith(u'.'))
            problem.chop(1);
        return toolCommandUsageError(command.name, problem);
    }
    if (line.isSet(help)) {
        // The parser names the program by its path; the help names the command as typed.
        QString text = line.helpText();
        const QString path = QCoreApplication::arguments().value(0);
        if (const qsizetype at = text.indexOf(path); at >= 0 && !path.isEmpty())
            text.replace(at, path.size(), program);
        toolOut() << text;
        return 0;
    }
    tvk::setLogToStandardError(line.isSet(verbose));
    const ArgumentCount count = countOf(command.arguments);
    const qsizetype given = line.positionalArguments().size();
    if (given < count.least)
        return toolCommandUsageError(
            command.name,
            tvk::text("tool.missing_argument").arg(argumentName(command.arguments.at(given))));
    if (count.most >= 0 && given > count.most)
        return toolCommandUsageError(
            command.name,
            tvk::text("tool.unexpected_argument").arg(line.positionalArguments().last()));
    const int status = command.run(line);
    // Output that did not all arrive (a full disk, a closed pipe) is a failed command.
    auto *out = qobject_cast<QFileDevice *>(toolOutDevice());
    if (out && (!out->flush() || out->error() != QFileDevice::NoError) && status == 0)
        return toolFailure(tvk::text("tool.standard_output") + QLatin1String(": ") +
                           out->errorString());
    return status;
}

QCommandLineOption toolJsonOption()
{
    return QCommandLineOption(QStringLiteral("json"), QStringLiteral("tool.help_json"));
}

QTextStream &toolOut()
{
    static QFile file;
    static QTextStream stream = [] {
        file.open(stdout, QIODevice::WriteOnly);
        return QTextStream(&file);
    }();
    return stream;
}

QIODevice *toolOutDevice()
{
    toolOut().flush();
    return toolOut().device();
}

QTextStream &toolErr()
{
    static QFile file;
    static QTextStream stream = [] {
        file.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
        return QTextStream(&file);
    }();
    return stream;
}

int toolUsageError(const QString &message)
{
    toolErr() << "tavik-tool: " << tvk::terminalText(message) << Qt::endl;
    return 2;
}

int toolCommandUsageError(const QString &command, const QString &problem)
{
    const auto it = registry().find(command);
    const QString usage = it == registry().end() ? command : it->second.usage;
    return toolUsageError(tvk::text("tool.usage_refused").arg(problem, usage, command));
}

int toolFailure(const QString &message)
{
    // Messages name paths from the card: one line, and nothing the terminal would act on.
    toolErr() << "tavik-tool: " << tvk::terminalText(message) << Qt::endl;
    return 1;
}
