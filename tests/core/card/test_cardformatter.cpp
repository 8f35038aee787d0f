// The card format sequence for real: mkfs.fat with the real arguments on a disk image standing
// in for the card, unmount and mount played on a folder standing in for the mount point, the
// result read back with fsck.fat and mtools. Then the refusals and the failures.
#include "card/TVKCardFormatter.h"
#include "card/formatcommands.h"
#include "card/volumes.h"
#include "common/log.h"
#include "common/strings.h"
#include "settings/settingsrecord.h"
#include "volumefixtures.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

struct Command
{
    QString text;
    bool administrator;
};

// Runs mkfs.fat for real (without pkexec: the test already has the rights), empties the
// mount-point folder on unmount as a real unmount would, and shows the volumes the test
// prepared for after the mount.
class StandInRunner : public CommandRunner
{
public:
    FakeVolumeSource *source = nullptr;
    QString mountFolder;
    QByteArray jsonAfterMount;
    std::optional<ShellError> formatFailure; // set: mkfs.fat is not run, this is its result
    QList<Command> commands;

    std::optional<ShellError> run(const QString &command, bool administrator) override
    {
        commands.append({command, administrator});
        if (command.startsWith(QLatin1String("udisksctl unmount"))) {
            QDir folder(mountFolder);
            for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden))
                folder.remove(name);
            return std::nullopt;
        }
        if (command.startsWith(QLatin1String("udisksctl mount"))) {
            source->setJson(jsonAfterMount);
            return std::nullopt;
        }
        if (formatFailure)
            return formatFailure;
        return runShellCommand(command, false);
    }
};

QString run(const QString &program, const QStringList &args, int *status = nullptr)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(120000);
    if (status)
        *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
}

