// The player window's recording list: rows and cells of a folder, the list/map switch, a
// folder dropped on the list, a pass of the card's index played from its moment, and the
// start-up frame.
#include "PlayerWindowFixture.h"
#include "app/apptestsetup.h"
#include "app/player/CustomWindow.h"
#include "app/player/MediaListModel.h"
#include "core/common/log.h"
#include "core/common/strings.h"
#include "core/player/Playback.h"

#include <QIcon>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QUrl>

class TestPlayerWindow : public QObject
{
    Q_OBJECT
public:
    static void initMain()
    {
        tvk::prepareApplicationEnvironment();
        useOffscreenScreen(1600, 1000);
    }

private slots:
    void initTestCase() { initApplicationTest(); }

    void rowsAndCells_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("hasImage");
        QTest::newRow("continuous front")
            << "alwa_20240131_235959_F.avi" << tvk::text("media.always") << "2024-01-31"
            << "23:59:59" << true;
        QTest::newRow("event rear")
            << "event_20240201_080000_R.AVI" << tvk::text("media.event") << "2024-02-01"
            << "08:00:00" << true;
        QTest::newRow("motion with unknown time")
            << "motion_20241301_120000_F.avi" << tvk::text("media.motion") << ""
            << "" << false;
    }

    void rowsAndCells()
    {
        QFETCH(QString, file);
        PlayerWindowFixture f;
        QVERIFY(f.open({"DCIM/" + file}));
        const QAbstractItemModel *model = f.app->ui().mediaListTableView->model();
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->columnCount(), 4);
        QTEST(model->index(0, 0).data().toString(), "mode");
        QTEST(model->index(0, 1).data().toString(), "date");
        QTEST(model->index(0, 2).data().toString(), "time");
        QCOMPARE(model->index(0, 3).data().toString(), file);
        QTEST(!model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull(), "hasImage");
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), tvk::text("filelist.date"));
    }

    void listAndMapSwitch()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open({"alwa_20240131_120000_F.avi"}));
        PlayerWindow &app = *f.app;
        QCOMPARE(app.rightViewMode(), 0);
        app.clickMapViewButton();
        app.clickMapViewButton();
        QCOMPARE(app.rightViewMode(), 1);
        QVERIFY(app.ui().mapContainerView->isVisible() &&
                !app.ui().mediaListTableView->isVisible());
        app.clickMediaListViewButton();
        QCOMPARE(app.rightViewMode(), 0);
        QVERIFY(app.ui().mediaListTableView->isVisible());

        // A new folder brings the list back once it has been read.
        app.clickMapViewButton();
        QSignalSpy shown(&app, &PlayerWindow::mediaListShown);
        app.openFolder(f.dir.path());
        QVERIFY(shown.wait(10000));
        QCOMPARE(app.rightViewMode(), 0);
    }

    void droppedFolderIsOpened()
    {
        PlayerWindowFixture f;
        QVERIFY(f.open({}));
        QTemporaryDir other;
        QVERIFY(writeFile(other.filePath("alwa_20240131_120000_F.avi"), {}));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(other.path())});
        MediaListModel *model = f.app->mediaListModel();
        QVERIFY(model->canDropMimeData(&data, Qt::CopyAction, -1, -1, {}));
        QSignalSpy shown(f.app.get(), &PlayerWindow::mediaListShown);
        QVERIFY(model->dropMimeData(&data, Qt::CopyAction, -1, -1, {}));
        QVERIFY(shown.wait(10000));
        QCOMPARE(f.app->mediaList()->directoryPath(), other.path());
        QCOMPARE(model->rowCount(), 1);

        QMimeData text;
        text.setText("not a folder");
        QVERIFY(!model->canDropMimeData(&text, Qt::CopyAction, -1, -1, {}));
    }

    // A pass chosen under the map plays its recording from the pass's moment, opening the
    // recording's folder when the list shows another one.
    void passPlaysFromItsMoment_data()
    {
        QTest::addColumn<bool>("elsewhere");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<qint64>("startsAt");
        QTest::newRow("listed") << false << 20.0 << qint64(20000);
        QTest::newRow("another folder") << true << 45.0 << qint64(45000);
        QTest::newRow("past the end") << false << 90.0 << qint64(60000);
    }
    void passPlaysFromItsMoment()
    {
        QFETCH(bool, elsewhere);
        QFETCH(double, seconds);
        PlayerWindowFixture f;
        QVERIFY(f.open({"alwa_20240131_120000_F.avi", "alwa_20240131_120100_F.avi"}));
        QTemporaryDir other;
        const QString wanted = elsewhere ? other.filePath("alwa_20240201_080000_F.avi")
                                         : f.path("alwa_20240131_120100_F.avi");
        QVERIFY(!elsewhere || writeFile(wanted, {}));
        QSignalSpy started(f.player(), &Playback::playStarted);
        f.app->playFrom(wanted, seconds);
        QVERIFY(started.wait(10000));
        QTRY_VERIFY(!f.player()->waitingForPlayStart());
        // The scripted players paint nothing: their first pictures are reported as shown.
        f.player()->picturesShown();
        QCOMPARE(f.app->mediaList()->directoryPath(), QFileInfo(wanted).absolutePath());
        const qint64 row = started.first().first().toLongLong();
        QCOMPARE(f.app->mediaList()->mediaAtIndex(row)->path(), wanted);
        QCOMPARE(f.app->ui().mediaListTableView->currentIndex().row(), int(row));
        QTEST(f.p1()->time(), "startsAt");
    }

    void startUpFrameAndLanguages()
    {
        QSettings().setValue("AppleLanguages", QStringList{"de"});
        QStringList lines;
        tvk::setLogSink([&lines](const QString &line) { lines << line; });
        PlayerWindowFixture f;
        QVERIFY(f.open({}));
        tvk::setLogSink({});
        QVERIFY(lines.contains("SUPPORT_LANGUAGE=de"));
        const QRect frame = f.app->geometry();
        QCOMPARE(frame.size(), QSize(1020, 640));
        QCOMPARE(frame.center(), f.app->screen()->availableGeometry().center());
        QCOMPARE(f.app->minimumSize(), CustomWindow::minimumFrameSize());
    }
};

QTEST_MAIN(TestPlayerWindow)
#include "test_playerwindow.moc"
