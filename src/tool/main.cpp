#include "common/log.h"
#include "toolmain.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    // Qt's own warnings (a missing XDG_RUNTIME_DIR) are diagnostics, not the user's news.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        tvk::log(message);
    });
    const QCoreApplication app(argc, argv);
    return runToolLine(QCoreApplication::arguments().mid(1));
}
