// USB volumes from lsblk's output (recorded and hand-made), the camera card's five passes,
// and one run of the real lsblk. A recorded output is read only from a regular file of a sane
// size. Byte counts as the volume list shows them, and the display string of a volume.
#include "core/card/ByteCount.h"
#include "core/card/LsblkParser.h"
#include "core/card/LsblkVolumeSource.h"
#include "core/card/Volumes.h"
#include "core/card/recordedlsblk.h"
#include "core/common/log.h"
#include "volumefixtures.h"

#include <cstring>
#include <sys/stat.h>

namespace {

QStringList paths(const QList<QUrl> &urls)
{
    QStringList list;
    for (const QUrl &url : urls)
        list << url.toLocalFile();
    return list;
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
        const QStringList card{"/media/user/TAVIK"};
        QTest::newRow("build machine") << "lsblk-vm.json" << QStringList() << QStringList() << "";
        QTest::newRow("whole-disk card") << "usb-whole-card.json" << card << card << "sdb";
        QTest::newRow("partitioned card")
            << "usb-partitioned-card.json" << QStringList{"/media/user/NO NAME"}
            << QStringList{"/media/user/NO NAME"} << "sdc1";
        const QStringList two{"/media/user/STICK", "/media/user/TAVIK"};
        QTest::newRow("read-only camera card") << "usb-readonly-card.json" << two << two << "sdc1";
        QTest::newRow("built-in SD slot")
            << "mmc-internal-slot.json" << card << card << "mmcblk0p1";
        const QStringList system{"/boot/efi", "/", "/media/user/TAVIK"};
        QTest::newRow("system on a USB disk") << "system-mounts.json" << system << system << "sdb1";
        QTest::newRow("old lsblk") << "lsblk-old.json" << card << card << "sdb1";
    }

    void recordedOutputs()
    {
        QFETCH(QString, file);
        FakeVolumeSource source(recordedLsblk(file));
        QVERIFY(!source.lsblkJson().value().isEmpty());
        QTEST(paths(removableVolumeURLs(source)), "removable");
        QTEST(paths(usbVolumeURLs(source)), "usb");
        const std::optional<UsbDisk> camera = findCameraDisk(source);
        QTEST(camera ? camera->deviceFilePath() : QString(), "camera");
    }

