// Reading numbers from NMEA fields, and the conversion of ddmm.mmmm values to degrees.
#include "core/telemetry/NmeaCoordinate.h"
#include "core/telemetry/NmeaField.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

class TestNmeaFields : public QObject
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
        const float read = nmea::readFloat("4807.038");
        setlocale(LC_ALL, saved.constData());
        QCOMPARE(read, 4807.038f);
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
};

QTEST_GUILESS_MAIN(TestNmeaFields)
#include "test_nmeafields.moc"
