// Volumes mounted while the window is open: the kernel's mount table read, the new volumes
// among its lines, and which of them are the camera's card.
#include "core/card/CardMount.h"
#include "core/card/MountTable.h"
#include "core/testsupport.h"

Q_DECLARE_METATYPE(CardMount)

namespace {

MountEntry mount(const QString &device, const QString &root, const QString &point,
                 const QString &type = "vfat")
{
    return {device, root, point, type, "/dev/sdz1"};
}

// "dir/" makes a folder; "name=N" a file of N bytes; anything else an empty file.
void makeTree(const QString &top, const QStringList &items)
{
    for (const QString &item : items) {
        const QString name = item.section('=', 0, 0);
        QDir(top).mkpath(QFileInfo(top + '/' + name).path());
        if (name.endsWith('/'))
            QDir(top).mkpath(name);
        else
            QVERIFY(writeFile(top + '/' + name, QByteArray(item.section('=', 1).toInt(), 'x')));
    }
}

} // namespace

class TestCardMount : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QList<MountEntry>>("entries");
        QTest::newRow("udisks card, optional fields")
            << QByteArray("98 29 8:17 / /media/ann/TAVIK rw,nosuid shared:52 master:1 - vfat "
                          "/dev/sdb1 rw,fmask=0022\n")
            << QList<MountEntry>{{"8:17", "/", "/media/ann/TAVIK", "vfat", "/dev/sdb1"}};
        QTest::newRow("no optional fields, no newline at the end")
            << QByteArray("21 26 0:20 / /proc rw,relatime - proc proc rw")
            << QList<MountEntry>{{"0:20", "/", "/proc", "proc", "proc"}};
        QTest::newRow("escaped space, tab, backslash")
            << QByteArray("99 29 8:33 /a\\040b /media/ann/MY\\040CARD\\011x\\134y rw - exfat "
                          "/dev/sdc1 rw\n")
            << QList<MountEntry>{
                   {"8:33", "/a b", "/media/ann/MY CARD\tx\\y", "exfat", "/dev/sdc1"}};
        QTest::newRow("bad escapes kept as written")
            << QByteArray("1 1 8:1 / /m\\000n\\9\\04 rw - vfat s o\n")
            << QList<MountEntry>{{"8:1", "/", "/m\\000n\\9\\04", "vfat", "s"}};
        QTest::newRow("malformed lines skipped")
            << QByteArray("\n1 2 3\n5 1 8:1 / /no/separator rw shared:1\n6 1 8:1 / rel rw - "
                          "vfat s o\n7 1 8:2 / /ok rw - ext4\n")
            << QList<MountEntry>{{"8:2", "/", "/ok", "ext4", ""}};
    }

    void parse()
    {
        QFETCH(QByteArray, table);
        QFETCH(QList<MountEntry>, entries);
        QCOMPARE(parseMountInfo(table), entries);
    }

    void changes()
    {
        const QList<MountEntry> before = {mount("8:1", "/", "/"), mount("8:17", "/", "/media/a")};
        const QList<MountEntry> after = {
            mount("8:1", "/", "/"),
            mount("8:17", "/", "/mnt/again"),      // bind mount of a volume already seen
            mount("8:33", "/", "/media/b"),        // a new card
            mount("8:33", "/", "/media/b-copy"),   // the same card twice: reported once
            mount("8:1", "/home/x/card", "/mnt/c") // a bind mount of another folder
        };
        QCOMPARE(newMounts(before, after), (QList<MountEntry>{after[2], after[4]}));
        QCOMPARE(goneMountPoints(before, after), QList<QString>{"/media/a"});
        QVERIFY(newMounts(after, after).isEmpty());
    }

    void decision_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("fsType");
        QTest::addColumn<QString>("open"); // relative to the mount point; "-" for none
        QTest::addColumn<CardMount>("expected");
        const QStringList card = {"DCIM/100ALWAY/alwa_20240131_235959_F.avi",
                                  "DCIM/100ALWAY/alwa_20240131_235959_R.avi"};
        QTest::newRow("recordings below DCIM") << card << "vfat"
                                               << "-" << CardMount::Recordings;
        QTest::newRow("lower-case dcim, upper-case AVI")
            << QStringList{"dcim/200EVENT/event_20240131_235959_R.AVI"} << "exfat"
            << "-" << CardMount::Recordings;
        QTest::newRow("recordings in DCIM itself")
            << QStringList{"DCIM/motion_20240131_235959_F.avi"} << "vfat"
            << "-" << CardMount::Recordings;
        QTest::newRow("only config.bin")
            << QStringList{"config.bin=428", "DCIM/100ALWAY/"} << "vfat"
            << "-" << CardMount::SettingsFile;
        QTest::newRow("config.bin of another size") << QStringList{"config.bin=427"} << "vfat"
                                                    << "-" << CardMount::NotACard;
        QTest::newRow("empty volume") << QStringList{} << "vfat"
                                      << "-" << CardMount::NotACard;
        QTest::newRow("photos and other videos")
            << QStringList{"DCIM/100CANON/IMG_0001.JPG", "DCIM/100CANON/MVI_0002.avi",
                           "DCIM/100ALWAY/alwa_20240131_235959_F.jpg"}
            << "vfat"
            << "-" << CardMount::NotACard;
        QTest::newRow("recordings outside DCIM")
            << QStringList{"backup/alwa_20240131_235959_F.avi"} << "ext4"
            << "-" << CardMount::NotACard;
        QTest::newRow("the folder already open") << card << "vfat"
                                                 << "." << CardMount::AlreadyOpen;
        QTest::newRow("a folder on it already open") << card << "vfat"
                                                     << "DCIM/100ALWAY" << CardMount::AlreadyOpen;
        QTest::newRow("a neighbour with a similar name open")
            << card << "vfat"
            << "../mount-other" << CardMount::Recordings;
        QTest::newRow("kernel file system") << card << "proc"
                                            << "-" << CardMount::NotAVolume;
        QTest::newRow("network share") << card << "nfs4"
                                       << "-" << CardMount::NotAVolume;
        QTest::newRow("memory file system") << card << "tmpfs"
                                            << "-" << CardMount::Recordings;
    }

    void decision()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, fsType);
        QFETCH(QString, open);
        QFETCH(CardMount, expected);
        QTemporaryDir dir;
        const QString point = dir.filePath("mount");
        QVERIFY(QDir().mkpath(point));
        QVERIFY(QDir().mkpath(dir.filePath("mount-other")));
        makeTree(point, items);
        const QString openFolder = open == "-" ? QString() : point + '/' + open;
        QCOMPARE(cardMount(mount("8:17", "/", point, fsType), openFolder), expected);
    }

    void unreadableMountPoint()
    {
        QCOMPARE(cardMount(mount("8:17", "/", "/nonexistent/card"), {}), CardMount::NotACard);
    }
};

QTEST_GUILESS_MAIN(TestCardMount)
#include "test_cardmount.moc"
