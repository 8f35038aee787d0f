// USB volumes from lsblk's output (recorded and hand-made), the camera card's five passes,
// and one run of the real lsblk.
#include "card/LsblkVolumeSource.h"
#include "card/lsblkparser.h"
#include "card/volumes.h"
#include "common/log.h"
#include "volumefixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList paths(const QList<QUrl> &urls)
{
    QStringList list;
    for (const QUrl &url : urls)
        list << url.toLocalFile();
    return list;
}

TKUSBDiskEntity entity(const QString &name, const QString &label, const QString &root,
                       bool writable)
{
    return TKUSBDiskEntity(label, QUrl::fromLocalFile(root), name, QString(), 7948206080, writable,
                           false, QStringLiteral("/dev/") + name);
}

} // namespace

class TestVolumes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        tvk::setLogSink([](const QString &) {});
    }

    void recordedOutputs_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("removable");
        QTest::addColumn<QStringList>("usb");
        QTest::addColumn<QString>("camera");
        QTest::newRow("build machine") << "lsblk-vm.json" << QStringList() << QStringList() << "";
        QTest::newRow("whole-disk card")
            << "usb-whole-card.json" << QStringList{"/media/user/TAVIK"}
            << QStringList{"/media/user/TAVIK"} << "sdb";
        QTest::newRow("partitioned card")
            << "usb-partitioned-card.json" << QStringList{"/media/user/NO NAME"}
            << QStringList{"/media/user/NO NAME"} << "sdc1";
        QTest::newRow("read-only camera card")
            << "usb-readonly-card.json" << QStringList{"/media/user/STICK", "/media/user/TAVIK"}
            << QStringList{"/media/user/STICK", "/media/user/TAVIK"} << "sdc1";
        QTest::newRow("built-in SD slot")
            << "mmc-internal-slot.json" << QStringList{"/media/user/TAVIK"} << QStringList() << "";
        QTest::newRow("system on a USB disk")
            << "system-mounts.json" << QStringList{"/boot/efi", "/", "/media/user/TAVIK"}
            << QStringList{"/boot/efi", "/", "/media/user/TAVIK"} << "sdb1";
        QTest::newRow("old lsblk") << "lsblk-old.json" << QStringList{"/media/user/TAVIK"}
                                   << QStringList{"/media/user/TAVIK"} << "sdb1";
    }

    void recordedOutputs()
    {
        QFETCH(QString, file);
        FakeVolumeSource source(recordedLsblk(file));
        QVERIFY(!source.lsblkJson().isEmpty());
        QTEST(paths(removableVolumeURLs(source)), "removable");
        QTEST(paths(usbVolumeURLs(source)), "usb");
        const std::optional<TKUSBDiskEntity> camera = findCameraDisk(source);
        QTEST(camera ? camera->deviceFilePath() : QString(), "camera");
    }

    void entityFields()
    {
        FakeVolumeSource whole(recordedLsblk(QStringLiteral("usb-whole-card.json")));
        const QList<TKUSBDiskEntity> wholeCard = usbDiskEntities(whole);
        QCOMPARE(wholeCard.size(), 1);
        const TKUSBDiskEntity &card = wholeCard.first();
        QCOMPARE(card.volumeName(), QStringLiteral("TAVIK"));
        QCOMPARE(card.mountPath(), QStringLiteral("/media/user/TAVIK"));
        QCOMPARE(card.deviceFilePath(), QStringLiteral("sdb"));
        QCOMPARE(card.deviceModel(), QStringLiteral("Card Reader"));
        QCOMPARE(card.volumeSize(), Q_UINT64_C(7948206080));
        QVERIFY(card.writable());
        QVERIFY(card.mediaWhole());
        QCOMPARE(card.key(), QStringLiteral("/dev/sdb"));
        QCOMPARE(card.displayString(), QStringLiteral("[7.4 GB] TAVIK <Card Reader>"));

        // A partition takes bus, model and flags from its disk; the model loses its padding.
        FakeVolumeSource partitioned(recordedLsblk(QStringLiteral("usb-partitioned-card.json")));
        const TKUSBDiskEntity part = usbDiskEntities(partitioned).value(0, card);
        QCOMPARE(part.deviceFilePath(), QStringLiteral("sdc1"));
        QCOMPARE(part.deviceModel(), QStringLiteral("STORAGE DEVICE"));
        QVERIFY(!part.mediaWhole());
        QCOMPARE(part.volumeName(), QStringLiteral("NO NAME"));
        QCOMPARE(part.displayString(), QStringLiteral("[30 GB] NO NAME <STORAGE DEVICE>"));

        FakeVolumeSource readOnly(recordedLsblk(QStringLiteral("usb-readonly-card.json")));
        const QList<TKUSBDiskEntity> two = usbDiskEntities(readOnly);
        QCOMPARE(two.size(), 2);
        QVERIFY(two.at(0).writable());
        QVERIFY(!two.at(1).writable());
    }

    void partitionsInheritFromTheirDisk()
    {
        const QList<BlockDevice> devices =
            parseLsblkJson(recordedLsblk(QStringLiteral("mmc-internal-slot.json")));
        QCOMPARE(devices.size(), 4);
        QCOMPARE(devices.at(1).name, QStringLiteral("mmcblk0p1"));
        QCOMPARE(devices.at(1).bus, QStringLiteral("mmc"));
        QCOMPARE(devices.at(1).parentName, QStringLiteral("mmcblk0"));
        QVERIFY(devices.at(1).removable);
        QVERIFY(devices.at(1).model.isNull());
    }

    void malformedOutputs_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("devices");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("not JSON") << QByteArray("lsblk: failed") << 0;
        QTest::newRow("wrong shape") << QByteArray("{\"blockdevices\": 5}") << 0;
        QTest::newRow("entries of the wrong kind")
            << QByteArray("{\"blockdevices\": [1, \"a\", null, {\"name\": 7}]}") << 1;
        QTest::newRow("negative size")
            << QByteArray("{\"blockdevices\": [{\"name\": \"sdb\", \"size\": -5, "
                          "\"mountpoints\": [\"/m\"], \"rm\": true, \"tran\": \"usb\"}]}")
            << 1;
    }

    void malformedOutputs()
    {
        QFETCH(QByteArray, json);
        const QList<BlockDevice> devices = parseLsblkJson(json);
        QTEST(int(devices.size()), "devices");
        for (const BlockDevice &device : devices)
            QCOMPARE(device.size, Q_UINT64_C(0));
    }

    void cameraDiskPasses_data()
    {
        // Each volume: name, label, writable, has config.bin.
        QTest::addColumn<QStringList>("volumes");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("none") << QStringList() << "";
        QTest::newRow("pass 1 over an earlier TAVIK without file")
            << QStringList{"sdb1 TAVIK w -", "sdc1 TAVIK w config"} << "sdc1";
        QTest::newRow("pass 1 needs writable")
            << QStringList{"sdb1 TAVIK r config", "sdc1 TAVIK w -"} << "sdc1";
        QTest::newRow("pass 3 before pass 4")
            << QStringList{"sdb1 STICK w config", "sdc1 TAVIK r -"} << "sdc1";
        QTest::newRow("pass 4") << QStringList{"sdb1 CARD r config", "sdc1 STICK w -"} << "sdc1";
        QTest::newRow("pass 5") << QStringList{"sdb1 CARD r -", "sdc1 STICK r -"} << "sdb1";
        QTest::newRow("label is case sensitive")
            << QStringList{"sdb1 tavik w config", "sdc1 TAVIK r -"} << "sdc1";
    }

    void cameraDiskPasses()
    {
        QFETCH(QStringList, volumes);
        QTemporaryDir dir;
        QList<TKUSBDiskEntity> entities;
        for (const QString &description : volumes) {
            const QStringList parts = description.split(u' ');
            const QString root = dir.filePath(parts[0]);
            QDir().mkpath(root);
            if (parts[3] == QLatin1String("config")) {
                QFile file(QDir(root).filePath(QStringLiteral("config.bin")));
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
            entities << entity(parts[0], parts[1], root, parts[2] == QLatin1String("w"));
        }
        const std::optional<TKUSBDiskEntity> chosen = findCameraDisk(entities);
        QTEST(chosen ? chosen->deviceFilePath() : QString(), "chosen");
    }

    void volumeContainingPath()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("TAVIK")));
        FakeVolumeSource source(
            recordedLsblk(QStringLiteral("usb-readonly-card.json"), dir.path()));
        QVERIFY(!usbVolumeURLContainingPath(source, QStringLiteral("timeset.cfg")));
        QFile file(dir.filePath(QStringLiteral("TAVIK/timeset.cfg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const std::optional<QUrl> found =
            usbVolumeURLContainingPath(source, QStringLiteral("timeset.cfg"));
        QVERIFY(found);
        QCOMPARE(found->toLocalFile(), dir.filePath(QStringLiteral("TAVIK")));
    }

    void realLsblk()
    {
        LsblkVolumeSource source;
        const QByteArray json = source.lsblkJson();
        QVERIFY2(!json.isEmpty(), "lsblk gave no output");
        const QList<BlockDevice> devices = parseLsblkJson(json);
        QVERIFY(!devices.isEmpty());
        for (const BlockDevice &device : devices) {
            QVERIFY(!device.name.isEmpty());
            QVERIFY(device.path.startsWith(QLatin1String("/dev/")));
        }
        // Every USB volume the computer has is also a removable one.
        const QList<QUrl> usb = usbVolumeURLs(devices);
        const QList<QUrl> removable = removableVolumeURLs(devices);
        for (const QUrl &url : usb)
            QVERIFY(removable.contains(url));
    }
};

QTEST_GUILESS_MAIN(TestVolumes)
#include "test_volumes.moc"
