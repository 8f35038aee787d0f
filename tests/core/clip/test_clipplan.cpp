// The clip plan: which recording shows each moment of a range, from where, and which ranges are
// refused; the frame layouts with their even sizes.
#include "core/clip/ClipLayout.h"
#include "core/clip/ClipPlan.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(clip::Layout)
Q_DECLARE_METATYPE(clip::Corner)

namespace {

QDateTime at(const char *hms)
{
    return *clip::parseCardTime(QStringLiteral("2026-10-17 ") + QLatin1String(hms));
}

// "F 08:30:00 60" -> a front recording of 60 s starting then.
QList<clip::Recording> recordings(const QStringList &lines)
{
    QList<clip::Recording> out;
    for (const QString &line : lines) {
        const QStringList words = line.split(u' ');
        out.append({words[0] + u'_' + words[1], words[0] == u"R", at(words[1].toLatin1()),
                    qint64(std::llround(words[2].toDouble() * 1000))});
    }
    return out;
}

// Each segment as "length front@offset rear@offset", a dash for a missing camera.
QStringList describe(const clip::Plan &plan)
{
    QStringList out;
    const auto side = [](const std::optional<clip::Source> &s) {
        return s ? s->path + u'@' + QString::number(s->offsetMs) : QStringLiteral("-");
    };
    for (const clip::Segment &segment : plan.segments)
        out << QStringLiteral("%1 %2 %3")
                   .arg(segment.lengthMs)
                   .arg(side(segment.front), side(segment.rear));
    return out;
}

} // namespace

class TestClipPlan : public QObject
{
    Q_OBJECT

private slots:
    void planRange_data()
    {
        QTest::addColumn<QStringList>("recordings");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("segments");

        const QStringList drive{"F 08:30:00 60", "R 08:30:00 60", "F 08:31:00 60", "R 08:31:00 60"};
        QTest::newRow("inside one pair")
            << drive << "08:30:10"
            << "08:30:20" << QStringList{"10000 F_08:30:00@10000 R_08:30:00@10000"};
        QTest::newRow("across a join") << drive << "08:30:50"
                                       << "08:31:05"
                                       << QStringList{"10000 F_08:30:00@50000 R_08:30:00@50000",
                                                      "5000 F_08:31:00@0 R_08:31:00@0"};
        QTest::newRow("rear ends early")
            << QStringList{"F 08:30:00 60", "R 08:30:00 30"} << "08:30:20"
            << "08:30:40"
            << QStringList{"10000 F_08:30:00@20000 R_08:30:00@20000", "10000 F_08:30:00@30000 -"};
        QTest::newRow("short hole between drives")
            << QStringList{"F 08:30:00 60", "F 08:31:10 60"} << "08:30:50"
            << "08:31:20"
            << QStringList{"10000 F_08:30:00@50000 -", "10000 - -", "10000 F_08:31:10@0 -"};
        QTest::newRow("an event over a continuous recording: the later start shows")
            << QStringList{"F 08:30:00 60", "F 08:30:20 10"} << "08:30:15"
            << "08:30:40"
            << QStringList{"5000 F_08:30:00@15000 -", "10000 F_08:30:20@0 -",
                           "10000 F_08:30:00@30000 -"};
        QTest::newRow("header a frame short of the next name: no hole")
            << QStringList{"F 08:30:00 59.967", "F 08:31:00 60"} << "08:30:50"
            << "08:31:05" << QStringList{"10000 F_08:30:00@50000 -", "5000 F_08:31:00@0 -"};
        QTest::newRow("a real hole stays")
            << QStringList{"F 08:30:00 59.5", "F 08:31:00 60"} << "08:30:50"
            << "08:31:05"
            << QStringList{"9500 F_08:30:00@50000 -", "500 - -", "5000 F_08:31:00@0 -"};
        QTest::newRow("range starts before any recording")
            << QStringList{"R 08:30:10 60"} << "08:30:05"
            << "08:30:15" << QStringList{"5000 - -", "5000 - R_08:30:10@0"};
    }
    void planRange()
    {
        QFETCH(QStringList, recordings);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, segments);
        const auto plan =
            clip::planRange(::recordings(recordings), at(from.toLatin1()), at(to.toLatin1()));
        QVERIFY2(plan.ok(), plan.ok() ? "" : qPrintable(plan.failure().text()));
        QCOMPARE(describe(*plan), segments);
        qint64 total = 0;
        for (const clip::Segment &segment : plan->segments) {
            QCOMPARE(segment.startMs, total);
            total += segment.lengthMs;
        }
        QCOMPARE(total, plan->lengthMs());
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("recordings");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("key");

