// The player window bound to its playback core: what the core publishes reaches the views and
// controls, and the controls reach the core.
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
#include <QTableView>

namespace {

const QStringList kTwoPairs{"alwa_20240131_120000_F.avi", "alwa_20240131_120000_R.avi",
                            "alwa_20240131_120100_F.avi", "alwa_20240131_120100_R.avi"};
const QString kOne = "alwa_20240131_120000_F.avi";

} // namespace

class TestPlayback : public QObject
{
    Q_OBJECT
public:
    static void initMain() { tvk::prepareApplicationEnvironment(); }

private slots:
    void initTestCase() { initApplicationTest(); }
    void init() { ScriptedVideoPlayer::pathsWithSound.clear(); }

    void aStartShowsThePairAndItsControls()
    {
        PlayerWindowFixture f;
        ScriptedVideoPlayer::pathsWithSound = {f.path(kTwoPairs[1])};
        QVERIFY(f.open(kTwoPairs) && f.start(1)); // rear in the main view
        const PlayerWindowUi &ui = f.app->ui();
        QCOMPARE(ui.player1BackgroundView->logoImage(), "v1_rear_logo");
        QCOMPARE(ui.player2BackgroundView->logoImage(), "v2_front_logo");
        QVERIFY(f.app->video2View()->isVisible());
        QCOMPARE(ui.mediaListTableView->selectionModel()->selectedRows().first().row(), 1);
        QCOMPARE(ui.remainingField->text(), "-01:00");

        QVERIFY(!f.app->loadingIndicator()->stopVideoLoadingView());
        f.p1()->tick(100);
        QVERIFY(f.app->loadingIndicator()->stopVideoLoadingView()); // the first tick ends it
        QVERIFY(ui.audioToggleButton->isVisible() && ui.audioToggleButton->isChecked());
        QCOMPARE(ui.playButton->imageName(), "icon_pause_n");

        ui.speedUpButton->click();
        QCOMPARE(ui.speedTextButton->text(), "2.0x");
        ui.volumeUpButton->click();
        QCOMPARE(ui.volumeSlider->value(), 80);
        QCOMPARE(f.p1()->volume(), 80);
    }

    void draggingTheSliderSeeksBothPlayers()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs) && f.start(0));
        f.app->ui().videoPositionSlider->setValue(f.app->ui().videoPositionSlider->maximum() / 4);
        QVERIFY(f.player()->isMoving());
        QCOMPARE(f.p1()->time(), 15000);
        QCOMPARE(f.p2()->time(), 15000);
        QCOMPARE(f.app->ui().videoPositionSliderForFullScreen->value(),
                 f.app->ui().videoPositionSlider->value());
    }

    void aStartThatNeverPlaysNamesTheFile()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open({kOne}));
        f.p1()->neverStarts = true;
        QVERIFY(f.player()->playAtIndex(0));
        QTRY_VERIFY(f.player()->state() == TVKPlayback::State::Starting);
        f.app->loadingIndicator()->updateLoadingWindow(TVKLoadingIndicator::kTickMilliseconds /
                                                       1000.0);
        QTRY_VERIFY(f.app->window()->findChild<QMessageBox *>("alertSheet"));
        QVERIFY(f.app->window()
                    ->findChild<QMessageBox *>("alertSheet")
                    ->informativeText()
                    .contains(kOne));
        QCOMPARE(f.player()->state(), TVKPlayback::State::Failed);
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
