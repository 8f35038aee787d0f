// Real receiver output from the gpsd project's regression logs: every line goes through the
// splitting and the parser, rejected lines change nothing, and where our rules and gpsd's mean
// the same thing (GGA position, RMC date and time, the HDOP of GGA and GNS) we agree with the
// reports gpsd decoded from the same lines (the .chk files).
#include "core/common/cformat.h"
#include "core/telemetry/NmeaCoordinate.h"
#include "core/telemetry/TelemetryBuilder.h"
#include "core/testsupport.h"

#include <QHash>

#include <cmath>

namespace {

QByteArrayList inputLines(const QByteArray &text)
{
    QByteArrayList lines;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty() && !line.startsWith('#'))
            lines << line;
    }
    return lines;
}

// Milliseconds of the day of an NMEA "hhmmss.sss" field or an ISO time "...Thh:mm:ss.sssZ".
qint64 nmeaTimeOfDay(const QByteArray &field)
{
    if (field.size() < 6)
        return -1;
    return field.first(2).toInt() * 3600000LL + field.sliced(2, 2).toInt() * 60000LL +
           qRound64(field.sliced(4).toDouble() * 1000);
}

qint64 isoTimeOfDay(const QString &iso)
{
    const qsizetype t = iso.indexOf(u'T');
    if (t < 0)
        return -1;
    const QString clock = iso.sliced(t + 1).chopped(1);
    return clock.first(2).toInt() * 3600000LL + clock.sliced(3, 2).toInt() * 60000LL +
           qRound64(clock.sliced(6).toDouble() * 1000);
}

double signedDegrees(double nmea, char hemisphere)
{
    const double d = degreesFromNmeaValue(nmea);
    return hemisphere == 'S' || hemisphere == 'W' ? -d : d;
}

} // namespace

