#pragma once

#include "app/player/PlayerWindow.h"
#include "core/player/Playback.h"
#include "core/player/ScriptedVideoPlayer.h"
#include "core/testsupport.h"

#include <memory>

// A player window on scripted players over a folder of recording files.
struct PlayerWindowFixture
{
    QTemporaryDir dir;
    std::unique_ptr<PlayerWindow> app;

    ScriptedVideoPlayer *p1() const { return static_cast<ScriptedVideoPlayer *>(app->player1()); }
    ScriptedVideoPlayer *p2() const { return static_cast<ScriptedVideoPlayer *>(app->player2()); }
    Playback *player() const { return app->playback(); }
    QString path(const QString &name) const { return dir.filePath(name); }

    // Writes empty files under the given names and opens the folder.
    bool open(const QStringList &names)
    {
        for (const QString &name : names) {
            if (!QDir().mkpath(QFileInfo(path(name)).path()) || !writeFile(path(name), {}))
                return false;
        }
        app = std::make_unique<PlayerWindow>(
            [](VideoView *, QObject *parent) { return new ScriptedVideoPlayer(parent); });
        app->show();
        app->openFolder(dir.path());
        return QTest::qWaitFor([&] { return app->mediaList()->count() == names.size(); }, 10000);
    }

    // Starts a row and waits until both loaded players are playing.
    bool start(qint64 row)
    {
        if (!player()->playAtIndex(row) ||
            !QTest::qWaitFor([this] { return !player()->waitingForPlayStart(); }, 10000))
            return false;
        // The scripted players paint nothing: their first pictures are reported as shown.
        player()->picturesShown();
        return true;
    }

    // Runs the main player (and its partner) to the end of the recording.
    void runToEnd()
    {
        for (int i = 0; i < 1000 && !p1()->ended(); ++i) {
            p2()->tick(100);
            p1()->tick(100);
        }
    }
};
