#include "command.h"

#include <QFile>

namespace {
std::map<QString, ToolCommand> &registry()
{
    static std::map<QString, ToolCommand> commands;
    return commands;
}
} // namespace

ToolCommandRegistration::ToolCommandRegistration(ToolCommand command)
{
    registry().emplace(QString::fromLatin1(command.name), std::move(command));
}

const std::map<QString, ToolCommand> &toolCommands()
{
    return registry();
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
    toolErr() << "tavik-tool: " << message << Qt::endl;
    return 2;
}

int toolFailure(const QString &message)
{
    toolErr() << "tavik-tool: " << message << Qt::endl;
    return 1;
}
