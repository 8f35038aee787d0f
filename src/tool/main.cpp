#include "command.h"

#include "common/strings.h"

#include <QCoreApplication>

namespace {

int printHelp(QTextStream &out)
{
    out << "usage: tavik-tool COMMAND [ARGS...]\n\ncommands:\n";
    for (const auto &[name, command] : toolCommands())
        out << "  " << command.usage << '\n';
    out.flush();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    tvk::initApplicationIdentity();
    tvk::installStringTable();

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return printHelp(toolErr()) + 2;
    const QString name = args.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help") ||
        name == QLatin1String("-h"))
        return printHelp(toolOut());
    const auto it = toolCommands().find(name);
    if (it == toolCommands().end())
        return toolUsageError(QStringLiteral("unknown command \"%1\"; try tavik-tool help").arg(name));
    const int status = it->second.run(args);
    toolOut().flush();
    return status;
}
