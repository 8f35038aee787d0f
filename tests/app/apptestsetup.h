#pragma once

#include "app/controls/AppResources.h"
#include "core/common/strings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThreadPool>

// Tests run side by side: each process keeps its user defaults in a folder of its own, so
// that one which switches the language or a setting never switches another's.
inline void useOwnUserDefaults()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

// What every test of the application does first: its own user defaults, the application's
// images and map page, and the English string table. The global pool gets the two threads of
// a small laptop, so that jobs which hold every thread while waiting on others hang here too.
inline void initApplicationTest()
{
    QThreadPool::globalInstance()->setMaxThreadCount(2);
    QStandardPaths::setTestModeEnabled(true);
    useOwnUserDefaults();
    tvk::initApplicationIdentity();
    tvk::initAppResources();
    tvk::installStringTable();
}

// Gives the offscreen platform one screen of the given size in device pixels and scale, as a
// desktop has (its own is 800 wide). Call from initMain, before the application is made.
inline void useOffscreenScreen(int width, int height, double scale = 1.0)
{
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        return;
    static QTemporaryFile config;
    if (!config.open())
        return;
    config.write(
        QStringLiteral("{\"windowFrameMargins\": false, \"screens\": [{\"name\": \"desk\", "
                       "\"x\": 0, \"y\": 0, \"width\": %1, \"height\": %2, "
                       "\"logicalDpi\": 96, \"logicalBpi\": 96, \"dpr\": %3}]}")
            .arg(width)
            .arg(height)
            .arg(scale)
            .toUtf8());
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
}
