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
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (QString::fromUtf8(raw).toUtf8() == raw)
            continue;
        tvk::installStringTable();
        return toolFailure(QString::fromUtf8(raw) + QStringLiteral(": ") +
                           tvk::text("msg.name_not_utf8"));
    }
    return runToolLine(QCoreApplication::arguments().mid(1));
}
