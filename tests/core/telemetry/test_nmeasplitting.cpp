// The sentence splitting of a GPS record's text: line ends, the last "$" of a line, "$G"
// sentences only, text after the last line end, malformed lines.
#include "core/telemetry/TelemetryBuilder.h"

#include <QTest>

namespace {

const QByteArray kGga = "$GPGGA,081411.000,3731.5000,N,12659.2500,E,1,08,0.9,50.0,M,0.0,M,,*6B";
const QByteArray kRmc = "$GPRMC,081411.000,A,3731.5000,N,12659.2500,E,0.60,301.29,260514,,,A*6C";

} // namespace

class TestNmeaSplitting : public QObject
{
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("fixes");
        QTest::addColumn<bool>("ggaApplied");
        QTest::addColumn<bool>("rmcApplied");

        QTest::newRow("CR LF") << kRmc + "\r\n" + kGga + "\r\n" << 2 << true << true;
        QTest::newRow("LF") << kGga + "\n" + kRmc + "\n" << 2 << true << true;
        QTest::newRow("CR") << kGga + "\r" + kRmc + "\r" << 2 << true << true;
        QTest::newRow("NUL") << kGga + '\0' + kRmc + '\0' << 2 << true << true;
        QTest::newRow("text after the last line end") << kGga + "\r\n" + kRmc << 1 << true << false;
        QTest::newRow("no line end at all") << kGga << 0 << false << false;
        QTest::newRow("empty lines") << QByteArray("\r\n\r\n\n\0\0", 7) << 0 << false << false;
        QTest::newRow("proprietary sentence") << "$PSRFEPE,081411.000,A,1.2*21\r\n" + kGga + "\r\n"
                                              << 1 << true << false;
        QTest::newRow("unhandled $G sentence still stores a fix")
            << kGga + "\r\n$GPGSV,3,1,11,08,75,303,44*76\r\n"
            << 2 << true << false;
        QTest::newRow("noise before the $") << "\xff\x01noise" + kGga + "\r\n"
                                            << 1 << true << false;
        // The receiver lost the end of a sentence: the line is taken from its last "$".
        // The receiver lost the end of a sentence: the line is taken from its last "$", here a
        // GLL (not handled), and the GGA with shifted fields is never applied.
        QTest::newRow("glued sentences")
            << kGga + "\r\n$GPGGA,030130$GPGLL,2638.1728,N,08011.3893,W,030131.000,A,A*41\r\n"
            << 2 << true << false;
        QTest::newRow("glued with a handled tail") << "$GPGGA,0301" + kRmc + "\r\n"
                                                   << 1 << false << true;
        QTest::newRow("NUL inside a sentence") << kGga.first(20) + '\0' + kGga.sliced(20) + "\r\n"
                                               << 1 << false << false;
        QTest::newRow("cut talker") << QByteArray("$G\r\n$\r\nG\r\n$GP\r\n") << 2 << false << false;
        QTest::newRow("sentence without $") << kGga.sliced(1) + "\r\n" << 0 << false << false;
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
        QByteArray text = kGga + "\r\n" + kRmc + "\r\n";
        const qsizetype count = kGga.size() + 2 + kRmc.size();
        TelemetryBuilder builder;
        QVERIFY(builder.ParseNMEA(text.data(), count));
        QCOMPARE(builder.snapshot()->m_NMEAs.size(), 1);
        QCOMPARE(text, kGga + QByteArray(2, '\0') + kRmc + "\r\n");
    }
};

QTEST_GUILESS_MAIN(TestNmeaSplitting)
#include "test_nmeasplitting.moc"