QByteArray runBytes(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(120000);
    return process.readAllStandardOutput();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestCardFormatter : public QObject
{
    Q_OBJECT

    TVKFormatOutcome runFormatter(FakeVolumeSource &source, StandInRunner &runner,
                                  const TKUSBDiskEntity &volume, const QString &backupRoot,
                                  QStringList *steps)
    {
        TVKCardFormatter formatter(source, runner);
        formatter.setBackupRoot(backupRoot);
        QSignalSpy stepSpy(&formatter, &TVKCardFormatter::stepMessage);
        QSignalSpy finishedSpy(&formatter, &TVKCardFormatter::finished);
        if (!formatter.start(volume))
            return {};
        if (!finishedSpy.wait(180000))
            return {};
        for (const QList<QVariant> &step : std::as_const(stepSpy))
            steps->append(step.at(0).toString());
        return finishedSpy.at(0).at(0).value<TVKFormatOutcome>();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        tvk::initApplicationIdentity();
        QSettings().clear();
        QVERIFY(tvk::installStringTable());
        tvk::setLogSink([](const QString &) {});
        qputenv("PATH", "/usr/sbin:/sbin:" + qgetenv("PATH"));
        for (const char *tool : {"mkfs.fat", "fsck.fat", "mdir", "mcopy", "minfo"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);
    }

    void clusterRule()
    {
        QCOMPARE(clusterSizeByVolumeSize(Q_UINT64_C(4) << 30), 32);
        QCOMPARE(clusterSizeByVolumeSize(Q_UINT64_C(7516192767)), 32);
        QCOMPARE(clusterSizeByVolumeSize(Q_UINT64_C(7516192768)), 128);
        QCOMPARE(clusterSizeByVolumeSize(Q_UINT64_C(32) << 30), 128);
        QCOMPARE(clusterSizeText(32), QStringLiteral("16 KB"));
        QCOMPARE(clusterSizeText(128), QStringLiteral("64 KB"));
    }

    void formatsForReal_data()
    {
        QTest::addColumn<quint64>("size");
        QTest::addColumn<bool>("withConfig");
        QTest::addColumn<int>("sectors");
        QTest::addColumn<int>("reserved");
        // mkfs.fat takes -R 32 as the least number of reserved sectors and adds to it so that
        // the data area starts on a cluster boundary: 64 KB clusters get 128.
        QTest::newRow("2 GiB card with config.bin") << (Q_UINT64_C(2) << 30) << true << 32 << 32;
        QTest::newRow("2 GiB card without config.bin")
            << (Q_UINT64_C(2) << 30) << false << 32 << 32;
        QTest::newRow("8 GiB card") << (Q_UINT64_C(8) << 30) << true << 128 << 128;
    }

    void formatsForReal()
    {
        QFETCH(quint64, size);
        QFETCH(bool, withConfig);
        QFETCH(int, sectors);
        QFETCH(int, reserved);
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("card.img"));
        const QString mount = dir.filePath(QStringLiteral("mnt"));
        QVERIFY(QDir().mkpath(mount));
        {
            QFile file(image);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(size))); // sparse
        }
        QByteArray config(428, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(config.data()), 107);
        if (withConfig)
            writeFile(QDir(mount).filePath(QStringLiteral("config.bin")), config);

        FakeVolume before{QStringLiteral("sdx1"), QStringLiteral("NO NAME"), mount};
        before.size = size;
        before.path = image;
        FakeVolume after = before;
        after.label = QStringLiteral("TAVIK");
        FakeVolumeSource source(lsblkJsonFor({before}));
        StandInRunner runner;
        runner.source = &source;
        runner.mountFolder = mount;
        runner.jsonAfterMount = lsblkJsonFor({after});
        const QList<TKUSBDiskEntity> volumes = usbDiskEntities(source);
        QCOMPARE(volumes.size(), 1);

        QStringList steps;
        const TVKFormatOutcome outcome = runFormatter(source, runner, volumes.first(),
                                                      dir.filePath(QStringLiteral("tmp")), &steps);
        QVERIFY2(outcome.succeeded,
                 qPrintable(outcome.messageText + u' ' + outcome.informativeText));
        QCOMPARE(outcome.messageText, tvk::text("msg.format_complete"));
        QVERIFY(outcome.volume);
        QCOMPARE(outcome.volume->volumeName(), QStringLiteral("TAVIK"));
        QCOMPARE(outcome.informativeText, outcome.volume->displayString());
        QCOMPARE(steps,
                 (QStringList{QStringLiteral("Formatting..."), QStringLiteral("unmount disk..."),
                              QStringLiteral("formatting..."), QStringLiteral("try mount..."),
                              QStringLiteral("Format completed!"),
                              QStringLiteral("Disk searching...")}));
        QCOMPARE(runner.commands.size(), 3);
        QCOMPARE(runner.commands[0].text, QStringLiteral("udisksctl unmount -b '%1'").arg(image));
        QVERIFY(!runner.commands[0].administrator);
        QCOMPARE(runner.commands[1].text,
                 QStringLiteral("mkfs.fat -F 32 -n TAVIK -f 2 -b 6 -R 32 -s %1 '%2'")
                     .arg(sectors)
                     .arg(image));
        QVERIFY(runner.commands[1].administrator);
        QCOMPARE(runner.commands[2].text, QStringLiteral("udisksctl mount -b '%1'").arg(image));

        // config.bin is back on the (stand-in) card: the card's own, or the factory defaults.
        const QString restored = QDir(mount).filePath(QStringLiteral("config.bin"));
        const QByteArray expected = withConfig ? config : factoryDefaultRecord().encode();
        QCOMPARE(fileBytes(restored), expected);
        QCOMPARE(outcome.backupPath.isEmpty(), !withConfig);
        if (withConfig)
            QCOMPARE(fileBytes(outcome.backupPath), config);

        // What the mount point held is written to the card as the unmount would flush it.
        int status = 0;
        const QString copyOut =
            run(QStringLiteral("mcopy"),
                {QStringLiteral("-i"), image, restored, QStringLiteral("::config.bin")}, &status);
        QVERIFY2(status == 0, qPrintable(copyOut));

        const QString fsck = run(QStringLiteral("fsck.fat"),
                                 {QStringLiteral("-n"), QStringLiteral("-v"), image}, &status);
        QVERIFY2(status == 0, qPrintable(fsck));
        QVERIFY2(fsck.contains(QLatin1String("2 FATs, 32 bit entries")), qPrintable(fsck));
        QVERIFY2(fsck.contains(QStringLiteral(" %1 reserved sectors").arg(reserved)),
                 qPrintable(fsck));
        QVERIFY2(fsck.contains(QStringLiteral("%1 bytes per cluster").arg(sectors * 512)),
                 qPrintable(fsck));
        QVERIFY2(fsck.contains(QLatin1String("512 bytes per logical sector")), qPrintable(fsck));

        const QString info =
            run(QStringLiteral("minfo"), {QStringLiteral("-i"), image, QStringLiteral("::")});
        QVERIFY2(info.contains(QLatin1String("backup boot sector=6")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("reserved (boot) sectors: %1").arg(reserved)),
                 qPrintable(info));
        QVERIFY2(info.contains(QLatin1String("disk label=\"TAVIK      \"")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("cluster size: %1 sectors").arg(sectors)),
                 qPrintable(info));
        QVERIFY2(info.contains(QLatin1String("fats: 2")), qPrintable(info));

        const QString listing =
            run(QStringLiteral("mdir"), {QStringLiteral("-i"), image, QStringLiteral("::")});
        QVERIFY2(listing.contains(QLatin1String("Volume in drive : is TAVIK")),
                 qPrintable(listing));
        QVERIFY2(listing.contains(QLatin1String("config   bin       428")), qPrintable(listing));
        QCOMPARE(runBytes(QStringLiteral("mcopy"),
                          {QStringLiteral("-i"), image, QStringLiteral("::config.bin"),
                           QStringLiteral("-")}),
                 expected);

        // The boot sector itself, read independently of the tools.
        QFile card(image);
        QVERIFY(card.open(QIODevice::ReadOnly));
        const QByteArray boot = card.read(512);
        QCOMPARE(quint8(boot[13]), quint8(sectors));
        QCOMPARE(qFromLittleEndian<quint16>(boot.constData() + 14), quint16(reserved));
        QCOMPARE(quint8(boot[16]), quint8(2));
        const quint32 fatSectors = qFromLittleEndian<quint32>(boot.constData() + 36);
        QCOMPARE((reserved + 2 * fatSectors) % quint32(sectors), 0u);
        QCOMPARE(qFromLittleEndian<quint16>(boot.constData() + 50), quint16(6));
        QCOMPARE(boot.mid(71, 11), QByteArray("TAVIK      "));
        QCOMPARE(boot.mid(82, 8), QByteArray("FAT32   "));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("reason");
        FakeVolume mmc{QStringLiteral("mmcblk0p1"), QStringLiteral("TAVIK"),
                       QStringLiteral("/media/user/TAVIK")};
        mmc.bus = QStringLiteral("mmc");
        FakeVolume readOnly{QStringLiteral("sdc1"), QStringLiteral("TAVIK"),
                            QStringLiteral("/media/user/TAVIK"), true};
        QTest::newRow("built-in slot") << lsblkJsonFor({mmc}) << "mmcblk0p1"
                                       << "not a removable USB volume";
        QTest::newRow("write-protected") << lsblkJsonFor({readOnly}) << "sdc1"
                                         << "write";
        QTest::newRow("root file system")
            << recordedLsblk(QStringLiteral("system-mounts.json")) << "sda2"
            << "system folder (/)";
        QTest::newRow("EFI partition")
            << recordedLsblk(QStringLiteral("system-mounts.json")) << "sda1"
            << "system folder (/boot/efi)";
        QTest::newRow("swap") << recordedLsblk(QStringLiteral("system-mounts.json")) << "sda3"
                              << "swap";
        QTest::newRow("whole system disk")
            << recordedLsblk(QStringLiteral("system-mounts.json")) << "sda"
            << "system folder";
        QTest::newRow("gone") << recordedLsblk(QStringLiteral("lsblk-vm.json")) << "sdb1"
                              << "no longer present";
        QTest::newRow("unsafe name") << lsblkJsonFor({readOnly}) << "sdc1;reboot"
                                     << "name is not valid";
        FakeVolume oddPath{QStringLiteral("sdd1"), QStringLiteral("CARD"),
                           QStringLiteral("/media/user/CARD")};
        oddPath.path = QStringLiteral("/dev/../etc/sdd1");
        QTest::newRow("unclean device path") << lsblkJsonFor({oddPath}) << "sdd1"
                                             << "path is not valid";
    }

    void refusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, device);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        FakeVolumeSource source(json);
        StandInRunner runner;
        runner.source = &source;
        const TKUSBDiskEntity volume(QStringLiteral("TAVIK"), QUrl::fromLocalFile(dir.path()),
                                     device, QString(), 4 << 20, true, false,
                                     QStringLiteral("/dev/") + device);
        QStringList steps;
        const TVKFormatOutcome outcome = runFormatter(source, runner, volume, dir.path(), &steps);
        QVERIFY(!outcome.succeeded);
        QCOMPARE(outcome.messageText, tvk::text("msg.cannot_format"));
        if (reason == QLatin1String("write"))
            QCOMPARE(outcome.informativeText,
                     volume.displayString() + u'\n' + tvk::text("msg.write_protected_disk"));
        else
            QVERIFY2(outcome.informativeText.contains(reason), qPrintable(outcome.informativeText));
        QVERIFY(runner.commands.isEmpty());
        QCOMPARE(steps, QStringList{QStringLiteral("Formatting...")});
    }

    void formatFailures_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("informative");
        QTest::newRow("write-protected") << 1 << "\n" + tvk::text("msg.write_protected_disk");
        QTest::newRow("cancelled prompt")
            << int(ShellErrorNumber::Cancelled) << "\nError:User canceled.";
    }

    void formatFailures()
    {
        QFETCH(int, number);
        QFETCH(QString, informative);
        QTemporaryDir dir;
        const QString mount = dir.filePath(QStringLiteral("mnt"));
        QDir().mkpath(mount);
        writeFile(QDir(mount).filePath(QStringLiteral("config.bin")), QByteArray(428, '\x42'));
        const FakeVolume card{QStringLiteral("sdb1"), QStringLiteral("TAVIK"), mount};
        FakeVolumeSource source(lsblkJsonFor({card}));
        StandInRunner runner;
        runner.source = &source;
        runner.mountFolder = mount;
        runner.jsonAfterMount = lsblkJsonFor({card});
        runner.formatFailure = ShellError{
            number, number == 1 ? QStringLiteral(
                                      "mkfs.fat: unable to open /dev/sdb1: Read-only file system")
                                : QStringLiteral("User canceled.")};
        const TKUSBDiskEntity volume = usbDiskEntities(source).first();
        QStringList steps;
        const TVKFormatOutcome outcome =
            runFormatter(source, runner, volume, dir.filePath(QStringLiteral("tmp")), &steps);
        QVERIFY(!outcome.succeeded);
        QCOMPARE(outcome.messageText, tvk::text("msg.cannot_format"));
        QCOMPARE(outcome.informativeText, volume.displayString() + informative);
        QCOMPARE(runner.commands.size(), 3);
        QVERIFY(runner.commands[2].text.startsWith(QLatin1String("udisksctl mount")));
        QVERIFY(outcome.volume);
        QCOMPARE(outcome.volume->deviceFilePath(), QStringLiteral("sdb1"));
        // Nothing was put back: the folder stays as the unmount left it.
        QVERIFY(!QFile::exists(QDir(mount).filePath(QStringLiteral("config.bin"))));
        QCOMPARE(fileBytes(outcome.backupPath), QByteArray(428, '\x42'));
    }

    void cardThatDoesNotComeBackGetsNothing()
    {
        QTemporaryDir dir;
        const QString mount = dir.filePath(QStringLiteral("mnt"));
        const QString other = dir.filePath(QStringLiteral("other"));
        QDir().mkpath(mount);
        QDir().mkpath(other);
        writeFile(QDir(mount).filePath(QStringLiteral("config.bin")), QByteArray(428, '\x24'));
        const QString image = dir.filePath(QStringLiteral("card.img"));
        {
            QFile file(image);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(1) << 30));
        }
        FakeVolume card{QStringLiteral("sdb1"), QStringLiteral("CARD"), mount};
        card.path = image;
        card.size = quint64(1) << 30;
        const FakeVolume stick{QStringLiteral("sdc1"), QStringLiteral("TAVIK"), other};
        FakeVolumeSource source(lsblkJsonFor({card, stick}));
        StandInRunner runner;
        runner.source = &source;
        runner.mountFolder = mount;
        runner.jsonAfterMount = lsblkJsonFor({stick});
        const TKUSBDiskEntity volume = usbDiskEntities(source).first();
        QStringList steps;
        const TVKFormatOutcome outcome =
            runFormatter(source, runner, volume, dir.filePath(QStringLiteral("tmp")), &steps);
        QVERIFY(!outcome.succeeded);
        QVERIFY(!outcome.volume);
        QCOMPARE(outcome.messageText, QStringLiteral("config.bin copy fail"));
        QVERIFY(!outcome.backupPath.isEmpty());
        QVERIFY2(outcome.informativeText.contains(outcome.backupPath),
                 qPrintable(outcome.informativeText));
        QVERIFY(QDir(other).entryList(QDir::Files).isEmpty());
        QCOMPARE(fileBytes(outcome.backupPath), QByteArray(428, '\x24'));
    }

    void noFormatWithoutABackup()
    {
        QTemporaryDir dir;
        const QString mount = dir.filePath(QStringLiteral("mnt"));
        QDir().mkpath(mount);
        writeFile(QDir(mount).filePath(QStringLiteral("config.bin")), QByteArray(428, '\x11'));
        // A file where the backup folder should go.
        writeFile(dir.filePath(QStringLiteral("tmp")), QByteArray("x"));
        const FakeVolume card{QStringLiteral("sdb1"), QStringLiteral("TAVIK"), mount};
        FakeVolumeSource source(lsblkJsonFor({card}));
        StandInRunner runner;
        runner.source = &source;
        const TKUSBDiskEntity volume = usbDiskEntities(source).first();
        QStringList steps;
        const TVKFormatOutcome outcome =
            runFormatter(source, runner, volume, dir.filePath(QStringLiteral("tmp")), &steps);
        QVERIFY(!outcome.succeeded);
        QCOMPARE(outcome.messageText, QStringLiteral("config.bin copy fail"));
        QVERIFY(runner.commands.isEmpty());
        QCOMPARE(fileBytes(QDir(mount).filePath(QStringLiteral("config.bin"))),
                 QByteArray(428, '\x11'));
    }

    void oneFormatAtATime()
    {
        FakeVolumeSource source(recordedLsblk(QStringLiteral("lsblk-vm.json")));
        StandInRunner runner;
        TVKCardFormatter formatter(source, runner);
        const TKUSBDiskEntity volume(QStringLiteral("TAVIK"), QUrl(), QStringLiteral("sdb1"),
                                     QString(), 1, true, false, QString());
        QSignalSpy finished(&formatter, &TVKCardFormatter::finished);
        QVERIFY(formatter.start(volume));
        QVERIFY(!formatter.start(volume));
        QVERIFY(finished.wait(10000));
        QVERIFY(!formatter.isRunning());
        QVERIFY(formatter.start(volume));
        QVERIFY(finished.wait(10000));
    }
};

QTEST_GUILESS_MAIN(TestCardFormatter)
#include "test_cardformatter.moc"
