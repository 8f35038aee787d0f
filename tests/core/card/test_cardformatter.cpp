// The card format sequence for real: mkfs.fat with the real arguments on a disk image standing
// in for the card, unmount and mount played on a folder standing in for the mount point, the
// result read back with fsck.fat and mtools. Then the refusals and the failures.
#include "core/card/CardFormatter.h"
#include "core/card/FormatCommands.h"
#include "core/card/Volumes.h"
#include "core/common/log.h"
#include "core/common/strings.h"
#include "core/coretestsetup.h"
#include "core/settings/SettingsRecord.h"
#include "volumefixtures.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>

namespace {

// A card standing in a temporary folder: mkfs.fat runs for real (without pkexec: the test
// already has the rights) on a disk image for the device, unmount empties the mount-point folder
// as a real unmount would, and mount shows the volumes the test prepared. The commands are
// noted, those run as administrator with "pkexec ".
struct StandInCard : CommandRunner
{
    // Asks the running formatter to stop when the device list or a command is reached.
    struct Source : FakeVolumeSource
    {
        std::function<void()> onQuery;
        tvk::Result<QByteArray> lsblkJson() override
        {
            if (onQuery)
                onQuery();
            return FakeVolumeSource::lsblkJson();
        }
    };
    QTemporaryDir dir;
    QString mount = dir.filePath("mnt");
    Source source;
    QString stopAt; // "lsblk" or the start of a command
    CardFormatter *running = nullptr;
    std::optional<bool> stopAccepted;
    qsizetype eraseSignals = 0;
    QByteArray jsonAfterMount;
    std::optional<tvk::Result<void>> formatOutcome; // set: mkfs.fat is not run, this is its result
    QStringList commands, steps;

    StandInCard() { QDir().mkpath(mount); }
    tvk::Result<void> run(const QString &command, bool administrator) override
    {
        commands << (administrator ? "pkexec " : QString()) + command;
        if (!stopAt.isEmpty() && command.startsWith(stopAt))
            stopAccepted = running->cancel();
        if (command.startsWith("udisksctl unmount")) {
            for (const QString &name : QDir(mount).entryList(QDir::Files | QDir::Hidden))
                QFile::remove(mount + '/' + name);
        } else if (command.startsWith("udisksctl mount")) {
            source.setJson(jsonAfterMount);
        } else {
            return formatOutcome ? *formatOutcome : runShellCommand(command, false);
        }
        return {};
    }
    QString image(quint64 size)
    {
        QFile file(dir.filePath("card.img"));
        return file.open(QIODevice::WriteOnly) && file.resize(qint64(size)) ? file.fileName()
                                                                            : QString();
    }
    UsbDisk show(const QList<FakeVolume> &before, const QList<FakeVolume> &after)
    {
        source.setJson(lsblkJsonFor(before));
        jsonAfterMount = lsblkJsonFor(after);
        return usbDiskEntities(source).first();
    }
    // Formats through the signals, as the window does.
    FormatOutcome format(const UsbDisk &volume)
    {
        CardFormatter formatter(source, *this);
        running = &formatter;
        if (stopAt == "lsblk")
            source.onQuery = [this] {
                stopAccepted = running->cancel();
            };
        formatter.setBackupRoot(dir.filePath("tmp"));
        QSignalSpy stepSpy(&formatter, &CardFormatter::stepMessage);
        QSignalSpy finishedSpy(&formatter, &CardFormatter::finished);
        QSignalSpy eraseSpy(&formatter, &CardFormatter::eraseStarted);
        if (!formatter.start(volume) || !finishedSpy.wait(180000))
            return {};
        eraseSignals = eraseSpy.size();
        for (const QList<QVariant> &step : std::as_const(stepSpy))
            steps << step.at(0).toString();
        return finishedSpy.at(0).at(0).value<FormatOutcome>();
    }
};

} // namespace

