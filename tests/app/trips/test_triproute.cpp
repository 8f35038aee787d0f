// The whole trip on the map, as the data handed to the page: the playing recording's part
// highlighted and a marker where each event recording starts; and routes read from files.
#include "app/apptestsetup.h"
#include "app/trips/ExportActions.h"
#include "app/trips/TripRouteLayer.h"
#include "core/common/replacefile.h"
#include "core/trips/tripcard.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QWidget>

#include <sys/stat.h>

namespace {

// A trip of the named recordings (in "dir/" + name + ".avi"), each a minute long.
Trip tripOf(const QStringList &names)
{
    QList<MediaFile> medias;
    for (const QString &name : names)
        medias.append(MediaFile("/card/DCIM/" + name + ".avi"));
    return groupTrips(medias, [](const MediaFile &) { return 60000; }).trips.value(0);
}

// Two points a route, the second a second later and 0.001° east; none for a name in `noFix`.
QList<QList<RoutePoint>> routesOf(const Trip &trip, const QStringList &noFix)
{
    QList<QList<RoutePoint>> routes;
    double lng = 127.0;
    for (const MediaFile &m : trip.routeRecordings()) {
        QList<RoutePoint> route;
        if (!noFix.contains(m.mediaName())) {
            for (const double east : {0.0, 0.001}) {
                RoutePoint point;
                point.latitude = 37.5;
                point.longitude = lng + east;
                point.recordMs = east > 0 ? 1000 : 0;
                route.append(point);
            }
        }
        lng += 0.01;
        routes.append(route);
    }
    return routes;
}

QString partsText(const QJsonObject &data)
{
    QStringList out;
    for (const QJsonValue &part : data["parts"].toArray()) {
        const QJsonObject p = part.toObject();
        out.append(p["name"].toString().section('_', 0, 0) +
                   QLatin1String(p["current"].toBool() ? "*" : "") +
                   QString::number(p["points"].toArray().size()));
    }
    return out.join(' ');
}

QString eventsText(const QJsonObject &data)
{
    QStringList out;
    for (const QJsonValue &event : data["events"].toArray()) {
        const QJsonObject e = event.toObject();
        out.append(e["time"].toString() + "@" +
                   QString::number(e["at"].toArray()[1].toDouble(), 'f', 2));
    }
    return out.join(' ');
}

} // namespace

