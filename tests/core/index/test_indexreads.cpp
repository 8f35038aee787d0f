// What the program reads from the index instead of the recordings: the same routes and
// clock offsets, and nothing stale once a file changed.
#include "core/catalogue/MediaList.h"
#include "core/index/indexreads.h"
#include "core/index/indexupdate.h"
#include "passcard.h"

namespace {

bool sameRoute(const QList<RoutePoint> &a, const QList<RoutePoint> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].latitude != b[i].latitude || a[i].longitude != b[i].longitude ||
            a[i].utc != b[i].utc || a[i].metresPerSecond != b[i].metresPerSecond ||
            a[i].cameraMs != b[i].cameraMs)
            return false;
    }
    return true;
}

} // namespace

class TestIndexReads : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_card.isValid() && m_cache.isValid());
        QVERIFY(DemoPassCard::write(m_card.path()));
        auto index = CardIndex::open(m_card.path(), m_cache.path());
        QVERIFY(index);
        QVERIFY(updateCardIndex(**index));
    }

    void indexedRoutesAreTheRecordingsOwn_data()
    {
        QTest::addColumn<QString>("path");
        for (const DemoPassCard::Drive &drive : DemoPassCard::drives()) {
            for (const QString &path : DemoPassCard::recordingPaths(drive))
                QTest::newRow(qPrintable(path)) << m_card.path() + u'/' + path;
        }
    }

    void indexedRoutesAreTheRecordingsOwn()
    {
        QFETCH(QString, path);
        auto index = CardIndex::open(m_card.path(), m_cache.path());
        QVERIFY(index);
        RouteCache cache;
        QVERIFY(adoptIndexedRoutes(**index, cache));
        const QList<RoutePoint> extracted = routeOf(*readRecordingTelemetry(path));
        QCOMPARE(extracted.size(), DemoPassCard::kRecordingSeconds);
        QVERIFY(sameRoute(cache.routes({path}).first(), extracted));
    }

    void aChangedFileIsReadAgain()
    {
        QTemporaryDir card, cache;
        QVERIFY(copyFolder(m_card.path(), card.path()));
        auto index = CardIndex::open(card.path(), cache.path());
        QVERIFY(index);
        QVERIFY(updateCardIndex(**index));
        DemoPassCard::Drive drive = DemoPassCard::drives().first();
        const QString path = card.path() + u'/' + DemoPassCard::recordingPaths(drive).first();
        drive.fromMetres = 2000;
        QVERIFY(DemoPassCard::writeRecording(card.path(), drive, 0, false));
        QFile rewritten(path);
        QVERIFY(rewritten.open(QIODevice::ReadWrite));
        QVERIFY(rewritten.setFileTime(QDateTime::currentDateTimeUtc().addSecs(60),
                                      QFileDevice::FileModificationTime));
        RouteCache routes;
        QVERIFY(adoptIndexedRoutes(**index, routes));
        QVERIFY(sameRoute(routes.routes({path}).first(), routeOf(*readRecordingTelemetry(path))));
        const auto clock = indexedClockReadings(**index, {path});
        QVERIFY(clock);
        QVERIFY(!clock->has_value()); // not current: the caller reads the file
    }

    void indexedClockOffsetsAreTheRecordingsOwn()
    {
        auto index = CardIndex::open(m_card.path(), m_cache.path());
        QVERIFY(index);
        QStringList paths;
        QList<MediaFile> medias;
        for (const QString &path : DemoPassCard::recordingPaths(DemoPassCard::drives().last())) {
            paths.append(m_card.path() + u'/' + path);
            medias.append(MediaFile(paths.last()));
        }
        const auto readings = indexedClockReadings(**index, paths);
        QVERIFY(readings && readings->has_value());
        for (qsizetype i = 0; i < paths.size(); ++i) {
            QCOMPARE((**readings)[i].path, paths[i]);
            QCOMPARE((**readings)[i].offsetSeconds,
                     rawClockOffset(medias[i], *readRecordingTelemetry(paths[i])));
        }
    }

private:
    QTemporaryDir m_card, m_cache;
};

QTEST_GUILESS_MAIN(TestIndexReads)
#include "test_indexreads.moc"
