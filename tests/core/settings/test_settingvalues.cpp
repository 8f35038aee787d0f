// The checks of typed values: G-sensor thresholds, card shares, the car-number filter, the
// page rules that `config set` applies, and the time-zone index.
#include "core/common/strings.h"
#include "core/settings/SettingValues.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/TimeZones.h"
#include "core/settings/ValueChecks.h"

#include <QStandardPaths>
#include <QTest>

#include <ctime>

class TestSettingValues : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        tvk::initApplicationIdentity();
        QVERIFY(tvk::installStringTable());
    }

    void gsensorThreshold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // a key, "range", or empty for accepted
        const char *const invalid = "msg.input_value_invalid_format";
        const struct
        {
            const char *tag, *text, *message;
        } rows[] = {
            {"lower bound", "0.05", ""},
            {"upper bound", "1.5", ""},
            {"below", "0.049", "range"},
            {"above", "1.51", "range"},
            {"trailing letters", "1.2x", ""},
            {"letters", "abc", invalid},
            {"empty", "", ""},
            {"leading blanks and sign", "  +0.5", ""},
            {"negative", "-0.5", "range"},
            {"exponent", "5e-2", ""},
            {"huge exponent", "1e999", "range"},
            {"tiny exponent", "1e-999", "range"},
            {"only a point", ".", invalid},
            {"leading point", ".5", ""},
            {"comma decimal reads the integer part", "1,4", ""},
            {"blank", " ", invalid},
        };
        for (const auto &row : rows)
            QTest::newRow(row.tag) << QString::fromUtf8(row.text) << QString::fromUtf8(row.message);
    }

    void gsensorThreshold()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        const tvk::Result<void> result = ValueChecks::validateGsensorThreshold(text);
        if (message.isEmpty()) {
            QVERIFY2(result, qPrintable(result ? QString() : result.failure().message()));
        } else if (message == QLatin1String("range")) {
            QVERIFY(!result);
            const QString shown = result.failure().message();
            QVERIFY2(shown.contains("0.05") && shown.contains("1.5"), qPrintable(shown));
        } else {
            QVERIFY(!result);
            QCOMPARE(result.failure().message(), tvk::text(message.toLatin1().constData()));
        }
    }

    void carNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Hangul and dash") << QString::fromUtf8("12 가 3456-78") << "12345678";
        QTest::newRow("dash") << "ab-12" << QString("ab12");
        QTest::newRow("ten letters") << "ABCDEFGHIJ" << QString("ABCDEFGH");
        QTest::newRow("nothing kept") << "-/-" << QString();
        QTest::newRow("accented and full-width") << QString::fromUtf8("é１A") << "A";
        QTest::newRow("emoji") << QString::fromUtf8("A\U0001F600B") << "AB";
    }

    void carNumber()
    {
        QFETCH(QString, typed);
        QTEST(filteredCarNumber(typed), "kept");
    }

    void pageValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("accepted");
        const QByteArray longPassword(100, 'p'); // outlives the table that points into it
        const struct
        {
            const char *tag, *name, *value;
            bool accepted;
        } rows[] = {
            {"voltage in the table", "sd_mem_always_reserved", "11800", true},
            {"external power", "sd_mem_always_reserved", "10000", true},
            {"voltage between steps", "sd_mem_always_reserved", "11850", false},
            {"parking timer", "sd_mem_motion_reserved", "24", true},
            {"parking timer off the table", "sd_mem_motion_reserved", "5", false},
            {"waiting time", "always_mode_timeout", "420", true},
            {"waiting time 45", "always_mode_timeout", "45", false},
            {"threshold lower bound", "gsen_x_threshold", "5", true},
            {"threshold upper bound", "parkmode_z_threshold", "150", true},
            {"threshold too low", "gsen_y_threshold", "4", false},
            {"threshold too high", "gsen_z_threshold", "151", false},
            {"time zone none", "time_gmt", "-1", true},
            {"time zone 34", "time_gmt", "34", false},
            {"zone mask in hex", "motionBlock", "0x0FFF", true},
            {"zone mask beyond 12 bits", "motionBlock_Rear", "0x1000", false},
            {"Malaysia", "Brightness1", "20", true},
            {"cable loss 0", "CableVoltCorr", "0", false},
            {"not a number", "Gamma", "one", false},
            {"computed field", "osd_plate_flag", "1", false},
            {"carried field", "vid_saturation", "100", false},
            {"unknown field", "brightness", "1", false},
            {"car number", "szPlateNumber", "AB12CD34", true},
            {"car number with dash", "szPlateNumber", "AB-12", false},
            {"empty car number", "szPlateNumber", "", true},
            {"Wi-Fi name of 5", "wifi_ssid", "abcde", false},
            {"Wi-Fi name with a space", "wifi_ssid", "abc def", false},
            {"Wi-Fi name of 16", "wifi_ssid", "ABCDEFGHIJKLMNOP", true},
            {"Wi-Fi name of 17", "wifi_ssid", "ABCDEFGHIJKLMNOPQ", false},
            {"password of 16", "wifi_password", "1234567890123456", true},
            {"password of 100", "wifi_password", longPassword.constData(), false},
            {"leading zero read as decimal", "Brightness1", "019", true},
            {"password of 7", "wifi_password", "1234567", false},
            {"password of 8", "wifi_password", "1234567~", true},
            {"share 30", "sd_mem_always_ratio", "30", true},
            {"share 10", "sd_mem_always_ratio", "10", false},
            {"share 90", "sd_mem_always_ratio", "90", false},
            {"share 75", "sd_mem_motion_ratio", "75", false},
        };
        for (const auto &row : rows)
            QTest::newRow(row.tag)
                << QString::fromUtf8(row.name) << QString::fromUtf8(row.value) << row.accepted;
    }

    void pageValues()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, accepted);
        SettingsRecord record = factoryDefaultRecord();
        const QByteArray before = record.encode();
        QCOMPARE(setSettingValue(record, name, value).ok(), accepted);
        if (!accepted)
            QCOMPARE(record.encode(), before);
    }

    void storedValues()
    {
        SettingsRecord record = factoryDefaultRecord();
        QVERIFY(setSettingValue(record, "sd_mem_motion_ratio", "40"));
        QCOMPARE(record.sd_mem_always_ratio, 60u); // the other share follows
        QCOMPARE(record.sd_mem_motion_ratio, 40u);
        QVERIFY(setSettingValue(record, "time_gmt", "-1"));
        QCOMPARE(record.time_gmt, -1);
        QVERIFY(setSettingValue(record, "wifi_ssid", "ABCDEFGHIJKLMNOP"));
        QCOMPARE(QByteArray(record.wifi_ssid, 16), "ABCDEFGHIJKLMNOP");
        QVERIFY(setSettingValue(record, "szPlateNumber", QString()));
        QCOMPARE(QByteArray(record.szPlateNumber, 8), QByteArray(8, '\0'));
    }

    // The time-zone list and the computer's zone index, under TZ set per case.
    void computerZone_data()
    {
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<int>("index");
        QTest::newRow("+9:00") << QByteArray("Asia/Tokyo") << 28;
        QTest::newRow("+5:30") << QByteArray("Asia/Kolkata") << 22;
        QTest::newRow("+5:45") << QByteArray("Asia/Kathmandu") << 23;
        QTest::newRow("+8:45") << QByteArray("Australia/Eucla") << -1;
        QTest::newRow("+14:00") << QByteArray("Pacific/Kiritimati") << -1;
        QTest::newRow("-3:30 (POSIX rule)") << QByteArray("XXX+3:30") << 10;
        QTest::newRow("-12:00 (POSIX rule)") << QByteArray("XXX+12") << 0;
        QTest::newRow("UTC") << QByteArray("UTC") << 14;
    }

    void computerZone()
    {
        QFETCH(QByteArray, tz);
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", tz);
        tzset();
        const int index = computerTimeZoneIndex();
        if (saved.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", saved);
        tzset();
        QTEST(index, "index");
    }

    void offsetAtTheGivenMoment()
    {
        const QTimeZone newYork(QByteArrayLiteral("America/New_York"));
        QCOMPARE(
            timeZoneIndexForZone(newYork, QDateTime(QDate(2024, 1, 15), QTime(12, 0), Qt::UTC)), 7);
        QCOMPARE(
            timeZoneIndexForZone(newYork, QDateTime(QDate(2024, 7, 15), QTime(12, 0), Qt::UTC)), 9);
        QCOMPARE(
            timeZoneIndexForZone(QTimeZone(-(3 * 3600 + 30 * 60)), QDateTime::currentDateTimeUtc()),
            10);
    }
};

QTEST_GUILESS_MAIN(TestSettingValues)
#include "test_settingvalues.moc"
