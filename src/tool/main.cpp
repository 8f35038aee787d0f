#include "core/common/log.h"
#include "core/common/strings.h"
#include "tool/command.h"
#include "tool/toolmain.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    // Qt's own warnings (a missing XDG_RUNTIME_DIR) are diagnostics, not the user's news.
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &message) { tvk::log(message); });
    const QCoreApplication app(argc, argv);
    // Qt holds arguments as text: a path that is not UTF-8 would quietly name another file.
    // A command over many files skips such a file as it skips a missing one; elsewhere the
    // whole line is refused.
    const auto command =
        argc > 1 ? toolCommands().find(QString::fromUtf8(argv[1])) : toolCommands().end();
    const bool skips = command != toolCommands().end() && command->second.manyFiles;
    QStringList args;
    int skipped = 0;
    bool filesLeft = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        const bool option = raw.startsWith('-');
        if (QString::fromUtf8(raw).toUtf8() == raw) {
            args << QString::fromUtf8(raw);
            filesLeft = filesLeft || (i > 1 && !option);
            continue;
        }
        tvk::installStringTable();
        const int status = toolFailure(QString::fromUtf8(raw) + QStringLiteral(": ") +
                                       tvk::text("msg.name_not_utf8"));
        if (!skips || i == 1 || option)
            return status;
        ++skipped;
    }
    if (skipped > 0 && !filesLeft)
        return 1;
    const int status = runToolLine(args);
    return status == 0 && skipped > 0 ? 1 : status;
}
