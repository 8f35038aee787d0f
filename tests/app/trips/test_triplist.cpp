// The list by trip: its rows on a card of chosen recordings, and in the player window the
// switch between it and the flat list, remembered, with a double-click playing a recording.
#include "app/apptestsetup.h"
#include "app/player/TVKAppDelegate.h"
#include "app/telemetry/GraphView.h"
#include "app/trips/TVKTripList.h"
#include "app/trips/TVKTripListModel.h"
#include "app/trips/TVKTripPanel.h"
#include "core/player/ScriptedVideoPlayer.h"
#include "core/player/TVKPlayback.h"
#include "core/trips/tripcard.h"

#include <QAbstractButton>
#include <QSettings>
#include <QTableView>
#include <QTreeView>

#include <memory>

namespace {

// The rows as text: a trip as T(<its catalogue rows>), a recording of no trip as its row.
QString rowsText(const TVKTripListModel &model)
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

std::unique_ptr<TVKAppDelegate> openWindow(const QString &folder)
{
    auto app = std::make_unique<TVKAppDelegate>(
        [](VLCVideoView *, QObject *parent) { return new ScriptedVideoPlayer(parent); });
    app->launch(folder);
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
            << "3 min · 4 files · 1 events";
        QTest::newRow("parking between two drives")
            << QStringList{"alwa_20261017_083000_F", "motion_20261017_083100_F",
                           "alwa_20261017_083200_F"}
            << "T(0) 1 T(2)"
            << "1 min · 1 files";
        QTest::newRow("a gap of over 90 s")
            << QStringList{"alwa_20261017_083000_F", "alwa_20261017_083231_F"} << "T(0) T(1)"
            << "1 min · 1 files";
        QTest::newRow("a name without time stays a row")
            << QStringList{"alwa_20261017_083000_F", "alwa_20261399_083100_F"} << "T(0) 1"
            << "1 min · 1 files";
        QTest::newRow("two hours")
            << QStringList{"alwa_20261017_083000_F", "alwa_20261017_103000_F"} << "T(0) T(1)"
            << "1 min · 1 files";
    }
    void rows()
    {
        QFETCH(QStringList, names);
        QList<TVKMedia> medias;
        for (const QString &name : names)
            medias.append(TVKMedia("/card/DCIM/" + name + ".avi"));
        TVKTripListModel model;
        model.setCatalogue(medias,
                           groupTrips(medias, [](const TVKMedia &) { return 60000; }).trips);
        QTEST(rowsText(model), "rows");
        QTEST(model.index(0, 3).data().toString(), "summary");
        QCOMPARE(model.index(0, 0).data().toString(), "Trip");
        QCOMPARE(model.tripOf(model.index(0, 0)), 0);
    }

    // The flat list first; the choice of the list by trip is kept for the next window.
    void switchesAndRemembers()
    {
        QSettings().remove(TVKTripList::kByTripKey);
        QTemporaryDir dir;
        for (const QString &name : QStringList{"alwa_20261017_083000_F", "alwa_20261017_083100_F",
                                               "motion_20261017_090000_F"})
            QVERIFY(!writeCardRecording(dir.path(), name, 5, 0, 0).isEmpty());
        QVERIFY(writeCardSettings(dir.path(), 28, false));
        auto app = openWindow(dir.path());
        TVKTripList *list = app->tripPanel()->tripList();
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
        QVERIFY(again->tripPanel()->tripList()->view()->isVisible());
        again->tripPanel()->tripList()->switchButton()->click();
        QVERIFY(!QSettings().value(TVKTripList::kByTripKey).toBool());
    }
};

QTEST_MAIN(TestTripList)
#include "test_triplist.moc"
