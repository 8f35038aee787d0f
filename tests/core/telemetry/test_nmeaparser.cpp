// The sentence parser: dispatch, the fields of each kind, the GSA toggle and GNS precedence.
#include "core/telemetry/NmeaSentenceParser.h"

#include <QTest>

namespace {

// Runs sentences through one parser; returns whether the last one was accepted.
bool feed(NmeaSentenceParser &parser, const QByteArrayList &sentences)
{
    bool last = false;
    for (const QByteArray &s : sentences)
        last = parser.parse(s.constData());
    return last;
}

const QByteArray kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const QByteArray kRmc = "$GPRMC,123519.000,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

} // namespace

class TestNmeaParser : public QObject
{
    Q_OBJECT
private slots:
    void rejected_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::newRow("no star") << QByteArray("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9");
        QTest::newRow("two stars") << QByteArray("$GPGGA,123519,4807.038,N*47*47");
        QTest::newRow("GSV") << QByteArray("$GPGSV,3,1,11,08,75,303,44,07,66,172,51*76");
        QTest::newRow("GSA of the GP talker")
            << QByteArray("$GPGSA,A,3,08,07,,,,,,,,,,,2.6,1.5,2.1*06");
        QTest::newRow("GL talker")
            << QByteArray("$GLGGA,135654.997,5543.0328,N,03724.7197,E,1,04,02.3*71");
        QTest::newRow("proprietary") << QByteArray("$PSRFEPE,053229.438,V,,,,,*23");
        QTest::newRow("name without $") << QByteArray("GPGGA,123519,4807.038,N*47");
        QTest::newRow("lower case") << QByteArray("$gpgga,123519,4807.038,N*47");
        QTest::newRow("cut talker") << QByteArray("$G*");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("only a star") << QByteArray("*");
        QTest::newRow("invalid UTF-8")
            << QByteArray("$GPGGA,1,4807.038,N,01131.000,E,1,\xff,0.9*47");
        QTest::newRow("overlong UTF-8") << QByteArray("$GPGGA,\xc0\xaf,4807.038,N*47");
        QTest::newRow("UTF-16 surrogate in UTF-8") << QByteArray("$GPGGA,\xed\xa0\x80,1*47");
        QTest::newRow("cut UTF-8 sequence") << QByteArray("$GPGGA,4807.038,\xe2\x82*47");
    }

    void rejected()
    {
        QFETCH(QByteArray, sentence);
        NmeaSentenceParser parser;
        QVERIFY(parser.parse(kRmc.constData()));
        const GpsData before = parser.m_Current;
        QVERIFY(!parser.parse(sentence.constData()));
        QCOMPARE(parser.m_Current, before);
        QVERIFY(!parser.parse(static_cast<const char *>(nullptr)));
    }

    void rmcTime_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::addColumn<QList<int>>("now"); // year month day hour minute second ms; none: kept
        QTest::newRow("time with milliseconds") << kRmc << QList<int>{2094, 3, 23, 12, 35, 19, 0};
        QTest::newRow("GN talker, 2014")
            << QByteArray("$GNRMC,081411.250,A,5541.1955,N,03737.2872,E,0.60,301.29,260514,,,A*74")
            << QList<int>{2014, 5, 26, 8, 14, 11, 250};
        QTest::newRow("six-character time")
            << QByteArray("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A")
            << QList<int>{};
        QTest::newRow("two decimals")
            << QByteArray("$GPRMC,123519.00,A,,,,,1.5,2.5,230394,,*6A") << QList<int>{};
        QTest::newRow("date of five")
            << QByteArray("$GPRMC,123519.000,A,,,,,1.5,2.5,23039,,*6A") << QList<int>{};
        QTest::newRow("values taken as read") << QByteArray("$GPRMC,996199.999,V,,,,,,,009999,,*00")
                                              << QList<int>{2099, 99, 0, 99, 61, 99, 999};
        // Characters are counted as the camera's tool counted them (UTF-16 units), and the
        // fields are read as far as they hold digits.
        QTest::newRow("non-ASCII character")
            << QByteArray("$GPRMC,12351\xc3\xa9.000,A,,,,,,,230394,,*00")
            << QList<int>{2094, 3, 23, 12, 35, 1, 0};
    }

    void rmcTime()
    {
        QFETCH(QByteArray, sentence);
        QFETCH(QList<int>, now);
        NmeaSentenceParser parser;
        parser.m_Current.Now.wYear = 1999;
        parser.m_Current.Cnt_GNGSA = 1;
        QVERIFY(parser.parse(sentence.constData()));
        const SystemTime &t = parser.m_Current.Now;
        if (now.isEmpty())
            now = {1999, 0, 0, 0, 0, 0, 0};
        QCOMPARE(QList<int>({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond,
                             t.wMilliseconds, t.wDayOfWeek}),
                 now << 0);
        QCOMPARE(parser.m_Current.Cnt_GNGSA, 0); // an RMC starts the GSA pair anew
    }

    void rmcMotionAndGgaPosition()
    {
        NmeaSentenceParser parser;
        const GpsData &fix = parser.m_Current;
        QVERIFY(parser.parse(kRmc.constData()));
        QCOMPARE(fix.SpeedOverGround, double(22.4f));
        QCOMPARE(fix.CourseOverGround, double(84.4f));
        QCOMPARE(fix.Latitude, 0.0); // the RMC position is not used
        QVERIFY(parser.parse("$GPRMC,123519,A,,,,,,,230394,,*6A"));
        QCOMPARE(fix.SpeedOverGround, 0.0);
        QCOMPARE(fix.CourseOverGround, 0.0);

        QVERIFY(parser.parse(kGga.constData()));
        QCOMPARE(QPointF(fix.Latitude, fix.Longitude), QPointF(4807.038f, 1131.0));
        QVERIFY(fix.NS == 'N' && fix.EW == 'E');
        QCOMPARE(fix.SatelliteUsedCount, 8u);
        QCOMPARE(fix.HDOP, double(0.9f));
        // Empty fields keep the values; the GN talker does not give the count.
        QVERIFY(parser.parse("$GNGGA,123520,,S,,W,1,11,,545.4,M,46.9,M,,*47"));
        QCOMPARE(QPointF(fix.Latitude, fix.Longitude), QPointF(4807.038f, 1131.0));
        QVERIFY(fix.NS == 'S' && fix.EW == 'W');
        QCOMPARE(fix.SatelliteUsedCount, 8u);
        QCOMPARE(fix.HDOP, double(0.9f));
        // A damaged count is no satellite at all, not four thousand million.
        QVERIFY(parser.parse("$GPGGA,123521,4807.038,N,01131.000,E,1,-5,0.9,545.4,M,46.9,M,,*47"));
        QCOMPARE(fix.SatelliteUsedCount, 0u);
    }

    void cutSentences_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::newRow("RMC cut after field 6")
            << QByteArray("$GPRMC,123519.000,A,4807.038,N,01131.000,E*00");
        QTest::newRow("RMC name only") << QByteArray("$GNRMC*00");
        QTest::newRow("GGA cut after latitude") << QByteArray("$GPGGA,123519,4807.038*00");
        QTest::newRow("GSA cut after the second channel") << QByteArray("$GNGSA,A,3,05,12*00");
        QTest::newRow("GNS name only") << QByteArray("$GNGNS*00");
    }

    void cutSentences()
    {
        // Missing fields read as absent (empty): accepted, nothing read past the end.
        QFETCH(QByteArray, sentence);
        NmeaSentenceParser parser;
        QVERIFY(parser.parse(QByteArray(sentence).constData()));
        const GpsData &fix = parser.m_Current;
        QCOMPARE(fix.SpeedOverGround, 0.0);
        QCOMPARE(fix.Now, SystemTime());
        QCOMPARE(fix.HDOP, 0.0);
        QCOMPARE(fix.Latitude, sentence.startsWith("$GPGGA") ? double(4807.038f) : 0.0);
        QCOMPARE(fix.SatelliteUsedAtIndex(2), 0);
        QCOMPARE(fix.SatelliteUsedCount_GPS, sentence.startsWith("$GNGSA") ? 2u : 0u);
    }

    void gsaPairs_data()
    {
        QTest::addColumn<QByteArrayList>("sentences");
        QTest::addColumn<QList<int>>("counts"); // GPS, GLONASS, total, the toggle
        QTest::newRow("GPS then GLONASS")
            << QByteArrayList{"$GNGSA,A,3,05,12,25,,,,,,,,,,1.5,0.9,1.2*00",
                              "$GNGSA,A,3,66,67,,,,,,,,,,,1.5,0.9,1.2*00"}
            << QList<int>{3, 2, 5, 0};
        QTest::newRow("GPS alone leaves the total")
            << QByteArrayList{"$GNGSA,A,3,05,12,25*00"} << QList<int>{3, 0, 0, 1};
        QTest::newRow("GLONASS alone")
            << QByteArrayList{"$GNGSA,A,3,65,88*00"} << QList<int>{0, 2, 2, 0};
        QTest::newRow("empty GSA takes the toggle's side")
            << QByteArrayList{"$GNGSA,A,3,05,12*00", "$GNGSA,A,1,,,,,,,,,,,,,,,*00"}
            << QList<int>{2, 0, 2, 0};
        QTest::newRow("RMC resets the toggle")
            << QByteArrayList{"$GNGSA,A,3,05,12*00", "$GNRMC,1*00", "$GNGSA,A,1,,,*00"}
            << QList<int>{0, 0, 0, 1};
        QTest::newRow("numbers cut to 8 bits: 0, 65, 5")
            << QByteArrayList{"$GNGSA,A,3,256,321,05*00"} << QList<int>{2, 0, 0, 1};
        QTest::newRow("twelve channels, more fields ignored")
            << QByteArrayList{"$GNGSA,A,3,1,2,3,4,5,6,7,8,9,10,11,12,13,14*00"}
            << QList<int>{12, 0, 0, 1};
    }

    void gsaPairs()
    {
        QFETCH(QByteArrayList, sentences);
        NmeaSentenceParser parser;
        QVERIFY(feed(parser, sentences));
        const GpsData &f = parser.m_Current;
        QTEST(QList<int>({int(f.SatelliteUsedCount_GPS), int(f.SatelliteUsedCount_GLONASS),
                          int(f.SatelliteUsedCount), int(f.Cnt_GNGSA)}),
              "counts");
        QCOMPARE(f.Enable_GNGSA, 1);
    }

    void gsaChannels()
    {
        NmeaSentenceParser parser;
        QVERIFY(parser.parse("$GNGSA,A,3,05,,25,321,,,,,,,,,1.5,0.9,1.2*00"));
        const QList<int> expected{5, 0, 25, 65, 0, 0, 0, 0, 0, 0, 0, 0};
        for (int c = 0; c < 12; ++c)
            QCOMPARE(parser.m_Current.SatelliteUsedAtIndex(c), expected[c]);
        QCOMPARE(parser.m_Current.SatelliteUsedAtIndex(12), 0);
        QCOMPARE(parser.m_Current.SatelliteUsedAtIndex(-1), 0);
        parser.m_Current.setSatelliteUsed(9, 12); // ignored
        QCOMPARE(parser.m_Current.SatelliteUsed.size(), 12u);
    }

    void precedence()
    {
        NmeaSentenceParser parser;
        const GpsData &fix = parser.m_Current;
        QVERIFY(parser.parse(kGga.constData()));
        QCOMPARE(fix.SatelliteUsedCount, 8u);
        // Once a GSA has been seen the count comes from the GSA pair, not from $GPGGA.
        QVERIFY(feed(parser, {"$GNGSA,A,3,05,12*00", "$GNGSA,A,3,70*00"}));
        QCOMPARE(fix.SatelliteUsedCount, 3u);
        QVERIFY(parser.parse(kGga.constData()));
        QCOMPARE(fix.SatelliteUsedCount, 3u);
        QCOMPARE(fix.HDOP, double(0.9f));
        // Once a GNS has been seen, GNS alone gives the count and HDOP.
        QVERIFY(parser.parse("$GNGNS,053232.438,3114.8789,N,12135.2442,E,ANNA,07,1.2,153.8*5F"));
        QCOMPARE(fix.Enable_GNGNS, 1);
        QCOMPARE(fix.SatelliteUsedCount, 7u);
        QCOMPARE(fix.HDOP, double(1.2f));
        QCOMPARE(fix.Latitude, double(4807.038f)); // GNS gives no position
        QVERIFY(feed(parser, {"$GNGSA,A,3,05,12,13,14*00", "$GNGSA,A,3,70,71,72*00"}));
        QVERIFY(parser.parse(kGga.constData()));
        QCOMPARE(fix.SatelliteUsedCount, 7u);
        QCOMPARE(fix.SatelliteUsedCount_GPS, 2u);
        QCOMPARE(fix.HDOP, double(1.2f));
        QVERIFY(parser.parse("$GNGNS,1,,,,,A,09,,1*00")); // no HDOP: kept
        QCOMPARE(fix.SatelliteUsedCount, 9u);
        QCOMPARE(fix.HDOP, double(1.2f));
        parser.clear();
        QCOMPARE(parser.m_Current, GpsData());
    }
};

QTEST_GUILESS_MAIN(TestNmeaParser)
#include "test_nmeaparser.moc"
