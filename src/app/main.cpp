#include "app/controls/AppResources.h"
#include "app/player/PlayerWindow.h"
#include "app/settings/SettingsWindow.h"
#include "core/common/strings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char **argv)
{
    tvk::prepareApplicationEnvironment();
    QApplication app(argc, argv);
    tvk::initAppResources();
    tvk::initApplicationIdentity();
    QApplication::setApplicationDisplayName(QStringLiteral("Tavik Viewer"));
    QApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tavik-viewer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tavik-viewer.svg")));
    tvk::installStringTable();

    QCommandLineParser parser;
    parser.setApplicationDescription(tvk::text("viewer.help"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("folder"), tvk::text("viewer.help_folder"));
    const QCommandLineOption settingsOnly(QStringLiteral("settings"),
                                          tvk::text("viewer.help_settings"));
    parser.addOption(settingsOnly);
    parser.process(app);

    QFile style(QStringLiteral(":/style/tavik.qss"));
    if (style.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(style.readAll()));

    const QStringList paths = parser.positionalArguments();
    if (parser.isSet(settingsOnly)) {
        SettingsWindow settings;
        if (!paths.isEmpty()) {
            if (const auto opened = settings.openSettingFile(paths.first()); !opened) {
                qCritical("tavik-viewer: %s", qUtf8Printable(opened.failure().text()));
                return 1;
            }
        }
        settings.showWindow();
        return app.exec();
    }

    PlayerWindow player;
    player.show();
    const QFileInfo opened(paths.value(0));
    if (opened.isFile())
        player.openRecording(opened.absoluteFilePath());
    else if (!paths.isEmpty())
        player.openFolder(opened.absoluteFilePath());
    return app.exec();
}