class TestCardFormatter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(initCoreTest());
        tvk::setLogSink([](const QString &) {});
        qputenv("PATH", "/usr/sbin:/sbin:" + qgetenv("PATH"));
        for (const char *tool : {"mkfs.fat", "fsck.fat", "mdir", "mcopy"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);
    }

    void clusterRule()
    {
        QCOMPARE(clusterSizeByVolumeSize(Q_UINT64_C(7516192767)), 32);
        QCOMPARE(clusterSizeByVolumeSize(Q_UINT64_C(7516192768)), 128);
    }

    void formatsForReal_data()
    {
        QTest::addColumn<quint64>("size");
        QTest::addColumn<bool>("withConfig");
        QTest::addColumn<int>("sectors");
        QTest::newRow("2 GiB card with config.bin") << (Q_UINT64_C(2) << 30) << true << 32;
        QTest::newRow("2 GiB card without config.bin") << (Q_UINT64_C(2) << 30) << false << 32;
        QTest::newRow("8 GiB card") << (Q_UINT64_C(8) << 30) << true << 128;
    }

    void formatsForReal()
    {
        QFETCH(quint64, size);
        QFETCH(bool, withConfig);
        QFETCH(int, sectors);
        StandInCard card;
        const QString image = card.image(size); // sparse
        QVERIFY(!image.isEmpty());
        QByteArray config(428, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(config.data()), 107);
        const QString restored = card.mount + "/config.bin";
        if (withConfig)
            QVERIFY(writeFile(restored, config));
        FakeVolume before{"sdx1", "NO NAME", card.mount};
        before.size = size;
        before.path = image;
        FakeVolume after = before;
        after.label = "TAVIK";

        const FormatOutcome outcome = card.format(card.show({before}, {after}));
        QVERIFY2(outcome.succeeded,
                 qPrintable(outcome.messageText + u' ' + outcome.informativeText));
        QCOMPARE(outcome.messageText, tvk::text("msg.format_complete"));
        QVERIFY(outcome.volume);
        QCOMPARE(outcome.volume->volumeName(), "TAVIK");
        QCOMPARE(outcome.informativeText, outcome.volume->displayString());
        QCOMPARE(card.steps,
                 QStringList({"Formatting...", "unmount disk...", "formatting...", "try mount...",
                              "Format completed!", "Disk searching..."}));
        QCOMPARE(card.commands.join(u'\n'),
                 QStringLiteral("udisksctl unmount -b '%2'\n"
                                "pkexec mkfs.fat -F 32 -n TAVIK -f 2 -b 6 -R 32 -s %1 '%2'\n"
                                "udisksctl mount -b '%2'")
                     .arg(sectors)
                     .arg(image));

        // config.bin is back on the (stand-in) card: the card's own, or the factory defaults.
        const QByteArray expected = withConfig ? config : factoryDefaultRecord().encode();
        QCOMPARE(readFile(restored), expected);
        QCOMPARE(outcome.backupPath.isEmpty(), !withConfig);
        if (withConfig)
            QCOMPARE(readFile(outcome.backupPath), config);

        // What the mount point held is written to the card as the unmount would flush it, and
        // the card is read back by the tools.
        const ProcessRun copy = runProgram("mcopy", {"-i", image, restored, "::config.bin"});
        QVERIFY2(copy.status == 0, copy.err.constData());
        const ProcessRun fsck = runProgram("fsck.fat", {"-n", "-v", image});
        QVERIFY2(fsck.status == 0 && fsck.out.contains("2 FATs, 32 bit entries"),
                 (fsck.out + fsck.err).constData());
        const ProcessRun listing = runProgram("mdir", {"-i", image, "::"});
        QVERIFY2(listing.out.contains("Volume in drive : is TAVIK") &&
                     listing.out.contains("config   bin       428"),
                 listing.out.constData());
        QCOMPARE(runProgram("mcopy", {"-i", image, "::config.bin", "-"}).out, expected);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("refused"); // the device, and what the refusal names
        FakeVolume sata{"sdf1", "TAVIK", "/media/user/TAVIK"};
        sata.bus = "sata";
        const FakeVolume readOnly{"sdc1", "TAVIK", "/media/user/TAVIK", true};
        FakeVolume oddPath{"sdd1", "CARD", "/media/user/CARD"};
        oddPath.path = "/dev/../etc/sdd1";
        const QByteArray system = recordedLsblk("system-mounts.json");
        QTest::newRow("disk drive") << lsblkJsonFor({sata}) << "sdf1|not a removable USB";
        QTest::newRow("write-protected") << lsblkJsonFor({readOnly}) << "sdc1|write";
        QTest::newRow("root file system") << system << "sda2|system folder (/)";
        QTest::newRow("EFI partition") << system << "sda1|system folder (/boot/efi)";
        QTest::newRow("swap") << system << "sda3|swap";
        QTest::newRow("whole system disk") << system << "sda|system folder";
        QTest::newRow("gone") << recordedLsblk("lsblk-vm.json") << "sdb1|no longer present";
        QTest::newRow("unsafe name") << lsblkJsonFor({readOnly}) << "sdc1;reboot|name is not valid";
        QTest::newRow("unclean device path") << lsblkJsonFor({oddPath}) << "sdd1|path is not valid";
    }

    void refusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, refused);
        const QString device = refused.section(u'|', 0, 0), reason = refused.section(u'|', 1);
        StandInCard card;
        card.source.setJson(json);
        const UsbDisk volume("TAVIK", QUrl::fromLocalFile(card.mount), device, QString(), 4 << 20,
                             true, false, "/dev/" + device);
        const FormatOutcome outcome = card.format(volume);
        QVERIFY(!outcome.succeeded);
        QCOMPARE(outcome.messageText, tvk::text("msg.cannot_format"));
        if (reason == "write")
            QCOMPARE(outcome.informativeText,
                     volume.displayString() + u'\n' + tvk::text("msg.write_protected_disk"));
        else
            QVERIFY2(outcome.informativeText.contains(reason), qPrintable(outcome.informativeText));
        QVERIFY(card.commands.isEmpty());
        QCOMPARE(card.steps, QStringList{"Formatting..."});
    }

    void formatFailures_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("errorOutput");
        QTest::addColumn<QString>("informative");
        QTest::newRow("write-protected")
            << 1 << QByteArray("mkfs.fat: unable to open /dev/sdb1: Read-only file system")
            << "\n" + tvk::text("msg.write_protected_disk");
        QTest::newRow("cancelled prompt") << 126 << QByteArray() << "\nError:User canceled.";
    }

    void formatFailures()
    {
        QFETCH(int, exitCode);
        QFETCH(QByteArray, errorOutput);
        QFETCH(QString, informative);
        StandInCard card;
        QVERIFY(writeFile(card.mount + "/config.bin", QByteArray(428, '\x42')));
        card.formatOutcome = shellOutcomeFromExit(exitCode, false, errorOutput, true);
        const FakeVolume volume{"sdb1", "TAVIK", card.mount};
        const UsbDisk entity = card.show({volume}, {volume});
        const FormatOutcome outcome = card.format(entity);
        QVERIFY(!outcome.succeeded);
        QCOMPARE(outcome.messageText, tvk::text("msg.cannot_format"));
        QCOMPARE(outcome.informativeText, entity.displayString() + informative);
        QCOMPARE(card.commands.size(), 3);
        QVERIFY(card.commands[2].startsWith("udisksctl mount"));
        QVERIFY(outcome.volume);
        QCOMPARE(outcome.volume->deviceFilePath(), "sdb1");
        // Nothing was put back: the folder stays as the unmount left it.
        QVERIFY(!QFile::exists(card.mount + "/config.bin"));
        QCOMPARE(readFile(outcome.backupPath), QByteArray(428, '\x42'));
    }

    void cardThatDoesNotComeBackGetsNothing()
    {
        StandInCard card;
        const QString other = card.dir.filePath("other");
        QDir().mkpath(other);
        QVERIFY(writeFile(card.mount + "/config.bin", QByteArray(428, '\x24')));
        FakeVolume formatted{"sdb1", "CARD", card.mount};
        formatted.size = quint64(1) << 30;
        formatted.path = card.image(formatted.size);
        const FakeVolume stick{"sdc1", "TAVIK", other};
        const FormatOutcome outcome = card.format(card.show({formatted, stick}, {stick}));
        QVERIFY(!outcome.succeeded);
        QVERIFY(!outcome.volume);
        QCOMPARE(outcome.messageText, "config.bin copy fail");
        QVERIFY(!outcome.backupPath.isEmpty());
        QVERIFY2(outcome.informativeText.contains(outcome.backupPath),
                 qPrintable(outcome.informativeText));
        QVERIFY(QDir(other).entryList(QDir::Files).isEmpty());
        QCOMPARE(readFile(outcome.backupPath), QByteArray(428, '\x24'));
    }

    void noFormatWithoutABackup()
    {
        StandInCard card;
        QVERIFY(writeFile(card.mount + "/config.bin", QByteArray(428, '\x11')));
        QVERIFY(writeFile(card.dir.filePath("tmp"), "x")); // a file where the backups should go
        const FakeVolume volume{"sdb1", "TAVIK", card.mount};
        const FormatOutcome outcome = card.format(card.show({volume}, {volume}));
        QVERIFY(!outcome.succeeded);
        QCOMPARE(outcome.messageText, "config.bin copy fail");
        QVERIFY(card.commands.isEmpty());
        QCOMPARE(readFile(card.mount + "/config.bin"), QByteArray(428, '\x11'));
    }

    // A stop is honoured until the card is unmounted for the erase; after that the sequence
    // finishes and config.bin is back on the card.
    void stopAtEachStep_data()
    {
        QTest::addColumn<QString>("stopAt");
        QTest::addColumn<bool>("stops");
        QTest::newRow("device check") << "lsblk" << true;
        QTest::newRow("unmount") << "udisksctl unmount" << false;
        QTest::newRow("erase") << "mkfs.fat" << false;
        QTest::newRow("mount again") << "udisksctl mount" << false;
    }

    void stopAtEachStep()
    {
        QFETCH(QString, stopAt);
        QFETCH(bool, stops);
        StandInCard card;
        const QByteArray config(428, '\x5a');
        QVERIFY(writeFile(card.mount + "/config.bin", config));
        const FakeVolume volume{"sdb1", "TAVIK", card.mount};
        const UsbDisk entity = card.show({volume}, {volume});
        card.formatOutcome = tvk::Result<void>{};
        card.stopAt = stopAt;
        const FormatOutcome outcome = card.format(entity);
        QCOMPARE(card.stopAccepted, std::optional<bool>(stops));
        QCOMPARE(outcome.cancelled, stops);
        QCOMPARE(outcome.succeeded, !stops);
        QCOMPARE(card.commands.size(), stops ? 0 : 3);
        QCOMPARE(card.eraseSignals, stops ? 0 : 1);
        QCOMPARE(readFile(card.mount + "/config.bin"), config);
    }

    void oneFormatAtATime()
    {
        StandInCard card;
        card.source.setJson(recordedLsblk("lsblk-vm.json"));
        CardFormatter formatter(card.source, card);
        const UsbDisk volume("TAVIK", QUrl(), "sdb1", QString(), 1, true, false, QString());
        QSignalSpy finished(&formatter, &CardFormatter::finished);
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