        const QStringList one{"F 08:30:00 60"};
        QTest::newRow("end before start") << one << "08:30:20"
                                          << "08:30:10"
                                          << "msg.clip_empty_range";
        QTest::newRow("empty range") << one << "08:30:20"
                                     << "08:30:20"
                                     << "msg.clip_empty_range";
        QTest::newRow("nothing recorded") << one << "08:40:00"
                                          << "08:40:10"
                                          << "msg.clip_no_recording";
        QTest::newRow("hole over the limit")
            << QStringList{"F 08:30:00 60", "F 08:31:31 60"} << "08:30:50"
            << "08:31:40"
            << "msg.clip_gap_too_long";
        QTest::newRow("trailing stretch over the limit") << one << "08:30:30"
                                                         << "08:31:31"
                                                         << "msg.clip_gap_too_long";
        QTest::newRow("recording without length") << QStringList{"F 08:30:00 0"} << "08:30:00"
                                                  << "08:30:10"
                                                  << "msg.clip_no_recording";
    }
    void refused()
    {
        QFETCH(QStringList, recordings);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, key);
        const auto plan =
            clip::planRange(::recordings(recordings), at(from.toLatin1()), at(to.toLatin1()));
        QVERIFY(!plan.ok());
        QCOMPARE(QString::fromLatin1(plan.failure().key), key);
    }

    void hole_at_limit_is_kept()
    {
        const auto plan = clip::planRange(recordings({"F 08:30:00 60", "F 08:31:30 60"}),
                                          at("08:30:50"), at("08:31:40"));
        QVERIFY(plan.ok());
        QCOMPARE(plan->segments[1].lengthMs, clip::kMaxGapMs);
    }

    void pair_spans_both()
    {
        const auto plan = clip::planPair(recordings({"F 08:30:00 60", "R 08:30:01 60"}));
        QVERIFY(plan.ok());
        QCOMPARE(plan->from, at("08:30:00"));
        QCOMPARE(plan->to, at("08:31:01"));
        QCOMPARE(describe(*plan),
                 (QStringList{"1000 F_08:30:00@0 -", "59000 F_08:30:00@1000 R_08:30:01@0",
                              "1000 - R_08:30:01@59000"}));
    }

    void parseCardTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "2026-10-17 08:30:00" << true;
        QTest::newRow("spaces around") << " 2026-10-17 08:30:00 " << true;
        // A wall time that a daylight-saving change skips still names a moment of the card.
        QTest::newRow("spring gap in Europe") << "2026-03-29 02:30:00" << true;
        QTest::newRow("no seconds") << "2026-10-17 08:30" << false;
        QTest::newRow("T separator") << "2026-10-17T08:30:00" << false;
        QTest::newRow("month 13") << "2026-13-17 08:30:00" << false;
        QTest::newRow("hour 24") << "2026-10-17 24:00:00" << false;
    }
    void parseCardTime()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        qputenv("TZ", "Europe/Berlin");
        QCOMPARE(clip::parseCardTime(text).has_value(), valid);
    }

    void frameFor_data()
    {
        QTest::addColumn<clip::Layout>("layout");
        QTest::addColumn<clip::Corner>("corner");
        QTest::addColumn<QSize>("front");
        QTest::addColumn<QSize>("rear");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("frontArea");
        QTest::addColumn<QRect>("rearArea");

        const QSize f(960, 540), r(640, 360);
        QTest::newRow("side") << clip::Layout::SideBySide << clip::Corner::BottomRight << f << r
                              << QSize(1920, 540) << QRect(0, 0, 960, 540)
                              << QRect(960, 0, 960, 540);
        QTest::newRow("side, 4:3 rear")
            << clip::Layout::SideBySide << clip::Corner::TopLeft << f << QSize(640, 480)
            << QSize(1680, 540) << QRect(0, 0, 960, 540) << QRect(960, 0, 720, 540);
        QTest::newRow("front") << clip::Layout::FrontOnly << clip::Corner::TopLeft << f << r << f
                               << QRect(0, 0, 960, 540) << QRect();
        QTest::newRow("rear") << clip::Layout::RearOnly << clip::Corner::TopLeft << f << r << r
                              << QRect() << QRect(0, 0, 640, 360);
        QTest::newRow("inset bottom right")
            << clip::Layout::Inset << clip::Corner::BottomRight << f << r << f
            << QRect(0, 0, 960, 540) << QRect(960 - 14 - 288, 540 - 14 - 162, 288, 162);
        QTest::newRow("inset top left") << clip::Layout::Inset << clip::Corner::TopLeft << f << r
                                        << f << QRect(0, 0, 960, 540) << QRect(14, 14, 288, 162);
        QTest::newRow("odd sizes rounded to even")
            << clip::Layout::SideBySide << clip::Corner::TopLeft << QSize(721, 405)
            << QSize(639, 359) << QSize(1444, 406) << QRect(0, 0, 722, 406)
            << QRect(722, 0, 722, 406);
        QTest::newRow("no rear recording: front's size")
            << clip::Layout::SideBySide << clip::Corner::TopLeft << f << QSize() << QSize(1920, 540)
            << QRect(0, 0, 960, 540) << QRect(960, 0, 960, 540);
    }
    void frameFor()
    {
        QFETCH(clip::Layout, layout);
        QFETCH(clip::Corner, corner);
        QFETCH(QSize, front);
        QFETCH(QSize, rear);
        const clip::Frame frame = clip::frameFor(layout, corner, front, rear);
        QTEST(frame.size, "size");
        QTEST(frame.front, "frontArea");
        QTEST(frame.rear, "rearArea");
        QCOMPARE(frame.size.width() % 2, 0);
        QCOMPARE(frame.size.height() % 2, 0);
    }
};

QTEST_GUILESS_MAIN(TestClipPlan)
#include "test_clipplan.moc"
