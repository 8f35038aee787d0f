// The playback of two players in step, driven step by step through scripted players.
#include "PlayerWindowFixture.h"
#include "app/apptestsetup.h"
#include "controls/TKImageButton.h"
#include "controls/TKImageButtonCell.h"
#include "controls/TKVideoBackgroundImageView.h"
#include "player/CustomWindow.h"
#include "player/TVKLoadingIndicator.h"
#include "player/TVKPlayInfo.h"
#include "player/VLCVideoView.h"

#include <QLabel>
#include <QMessageBox>
#include <QSlider>

namespace {

const QStringList kTwoPairs{"alwa_20240131_120000_F.avi", "alwa_20240131_120000_R.avi",
                            "alwa_20240131_120100_F.avi", "alwa_20240131_120100_R.avi"};
const QString kOne = "alwa_20240131_120000_F.avi";

// The files of the main and the small player.
QStringList playing(const PlayerWindowFixture &f)
{
    return {QFileInfo(f.p1()->media()).fileName(), QFileInfo(f.p2()->media()).fileName()};
}

// The logos of the main and the small view.
QStringList logos(const PlayerWindowFixture &f)
{
    return {f.app->ui().player1BackgroundView->logoImage(),
            f.app->ui().player2BackgroundView->logoImage()};
}

} // namespace

class TestPlayback : public QObject
{
    Q_OBJECT
public:
    static void initMain() { tvk::prepareApplicationEnvironment(); }

private slots:
    void initTestCase() { initApplicationTest(); }
    void init() { ScriptedVideoPlayer::pathsWithSound.clear(); }

