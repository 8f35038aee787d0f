#include "tool/toolmain.h"

#include "core/common/strings.h"
#include "tool/command.h"

namespace {

int printHelp(QTextStream &out)
{
    out << "usage: tavik-tool COMMAND [ARGS...]\n\ncommands:\n";
    for (const auto &[name, command] : toolCommands())
        out << "  " << command.usage << '\n';
    out << "\ntavik-tool COMMAND --help describes one command.\n";
    out.flush();
    return 0;
}

} // namespace

int runToolLine(QStringList args)
{
    tvk::initApplicationIdentity();
    tvk::installStringTable();
    if (args.isEmpty())
        return printHelp(toolErr()) + 2;
    const QString name = args.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help") ||
        name == QLatin1String("-h"))
        return printHelp(toolOut());
    const auto it = toolCommands().find(name);
    if (it == toolCommands().end())
        return toolUsageError(tvk::text("tool.unknown_command").arg(name));
    return runToolCommand(it->second, args);
}
