// The checks of typed values: G-sensor thresholds, card shares, the car-number filter, and the
// page rules that `config set` applies.
#include "common/strings.h"
#include "settings/TVKValidator.h"
#include "settings/settingsrecord.h"
#include "settings/settingvalues.h"

#include <QStandardPaths>
#include <QTest>

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
        QTest::addColumn<QString>("message"); // a key, or empty for accepted
        QTest::newRow("lower bound") << "0.05"
                                     << "";
        QTest::newRow("upper bound") << "1.5"
                                     << "";
        QTest::newRow("below") << "0.049"
                               << "range";
        QTest::newRow("above") << "1.51"
                               << "range";
        QTest::newRow("trailing letters") << "1.2x"
                                          << "";
        QTest::newRow("letters") << "abc"
                                 << "msg.input_value_invalid_format";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("leading blanks and sign") << "  +0.5"
                                                 << "";
        QTest::newRow("negative") << "-0.5"
                                  << "range";
        QTest::newRow("exponent") << "5e-2"
                                  << "";
        QTest::newRow("huge exponent") << "1e999"
                                       << "range";
        QTest::newRow("tiny exponent") << "1e-999"
                                       << "range";
        QTest::newRow("only a point") << "."
                                      << "msg.input_value_invalid_format";
        QTest::newRow("leading point") << ".5"
                                       << "";
        QTest::newRow("comma decimal reads the integer part") << "1,4"
                                                              << "";
        QTest::newRow("blank") << " "
                               << "msg.input_value_invalid_format";
    }

    void gsensorThreshold()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        const std::optional<QString> result = TVKValidator::validateGsensorThreshold(text);
        if (message.isEmpty()) {
            QVERIFY2(!result, qPrintable(result.value_or(QString())));
        } else if (message == QLatin1String("range")) {
            QVERIFY(result);
            QCOMPARE(*result, tvk::text("msg.gsensor_outofrange_fmt").arg(0.05).arg(1.5));
            QVERIFY2(result->contains(QLatin1String("0.05")) &&
                         result->contains(QLatin1String("1.5")),
                     qPrintable(*result));
        } else {
            QCOMPARE(result, std::optional<QString>(tvk::text(message.toLatin1().constData())));
        }
    }

    void cardShares()
    {
        QVERIFY(!TVKValidator::validateSDCardSizeRatio(20));
        QVERIFY(!TVKValidator::validateSDCardSizeRatio(80));
        QCOMPARE(TVKValidator::validateSDCardSizeRatio(10),
                 std::optional<QString>(tvk::text("msg.sdcard_ratio_too_low")));
        QCOMPARE(TVKValidator::validateSDCardSizeRatio(100 - 90),
                 std::optional<QString>(tvk::text("msg.sdcard_ratio_too_low")));
    }

    void carNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Hangul and dash") << QString::fromUtf8("12 가 3456-78") << "12345678";
        QTest::newRow("dash") << "ab-12"
                              << "ab12";
        QTest::newRow("ten letters") << "ABCDEFGHIJ"
                                     << "ABCDEFGH";
        QTest::newRow("nothing kept") << "-/-"
                                      << "";
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
        QTest::newRow("voltage in the table") << "sd_mem_always_reserved"
                                              << "11800" << true;
        QTest::newRow("external power") << "sd_mem_always_reserved"
                                        << "10000" << true;
        QTest::newRow("voltage between steps") << "sd_mem_always_reserved"
                                               << "11850" << false;
        QTest::newRow("parking timer") << "sd_mem_motion_reserved"
                                       << "24" << true;
        QTest::newRow("parking timer off the table") << "sd_mem_motion_reserved"
                                                     << "5" << false;
        QTest::newRow("waiting time") << "always_mode_timeout"
                                      << "420" << true;
        QTest::newRow("waiting time 45") << "always_mode_timeout"
                                         << "45" << false;
        QTest::newRow("threshold lower bound") << "gsen_x_threshold"
                                               << "5" << true;
        QTest::newRow("threshold upper bound") << "parkmode_z_threshold"
                                               << "150" << true;
        QTest::newRow("threshold too low") << "gsen_y_threshold"
                                           << "4" << false;
        QTest::newRow("threshold too high") << "gsen_z_threshold"
                                            << "151" << false;
        QTest::newRow("time zone none") << "time_gmt"
                                        << "-1" << true;
        QTest::newRow("time zone 34") << "time_gmt"
                                      << "34" << false;
        QTest::newRow("zone mask in hex") << "motionBlock"
                                          << "0x0FFF" << true;
        QTest::newRow("zone mask beyond 12 bits") << "motionBlock_Rear"
                                                  << "0x1000" << false;
        QTest::newRow("Malaysia") << "Brightness1"
                                  << "20" << true;
        QTest::newRow("cable loss 0") << "CableVoltCorr"
                                      << "0" << false;
        QTest::newRow("not a number") << "Gamma"
                                      << "one" << false;
        QTest::newRow("computed field") << "osd_plate_flag"
                                        << "1" << false;
        QTest::newRow("carried field") << "vid_saturation"
                                       << "100" << false;
        QTest::newRow("unknown field") << "brightness"
                                       << "1" << false;
        QTest::newRow("car number") << "szPlateNumber"
                                    << "AB12CD34" << true;
        QTest::newRow("car number with dash") << "szPlateNumber"
                                              << "AB-12" << false;
        QTest::newRow("empty car number") << "szPlateNumber"
                                          << "" << true;
        QTest::newRow("Wi-Fi name of 5") << "wifi_ssid"
                                         << "abcde" << false;
        QTest::newRow("Wi-Fi name with a space") << "wifi_ssid"
                                                 << "abc def" << false;
        QTest::newRow("Wi-Fi name of 20") << "wifi_ssid"
                                          << "ABCDEFGHIJKLMNOPQRST" << true;
        QTest::newRow("password of 7") << "wifi_password"
                                       << "1234567" << false;
        QTest::newRow("password of 8") << "wifi_password"
                                       << "1234567~" << true;
        QTest::newRow("share 30") << "sd_mem_always_ratio"
                                  << "30" << true;
        QTest::newRow("share 10") << "sd_mem_always_ratio"
                                  << "10" << false;
        QTest::newRow("share 90") << "sd_mem_always_ratio"
                                  << "90" << false;
        QTest::newRow("share 75") << "sd_mem_motion_ratio"
                                  << "75" << false;
    }

    void pageValues()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, accepted);
        _FILEDATA record = factoryDefaultRecord();
        const QByteArray before = record.encode();
        const std::optional<QString> message = setSettingValue(record, name, value);
        QCOMPARE(!message.has_value(), accepted);
        if (!accepted)
            QCOMPARE(record.encode(), before);
    }

    void storedValues()
    {
        _FILEDATA record = factoryDefaultRecord();
        QVERIFY(
            !setSettingValue(record, QStringLiteral("sd_mem_motion_ratio"), QStringLiteral("40")));
        QCOMPARE(record.sd_mem_always_ratio, 60u);
        QCOMPARE(record.sd_mem_motion_ratio, 40u);
        QVERIFY(!setSettingValue(record, QStringLiteral("time_gmt"), QStringLiteral("-1")));
        QCOMPARE(record.time_gmt, -1);
        QVERIFY(!setSettingValue(record, QStringLiteral("wifi_ssid"),
                                 QStringLiteral("ABCDEFGHIJKLMNOPQRST")));
        QCOMPARE(QByteArray(record.wifi_ssid, 16), QByteArray("ABCDEFGHIJKLMNOP"));
        QVERIFY(!setSettingValue(record, QStringLiteral("szPlateNumber"), QString()));
        QCOMPARE(QByteArray(record.szPlateNumber, 8), QByteArray(8, '\0'));
    }

    void everyEditableFieldIsNamedOnce()
    {
        const QStringList names = editableSettingNames();
        QCOMPARE(names.size(), 56);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        QVERIFY(!names.contains(QStringLiteral("checksum")));
        QVERIFY(!names.contains(QStringLiteral("external_rear_camera")));
    }
};

QTEST_GUILESS_MAIN(TestSettingValues)
#include "test_settingvalues.moc"
