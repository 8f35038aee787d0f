#pragma once
// The application with the real libVLC on a generated sample card, offscreen and silent, with
// the first front recording playing in both views.
#include "app/apptestsetup.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerWindow.h"
#include "app/player/VideoView.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"
#include "core/testsupport.h"

#include <QSignalSpy>

#include <memory>

class SampleCardPlayer
{
public:
    static void prepare()
    {
        tvk::prepareApplicationEnvironment();
        qputenv("TAVIK_VLC_AOUT", "dummy");
    }

    // Makes the card and opens it; true once the list shows it.
    bool open()
    {
        initApplicationTest();
        const QString card = m_card.filePath(QStringLiteral("card"));
        if (runTool({QStringLiteral("demo-card"), card, QStringLiteral("--seconds"),
                     QStringLiteral("6")})
                .status != 0)
            return false;
        app = std::make_unique<PlayerWindow>();
        app->show();
        app->openFolder(card);
        return QTest::qWaitFor([this] { return app->mediaList()->count() > 0; }, 10000);
    }

    // Plays the first front recording; true once its first picture is on the screen.
    bool playFirstFront()
    {
        qint64 row = 0;
        while (row < app->mediaList()->count() &&
               !app->mediaList()->mediaAtIndex(row)->isFrontMedia())
            ++row;
        QSignalSpy shown(app->video1View(), &VideoView::firstFrameShown);
        if (!app->playback()->playAtIndex(row))
            return false;
        return QTest::qWaitFor(
            [&] {
                return shown.count() > 0 && app->player1()->isPlaying() &&
                       !app->playback()->waitingForPlayStart();
            },
            15000);
    }

    std::unique_ptr<PlayerWindow> app;

private:
    QTemporaryDir m_card;
};
