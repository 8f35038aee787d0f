// KML routes keep every time there is, and draw no line of a single point.
#include "core/route/routeexport.h"

#include <QBuffer>
#include <QTest>
#include <QXmlStreamReader>

class TestRouteKml : public QObject
{
    Q_OBJECT

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

QTEST_GUILESS_MAIN(TestRouteKml)
#include "test_routekml.moc"
