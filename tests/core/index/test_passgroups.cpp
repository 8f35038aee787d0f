// Passes by a place grouped into drives past it, and the compass word of a heading.
#include "core/index/passgroups.h"

#include <QTest>

namespace {

const QDateTime kMorning(QDate(2026, 10, 17), QTime(8, 30), Qt::UTC);

PlacePass pass(const QString &path, double secondsAfter, double distance)
{
    return {path, 10, kMorning.addMSecs(qint64(secondsAfter * 1000)), distance, 30, 90, 0, 0};
}

} // namespace

class TestPassGroups : public QObject
{
    Q_OBJECT
private slots:
    void groups_data()
    {
        QTest::addColumn<QList<PlacePass>>("passes");
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<QList<int>>("closest");
        QTest::newRow("none") << QList<PlacePass>() << QList<int>() << QList<int>();
        QTest::newRow("across a recording's end")
            << QList<PlacePass>{pass("a_F.avi", 0, 20), pass("b_F.avi", 2, 5)} << QList<int>{2}
            << QList<int>{1};
        QTest::newRow("one recording twice: two passes")
            << QList<PlacePass>{pass("a_F.avi", 0, 20), pass("a_F.avi", 30, 5)} << QList<int>{1, 1}
            << QList<int>{0, 0};
        QTest::newRow("a day apart")
            << QList<PlacePass>{pass("a_F.avi", 0, 3), pass("b_F.avi", 86400, 4)}
            << QList<int>{1, 1} << QList<int>{0, 0};
        QTest::newRow("at the gap and just past it")
            << QList<PlacePass>{pass("a_F.avi", 0, 3), pass("b_F.avi", kSamePassSeconds, 1),
                                pass("c_F.avi", 2 * kSamePassSeconds + 1, 2)}
            << QList<int>{2, 1} << QList<int>{1, 0};
        QTest::newRow("no time: each alone") << QList<PlacePass>{{"a_F.avi", 1, {}, 3, 0, 0, 0, 0},
                                                                 {"b_F.avi", 2, {}, 3, 0, 0, 0, 0}}
                                             << QList<int>{1, 1} << QList<int>{0, 0};
    }

    void groups()
    {
        QFETCH(QList<PlacePass>, passes);
        QFETCH(QList<int>, sizes);
        QFETCH(QList<int>, closest);
        const QList<PassGroup> groups = groupPasses(passes);
        QList<int> gotSizes, gotClosest;
        for (const PassGroup &group : groups) {
            gotSizes.append(int(group.stretches.size()));
            gotClosest.append(int(group.closest));
        }
        QCOMPARE(gotSizes, sizes);
        QCOMPARE(gotClosest, closest);
    }

    void compass_data()
    {
        QTest::addColumn<double>("heading");
        QTest::addColumn<QString>("key");
        QTest::newRow("north") << 0.0 << "index.compass_n";
        QTest::newRow("just west of north") << 355.0 << "index.compass_n";
        QTest::newRow("north-east edge") << 22.6 << "index.compass_ne";
        QTest::newRow("south") << 180.0 << "index.compass_s";
        QTest::newRow("south-west") << 225.0 << "index.compass_sw";
        QTest::newRow("a full turn past west") << 630.0 << "index.compass_w";
        QTest::newRow("negative") << -45.0 << "index.compass_nw";
        QTest::newRow("not a number") << qQNaN() << "index.compass_unknown";
    }

    void compass()
    {
        QFETCH(double, heading);
        QFETCH(QString, key);
        QCOMPARE(QString::fromLatin1(compassKey(heading)), key);
    }
};

QTEST_GUILESS_MAIN(TestPassGroups)
#include "test_passgroups.moc"