class TestNmeaLogs : public QObject
{
    Q_OBJECT
private slots:
    void receiverLogs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minPositions");
        QTest::addColumn<int>("minTimes");
        QTest::addColumn<int>("minHdops");
        // RMC times with two decimals (neo-m8n, fuzzy cases) or one (triton400) are outside
        // our time rule: only "hhmmss.sss" sets the time.
        // The counts of the lines where gpsd reported something comparable.
        QTest::newRow("bu353-glonass") << "bu353-glonass" << 8 << 19 << 8;
        QTest::newRow("beidou-gb") << "beidou-gb" << 1 << 1 << 2;
        QTest::newRow("neo-m8n") << "neo-m8n" << 22 << 0 << 23;
        QTest::newRow("ch-4711") << "ch-4711" << 6 << 12 << 6;
        QTest::newRow("nmea-fuzzy-cases") << "nmea-fuzzy-cases" << 14 << 0 << 14;
        QTest::newRow("triton400") << "triton400" << 4 << 0 << 4;
    }

    void receiverLogs()
    {
        QFETCH(QString, name);
        const QString path = QStringLiteral(TAVIK_TEST_DATA "/nmea/") + name;
        const QByteArray log = readFile(path + ".log"), chk = readFile(path + ".log.chk");
        QVERIFY(!log.isEmpty() && !chk.isEmpty());

        // The whole log as one text: one fix per line whose sentence (from its last "$")
        // starts with "$G".
        int expectedFixes = 0;
        for (const QByteArray &line : log.split('\n')) {
            for (const QByteArray &part : line.split('\r')) {
                const qsizetype dollar = part.lastIndexOf('$');
                expectedFixes += dollar >= 0 && part.sliced(dollar).startsWith("$G");
            }
        }
        QByteArray whole = log;
        TelemetryBuilder builder;
        QVERIFY(builder.ParseNMEA(whole.data(), whole.size()));
        QCOMPARE(int(builder.snapshot()->m_NMEAs.size()), expectedFixes);

        // Line by line: a rejected sentence leaves the fix as it was.
        NmeaSentenceParser parser;
        for (const QByteArray &line : inputLines(log)) {
            const QByteArray sentence = line.sliced(std::max<qsizetype>(line.lastIndexOf('$'), 0));
            const GpsData before = parser.m_Current;
            if (!parser.parse(sentence.constData()))
                QCOMPARE(parser.m_Current, before);
        }

        // gpsd's positions (latitude, longitude) by time of day.
        QHash<qint64, QPointF> positions;
        for (const QByteArray &line : chk.split('\n')) {
            const QJsonObject report = QJsonDocument::fromJson(line).object();
            if (report["class"] == "TPV" && report.contains("time") && report.contains("lat"))
                positions.insert(isoTimeOfDay(report["time"].toString()),
                                 QPointF(report["lat"].toDouble(), report["lon"].toDouble()));
        }

        int comparedPositions = 0, comparedTimes = 0, comparedHdops = 0;
        TelemetryBuilder lines;
        QByteArray name0;
        qint64 rmcTime = -1; // time of day of the last RMC that our time rule takes
        bool hdopFromThis = false;
        for (const QByteArray &line : chk.split('\n')) {
            if (line.startsWith('$')) {
                QByteArray text = line.trimmed() + "\r\n";
                lines.ParseNMEA(text.data(), text.size());
                const GpsData &fix = lines.parser().m_Current;
                const QByteArrayList fields = line.trimmed().split('*').first().split(',');
                name0 = fields[0];
                const bool gga = name0 == "$GPGGA" || name0 == "$GNGGA";
                const bool rmc = name0 == "$GPRMC" || name0 == "$GNRMC";
                if (rmc)
                    rmcTime = fields.value(1).size() == 10 && fields.value(9).size() == 6
                                  ? nmeaTimeOfDay(fields[1])
                                  : -1;
                hdopFromThis =
                    (name0 == "$GNGNS" || (gga && !fix.Enable_GNGNS)) && !fields.value(8).isEmpty();
                if (gga && !fields.value(2).isEmpty() && !fields.value(4).isEmpty()) {
                    const auto it = positions.constFind(nmeaTimeOfDay(fields[1]));
                    if (it != positions.cend()) {
                        const double lat = signedDegrees(fix.Latitude, fix.NS);
                        const double lon = signedDegrees(fix.Longitude, fix.EW);
                        QVERIFY2(std::fabs(lat - it->x()) < 2e-5 && std::fabs(lon - it->y()) < 2e-5,
                                 line.constData());
                        ++comparedPositions;
                    }
                }
                continue;
            }
            const QJsonObject report = QJsonDocument::fromJson(line).object();
            const QString kind = report["class"].toString();
            const GpsData &fix = lines.parser().m_Current;
            // gpsd reports a cycle when it ends, often after later lines; compare the report
            // of the RMC's own second.
            if (rmcTime >= 0 && kind == "TPV" &&
                isoTimeOfDay(report["time"].toString()) == rmcTime) {
                const SystemTime &t = fix.Now;
                const QString ours =
                    tvk::cformat("%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", t.wYear, t.wMonth, t.wDay,
                                 t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
                QCOMPARE(ours, report["time"].toString());
                ++comparedTimes;
                rmcTime = -1;
            }
            if (hdopFromThis && kind == "SKY" && report.contains("hdop")) {
                // gpsd prints two decimals.
                QVERIFY2(
                    std::fabs(fix.HDOP - report["hdop"].toDouble()) < 0.0051,
                    qPrintable(
                        QStringLiteral("%1 after %2").arg(fix.HDOP).arg(QLatin1String(name0))));
                ++comparedHdops;
                hdopFromThis = false;
            }
        }
        qInfo("%s: %d positions, %d times, %d HDOP values compared", qPrintable(name),
              comparedPositions, comparedTimes, comparedHdops);
        QFETCH(int, minPositions);
        QFETCH(int, minTimes);
        QFETCH(int, minHdops);
        QVERIFY(comparedPositions >= minPositions);
        QVERIFY(comparedTimes >= minTimes);
        QVERIFY(comparedHdops >= minHdops);
    }
};

QTEST_GUILESS_MAIN(TestNmeaLogs)
#include "test_nmealogs.moc"
