#pragma once
// Every window of the program opened as a user meets it, in a chosen language: the player on a
// card of recordings (flat list or by trip), each settings page, the clock, format and map
// windows.

#include "app/apptestsetup.h"
#include "app/card/ClockWindow.h"
#include "app/card/FormatWindow.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerWindow.h"
#include "app/settings/settingswindowfixture.h"
#include "app/telemetry/MapWindow.h"
#include "app/trips/TripList.h"
#include "app/trips/TripPanel.h"
#include "core/player/ScriptedVideoPlayer.h"
#include "core/trips/tripcard.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTreeView>

// Loads the string table of `language` and the style sheet users see.
inline void useLanguage(const QString &language)
{
    tvk::setChosenLanguage(language);
    QVERIFY(tvk::installStringTable());
    QFile style(QStringLiteral(":/style/tavik.qss"));
    QVERIFY(style.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(style.readAll()));
}

inline QStringList windowNames()
{
    QStringList names{QStringLiteral("player"), QStringLiteral("player by trip")};
    for (int page = 0; page < SettingsWindow::kPageCount; ++page)
        names << QStringLiteral("settings page %1").arg(page);
    names << QStringLiteral("clock") << QStringLiteral("format") << QStringLiteral("map");
    return names;
}

// Holds whatever the window needs while it is open.
struct OpenedWindow
{
    QTemporaryDir dir;
    std::unique_ptr<SettingsCard> card;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<PlayerWindow> player;
    std::unique_ptr<SettingsWindow> settings;

    QWidget *widget() const
    {
        if (player)
            return player.get();
        if (settings)
            return settings.get();
        return window.get();
    }

    // Opens the window named as in windowNames(); false when it did not come up.
    bool open(const QString &name)
    {
        if (name.startsWith(QLatin1String("player")))
            return openPlayer(name.endsWith(QLatin1String("by trip")));
        card = std::make_unique<SettingsCard>(recordBytes());
        if (name.startsWith(QLatin1String("settings page"))) {
            settings = card->open();
            if (!firstPageShown(*settings))
                return false;
            settings->showPage(name.section(u' ', -1).toInt());
        } else if (name == QLatin1String("clock")) {
            auto clock = std::make_unique<ClockWindow>(&card->volumes);
            clock->showWindow();
            window = std::move(clock);
        } else if (name == QLatin1String("format")) {
            auto format = std::make_unique<FormatWindow>(&card->volumes);
            QSignalSpy loaded(format.get(), &FormatWindow::volumesLoaded);
            format->showWindow();
            if (!loaded.wait(5000))
                return false;
            window = std::move(format);
        } else if (name == QLatin1String("map")) {
            window = std::make_unique<MapWindow>();
            window->show();
        }
        return widget() && QTest::qWaitForWindowExposed(widget());
    }

    bool openPlayer(bool byTrip)
    {
        QSettings().setValue(QLatin1String(TripList::kByTripKey), byTrip);
        for (const QString &name :
             QStringList{"alwa_20261017_083000_F", "alwa_20261017_083000_R",
                         "event_20261017_083100_F", "motion_20261017_090000_F"}) {
            if (writeCardRecording(dir.path(), name, 5, 0, 0).isEmpty())
                return false;
        }
        player = std::make_unique<PlayerWindow>(
            [](VideoView *, QObject *parent) { return new ScriptedVideoPlayer(parent); });
        player->show();
        player->openFolder(dir.path());
        TripList *trips = player->tripPanel()->tripList();
        return QTest::qWaitFor([&] { return trips->trips().size() == 1; }, 10000) &&
               QTest::qWaitForWindowExposed(player.get()) &&
               (!byTrip || QTest::qWaitFor([&] { return trips->view()->isVisible(); }, 5000));
    }
};