    // A partition takes bus, model and flags from its disk; the model loses its padding.
    void entities_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entity");
        QTest::newRow("whole card") << "usb-whole-card.json" << 0
                                    << "sdb|/media/user/TAVIK|[7.4 GB] TAVIK <Card Reader>|"
                                       "rw|whole|/dev/sdb";
        QTest::newRow("partition") << "usb-partitioned-card.json" << 0
                                   << "sdc1|/media/user/NO NAME|[30 GB] NO NAME <STORAGE DEVICE>|"
                                      "rw|part|/dev/sdc1";
        QTest::newRow("read-only card") << "usb-readonly-card.json" << 1
                                        << "sdc1|/media/user/TAVIK|[7.4 GB] TAVIK <Card Reader>|"
                                           "ro|part|/dev/sdc1";
    }

    void entities()
    {
        QFETCH(QString, file);
        QFETCH(int, index);
        FakeVolumeSource source(recordedLsblk(file));
        const QList<UsbDisk> all = usbDiskEntities(source);
        QVERIFY(index < all.size());
        const UsbDisk &e = all[index];
        QTEST(QStringList({e.deviceFilePath(), e.mountPath(), e.displayString(),
                           QLatin1String(e.writable() ? "rw" : "ro"),
                           QLatin1String(e.mediaWhole() ? "whole" : "part"), e.key()})
                  .join(u'|'),
              "entity");
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
        QList<UsbDisk> entities;
        for (const QString &description : volumes) {
            const QStringList parts = description.split(u' ');
            const QString root = dir.filePath(parts[0]);
            QDir().mkpath(root);
            if (parts[3] == "config")
                QVERIFY(writeFile(root + "/config.bin", {}));
            entities << UsbDisk(parts[1], QUrl::fromLocalFile(root), parts[0], QString(),
                                7948206080, parts[2] == "w", false, "/dev/" + parts[0]);
        }
        const std::optional<UsbDisk> chosen = findCameraDisk(entities);
        QTEST(chosen ? chosen->deviceFilePath() : QString(), "chosen");
    }

    void volumeContainingPath()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("TAVIK"));
        FakeVolumeSource source(recordedLsblk("usb-readonly-card.json", dir.path()));
        QVERIFY(!usbVolumeURLContainingPath(source, "timeset.cfg"));
        QVERIFY(writeFile(dir.filePath("TAVIK/timeset.cfg"), {}));
        const std::optional<QUrl> found = usbVolumeURLContainingPath(source, "timeset.cfg");
        QVERIFY(found);
        QCOMPARE(found->toLocalFile(), dir.filePath("TAVIK"));
    }

    void realLsblk()
    {
        LsblkVolumeSource source;
        const QList<BlockDevice> devices = blockDevices(source);
        QVERIFY2(!devices.isEmpty(), "lsblk gave no devices");
        for (const BlockDevice &device : devices)
            QVERIFY(!device.name.isEmpty() && device.path.startsWith("/dev/"));
        // Every USB volume the computer has is also a removable one.
        const QList<QUrl> removable = removableVolumeURLs(devices);
        for (const QUrl &url : usbVolumeURLs(devices))
            QVERIFY(removable.contains(url));
    }

    // A device, a pipe or a folder in the place of a recorded output is refused at once, never
    // read until memory runs out.
    void readsOnlyASaneRegularFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("failureKey"); // empty: read
        QTest::newRow("recorded output") << "json" << QByteArray();
        QTest::newRow("empty file") << "empty" << QByteArray();
        QTest::newRow("endless device") << "/dev/zero" << QByteArray("msg.input_not_regular_file");
        QTest::newRow("pipe without a writer")
            << "fifo" << QByteArray("msg.input_not_regular_file");
        QTest::newRow("folder") << "folder" << QByteArray("msg.input_not_regular_file");
        QTest::newRow("one byte past the limit") << "huge" << QByteArray("msg.lsblk_too_large");
        QTest::newRow("missing") << "missing" << QByteArray("msg.file_read_fail");
    }

    void readsOnlyASaneRegularFile()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, failureKey);
        QTemporaryDir dir;
        QString path = dir.filePath(kind);
        const QByteArray json = R"({"blockdevices": []})";
        if (kind == QLatin1String("json") || kind == QLatin1String("empty")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(kind == QLatin1String("json") ? json : QByteArray());
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(kind));
        } else if (kind == QLatin1String("huge")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(kLargestLsblkOutput + 1)); // sparse: costs no disk
        } else if (kind.startsWith(u'/')) {
            path = kind;
        }
        const tvk::Result<QByteArray> read = readRecordedLsblk(path);
        if (failureKey.isEmpty()) {
            QVERIFY(read.ok());
            QCOMPARE(*read, kind == QLatin1String("json") ? json : QByteArray());
        } else {
            QVERIFY(!read.ok());
            QCOMPARE(QByteArray(read.failure().key), failureKey);
        }
    }

    void counts_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << Q_UINT64_C(0) << "0 B";
        QTest::newRow("1023") << Q_UINT64_C(1023) << "1023 B";
        QTest::newRow("1024") << Q_UINT64_C(1024) << "1.0 kB";
        QTest::newRow("1536") << Q_UINT64_C(1536) << "1.5 kB";
        QTest::newRow("1997 rounds up to 2.0") << Q_UINT64_C(1997) << "2.0 kB";
        QTest::newRow("10188 rounds up to 10") << Q_UINT64_C(10188) << "10 kB";
        QTest::newRow("1048575") << Q_UINT64_C(1048575) << "1.0 MB";
        QTest::newRow("1000 MiB cut to six") << Q_UINT64_C(1000) * 1048576 << "1000 M";
        QTest::newRow("1 GiB") << Q_UINT64_C(1073741824) << "1.0 GB";
        QTest::newRow("2040109465") << Q_UINT64_C(2040109465) << "1.9 GB";
        QTest::newRow("32 GB card") << Q_UINT64_C(31914983424) << "30 GB";
        // Ties: even digits stay, odd ones go up; an earlier remainder always goes up.
        QTest::newRow("tie on even decimal") << Q_UINT64_C(1024 + 250) << "1.2 kB";
        QTest::newRow("tie on odd decimal") << Q_UINT64_C(1024 + 350) << "1.4 kB";
        QTest::newRow("decimal tie with earlier remainder")
            << Q_UINT64_C((1024 + 250) * 1024 + 1) << "1.3 MB";
        QTest::newRow("whole tie on even") << Q_UINT64_C(12 * 1024 + 512) << "12 kB";
        QTest::newRow("whole tie on odd") << Q_UINT64_C(13 * 1024 + 512) << "14 kB";
        QTest::newRow("whole tie with earlier remainder")
            << Q_UINT64_C((12 * 1024 + 512) * 1024 + 1) << "13 MB";
        QTest::newRow("largest") << ~Q_UINT64_C(0) << "16 EB";
    }

    void counts()
    {
        QFETCH(quint64, bytes);
        char buffer[7];
        std::memset(buffer, 'x', sizeof buffer);
        formatByteCount(buffer, bytes);
        QVERIFY(std::memchr(buffer, '\0', sizeof buffer) != nullptr);
        QTEST(QString::fromLatin1(buffer), "text");
        QTEST(byteCountString(bytes), "text");
    }

    void displayString()
    {
        const auto entity = [](const QString &label, const QString &model, quint64 size) {
            return UsbDisk(label, QUrl::fromLocalFile("/media/user/TAVIK"), "sdb1", model, size,
                           true, false, "/dev/sdb1");
        };
        QCOMPARE(entity("TAVIK", "Card Reader", 7948206080).displayString(),
                 "[7.4 GB] TAVIK <Card Reader>");
        QCOMPARE(entity("TAVIK", QString(), 7948206080).displayString(), "[7.4 GB] TAVIK ");
        QCOMPARE(entity("%1 %2", "%3", 512).displayString(), "[512 B] %1 %2 <%3>");
    }
};

QTEST_GUILESS_MAIN(TestVolumes)
#include "test_volumes.moc"