class TestTripRoute : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplicationTest(); }

    void layerData_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("noFix");
        QTest::addColumn<QString>("parts"); // kind, * when current, points
        QTest::addColumn<QString>("events");
        const QStringList drive{"alwa_20261017_083000_F", "alwa_20261017_083000_R",
                                "event_20261017_083100_F", "event_20261017_083100_R",
                                "alwa_20261017_083200_F"};
        QTest::newRow("front playing")
            << drive << "event_20261017_083100_F" << QStringList() << "alwa2 event*2 alwa2"
            << "08:31:00@127.01";
        // The rear of a moment highlights the same part: the route comes from the front.
        QTest::newRow("rear playing")
            << drive << "alwa_20261017_083000_R" << QStringList() << "alwa*2 event2 alwa2"
            << "08:31:00@127.01";
        QTest::newRow("playing elsewhere")
            << drive << "alwa_20261017_090000_F" << QStringList() << "alwa2 event2 alwa2"
            << "08:31:00@127.01";
        QTest::newRow("nothing playing") << drive << "" << QStringList() << "alwa2 event2 alwa2"
                                         << "08:31:00@127.01";
        QTest::newRow("event without a fix has no marker")
            << drive << "" << QStringList{"event_20261017_083100_F"} << "alwa2 event0 alwa2"
            << "";
        QTest::newRow("rear-only event is marked")
            << QStringList{"alwa_20261017_083000_F", "event_20261017_083100_R"} << ""
            << QStringList() << "alwa2 event2"
            << "08:31:00@127.01";
    }
    void layerData()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, current);
        QFETCH(QStringList, noFix);
        const Trip trip = tripOf(names);
        const QString currentPath =
            current.isEmpty() ? QString() : "/card/DCIM/" + current + ".avi";
        const QJsonObject data =
            TripRouteLayer::layerData(trip, routesOf(trip, noFix), currentPath);
        QTEST(partsText(data), "parts");
        QTEST(eventsText(data), "events");
        QCOMPARE(data["key"].toString(), "2026-10-17T08:30:00Z");
    }

    // Routes read from the recordings themselves, off the interface thread.
    void readsRoutesOfFiles()
    {
        QTemporaryDir dir;
        QList<MediaFile> medias;
        for (const QString &name :
             QStringList{"alwa_20261017_083000_F", "event_20261017_083100_F"}) {
            const QString path = writeCardRecording(dir.path(), name, 20, 9 * 3600, 0);
            QVERIFY(!path.isEmpty());
            medias.append(MediaFile(path));
        }
        const Trip trip = groupTrips(medias).trips.value(0);
        QCOMPARE(trip.recordings.size(), 2);
        TripRouteLayer layer(nullptr);
        QSignalSpy published(&layer, &TripRouteLayer::published);
        layer.showTrip(trip, medias[1].path());
        QVERIFY(published.wait(10000));
        const QJsonObject data = published.last().first().toJsonObject();
        QCOMPARE(partsText(data), "alwa20 event*20");
        QCOMPARE(data["events"].toArray().size(), 1);
        layer.clear();
        QVERIFY(published.last().first().toJsonObject().isEmpty());
    }

    // The route export reads and writes off the interface thread: the call returns at once,
    // the file follows, and a second export waits for the first.
    void routeExportRunsInTheBackground_data()
    {
        QTest::addColumn<bool>("wholeTrip");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("points");
        QTest::newRow("recording, GPX") << false << "route.gpx" << 20;
        QTest::newRow("trip, KML") << true << "trip.kml" << 40;
    }

    void routeExportRunsInTheBackground()
    {
        QFETCH(bool, wholeTrip);
        QFETCH(QString, file);
        QFETCH(int, points);
        QTemporaryDir dir;
        QList<MediaFile> medias;
        for (const QString &name :
             QStringList{"alwa_20261017_083000_F", "alwa_20261017_083100_F"}) {
            medias.append(MediaFile(writeCardRecording(dir.path(), name, 20, 9 * 3600, 0)));
            QVERIFY(QFileInfo::exists(medias.last().path()));
        }
        const Trip trip = groupTrips(medias).trips.value(0);
        QWidget window;
        ExportActions actions(
            &window,
            {[&] { return medias[0].path(); }, [&] { return std::optional<Trip>(trip); }, {}},
            std::make_shared<RouteCache>());
        QSignalSpy finished(&actions, &ExportActions::routeFinished);
        const QString out = dir.filePath(file);
        actions.startRouteExport(wholeTrip, out);
        QVERIFY(actions.isWritingRoute());
        actions.startRouteExport(wholeTrip, out + ".second"); // refused while the first runs
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.size(), 1);
        QVERIFY(finished[0][1].value<tvk::Result<void>>());
        QVERIFY(!actions.isWritingRoute() && !QFileInfo::exists(out + ".second"));
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        // A point a line of GPX, a gx:coord of KML.
        QCOMPARE(int(text.count(file.endsWith(".kml") ? "<gx:coord>" : "<trkpt ")), points);
    }

    // A pipe or a folder where the route would go is refused and left as it was.
    void nonRegularTargetIsLeftAlone_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("a pipe") << true;
        QTest::newRow("a folder") << false;
    }

    void nonRegularTargetIsLeftAlone()
    {
        QFETCH(bool, pipe);
        QTemporaryDir dir;
        const QString recording =
            writeCardRecording(dir.path(), "alwa_20261017_083000_F", 20, 9 * 3600, 0);
        const QString out = dir.filePath("route.gpx");
        QVERIFY(pipe ? ::mkfifo(QFile::encodeName(out).constData(), 0600) == 0 : QDir().mkdir(out));
        QWidget window;
        ExportActions actions(&window,
                              {[&] { return recording; }, [] { return std::optional<Trip>(); }, {}},
                              std::make_shared<RouteCache>());
        QSignalSpy finished(&actions, &ExportActions::routeFinished);
        actions.startRouteExport(false, out);
        QVERIFY(finished.wait(10000));
        const auto written = finished[0][1].value<tvk::Result<void>>();
        QVERIFY(!written);
        QCOMPARE(written.failure().code, kNotReplacedCode);
        QCOMPARE(QFileInfo(out).isDir(), !pipe);
        QVERIFY(!QFileInfo(out).isFile());
    }
};

QTEST_MAIN(TestTripRoute)
#include "test_triproute.moc"
