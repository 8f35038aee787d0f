#include "command.h"
#include "common/strings.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

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

// The application object is chosen before it exists, so the command is looked up in argv.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    const auto it =
        argc > 1 ? toolCommands().find(QString::fromLocal8Bit(argv[1])) : toolCommands().end();
    if (it == toolCommands().end() || !it->second.needsGui)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
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
        return toolUsageError(
            QStringLiteral("unknown command \"%1\"; try tavik-tool help").arg(name));
    return runToolCommand(it->second, args);
}
