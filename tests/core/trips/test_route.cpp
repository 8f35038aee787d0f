// The one route rule: order by the camera's clock, each stretch once, and no glitch that
// lengthens, shortens or carries off the rest of the drive. KML routes keep every time there
// is, and draw no line of a single point.
#include "core/route/routeexport.h"
#include "core/route/routefilter.h"

#include <QBuffer>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

class TestRoute : public QObject
{
    Q_OBJECT

    // A car going east at 10 m/s, one fix a second; the camera's clock is nine hours ahead
    // of the GPS time, as in Seoul.
    static RoutePoint pointAt(int second, bool timed)
    {
        const double latitude = 37.5665;
        RoutePoint p;
        p.latitude = latitude;
        p.longitude = 126.978 + second * 10 / (111320 * std::cos(latitude * M_PI / 180));
        if (timed)
            p.utc = QDateTime(QDate(2026, 10, 16), QTime(23, 30), Qt::UTC).addSecs(second);
        p.metresPerSecond = 10;
        return p;
    }

    // "start+count" words, "u" after the count for fixes without a date.
    static QList<RoutePiece> drive(const QString &plan)
    {
        const QDateTime named(QDate(2026, 10, 17), QTime(8, 30), Qt::UTC);
        QList<RoutePiece> pieces;
        for (const QString &word : plan.split(u' ')) {
            const int start = word.section(u'+', 0, 0).toInt();
            QString count = word.section(u'+', 1);
            const bool timed = !count.endsWith(u'u');
            if (!timed)
                count.chop(1);
            RoutePiece piece{named.addSecs(start), count.toInt() * 1000, {}};
            for (int s = 0; s < count.toInt(); ++s) {
                piece.points.append(pointAt(start + s, timed));
                piece.points.last().recordMs = s * 1000;
            }
            pieces.append(piece);
        }
        return pieces;
    }

    // "second:kind" words spoil the first piece's fix of that second.
    static void spoil(QList<RoutePiece> &pieces, const QString &glitches)
    {
        for (const QString &word : glitches.split(u' ', Qt::SkipEmptyParts)) {
            RoutePoint &p = pieces[0].points[word.section(u':', 0, 0).toInt()];
            const QString kind = word.section(u':', 1);
            if (kind == "2099")
                p.utc = QDateTime(QDate(2099, 1, 1), QTime(0, 0), Qt::UTC);
            else if (kind == "far")
                p.latitude += 4.5; // 500 km north
            else if (kind == "extreme")
                p = RoutePoint{-89.9, -179.9, p.utc, 10, 0, p.recordMs};
            else if (kind == "record")
                p.recordMs = 1000 * 1000;
        }
    }

    // "t" a timed fix, "u" one without a time; words are segments.
    static RouteTrack track(const QString &plan)
    {
        RouteTrack track{QStringLiteral("Trip"), {}};
        int second = 0;
        for (const QString &word : plan.split(u' ')) {
            RouteSegment segment{word, {}};
            for (const QChar kind : word) {
                RoutePoint p{37.5, 127 + second * 0.0001, {}, 10, 0, 0};
                if (kind == u't')
                    p.utc = QDateTime(QDate(2026, 10, 16), QTime(23, 30), Qt::UTC).addSecs(second);
                segment.points.append(p);
                ++second;
            }
            track.segments.append(segment);
        }
        return track;
    }

    // Element counts, and the fewest coordinates a LineString holds.
    static QString shape(const QByteArray &kml)
    {
        QMap<QString, int> counts;
        int shortestLine = -1;
        QXmlStreamReader xml(kml);
        QString geometry;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString name = xml.qualifiedName().toString();
            ++counts[name];
            if (name == "LineString" || name == "Point")
                geometry = name;
            if (name == "coordinates" && geometry == "LineString") {
                const int n = int(xml.readElementText().split(u' ', Qt::SkipEmptyParts).size());
                shortestLine = shortestLine < 0 ? n : std::min(shortestLine, n);
            }
        }
        if (xml.hasError())
            return xml.errorString();
        return QStringLiteral("tracks %1 when %2 lines %3 points %4 shortest %5")
            .arg(counts["gx:Track"])
            .arg(counts["when"])
            .arg(counts["LineString"])
            .arg(counts["Point"])
            .arg(shortestLine);
    }

