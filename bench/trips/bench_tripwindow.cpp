// The trip's route on the map of the player window, on a day of driving (1,000 one-minute
// recordings in 10 trips): from choosing a trip's row in the list by trip until the map page
// has drawn every point of it, first with the card's files dropped from the page cache (cold),
// then again for every trip (the route cache warm: the goal, under 1 s). The reference is the
// page alone drawing the same data handed to it directly, timed the same way.
//   bench_tripwindow [--keep DIR]     (QT_QPA_PLATFORM=offscreen is fine)
#include "app/apptestsetup.h"
#include "app/player/PlayerWindow.h"
#include "app/player/PlayerWindowUi.h"
#include "app/telemetry/MapView.h"
#include "app/trips/TripList.h"
#include "app/trips/TripListModel.h"
#include "app/trips/TripPanel.h"
#include "app/trips/TripRouteLayer.h"
#include "benchgoal.h"
#include "daycard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeView>
#include <QWebEnginePage>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Runs the event loop until `done` or the time is out.
bool waitFor(const std::function<bool()> &done, int ms = 60000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// The page's count of drawn trip points; the script runs after every call sent before it.
int drawnPoints(MapView *map)
{
    int points = -1;
    map->page()->runJavaScript(QStringLiteral("tripState().points"),
                               [&points](const QVariant &v) { points = v.toInt(); });
    waitFor([&] { return points >= 0; });
    return points;
}

// Milliseconds from `start` until the page has drawn the trip sent in its wake.
double timeToDrawn(MapView *map, const std::function<void()> &start, int *points)
{
    bool sent = false;
    const auto connection = QObject::connect(map, &MapView::scriptSent, [&](const QString &s) {
        sent = sent || s.startsWith(QLatin1String("setTripRoute({"));
    });
    QElapsedTimer t;
    t.start();
    start();
    waitFor([&] { return sent; });
    *points = drawnPoints(map);
    QObject::disconnect(connection);
    return t.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    initApplicationTest();
    bench::Goals goals("bench_tripwindow");
    const int recordings = bench::size(kRecordings, 2 * kPerTrip);
    QTemporaryDir temp;
    QString root = temp.path();
    if (argc >= 3 && QLatin1String(argv[1]) == QLatin1String("--keep"))
        root = QString::fromLocal8Bit(argv[2]);
    if (!QFileInfo::exists(root + QStringLiteral("/config.bin"))) {
        std::printf("writing %d one-minute recordings into %s\n", recordings, qPrintable(root));
        if (const QString error = writeDayCard(root, recordings); !error.isEmpty())
            return goals.failed(qPrintable(error));
    }
    QSettings().setValue(QLatin1String(TripList::kByTripKey), true);
    PlayerWindow window;
    window.show();
    window.openFolder(root);
    TripList *list = window.tripPanel()->tripList();
    MapView *map = window.ui().mapWebView;
    const int tripCount = recordings / kPerTrip;
    if (!waitFor([&] { return list->trips().size() == tripCount && map->isPageLoaded(); })) {
        return goals.failed(qPrintable(QStringLiteral("%1 trips, page loaded %2")
                                           .arg(list->trips().size())
                                           .arg(map->isPageLoaded())));
    }
    window.clickMapViewButton();
    const int expected = kPerTrip * 60;
    QJsonObject lastData;
    QObject::connect(window.tripPanel()->routeLayer(), &TripRouteLayer::published,
                     [&](const QJsonObject &data) { lastData = data; });
    const auto choose = [&](int trip) {
        list->view()->setCurrentIndex(list->model()->indexOfTrip(trip));
    };
    std::vector<double> cold, warm, reference;
    bool allDrawn = true;
    evict(root);
    for (int pass = 0; pass < 2; ++pass) {
        for (int trip = 0; trip < tripCount; ++trip) {
            list->view()->clearSelection();
            int points = 0;
            const double ms = timeToDrawn(
                map, [&] { choose(trip); }, &points);
            allDrawn = allDrawn && points == expected;
            (pass == 0 ? cold : warm).push_back(ms);
        }
    }
    // The reference: the page given the last trip's data directly.
    const QString script =
        QStringLiteral("setTripRoute(%1)")
            .arg(QString::fromUtf8(QJsonDocument(lastData).toJson(QJsonDocument::Compact)));
    for (int i = 0; i < tripCount; ++i) {
        int points = 0;
        map->callScript(QStringLiteral("setTripRoute(null)"));
        reference.push_back(timeToDrawn(
            map, [&] { map->callScript(script); }, &points));
        allDrawn = allDrawn && points == expected;
    }
    std::printf("trips %d, points drawn per trip %d (expected %d)\n", tripCount, drawnPoints(map),
                expected);
    if (!allDrawn)
        return goals.failed("a route was not drawn whole");
    std::printf("trip route drawn after choosing: cold %.1f ms median (%.1f max), warm %.1f ms "
                "median (%.1f max); the page alone drawing the same data %.1f ms median\n",
                median(cold), *std::max_element(cold.begin(), cold.end()), median(warm),
                *std::max_element(warm.begin(), warm.end()), median(reference));
    goals.atMost("trip route drawn after choosing, warm cache", median(warm), 1000, "ms");
    return goals.finish();
}
