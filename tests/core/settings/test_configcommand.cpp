// tavik-tool config on real files: the default file, show as text and JSON, and set, which
// validates like the pages and stamps the record.
#include "settings/settingsrecord.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TestConfigCommand : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    int tool(const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           m_dir.filePath(QStringLiteral("config")));
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("TAVIK_TOOL"), args);
        if (!process.waitForFinished(30000))
            return -1;
        if (out)
            *out = process.readAllStandardOutput();
        if (err)
            *err = process.readAllStandardError();
        return process.exitCode();
    }

    QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { QVERIFY(!qEnvironmentVariable("TAVIK_TOOL").isEmpty()); }

    void defaultsFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("defaults.bin"));
        QCOMPARE(tool({QStringLiteral("config"), QStringLiteral("defaults"), path}), 0);
        _FILEDATA expected{};
        applyFactoryDefaults(expected);
        expected.external_rear_camera = 0;
        QCOMPARE(bytesOf(path), expected.encode());
    }

    void showAsTextAndJson()
    {
        const QString path = m_dir.filePath(QStringLiteral("show.bin"));
        _FILEDATA record = factoryDefaultRecord();
        record.time_gmt = -1;
        setRecordText(record.wifi_ssid, QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        applySaveStep(record);
        QCOMPARE(writeRecord(record, path), nullptr);

        QByteArray out;
        QCOMPARE(tool({QStringLiteral("config"), QStringLiteral("show"), path}, &out), 0);
        QVERIFY(out.contains("\ntime_gmt = -1\n"));
        QVERIFY(out.contains("\nszPlateNumber = Tavik\n"));
        QVERIFY(out.contains("\nwifi_ssid = ABCDEFGHIJKLMNOP\n"));
        QVERIFY(out.contains("\nmotionBlock = 96\n"));
        QVERIFY(out.contains("# checksum matches"));

        QCOMPARE(
            tool({QStringLiteral("config"), QStringLiteral("show"), path, QStringLiteral("--json")},
                 &out),
            0);
        const QJsonObject json = QJsonDocument::fromJson(out).object();
        QCOMPARE(json.size(), 98);
        QCOMPARE(json.value(QStringLiteral("cfg_ver")).toInt(), 22310);
        QCOMPARE(json.value(QStringLiteral("checksum")).toInt(), int(record.checksum));
        QCOMPARE(json.value(QStringLiteral("wifi_password")).toString(),
                 QStringLiteral("24681357"));
        QCOMPARE(json.value(QStringLiteral("osd_plate_flag")).toInt(), 1);
    }

    void showRefusesOtherSizes()
    {
        const QString path = m_dir.filePath(QStringLiteral("short.bin"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(427, '\0'));
        file.close();
        QCOMPARE(tool({QStringLiteral("config"), QStringLiteral("show"), path}), 1);
    }

    void setValidatesAndStamps()
    {
        const QString path = m_dir.filePath(QStringLiteral("set.bin"));
        QCOMPARE(writeDefaultSettingsFile(path), nullptr);
        const QByteArray before = bytesOf(path);

        QByteArray err;
        QCOMPARE(tool({QStringLiteral("config"), QStringLiteral("set"), path,
                       QStringLiteral("vid_brightness=4"), QStringLiteral("wifi_ssid=abc")},
                      nullptr, &err),
                 1);
        QCOMPARE(bytesOf(path), before);
        QVERIFY(!err.isEmpty());

        QCOMPARE(
            tool({QStringLiteral("config"), QStringLiteral("set"), path,
                  QStringLiteral("vid_brightness=4"), QStringLiteral("szPlateNumber="),
                  QStringLiteral("sd_mem_always_ratio=50"), QStringLiteral("gsen_x_threshold=29")}),
            0);
        const QByteArray after = bytesOf(path);
        QCOMPARE(after.size(), 428);
        QCOMPARE(qFromLittleEndian<quint32>(after.constData() + 68), 4u);
        QCOMPARE(qFromLittleEndian<quint32>(after.constData() + 8), 50u);
        QCOMPARE(qFromLittleEndian<quint32>(after.constData() + 16), 50u);
        QCOMPARE(qFromLittleEndian<qint32>(after.constData() + 88), 29);
        QCOMPARE(after.mid(256, 8), QByteArray(8, '\0'));
        QCOMPARE(qFromLittleEndian<qint32>(after.constData() + 156), 0);
        quint16 sum = 0;
        for (int offset = 4; offset < 428; offset += 4)
            sum ^= quint16(qFromLittleEndian<quint32>(after.constData() + offset));
        QCOMPARE(qFromLittleEndian<quint16>(after.constData() + 2), sum);
    }
};

QTEST_GUILESS_MAIN(TestConfigCommand)
#include "test_configcommand.moc"
