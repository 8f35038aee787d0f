// Full screen of the player window, offscreen: the strip, Escape, entering and leaving twice,
// the launch frame restored, a new start and a size step down leaving it, and dragging that
// stops under the top of the available area.
#include "PlayerWindowFixture.h"
#include "app/apptestsetup.h"
#include "app/controls/ImageButton.h"
#include "app/controls/ThreePartImage.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerWindowUi.h"
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>

class TestFullScreen : public QObject
{
    Q_OBJECT
public:
    static void initMain() { tvk::prepareApplicationEnvironment(); }

private:
    PlayerWindowFixture m_f;

    PlayerWindow *playerWindow() const { return m_f.app.get(); }
    const PlayerWindowUi &ui() const { return m_f.app->ui(); }
    QRect launchFrame() const { return m_f.app->minWindowFrame(); }

private slots:
    void initTestCase()
    {
        initApplicationTest();
        QVERIFY(m_f.open({"alwa_20240131_120000_F.avi", "alwa_20240131_120000_R.avi",
                          "alwa_20240131_120100_F.avi"}));
        QVERIFY(QTest::qWaitForWindowExposed(playerWindow()));
        QCOMPARE(playerWindow()->initialFrame(), launchFrame());
    }

    void escapeOnlyLeaves()
    {
        QSignalSpy changes(playerWindow(), &CustomWindow::isFullScreenChanged);
        QTest::keyClick(playerWindow(), Qt::Key_Escape);
        QVERIFY(changes.isEmpty() && !playerWindow()->isFullScreen());
        QCOMPARE(playerWindow()->geometry(), launchFrame());

        // A size chosen in between is not where full screen returns to.
        playerWindow()->resize(1224, 768);
        playerWindow()->enterFullscreen();
        playerWindow()->enterFullscreen();
        QCOMPARE(changes.count(), 1);
        QTRY_COMPARE(playerWindow()->geometry(), playerWindow()->screen()->geometry());
        QVERIFY(!ui().headBox->isVisible() && !ui().bodyRightBox->isVisible());
        QVERIFY(ui().mediaControlBoxForFullScreen->isVisible() && ui().videoBox->isVisible());
        QCOMPARE(ui().mediaControlBoxForFullScreen->height(), 36);
        for (const char *control : {"playButtonForFullScreen", "jumpBackwardButtonForFullScreen",
                                    "jumpForwardButtonForFullScreen", "timeFieldForFullScreen",
                                    "videoPositionSliderForFullScreen",
                                    "remainingFieldForFullScreen", "exitFullScreenButton"}) {
            auto *widget =
                ui().mediaControlBoxForFullScreen->findChild<QWidget *>(QLatin1String(control));
            QVERIFY2(widget && widget->isVisible(), control);
        }

        QTest::keyClick(playerWindow(), Qt::Key_Escape);
        playerWindow()->leaveFullscreen();
        QCOMPARE(changes.count(), 2);
        QVERIFY(!playerWindow()->isFullScreen());
        QTRY_COMPARE(playerWindow()->geometry(), launchFrame());
        QVERIFY(ui().headBox->isVisible() && ui().bodyRightBox->isVisible());
        QVERIFY(!ui().mediaControlBoxForFullScreen->isVisible());
    }

    void stripButtonLeaves()
    {
        playerWindow()->enterFullscreen();
        ui().exitFullScreenButton->click();
        QVERIFY(!playerWindow()->isFullScreen());
        QTRY_COMPARE(playerWindow()->geometry(), launchFrame());
    }

    void aNewStartAndAStepDownLeave()
    {
        playerWindow()->enterFullscreen();
        QVERIFY(m_f.start(0));
        QVERIFY(!playerWindow()->isFullScreen());
        QTRY_COMPARE(playerWindow()->geometry(), launchFrame());
        playerWindow()->enterFullscreen();
        ui().sizeDownButton->click();
        QVERIFY(!playerWindow()->isFullScreen());
        QTRY_COMPARE(playerWindow()->geometry(), launchFrame());
    }

    void dragStopsUnderTheTopOfTheAvailableArea()
    {
        const QRect available = playerWindow()->screen()->availableGeometry();
        const QPoint grip(300, 20);
        QTest::mousePress(playerWindow(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(playerWindow(), grip + QPoint(40, -playerWindow()->y() - 200));
        QTest::mouseRelease(playerWindow(), Qt::LeftButton, {},
                            grip + QPoint(40, -playerWindow()->y() - 200));
        QTRY_COMPARE(playerWindow()->frameGeometry().top(), available.top());
        QCOMPARE(playerWindow()->x(), launchFrame().x() + 40);
        playerWindow()->setGeometry(launchFrame());
    }

    // The strip's times are the window's: a paused seek shows its target in both at once.
    void stripTimesFollowTheWindowsTimes()
    {
        QVERIFY(m_f.start(0));
        for (int i = 0; i < 30; ++i) {
            m_f.p2()->tick(100);
            m_f.p1()->tick(100);
        }
        m_f.player()->togglePause(); // pause
        QTRY_VERIFY(!m_f.player()->playInfo()->isPlaying());
        m_f.player()->seekTo(0.5);
        auto *time =
            ui().mediaControlBoxForFullScreen->findChild<QLabel *>("timeFieldForFullScreen");
        auto *remaining =
            ui().mediaControlBoxForFullScreen->findChild<QLabel *>("remainingFieldForFullScreen");
        QVERIFY(time && remaining);
        QTRY_COMPARE(ui().timeField->text(), QString("00:30"));
        QCOMPARE(time->text(), ui().timeField->text());
        QCOMPARE(remaining->text(), ui().remainingField->text());
        m_f.player()->stop();
    }

    void cleanupTestCase() { m_f.app.reset(); }
};

QTEST_MAIN(TestFullScreen)
#include "test_fullscreen.moc"
