// The commands that paint (the sample card, the evidence pictures) need Qt Gui; they run in
// this program of their own so that the others start without it. tavik-tool hands them over.
#include "core/common/log.h"
#include "tool/toolmain.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    // Fonts and image drawing need a platform, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own warnings (a missing XDG_RUNTIME_DIR) are diagnostics, not the user's news.
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &message) { tvk::log(message); });
    const QGuiApplication app(argc, argv);
    return runToolLine(QCoreApplication::arguments().mid(1));
}
