#include "app/index/CardIndexInstall.h"

#include "app/index/CardIndexPanel.h"
#include "app/player/PlayerWindow.h"
#include "app/trips/TripPanel.h"
#include "app/trips/TripRouteLayer.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QGridLayout>
#include <QTableView>

namespace {

QString canonical(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Moves to the moment once the recording has started: before, its length is unknown.
void seekWhenStarted(PlayerWindow *window, const QString &path, double offsetSeconds)
{
    auto *once = new QObject(window);
    QObject::connect(window->playback(), &Playback::playStarted, once,
                     [window, once, path, offsetSeconds](qint64 index) {
                         once->deleteLater();
                         const MediaFile *media = window->mediaList()->mediaAtIndex(index);
                         const qint64 length = window->player1()->length();
                         if (!media || canonical(media->path()) != path || length <= 0)
                             return;
                         window->playback()->seekTo(
                             std::clamp(offsetSeconds * 1000 / double(length), 0.0, 1.0));
                     });
}

void playFrom(PlayerWindow *window, const QString &path, double offsetSeconds)
{
    const QString wanted = canonical(path);
    MediaList *list = window->mediaList();
    for (qint64 row = 0; row < list->count(); ++row) {
        if (canonical(list->mediaAtIndex(row)->path()) != wanted)
            continue;
        seekWhenStarted(window, wanted, offsetSeconds);
        window->ui().mediaListTableView->selectRow(int(row));
        window->playback()->playAtIndex(row);
        return;
    }
    // Shown in a folder of the card: the card is opened around it.
    seekWhenStarted(window, wanted, offsetSeconds);
    window->openRecording(wanted);
}

} // namespace

CardIndexPanel *installCardIndex(PlayerWindow *window)
{
    const PlayerWindowUi &ui = window->ui();
    auto *panel = new CardIndexPanel(ui.mapWebView, ui.mediaListBox, {}, window);
    panel->setRouteCache(window->tripPanel()->routeLayer()->cache());
    if (auto *grid = qobject_cast<QGridLayout *>(ui.mediaListBox->layout()))
        grid->addWidget(panel->progressLine(), 2, 0);
    if (auto *grid = qobject_cast<QGridLayout *>(ui.mapContainerTopView->layout()))
        grid->addWidget(panel->passPanel(), 1, 0);
    if (QLayout *bottom = ui.mapContainerBottomView->layout())
        bottom->addWidget(panel->allDrivesButton());
    QObject::connect(window, &PlayerWindow::mediaListShown, panel,
                     [window, panel] { panel->setFolder(window->mediaList()->directoryPath()); });
    QObject::connect(panel, &CardIndexPanel::playRequested, window,
                     [window](const QString &path, double offsetSeconds) {
                         playFrom(window, path, offsetSeconds);
                     });
    return panel;
}
