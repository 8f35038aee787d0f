// In and out marks: which of them a new mark keeps, and the stretch of the card's clock they
// give the clip.
#include "core/clip/ClipMarks.h"

#include <QTest>

#include <cmath>

namespace {

const QDateTime kFrom(QDate(2026, 10, 17), QTime(8, 30, 0), Qt::UTC);
const QDateTime kTo = kFrom.addSecs(60);

// "i0.25 o0.5 x" -> the marks after setting in at 0.25, out at 0.5, then clearing.
clip::Marks apply(const QString &steps)
{
    clip::Marks marks;
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const double at = step.mid(1).toDouble();
        if (step.startsWith(u'i'))
            marks.setIn(at);
        else if (step.startsWith(u'o'))
            marks.setOut(at);
        else
            marks.clear();
    }
    return marks;
}

} // namespace

class TestClipMarks : public QObject
{
    Q_OBJECT
private slots:
    void range_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("fromSecond"); // -1: no range
        QTest::addColumn<int>("toSecond");
        QTest::newRow("no marks") << "" << -1 << -1;
        QTest::newRow("both") << "i0.25 o0.5" << 15 << 30;
        QTest::newRow("out set first") << "o0.5 i0.25" << 15 << 30;
        QTest::newRow("in only runs to the end") << "i0.5" << 30 << 60;
        QTest::newRow("out only starts at the start") << "o0.5" << 0 << 30;
        QTest::newRow("in past out drops out") << "i0.25 o0.5 i0.75" << 45 << 60;
        QTest::newRow("out before in drops in") << "i0.5 o0.75 o0.25" << 0 << 15;
        QTest::newRow("in on out drops out") << "o0.5 i0.5" << 30 << 60;
        QTest::newRow("out at the start leaves nothing") << "o0" << -1 << -1;
        QTest::newRow("in at the end leaves nothing") << "i1" << -1 << -1;
        QTest::newRow("beyond the ends") << "i-3 o7" << 0 << 60;
        QTest::newRow("not a number") << "inan o0.5" << 0 << 30;
        QTest::newRow("cleared") << "i0.25 o0.5 x" << -1 << -1;
    }
    void range()
    {
        QFETCH(QString, steps);
        QFETCH(int, fromSecond);
        QFETCH(int, toSecond);
        const auto range = clip::markedRange(apply(steps), kFrom, kTo);
        if (fromSecond < 0) {
            QVERIFY(!range);
            return;
        }
        QVERIFY(range);
        QCOMPARE(range->from, kFrom.addSecs(fromSecond));
        QCOMPARE(range->to, kFrom.addSecs(toSecond));
    }

    void keeps_milliseconds()
    {
        clip::Marks marks;
        marks.setIn(0.0001);
        QCOMPARE(clip::markedRange(marks, kFrom, kTo)->from, kFrom.addMSecs(6));
    }

    void empty_recording_has_no_range()
    {
        clip::Marks marks;
        marks.setIn(0.5);
        QVERIFY(!clip::markedRange(marks, kFrom, kFrom));
    }
};

QTEST_APPLESS_MAIN(TestClipMarks)
#include "test_clipmarks.moc"
