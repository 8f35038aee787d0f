// tavik-tool config on real files: the default file, show as text and JSON, and set, which
// validates like the pages and stamps the record.
#include "core/settings/SettingsRecord.h"
#include "core/testsupport.h"

#include <QtEndian>

class TestConfigCommand : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    ProcessRun config(const QStringList &args)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
        return runTool(QStringList{"config"} + args, environment);
    }

private slots:
    void defaultsFile()
    {
        const QString path = m_dir.filePath("defaults.bin");
        QCOMPARE(config({"defaults", path}).status, 0);
        SettingsRecord expected{};
        applyFactoryDefaults(expected);
        expected.external_rear_camera = 0;
        QCOMPARE(readFile(path), expected.encode());
    }

    void showAsTextAndJson()
    {
        const QString path = m_dir.filePath("show.bin");
        SettingsRecord record = factoryDefaultRecord();
        record.time_gmt = -1;
        setRecordText(record.wifi_ssid, "ABCDEFGHIJKLMNOPQRST");
        applySaveStep(record);
        QVERIFY(writeRecord(record, path));

        const ProcessRun text = config({"show", path});
        QCOMPARE(text.status, 0);
        for (const char *line :
             {"\ntime_gmt = -1\n", "\nszPlateNumber = Tavik\n", "\nwifi_ssid = ABCDEFGHIJKLMNOP\n",
              "\nmotionBlock = 96\n", "# checksum matches"})
            QVERIFY2(text.out.contains(line), line);

        const ProcessRun json = config({"show", path, "--json"});
        QCOMPARE(json.status, 0);
        const QJsonObject object = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(object.size(), 98);
        QCOMPARE(jsonFields(object, {"cfg_ver", "checksum", "wifi_password", "osd_plate_flag"}),
                 QStringLiteral("cfg_ver=22310 checksum=%1 wifi_password=24681357 osd_plate_flag=1")
                     .arg(record.checksum));
        // Other sizes are no settings file.
        QVERIFY(writeFile(path, QByteArray(427, '\0')));
        QCOMPARE(config({"show", path}).status, 1);
    }

    void setValidatesAndStamps()
    {
        const QString path = m_dir.filePath("set.bin");
        QVERIFY(writeDefaultSettingsFile(path));
        const QByteArray before = readFile(path);
        const ProcessRun refused = config({"set", path, "vid_brightness=4", "wifi_ssid=abc"});
        QCOMPARE(refused.status, 1);
        QVERIFY(!refused.err.isEmpty());
        QCOMPARE(readFile(path), before);

        QCOMPARE(config({"set", path, "vid_brightness=4",
                         "szPlateNumber=", "sd_mem_always_ratio=50", "gsen_x_threshold=29"})
                     .status,
                 0);
        const QByteArray after = readFile(path);
        QCOMPARE(after.size(), 428);
        // Brightness, both shares, the threshold, no car number and so no plate flag.
        QCOMPARE(QList<quint32>({le32At(after, 68), le32At(after, 8), le32At(after, 16),
                                 le32At(after, 88), le32At(after, 156)}),
                 QList<quint32>({4, 50, 50, 29, 0}));
        QCOMPARE(after.mid(256, 8), QByteArray(8, '\0'));
        QCOMPARE(config({"set", path, "Brightness1=010"}).status, 0);
        QCOMPARE(readRecord(path)->Brightness1, 10u);
        quint16 sum = 0;
        for (int offset = 4; offset < 428; offset += 4)
            sum ^= quint16(le32At(after, offset));
        QCOMPARE(qFromLittleEndian<quint16>(after.constData() + 2), sum);
    }

    // A wrong stamped checksum means changed bytes: set leaves them unless forced; an unstamped
    // file (checksum 0) is the camera's own default and is neither refused nor called wrong.
    void checksumGuardsSet_data()
    {
        QTest::addColumn<int>("checksum"); // -1: a wrong one
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shown");
        QTest::newRow("wrong") << -1 << QStringList() << 1 << "# checksum differs";
        QTest::newRow("wrong, forced") << -1 << QStringList{"--force"} << 0 << "# checksum differs";
        QTest::newRow("unstamped") << 0 << QStringList() << 0 << "# checksum not stamped";
    }

    void checksumGuardsSet()
    {
        QFETCH(int, checksum);
        QFETCH(QStringList, extra);
        const QString path = m_dir.filePath("stamp.bin");
        SettingsRecord record = factoryDefaultRecord();
        record.checksum = checksum < 0 ? quint16(computeChecksum(record) ^ 0x5a5a) : 0;
        QVERIFY(writeFile(path, record.encode()));
        QFETCH(QString, shown);
        QVERIFY(config({"show", path}).out.contains(shown.toUtf8()));
        const QByteArray before = readFile(path);
        const ProcessRun run = config(QStringList{"set", path, "Gamma=1"} + extra);
        QTEST(run.status, "status");
        QCOMPARE(readFile(path) == before, run.status != 0);
        QCOMPARE(run.err.isEmpty(), run.status == 0);
    }
};

QTEST_GUILESS_MAIN(TestConfigCommand)
#include "test_configcommand.moc"