private slots:
    void rule_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("glitches");
        QTest::addColumn<int>("kept");
        QTest::addColumn<double>("km");
        QTest::newRow("a drive") << "0+60"
                                 << "" << 60 << 0.59;
        QTest::newRow("a fix dated 2099") << "0+60"
                                          << "30:2099" << 59 << 0.59;
        QTest::newRow("the first fix dated 2099") << "0+60"
                                                  << "0:2099" << 59 << 0.58;
        QTest::newRow("a fix 500 km away") << "0+60"
                                           << "30:far" << 59 << 0.59;
        QTest::newRow("two fixes 500 km away") << "0+60"
                                               << "30:far 31:far" << 58 << 0.59;
        QTest::newRow("the first fix 500 km away") << "0+60"
                                                   << "0:far" << 59 << 0.58;
        QTest::newRow("the last fix 500 km away") << "0+60"
                                                  << "59:far" << 59 << 0.58;
        QTest::newRow("a fix at the other end of the world") << "0+60"
                                                             << "30:extreme" << 59 << 0.59;
        QTest::newRow("a record time past the recording") << "0+60"
                                                          << "30:record" << 59 << 0.59;
        QTest::newRow("recordings one after the other") << "0+30 30+30"
                                                        << "" << 60 << 0.59;
        QTest::newRow("an event inside a recording") << "0+60 20+20"
                                                     << "" << 60 << 0.59;
        QTest::newRow("an event inside a recording, fixes without a date") << "0+60u 20+20u"
                                                                           << "" << 60 << 0.59;
        QTest::newRow("an event across two recordings, fixes without a date")
            << "0+30u 20+20u 40+20u"
            << "" << 60 << 0.59;
        QTest::newRow("an event listed first") << "20+20u 0+60u"
                                               << "" << 60 << 0.59;
    }

    void rule()
    {
        QFETCH(QString, plan);
        QFETCH(QString, glitches);
        QList<RoutePiece> pieces = drive(plan);
        spoil(pieces, glitches);
        const PlausibleRoute route = plausibleRoute(pieces);
        QCOMPARE(route.pieces.size(), pieces.size());
        qsizetype kept = 0;
        for (const QList<RoutePoint> &piece : route.pieces)
            kept += piece.size();
        QTEST(int(kept), "kept");
        QFETCH(double, km);
        QVERIFY2(std::abs(route.kilometres - km) < 0.005, QByteArray::number(route.kilometres));
    }

    void shapes_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("shape");
        QTest::newRow("all timed") << "tttt tttt"
                                   << "tracks 2 when 8 lines 0 points 0 shortest -1";
        QTest::newRow("one untimed fix keeps the other times")
            << "ttutt tttt"
            << "tracks 3 when 8 lines 1 points 0 shortest 3";
        QTest::newRow("an untimed start") << "uttt"
                                          << "tracks 1 when 3 lines 1 points 0 shortest 2";
        QTest::newRow("untimed only") << "uuu"
                                      << "tracks 0 when 0 lines 1 points 0 shortest 3";
        QTest::newRow("a lone untimed fix is a point")
            << "u tt"
            << "tracks 1 when 2 lines 0 points 1 shortest -1";
    }

    void shapes()
    {
        QFETCH(QString, plan);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(writeRouteKml(out, {track(plan)}));
        QTEST(shape(out.data()), "shape");
    }
};

QTEST_GUILESS_MAIN(TestRoute)
#include "test_route.moc"
