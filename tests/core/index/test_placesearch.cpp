// Passes by a place on the two-morning card: which recordings, at what offset and how close.
#include "core/index/indexupdate.h"
#include "core/index/placesearch.h"
#include "passcard.h"

class TestPlaceSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_card.isValid() && m_cache.isValid());
        QVERIFY(DemoPassCard::write(m_card.path()));
    }

    void passesAtPlacesOfTheLoop_data()
    {
        QTest::addColumn<double>("metres");
        QTest::addColumn<double>("radius");
        // 300 m is passed by both mornings: 10 s into the second recording of the first,
        // 13 s into the first recording of the second; 50 m only by the first.
        QTest::newRow("both mornings") << 300.0 << 30.0;
        QTest::newRow("both mornings, default radius") << 300.0 << kDefaultPassRadiusMetres;
        QTest::newRow("first morning only") << 50.0 << 30.0;
        QTest::newRow("second morning only, late") << 720.0 << 30.0;
    }

    void passesAtPlacesOfTheLoop()
    {
        QFETCH(double, metres);
        QFETCH(double, radius);
        auto index = CardIndex::open(m_card.path(), m_cache.path());
        QVERIFY(index);
        QVERIFY(updateCardIndex(**index));
        const auto [latitude, longitude] = DemoPassCard::placeAt(metres);
        const auto passes = findPasses(**index, latitude, longitude, radius);
        QVERIFY(passes);
        const QList<DemoPassCard::Moment> expected = DemoPassCard::frontMomentsAt(metres);
        QCOMPARE(passes->size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const PlacePass &pass = passes->at(i);
            QCOMPARE(pass.path, m_card.path() + u'/' + expected[i].path);
            QCOMPARE(pass.offsetSeconds, expected[i].offsetSeconds);
            QCOMPARE(pass.time, expected[i].time);
            QVERIFY2(pass.distanceMetres < 1, qPrintable(QString::number(pass.distanceMetres)));
            QCOMPARE(qRound(pass.speedKmh), 36);
        }
    }

    void nothingPassesFarAway()
    {
        auto index = CardIndex::open(m_card.path(), m_cache.path());
        QVERIFY(index);
        QVERIFY(updateCardIndex(**index));
        const auto passes = findPasses(**index, 35.1796, 129.0756); // Busan
        QVERIFY(passes);
        QVERIFY(passes->isEmpty());
    }

private:
    QTemporaryDir m_card, m_cache;
};

QTEST_GUILESS_MAIN(TestPlaceSearch)
#include "test_placesearch.moc"
