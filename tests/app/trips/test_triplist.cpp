// The list by trip: its rows on a card of chosen recordings, and in the player window the
// switch between it and the flat list, remembered, with a double-click playing a recording.
#include "app/apptestsetup.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerWindow.h"
#include "app/telemetry/GraphView.h"
#include "app/trips/TripList.h"
#include "app/trips/TripListModel.h"
#include "app/trips/TripPanel.h"
#include "core/player/Playback.h"
#include "core/player/ScriptedVideoPlayer.h"
#include "core/trips/tripcard.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSettings>
#include <QTableView>
#include <QTreeView>

#include <memory>

namespace {

// The rows as text: a trip as T(<its catalogue rows>), a recording of no trip as its row.
QString rowsText(const TripListModel &model)
{
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r) {
        const QModelIndex top = model.index(r, 0);
        if (model.catalogueRow(top) >= 0) {
            out.append(QString::number(model.catalogueRow(top)));
            continue;
        }
        QStringList rows;
        for (int c = 0; c < model.rowCount(top); ++c) {
            const QModelIndex child = model.index(c, 0, top);
            rows.append(QString::number(model.catalogueRow(child)));
            if (model.indexOfCatalogueRow(model.catalogueRow(child)) != child)
                rows.append("!");
        }
        out.append("T(" + rows.join(',') + ")");
    }
    return out.join(' ');
}

std::unique_ptr<PlayerWindow> openWindow(const QString &folder)
{
    auto app = std::make_unique<PlayerWindow>(
        [](VideoView *, QObject *parent) { return new ScriptedVideoPlayer(parent); });
    app->show();
    app->openFolder(folder);
    return app;
}

} // namespace

