// The real libVLC on sample-card recordings, offscreen and without sound output.
#include "app/apptestsetup.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerWindow.h"
#include "app/player/VideoView.h"
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"
#include "core/testsupport.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QSlider>

#include <memory>

class TestVlcPlayback : public QObject
{
    Q_OBJECT
public:
    static void initMain()
    {
        tvk::prepareApplicationEnvironment();
        qputenv("TAVIK_VLC_AOUT", "dummy");
    }

private:
    QTemporaryDir m_card;
    std::unique_ptr<PlayerWindow> m_app;

    // Row of the first front recording of a consecutive pair, and of the next front one.
    qint64 firstPairedFront() const
    {
        const MediaList *list = m_app->mediaList();
        for (qint64 i = 0; i + 3 < list->count(); ++i) {
            const MediaFile *m = list->mediaAtIndex(i);
            const MediaPair *pair = list->findMediaPairWithFileName(m->mediaName());
            if (m->isFrontMedia() && m->isAlwaysMedia() && pair->rearMedia &&
                list->mediaAtIndex(i + 2)->isFrontMedia())
                return i;
        }
        return -1;
    }

    bool startAndShowFrames(qint64 row)
    {
        QSignalSpy first1(m_app->video1View(), &VideoView::firstFrameShown);
        QSignalSpy first2(m_app->video2View(), &VideoView::firstFrameShown);
        if (!m_app->playback()->playAtIndex(row))
            return false;
        return QTest::qWaitFor([&] { return first1.count() > 0 && first2.count() > 0; }, 15000);
    }

private slots:
    void initTestCase()
    {
        initApplicationTest();
        const QString card = m_card.filePath("card");
        QCOMPARE(runTool({"demo-card", card, "--seconds", "6"}).status, 0);
        m_app = std::make_unique<PlayerWindow>();
        m_app->show();
        m_app->openFolder(card);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->mediaList()->count() > 4, 10000);
    }

    void pairPlaysInBothViews()
    {
        const qint64 row = firstPairedFront();
        QVERIFY(row >= 0);
        QVERIFY(startAndShowFrames(row));
        Playback *player = m_app->playback();
        QTRY_VERIFY(!player->waitingForPlayStart());
        QVERIFY(player->isPlaying(m_app->player1()) && player->isPlaying(m_app->player2()));
        QVERIFY(m_app->video1View()->isVisible() && m_app->video2View()->isVisible());
        QVERIFY(!m_app->video1View()->frame().isNull());
        QCOMPARE(m_app->video1View()->frame().size(), m_app->player1()->videoSize());
        QVERIFY(!player->telemetry()->m_GSensors.isEmpty());
        // The front recording has sound, the rear one none.
        QVERIFY(player->hasAudio(m_app->player1()) && !player->hasAudio(m_app->player2()));
        QTRY_COMPARE(player->playInfo()->audioMediaDirection(), 0);
    }

    void seekMovesBothPlayers()
    {
        Playback *player = m_app->playback();
        QVERIFY(player->isPlaying(m_app->player1()));
        m_app->ui().videoPositionSlider->setValue(5000);
        QTRY_VERIFY_WITH_TIMEOUT(!player->isMoving(), 3000);
        QTest::qWait(300);
        QVERIFY2(std::abs(m_app->player1()->position() - 0.5f) < 0.15f,
                 qPrintable(QString::number(m_app->player1()->position())));
        QVERIFY2(std::abs(m_app->player2()->position() - m_app->player1()->position()) < 0.1f,
                 qPrintable(QString::number(m_app->player2()->position())));
    }

    void swapExchangesAndTheHeardCameraFollows()
    {
        Playback *player = m_app->playback();
        const QString front = m_app->player1()->media();
        const QString rear = m_app->player2()->media();
        m_app->ui().videoPositionSlider->setValue(1000);
        QTRY_VERIFY(!player->isMoving());
        QTRY_VERIFY(player->isPlaying(m_app->player1()) && player->isPlaying(m_app->player2()));
        QVERIFY(!m_app->player1()->isMuted());
        player->swapViews();
        QCOMPARE(m_app->player1()->media(), rear);
        QCOMPARE(m_app->player2()->media(), front);
        QTRY_VERIFY_WITH_TIMEOUT(!player->isSwapping(), 4000);
        QCOMPARE(player->playInfo()->audioMediaDirection(), 0);
        // The front camera, now in the small view.
        QVERIFY(m_app->player1()->isMuted() && !m_app->player2()->isMuted());
        QCOMPARE(m_app->player2()->volume(), 70);
    }

    void endAdvancesToTheNextFrontRecording()
    {
        const qint64 row = firstPairedFront();
        QVERIFY(startAndShowFrames(row));
        Playback *player = m_app->playback();
        QTRY_VERIFY(!player->waitingForPlayStart());
        QVERIFY(player->hasRearMedia());
        // Six seconds of recording, then the end watch advances within two seconds.
        QTRY_COMPARE_WITH_TIMEOUT(player->mediaIndex(), row + 2, 15000);
        const MediaFile *next = m_app->mediaList()->mediaAtIndex(row + 2);
        QTRY_COMPARE(m_app->player1()->media(), next->path());
        QVERIFY(next->isFrontMedia());
        QTRY_VERIFY_WITH_TIMEOUT(player->isPlaying(m_app->player1()), 10000);
    }

    void cutRecordingsGetTheAlertAndNoAdvance()
    {
        // Front recordings cut to their first 100 KB, as a card pulled while writing leaves them.
        QTemporaryDir cut;
        QVERIFY(QDir().mkpath(cut.filePath("DCIM")));
        QStringList names;
        for (qint64 i = 0; i < m_app->mediaList()->count() && names.size() < 2; ++i) {
            const MediaFile *media = m_app->mediaList()->mediaAtIndex(i);
            QFile whole(media->path());
            if (!media->isFrontMedia() || !whole.open(QIODevice::ReadOnly))
                continue;
            names << media->fileName();
            QVERIFY(writeFile(cut.filePath("DCIM/" + names.last()), whole.read(100 * 1024)));
        }
        QCOMPARE(names.size(), 2);
        m_app->openFolder(cut.path());
        QTRY_COMPARE_WITH_TIMEOUT(m_app->mediaList()->count(), 2, 10000);
        Playback *player = m_app->playback();
        QVERIFY(player->playAtIndex(0));
        QTRY_COMPARE_WITH_TIMEOUT(player->state(), Playback::State::Failed, 10000);
        auto *alert = m_app->findChild<QMessageBox *>("alertSheet");
        QVERIFY(alert && alert->informativeText().contains(names.first()));
        QTest::qWait(3000); // the end watch would have moved on by now
        QCOMPARE(player->mediaIndex(), 0);
        QCOMPARE(player->state(), Playback::State::Failed);
        alert->close();
    }

    void cleanupTestCase() { m_app.reset(); }
};

QTEST_MAIN(TestVlcPlayback)
#include "test_vlcplayback.moc"
