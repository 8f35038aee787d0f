// The settings window's card search: which card's config.bin is taken, and the renaming of a
// card that holds one to TAVIK.
#include "core/card/VolumeLabeller.h"
#include "core/card/volumefixtures.h"
#include "core/common/log.h"
#include "core/settings/SettingsFileSearch.h"

namespace {

// Renames a volume in the source's list, or fails as polkit does.
class FakeLabeller : public VolumeLabeller
{
public:
    FakeVolumeSource source;
    QList<FakeVolume> volumes;
    bool fail = false;
    QStringList calls;

    tvk::Result<void> setLabel(const UsbDisk &volume, const QString &label) override
    {
        calls << volume.deviceFilePath() + u'=' + label;
        if (fail)
            return tvk::Failure{"msg.label_fail", volume.deviceFilePath(),
                                "Not authorized to perform operation"};
        for (FakeVolume &v : volumes) {
            if (v.name == volume.deviceFilePath())
                v.label = label;
        }
        source.setJson(lsblkJsonFor(volumes));
        return {};
    }
};

} // namespace

class TestSettingsFileSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        tvk::setLogSink([](const QString &) {});
    }

    void noUsbVolumeLeavesTheSelection()
    {
        FakeVolumeSource source(recordedLsblk("lsblk-vm.json"));
        FakeLabeller labeller;
        SettingsCardSelection selection{"/old/config.bin", std::nullopt};
        findUSBVolume(source, labeller, selection);
        QCOMPARE(selection.settingFilePath, "/old/config.bin");
    }

    void search_data()
    {
        // Each volume: device, label, size of its config.bin (-1: none), "ro" when read-only.
        QTest::addColumn<QStringList>("volumes");
        QTest::addColumn<bool>("renameFails");
        QTest::addColumn<QString>("chosen"); // device and label
        QTest::addColumn<QStringList>("renames");
        QTest::newRow("card with config.bin")
            << QStringList{"sdb1,TAVIK,428"} << false << "sdb1,TAVIK" << QStringList();
        QTest::newRow("config.bin of 427 bytes")
            << QStringList{"sdb1,CARD,427"} << false << "" << QStringList();
        QTest::newRow("config.bin of 429 bytes")
            << QStringList{"sdb1,CARD,429"} << false << "" << QStringList();
        QTest::newRow("no config.bin")
            << QStringList{"sdb1,CARD,-1"} << false << "" << QStringList();
        QTest::newRow("card renamed TAVIK") << QStringList{"sdc1,NO NAME,428"} << false
                                            << "sdc1,TAVIK" << QStringList{"sdc1=TAVIK"};
        QTest::newRow("failed rename keeps the name")
            << QStringList{"sdc1,NO NAME,428"} << true << "sdc1,NO NAME"
            << QStringList{"sdc1=TAVIK"};
        QTest::newRow("read-only TAVIK card before a writable one")
            << QStringList{"sdb1,STICK,428", "sdc1,TAVIK,428,ro"} << false << "sdc1,TAVIK"
            << QStringList();
    }

    void search()
    {
        QFETCH(QStringList, volumes);
        QFETCH(bool, renameFails);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        FakeLabeller labeller;
        labeller.fail = renameFails;
        for (const QString &description : volumes) {
            const QStringList v = description.split(u',');
            const QString root = dir.filePath(v[0]);
            QDir().mkpath(root);
            if (v[2].toInt() >= 0)
                QVERIFY(writeFile(root + "/config.bin", QByteArray(v[2].toInt(), '\x01')));
            labeller.volumes << FakeVolume{v[0], v[1], root, v.value(3) == "ro"};
        }
        labeller.source.setJson(lsblkJsonFor(labeller.volumes));
        SettingsCardSelection selection{"/old/config.bin", std::nullopt};
        findUSBVolume(labeller.source, labeller, selection);
        const UsbDisk *disk = selection.selectedUSBDisk ? &*selection.selectedUSBDisk : nullptr;
        QCOMPARE(disk ? disk->deviceFilePath() + u',' + disk->volumeName() : QString(), chosen);
        QCOMPARE(selection.settingFilePath,
                 disk ? dir.filePath(disk->deviceFilePath()) + "/config.bin" : QString());
        QTEST(labeller.calls, "renames");
    }
};

QTEST_GUILESS_MAIN(TestSettingsFileSearch)
#include "test_settingsfilesearch.moc"