class TestTripList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplicationTest(); }

    void rows_data()
    {
        QTest::addColumn<QStringList>("names"); // each a minute long, in time order
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("summary"); // the first trip's last column
        QTest::newRow("one drive, front and rear")
            << QStringList{"alwa_20261017_083000_F", "alwa_20261017_083000_R",
                           "event_20261017_083100_F", "alwa_20261017_083200_F"}
            << "T(0,1,2,3)"
            << "3 min · 4 files · 1 event";
        QTest::newRow("an event recorded by both cameras is one event")
            << QStringList{"alwa_20261017_083000_F", "event_20261017_083100_F",
                           "event_20261017_083100_R"}
            << "T(0,1,2)"
            << "2 min · 3 files · 1 event";
        QTest::newRow("parking between two drives")
            << QStringList{"alwa_20261017_083000_F", "motion_20261017_083100_F",
                           "alwa_20261017_083200_F"}
            << "T(0) 1 T(2)"
            << "1 min · 1 file";
        QTest::newRow("a gap of over 90 s")
            << QStringList{"alwa_20261017_083000_F", "alwa_20261017_083231_F"} << "T(0) T(1)"
            << "1 min · 1 file";
        QTest::newRow("a name without time stays a row")
            << QStringList{"alwa_20261017_083000_F", "alwa_20261399_083100_F"} << "T(0) 1"
            << "1 min · 1 file";
        QTest::newRow("two hours")
            << QStringList{"alwa_20261017_083000_F", "alwa_20261017_103000_F"} << "T(0) T(1)"
            << "1 min · 1 file";
    }
    void rows()
    {
        QFETCH(QStringList, names);
        QList<MediaFile> medias;
        for (const QString &name : names)
            medias.append(MediaFile("/card/DCIM/" + name + ".avi"));
        TripListModel model;
        model.setCatalogue(medias,
                           groupTrips(medias, [](const MediaFile &) { return 60000; }).trips);
        QTEST(rowsText(model), "rows");
        QTEST(model.index(0, 3).data().toString(), "summary");
        QVERIFY(model.index(0, 0).data().toString().startsWith("Trip  2026-10-17  08:30–"));
        QCOMPARE(model.tripOf(model.index(0, 0)), 0);
    }

    // Recordings of 1798 frames of 33,367 us end just short of their minute.
    void rangeEndsWithTheLastRecording()
    {
        QList<MediaFile> medias;
        for (int minute = 30; minute < 36; ++minute)
            medias.append(
                MediaFile("/card/DCIM/alwa_20261017_08" + QString::number(minute) + "00_F.avi"));
        TripListModel model;
        model.setCatalogue(medias,
                           groupTrips(medias, [](const MediaFile &) { return 59993; }).trips);
        QCOMPARE(model.index(0, 2).data().toString(), "08:30–08:36");
        QCOMPARE(model.index(0, 3).data().toString(), "6 min · 6 files");
    }

    // The list by trip shows each recording's name whole where the flat list does: a trip's
    // row, drawn across the columns, does not widen the time column with its range.
    void namesWholeByTrip()
    {
        QSettings().setValue(TripList::kByTripKey, true);
        QTemporaryDir dir;
        for (const QString &name : QStringList{"alwa_20261017_083000_F", "motion_20261017_083100_F",
                                               "motion_20261017_083100_R",
                                               "event_20261017_083200_F", "alwa_20261017_083200_R"})
            QVERIFY(!writeCardRecording(dir.path(), name, 5, 0, 0).isEmpty());
        auto app = openWindow(dir.path());
        TripList *list = app->tripPanel()->tripList();
        QTRY_VERIFY(list->view()->isVisible() && list->trips().size() == 2);
        QTreeView *view = list->view();
        view->expandAll();
        TripListModel *model = list->model();
        int names = 0;
        // Recordings of a trip sit under its row; parking recordings stand between trips.
        for (int top = 0; top < model->rowCount(); ++top) {
            const QModelIndex entry = model->index(top, 0);
            const bool trip = model->catalogueRow(entry) < 0;
            QCOMPARE(view->isFirstColumnSpanned(top, {}), trip);
            if (trip)
                QVERIFY(view->visualRect(entry).width() >= view->sizeHintForIndex(entry).width());
            const int rows = trip ? model->rowCount(entry) : 1;
            for (int row = 0; row < rows; ++row) {
                const QModelIndex name =
                    trip ? model->index(row, 3, entry) : entry.siblingAtColumn(3);
                QVERIFY2(view->visualRect(name).width() >= view->sizeHintForIndex(name).width(),
                         qPrintable(name.data().toString()));
                ++names;
            }
        }
        QCOMPARE(names, 5);
        QSettings().remove(TripList::kByTripKey);
    }

    // With the list by trip chosen, a folder without recordings (or none at all) still says
    // why the list is empty.
    void emptyFolderByTripSaysWhy_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("note");
        QTest::newRow("empty folder") << true << "No recordings in this folder.";
        QTest::newRow("missing folder") << false << "";
    }

    void emptyFolderByTripSaysWhy()
    {
        QFETCH(bool, exists);
        QFETCH(QString, note);
        QSettings().setValue(TripList::kByTripKey, true);
        QTemporaryDir dir;
        const QString folder = exists ? dir.path() : dir.filePath("gone");
        auto app = openWindow(folder);
        QVERIFY(QTest::qWaitForWindowExposed(app.get()));
        auto *label = app->findChild<QLabel *>("emptyListNote");
        QVERIFY(label);
        QTRY_VERIFY(!label->text().isEmpty() &&
                    label->text() != tvk::text("player.reading_folder"));
        QVERIFY(app->tripPanel()->tripList()->isByTrip());
        QVERIFY(!app->tripPanel()->tripList()->view()->isVisible());
        QVERIFY(label->isVisible());
        if (!note.isEmpty())
            QCOMPARE(label->text(), note);
        QSettings().remove(TripList::kByTripKey);
    }

    // The flat list first; the choice of the list by trip is kept for the next window.
    void switchesAndRemembers()
    {
        QSettings().remove(TripList::kByTripKey);
        QTemporaryDir dir;
        for (const QString &name : QStringList{"alwa_20261017_083000_F", "alwa_20261017_083100_F",
                                               "motion_20261017_090000_F"})
            QVERIFY(!writeCardRecording(dir.path(), name, 5, 0, 0).isEmpty());
        QVERIFY(writeCardSettings(dir.path(), 28, false));
        auto app = openWindow(dir.path());
        TripList *list = app->tripPanel()->tripList();
        QVERIFY(QTest::qWaitFor([&] { return list->trips().size() == 1; }, 10000));
        QTableView *table = app->ui().mediaListTableView;
        QVERIFY(table->isVisible());
        QVERIFY(!list->view()->isVisible());
        // The card's config.bin gives the graph its driving thresholds.
        QCOMPARE(app->ui().graphView->thresholdLines().size(), 6);

        list->switchButton()->click();
        QVERIFY(list->view()->isVisible());
        QCOMPARE(list->model()->rowCount(), 2); // the trip and the parking recording
        app->clickMapViewButton();
        QVERIFY(!list->view()->isVisible());
        app->clickMediaListViewButton();
        QVERIFY(list->view()->isVisible());

        // A recording of the trip plays on activation.
        const QModelIndex second = list->model()->index(1, 0, list->model()->index(0, 0));
        emit list->view()->activated(second);
        QCOMPARE(app->playback()->mediaIndex(), 1);
        app.reset();

        auto again = openWindow(dir.path());
        QVERIFY(again->tripPanel()->tripList()->isByTrip());
        // Shown once the folder is read: an empty list leaves its note in sight.
        QTRY_VERIFY(again->tripPanel()->tripList()->view()->isVisible());
        again->tripPanel()->tripList()->switchButton()->click();
        QVERIFY(!QSettings().value(TripList::kByTripKey).toBool());
    }
};

QTEST_MAIN(TestTripList)
#include "test_triplist.moc"
