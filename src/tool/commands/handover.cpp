// The commands that paint, handed over to the picture program: it lies beside tavik-tool in
// the build and in the private program folder once installed.
#include "core/common/strings.h"
#include "tool/command.h"
#include "tool/paint/picturecommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

const QString kProgram = QStringLiteral("tavik-tool-pictures");

QString pictureProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {here.filePath(kProgram),
          here.filePath(QStringLiteral(TAVIK_LIBEXEC_FROM_BIN "/") + kProgram)}) {
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QString();
}

// Replaces this process with the picture program, so that its output and exit status are
// the command's own.
int handOver(const QString &command, const QStringList &args)
{
    const QString program = pictureProgram();
    if (program.isEmpty())
        return toolFailure(tvk::text("tool.picture_program_missing").arg(kProgram, command));
    QList<QByteArray> words{QFile::encodeName(program), command.toLocal8Bit()};
    for (const QString &arg : args)
        words.append(arg.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    toolOut().flush();
    execv(argv.front(), argv.data());
    return toolFailure(
        QStringLiteral("%1: %2").arg(program, QString::fromLocal8Bit(std::strerror(errno))));
}

ToolCommand handedOver(const PictureCommand &command)
{
    ToolCommand tool{command.name, command.usage, command.description, {}, {}, {}};
    tool.handOver = [name = command.name](const QStringList &args) {
        return handOver(name, args);
    };
    return tool;
}

const ToolCommandRegistration demoCard{handedOver(demoCardCommand())};
const ToolCommandRegistration evidence{handedOver(evidenceCommand())};
const ToolCommandRegistration clipExport{handedOver(clipCommand())};

} // namespace
