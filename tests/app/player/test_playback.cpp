// The player window bound to its playback core: what the core publishes reaches the views and
// controls, and the controls reach the core.
#include "PlayerWindowFixture.h"
#include "app/apptestsetup.h"
#include "app/controls/BezelButton.h"
#include "app/controls/ImageButton.h"
#include "app/controls/ProgressIndicator.h"
#include "app/controls/VideoBackdrop.h"
#include "app/player/CustomWindow.h"
#include "app/player/LoadingIndicator.h"
#include "app/player/VideoView.h"
#include "app/telemetry/GraphView.h"
#include "core/player/PlayInfo.h"

#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QTableView>

namespace {

const QStringList kTwoPairs{"alwa_20240131_120000_F.avi", "alwa_20240131_120000_R.avi",
                            "alwa_20240131_120100_F.avi", "alwa_20240131_120100_R.avi"};
const QString kOne = "alwa_20240131_120000_F.avi";

// G-sensor samples whose X is their own index: the readout names the sample on screen.
RecordedTelemetryPtr countingSamples(const QString &)
{
    auto telemetry = std::make_shared<RecordedTelemetry>();
    for (int i = 0; i < 100; ++i)
        telemetry->m_GSensors.append(GSensor(float(i), 0.0f, 1.0f));
    return telemetry;
}

qint64 selectedRow(const QTableView *list)
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
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

    void aPausedSeekMovesEverythingShown()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs));
        f.player()->setExtractor(countingSamples);
        QVERIFY(f.start(0));
        f.p1()->tick(100);
        f.app->ui().playButton->click();
        QTRY_COMPARE(f.player()->state(), Playback::State::Paused);
        const PlayerWindowUi &ui = f.app->ui();
        ui.videoPositionSlider->setValue(ui.videoPositionSlider->maximum() / 4);
        QCOMPARE(ui.timeField->text(), "00:15");
        QCOMPARE(ui.remainingField->text(), "-00:45");
        QCOMPARE(ui.graphView->timePosition(), 0.25);
        QCOMPARE(ui.gsensorXField->text(), "X=+25.00");
        QTest::keyClick(f.app.get(), Qt::Key_Right);
        QCOMPARE(f.p1()->time(), 15000); // a jump waits for the seek under way to settle
        QTRY_VERIFY(!f.player()->isMoving());
        QTest::keyClick(f.app.get(), Qt::Key_Right);
        QCOMPARE(ui.timeField->text(), "00:25");
        QCOMPARE(ui.gsensorXField->text(), "X=+41.00");
    }

    void listKeysSelectAndPlay()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs));
        QTableView *list = f.app->ui().mediaListTableView;
        f.app->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.app.get()));
        list->setFocus();
        list->selectRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(selectedRow(list), 1);
        QCOMPARE(f.player()->volume(), 70);
        QTest::keyClick(list, Qt::Key_Space); // nothing loaded: the selected row plays
        QTRY_COMPARE(f.player()->mediaIndex(), 1);
        QTRY_VERIFY(!f.player()->waitingForPlayStart());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(f.player()->mediaIndex(), 2);
        f.app->setFocus(); // elsewhere the arrows keep the volume
        QTest::keyClick(f.app.get(), Qt::Key_Down);
        QCOMPARE(f.player()->volume(), 60);
        // Space presses a button that has the keyboard; the playing goes on.
        QTRY_VERIFY(f.app->playback()->playInfo()->isPlaying());
        f.app->ui().volumeUpButton->setFocus();
        QTest::keyClick(f.app->ui().volumeUpButton, Qt::Key_Space);
        QTRY_COMPARE(f.player()->volume(), 70);
        QVERIFY(f.app->playback()->playInfo()->isPlaying());
    }

    void controlsThatCannotActAreDisabled()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs + QStringList{"alwa_20240131_120200_F.avi"}));
        const PlayerWindowUi &ui = f.app->ui();
        const auto enabled = [&ui] {
            return QList<bool>{ui.playButton->isEnabled(), ui.swapButton->isEnabled(),
                               ui.sizeUpButton->isEnabled(), ui.fullScreenButton->isEnabled()};
        };
        QCOMPARE(ui.sizeTextButton->text(), "–"); // no zoom before a picture is measured
        QCOMPARE(enabled(), QList<bool>({false, false, false, false}));
        ui.mediaListTableView->selectRow(4);
        QCOMPARE(enabled(), QList<bool>({true, false, false, false}));
        QVERIFY(f.start(0));
        f.p1()->tick(100);
        QCOMPARE(enabled(), QList<bool>({true, true, true, true}));
        ui.playButton->click();
        QTRY_COMPARE(enabled(), QList<bool>({true, true, false, true}));
        QVERIFY(f.start(4)); // alone: nothing to swap with
        f.p1()->tick(100);
        QCOMPARE(enabled(), QList<bool>({true, false, true, true}));
    }

    void anotherFolderClearsWhatWasShown()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open(kTwoPairs));
        f.player()->setExtractor(countingSamples);
        QVERIFY(f.start(0));
        f.app->ui().videoPositionSlider->setValue(5000);
        const PlayerWindowUi &ui = f.app->ui();
        QVERIFY(!ui.graphView->values().isEmpty());
        QTemporaryDir empty;
        f.app->openFolder(empty.path());
        QVERIFY(ui.graphView->values().isEmpty());
        QCOMPARE(ui.graphView->timePosition(), 0.0);
        QCOMPARE(ui.gsensorXField->text(), "X=+0.00");
        QCOMPARE(ui.timeField->text(), "00:00");
        QCOMPARE(ui.remainingField->text(), "00:00");
        QCOMPARE(ui.videoPositionSlider->value(), 0);
        QVERIFY(!f.app->video2View()->isVisible());
        QTRY_VERIFY(!ui.playButton->isEnabled()); // once the empty list shows
    }

    void theLoadingBarRuns()
    {
        ProgressIndicator bar;
        bar.resize(200, 6);
        bar.setIndeterminate(true);
        bar.show();
        bar.startAnimation();
        QVERIFY(bar.isAnimating());
        const QImage first = bar.grab().toImage();
        QTest::qWait(400);
        const QImage later = bar.grab().toImage();
        QVERIFY(first != later);
        // A stripe, not a full bar.
        const QRgb stripe = bar.palette().color(QPalette::Highlight).rgb();
        int lit = 0;
        for (int x = 0; x < later.width(); ++x)
            lit += later.pixel(x, later.height() / 2) == stripe;
        QVERIFY2(lit > 10 && lit < later.width() / 2, qPrintable(QString::number(lit)));
        bar.stopAnimation();
        QVERIFY(!bar.isAnimating());
    }

    void aStartThatNeverPlaysNamesTheFile()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open({kOne}));
        f.p1()->neverStarts = true;
        QVERIFY(f.player()->playAtIndex(0));
        QTRY_VERIFY(f.player()->state() == Playback::State::Starting);
        f.app->loadingIndicator()->updateLoadingWindow(LoadingIndicator::kTickMilliseconds /
                                                       1000.0);
        QTRY_VERIFY(f.app->findChild<QMessageBox *>("alertSheet"));
        QVERIFY(
            f.app.get()->findChild<QMessageBox *>("alertSheet")->informativeText().contains(kOne));
        QCOMPARE(f.player()->state(), Playback::State::Failed);
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
