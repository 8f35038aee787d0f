// The NMEA text of a GPS record: numbers and ddmm.mmmm values read from fields; the splitting
// into lines (line ends, the last "$" of a line, "$G" sentences only, text after the last line
// end); the sentence parser (dispatch, the fields of each kind, the GSA toggle, GNS precedence).
#include "core/telemetry/NmeaCoordinate.h"
#include "core/telemetry/NmeaField.h"
#include "core/telemetry/NmeaSentenceParser.h"
#include "core/telemetry/TelemetryBuilder.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <clocale>
#include <cmath>
#include <limits>
#include <locale.h>

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
// A 2014 fix at 3731.5 N, for the splitting.
const QByteArray kGgaLine = "$GPGGA,081411.000,3731.5000,N,12659.2500,E,1,08,0.9,50.0,M,0.0,M,,*6B";
const QByteArray kRmcLine =
    "$GPRMC,081411.000,A,3731.5000,N,12659.2500,E,0.60,301.29,260514,,,A*6C";

} // namespace

class TestNmeaParser : public QObject
{
    Q_OBJECT
private slots:
    void numbers_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<float>("decimal");
        QTest::addColumn<int>("integer");
        QTest::newRow("plain") << QByteArray("4807.038") << 4807.038f << 4807;
        QTest::newRow("leading zeros") << QByteArray("01131.000") << 1131.0f << 1131;
        QTest::newRow("empty") << QByteArray("") << 0.0f << 0;
        QTest::newRow("letters") << QByteArray("N") << 0.0f << 0;
        QTest::newRow("digits then letters") << QByteArray("12ab") << 12.0f << 12;
        QTest::newRow("signs and space") << QByteArray("  -0.5") << -0.5f << 0;
        QTest::newRow("plus") << QByteArray("+7") << 7.0f << 7;
        QTest::newRow("exponent") << QByteArray("1e3") << 1000.0f << 1;
        QTest::newRow("hexadecimal is not read") << QByteArray("0x1A") << 0.0f << 0;
        QTest::newRow("integer beyond 32 bits")
            << QByteArray("99999999999") << 1e11f << std::numeric_limits<int>::max();
        QTest::newRow("negative beyond 32 bits")
            << QByteArray("-99999999999") << -1e11f << std::numeric_limits<int>::min();
        QTest::newRow("beyond float")
            << QByteArray("1e40") << std::numeric_limits<float>::infinity() << 1;
        QTest::newRow("long field") << QByteArray(200, '0').append("12.5") << 12.5f << 12;
    }

    void numbers()
    {
        QFETCH(QByteArray, field);
        QTEST(nmea::readFloat(field), "decimal");
        QTEST(nmea::readInt(field), "integer");
    }

    void numbersIgnoreTheLocale()
    {
        const QByteArray saved = setlocale(LC_ALL, nullptr);
        // A skip would check nothing on the machines that matter: scripts/install-deps makes it.
        if (!setlocale(LC_ALL, "de_DE.UTF-8") && !setlocale(LC_ALL, "fr_FR.UTF-8"))
            QFAIL("no locale with a decimal comma (scripts/install-deps generates de_DE.UTF-8)");
        const float read = nmea::readFloat("4807.038e0"); // an exponent: read by strtof
        setlocale(LC_ALL, saved.constData());
        QCOMPARE(read, 4807.038f);
    }

    // Plain decimals are read without strtof, to the very same float: random ones of every
    // length, and those halfway between two floats.
    void decimalsReadAsStrtofReadsThem()
    {
        QRandomGenerator random(20261207);
        QList<QByteArray> fields{
            "16777217", "16777219", "-16777217", "33554434.0", "0.0",
            "-0",       ".5",       "5.",        "8388608.5",  "1.00000005960464477"};
        for (int i = 0; i < 200000; ++i) {
            QByteArray field = random.bounded(4) == 0 ? "-" : "";
            const int length = 1 + random.bounded(16);
            const int point = random.bounded(length + 1);
            for (int d = 0; d < length; ++d)
                field += char('0' + random.bounded(10)) + QByteArray(d + 1 == point ? "." : "");
            fields.append(field);
        }
        locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        for (const QByteArray &field : std::as_const(fields)) {
            const float expected = strtof_l(field.constData(), nullptr, c);
            QVERIFY2(std::bit_cast<quint32>(nmea::readFloat(field)) ==
                         std::bit_cast<quint32>(expected),
                     field.constData());
        }
        freelocale(c);
    }

    void degrees_data()
    {
        QTest::addColumn<double>("nmea");
        QTest::addColumn<double>("degrees");
        QTest::newRow("3731.5") << 3731.5 << 37.525;
        QTest::newRow("4807.038") << double(4807.038f) << 48.1173;
        QTest::newRow("01131.000") << 1131.0 << 11.516667;
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("pole") << 9000.0 << 90.0;
        QTest::newRow("date line") << 18000.0 << 180.0;
        QTest::newRow("sign kept") << -3731.5 << -37.525;
        QTest::newRow("beyond 32-bit degrees") << 1e12 << 1e10;
    }

    void degrees()
    {
        QFETCH(double, nmea);
        QFETCH(double, degrees);
        const double converted = degreesFromNmeaValue(nmea);
        QVERIFY2(std::fabs(converted - degrees) < 5e-6,
                 qPrintable(QString::number(converted, 'f', 8)));
    }

    void degreesOfNaN() { QVERIFY(std::isnan(degreesFromNmeaValue(std::nan("")))); }

    void lines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("fixes");
        QTest::addColumn<bool>("ggaApplied");
        QTest::addColumn<bool>("rmcApplied");

        QTest::newRow("CR LF") << kRmcLine + "\r\n" + kGgaLine + "\r\n" << 2 << true << true;
        QTest::newRow("LF") << kGgaLine + "\n" + kRmcLine + "\n" << 2 << true << true;
        QTest::newRow("CR") << kGgaLine + "\r" + kRmcLine + "\r" << 2 << true << true;
        QTest::newRow("NUL") << kGgaLine + '\0' + kRmcLine + '\0' << 2 << true << true;
        QTest::newRow("text after the last line end")
            << kGgaLine + "\r\n" + kRmcLine << 1 << true << false;
        QTest::newRow("no line end at all") << kGgaLine << 0 << false << false;
        QTest::newRow("empty lines") << QByteArray("\r\n\r\n\n\0\0", 7) << 0 << false << false;
        QTest::newRow("proprietary sentence")
            << "$PSRFEPE,081411.000,A,1.2*21\r\n" + kGgaLine + "\r\n"
            << 1 << true << false;
        QTest::newRow("unhandled $G sentence still stores a fix")
            << kGgaLine + "\r\n$GPGSV,3,1,11,08,75,303,44*76\r\n"
            << 2 << true << false;
        QTest::newRow("noise before the $") << "\xff\x01noise" + kGgaLine + "\r\n"
                                            << 1 << true << false;
        // The receiver lost the end of a sentence: the line is taken from its last "$", here a
        // GLL (not handled), and the GGA with shifted fields is never applied.
        QTest::newRow("glued sentences")
            << kGgaLine + "\r\n$GPGGA,030130$GPGLL,2638.1728,N,08011.3893,W,030131.000,A,A*41\r\n"
            << 2 << true << false;
        QTest::newRow("glued with a handled tail") << "$GPGGA,0301" + kRmcLine + "\r\n"
                                                   << 1 << false << true;
        QTest::newRow("NUL inside a sentence")
            << kGgaLine.first(20) + '\0' + kGgaLine.sliced(20) + "\r\n"
            << 1 << false << false;
        QTest::newRow("cut talker") << QByteArray("$G\r\n$\r\nG\r\n$GP\r\n") << 2 << false << false;
        QTest::newRow("sentence without $") << kGgaLine.sliced(1) + "\r\n" << 0 << false << false;
        QTest::newRow("invalid UTF-8")
            << QByteArray("$GPGGA,\xff\xfe,3731.5,N*00\r\n") << 1 << false << false;
    }

    void lines()
    {
        QFETCH(QByteArray, text);
        TelemetryBuilder builder;
        QVERIFY(builder.ParseNMEA(text.data(), text.size()));
        const RecordedTelemetryPtr t = builder.snapshot();
        QTEST(int(t->m_NMEAs.size()), "fixes");
        QTEST(t->lastFix.Latitude == double(3731.5f), "ggaApplied");
        QTEST(t->lastFix.Now.wYear == 2014, "rmcApplied");
        if (!t->m_NMEAs.isEmpty())
            QCOMPARE(t->m_NMEAs.last(), t->lastFix);
    }

    void lineEndsBecomeNulWithinTheGivenBytes()
    {
        // The count ends the text even inside a line; the bytes after it are not touched.
        QByteArray text = kGgaLine + "\r\n" + kRmcLine + "\r\n";
        const qsizetype count = kGgaLine.size() + 2 + kRmcLine.size();
        TelemetryBuilder builder;
        QVERIFY(builder.ParseNMEA(text.data(), count));
        QCOMPARE(builder.snapshot()->m_NMEAs.size(), 1);
        QCOMPARE(text, kGgaLine + QByteArray(2, '\0') + kRmcLine + "\r\n");
    }

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
        // Anything but digits is read as scanf reads it: a sign counts within a field's width,
        // a leading blank does not.
        QTest::newRow("signed time") << QByteArray("$GPRMC,+12345.678,A,,,,,,,230394,,*00")
                                     << QList<int>{2094, 3, 23, 1, 23, 45, 678};
        QTest::newRow("blank before the date")
            << QByteArray("$GPRMC,123519.000,A,,,,,,, 10394,,*00")
            << QList<int>{2004, 39, 10, 12, 35, 19, 0};
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