    void playAtIndexClampsAndRefusesWhileStarting()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs));
        QVERIFY(f.player()->playAtIndex(-5));
        QCOMPARE(f.player()->mediaIndex(), 0);
        QVERIFY(!f.player()->playAtIndex(2)); // the first start has not completed
        QTRY_VERIFY(!f.player()->waitingForPlayStart());
        QVERIFY(f.start(99));
        QCOMPARE(f.player()->mediaIndex(), 3);
        QCOMPARE(playing(f).first(), kTwoPairs[3]);
    }

    void emptyCatalogueRefusesToPlay()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open({}));
        QVERIFY(!f.player()->playAtIndex(0));
        QVERIFY(!f.player()->waitingForPlayStart());
    }

    void pairPlaysAndTheEndAdvancesPastTheRearPartner()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs) && f.start(0));
        QCOMPARE(playing(f), kTwoPairs.mid(0, 2));
        QVERIFY(f.player()->hasRearMedia() && f.app->video2View()->isVisible());
        f.runToEnd();
        // The end watch sees the end within a second and advances one second later.
        QTRY_COMPARE_WITH_TIMEOUT(f.player()->mediaIndex(), 2, 5000);
        QTRY_VERIFY(!f.player()->waitingForPlayStart());
        QCOMPARE(playing(f), kTwoPairs.mid(2, 2));
        f.runToEnd();
        QTest::qWait(2600);
        QCOMPARE(f.player()->mediaIndex(), 2); // the last pair: playback stays at the end
        QVERIFY(f.p1()->ended());
    }

    void rearWithoutFrontPlaysAlone()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open({"alwa_20240131_120000_R.avi", "alwa_20240131_120100_F.avi"}) && f.start(0));
        QVERIFY(!f.p2()->hasMedia() && !f.player()->hasRearMedia());
        QVERIFY(!f.app->video2View()->isVisible() && !f.app->ui().audioToggleButton->isVisible());
        QCOMPARE(f.app->ui().gsensorXField->text(), "X=+0.00");
        QVERIFY(f.app->ui().speedField->text().isEmpty());
        QVERIFY(f.player()->telemetry()->isEmpty());
    }

    void swapTwiceWithinTheAnimationSwapsOnce()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs) && f.start(0));
        f.p1()->tick(100);
        f.player()->swapPlayer();
        QTest::qWait(50);
        f.player()->swapPlayer();
        QCOMPARE(playing(f), QStringList({kTwoPairs[1], kTwoPairs[0]}));
        QCOMPARE(logos(f), QStringList({"v1_rear_logo", "v2_front_logo"}));
        QTRY_VERIFY_WITH_TIMEOUT(!f.player()->isSwapping(), 3000);
        QCOMPARE(f.app->video1View()->geometry(), f.app->ui().videoContainerView->rect());
    }

    void playAtTheEnd_data()
    {
        QTest::addColumn<double>("slider");
        QTest::newRow("slider at the end restarts") << 1.0;
        QTest::newRow("slider moved back resumes there") << 0.5;
    }

    void playAtTheEnd()
    {
        QFETCH(double, slider);
        PlayerWindowFixture f;
        QVERIFY(f.open({kOne}) && f.start(0));
        f.runToEnd();
        QTRY_COMPARE(f.player()->playInfo()->position(), 1.0);
        QVERIFY(!f.player()->playInfo()->isPlaying());
        f.player()->setSliderValue(slider);
        f.player()->clickPlayButton();
        if (slider == 1.0) {
            QVERIFY(f.player()->waitingForPlayStart());
            QTRY_VERIFY(!f.player()->waitingForPlayStart());
            QCOMPARE(f.p1()->time(), 0);
        } else {
            QTest::qWait(250);
            QVERIFY(f.p1()->isPlaying());
            QCOMPARE(f.p1()->time(), 30000);
        }
    }

    void jumps_data()
    {
        QTest::addColumn<bool>("forward");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("forward with 9 s left goes to the end") << true << 51000LL << 60000LL;
        QTest::newRow("forward with 20 s left jumps 10 s") << true << 40000LL << 50000LL;
        QTest::newRow("back at 8 s goes to the start") << false << 8000LL << 0LL;
        QTest::newRow("back at 30 s jumps 10 s") << false << 30000LL << 20000LL;
    }

    void jumps()
    {
        QFETCH(bool, forward);
        QFETCH(qint64, at);
        PlayerWindowFixture f;
        QVERIFY(f.open({kOne}) && f.start(0));
        f.p1()->setTime(at);
        forward ? f.player()->jumpForward() : f.player()->jumpBackward();
        QTEST(f.p1()->time(), "expected");
    }

    void volumeAndSpeedSteps()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open({kOne}));
        TVKPlayerController *p = f.player();
        QCOMPARE(p->volume(), quint64(70));
        p->setVolume(195);
        p->volumeUp();
        QCOMPARE(p->volume(), quint64(200));
        p->setVolume(5);
        p->volumeDown();
        QCOMPARE(p->volume(), quint64(0));

        QVERIFY(f.start(0));
        p->increaseSpeed();
        p->increaseSpeed();
        QCOMPARE(p->playInfo()->speed(), 2.0);
        QCOMPARE(f.p1()->rate(), 2.0f);
        QCOMPARE(f.app->ui().speedTextButton->text(), "2.0x");
        p->decreaseSpeed();
        p->decreaseSpeed();
        QCOMPARE(p->playInfo()->speed(), 1.0);
        QCOMPARE(f.p1()->rate(), 1.0f);
    }

    void soundFollowsTheCameraAcrossASwap()
    {
        PlayerWindowFixture f;
        ScriptedVideoPlayer::pathsWithSound = {f.path(kTwoPairs[0]), f.path(kTwoPairs[1])};
        QVERIFY(f.open(kTwoPairs) && f.start(1)); // rear in the main view
        QCOMPARE(playing(f), QStringList({kTwoPairs[1], kTwoPairs[0]}));
        QCOMPARE(logos(f), QStringList({"v1_rear_logo", "v2_front_logo"}));
        f.p1()->tick(100);
        QCOMPARE(f.player()->playInfo()->audioMediaDirection(), 1);
        f.app->ui().audioToggleButton->setChecked(true);
        f.player()->toggleAudioChoice();
        QVERIFY(!f.p1()->isMuted() && f.p2()->isMuted());
        f.player()->swapPlayer();
        QVERIFY(f.p1()->isMuted() && f.p2()->isMuted());
        QTRY_VERIFY_WITH_TIMEOUT(!f.player()->isSwapping(), 3000);
        QVERIFY(f.p1()->isMuted() && !f.p2()->isMuted()); // the rear camera, now in the small view
        QCOMPARE(f.p2()->volume(), 70);
    }

    void automaticSoundChoice_data()
    {
        QTest::addColumn<int>("withSound");
        QTest::addColumn<int>("direction");
        QTest::newRow("only the main recording") << 0 << 0;
        QTest::newRow("only the partner") << 1 << 1;
        QTest::newRow("neither") << -1 << 2;
    }

    void automaticSoundChoice()
    {
        QFETCH(int, withSound);
        PlayerWindowFixture f;
        if (withSound >= 0)
            ScriptedVideoPlayer::pathsWithSound = {f.path(kTwoPairs[withSound])};
        QVERIFY(f.open(kTwoPairs) && f.start(0));
        f.p1()->tick(100);
        QTEST(f.player()->playInfo()->audioMediaDirection(), "direction");
        if (withSound < 0) {
            QVERIFY(f.p1()->isMuted() && f.p2()->isMuted());
            QVERIFY(!f.app->ui().audioToggleButton->isVisible());
        }
    }

    void firstTickEndsTheLoadingIndicator()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open({kOne}) && f.start(0));
        QVERIFY(!f.app->loadingIndicator()->stopVideoLoadingView());
        f.p1()->tick(100);
        QVERIFY(f.app->loadingIndicator()->stopVideoLoadingView());
    }

    void seekMovesBothPlayers()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs) && f.start(0));
        f.app->ui().videoPositionSlider->setValue(2500); // as the user drags it
        QVERIFY(f.player()->isMoving());
        QCOMPARE(f.p1()->time(), 15000);
        QCOMPARE(f.p2()->time(), 15000);
        QTRY_VERIFY(!f.player()->isMoving());
    }

    void startThatNeverPlaysGivesUp_data()
    {
        QTest::addColumn<bool>("error");
        QTest::newRow("error state") << true;
        QTest::newRow("loading indicator runs out") << false;
    }

    void startThatNeverPlaysGivesUp()
    {
        QFETCH(bool, error);
        PlayerWindowFixture f;
        QVERIFY(f.open({kOne, "alwa_20240131_120100_F.avi"}));
        f.p1()->neverStarts = true;
        QVERIFY(f.player()->playAtIndex(0));
        QTest::qWait(100);
        QVERIFY(f.player()->waitingForPlayStart());
        if (error)
            f.p1()->fail();
        else
            f.app->loadingIndicator()->updateLoadingWindow(TVKLoadingIndicator::kTickMilliseconds /
                                                           1000.0);
        QTRY_VERIFY(!f.player()->waitingForPlayStart());
        QTRY_VERIFY(f.app->window()->findChild<QMessageBox *>("alertSheet"));
        QVERIFY(f.app->window()
                    ->findChild<QMessageBox *>("alertSheet")
                    ->informativeText()
                    .contains(kOne));
        // The list is not locked: another row plays.
        f.p1()->neverStarts = false;
        QVERIFY(f.start(1));
    }

    void newFolderWhileLoadingDropsTheStart()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs));
        QVERIFY(f.player()->playAtIndex(0));
        f.app->openFolder(f.dir.path());
        QVERIFY(!f.p1()->hasMedia());
        QTest::qWait(200);
        QVERIFY(!f.p1()->hasMedia()); // the extraction's result did not start anything
        QVERIFY(!f.player()->waitingForPlayStart());
        QTRY_COMPARE(f.player()->mediaIndex(), -1);
    }
};

QTEST_MAIN(TestPlayback)
#include "test_playback.moc"
