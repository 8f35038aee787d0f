// The format window on stand-in volumes and commands: what it shows, the confirmation, the
// step messages and the alerts of each ending; one run formats a disk image with mkfs.fat.
#include "app/apptestsetup.h"
#include "app/card/FormatWindow.h"
#include "app/settings/settingswindowfixture.h"
#include "core/card/CardFormatter.h"
#include "core/card/ShellCommand.h"
#include "core/card/Volumes.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// Calls `reached` (once armed) when the format sequence reads the device list.
struct WatchedSource : FakeVolumeSource
{
    std::function<void()> reached;
    tvk::Result<QByteArray> lsblkJson() override
    {
        if (reached)
            std::exchange(reached, {})();
        return FakeVolumeSource::lsblkJson();
    }
};

// Notes every command; mkfs.fat runs for real when a disk image stands in for the device.
struct StandInCommands : CommandRunner
{
    FakeVolumeSource *source = nullptr;
    QString watched; // the start of a command that calls `reached`
    std::function<void()> reached;
    QByteArray jsonAfterMount;
    std::optional<tvk::Failure> formatResult;
    bool realFormat = false;
    QStringList commands;

    tvk::Result<void> run(const QString &command, bool administrator) override
    {
        commands << command;
        if (reached && !watched.isEmpty() && command.startsWith(watched))
            std::exchange(reached, {})();
        if (command.startsWith("udisksctl mount"))
            source->setJson(jsonAfterMount);
        if (administrator && realFormat)
            return runShellCommand(command, false);
        if (administrator && formatResult)
            return *formatResult;
        return {};
    }
};

FakeVolume volume(const QString &mount, quint64 size = 7948206080)
{
    FakeVolume v{"sdb1", "NO NAME", mount};
    v.size = size;
    return v;
}

} // namespace

class TestFormatWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    WatchedSource source;
    StandInCommands commands;

    std::unique_ptr<FormatWindow> open(const QList<FakeVolume> &volumes)
    {
        source.setJson(lsblkJsonFor(volumes));
        commands = StandInCommands{};
        commands.source = &source;
        auto window = std::make_unique<FormatWindow>(&source, &commands);
        QSignalSpy loaded(window.get(), &FormatWindow::volumesLoaded);
        window->showWindow();
        return loaded.wait(5000) ? std::move(window) : nullptr;
    }
    static QString field(QWidget &window, const char *name)
    {
        return window.findChild<QLabel *>(QLatin1String(name))->text();
    }
    // Confirms the question the format button asks, or cancels it.
    static QString answer(QWidget &window, bool format)
    {
        auto *question = window.findChild<QMessageBox *>("formatConfirmation");
        if (!question || !question->isVisible())
            return {};
        const QString text = question->informativeText();
        QAbstractButton *cancel = question->defaultButton();
        if (cancel != question->escapeButton())
            return QStringLiteral("Cancel is not the default");
        QAbstractButton *erase = question->buttons().first() == cancel
                                     ? question->buttons().last()
                                     : question->buttons().first();
        (format ? erase : cancel)->click();
        return text;
    }

private slots:
    void initTestCase()
    {
        initApplicationTest();
        qputenv("PATH", "/usr/sbin:/sbin:" + qgetenv("PATH"));
    }

    void fields_data()
    {
        QTest::addColumn<QList<FakeVolume>>("volumes");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("cluster");
        QTest::newRow("4 GB card")
            << QList<FakeVolume>{volume("/media/a", 4000000000)} << "sdb1   /media/a"
            << "16 KB";
        QTest::newRow("32 GB card")
            << QList<FakeVolume>{volume("/media/a", 32000000000)} << "sdb1   /media/a"
            << "64 KB";
        QTest::newRow("no volume") << QList<FakeVolume>{} << "-"
                                   << "-";
    }

    void fields()
    {
        QFETCH(QList<FakeVolume>, volumes);
        auto window = open(volumes);
        QVERIFY(window);
        QTEST(field(*window, "pathField"), "path");
        QTEST(field(*window, "allocationUnitField"), "cluster");
        QCOMPARE(field(*window, "fileSystemField"), "FAT32");
    }

    void cancelRunsNothing()
    {
        auto window = open({volume(dir.path())});
        QVERIFY(window);
        window->onFormat();
        const QString question = answer(*window, false);
        QVERIFY(question.contains("/dev/sdb1"));
        QVERIFY(question.contains("7.4 GB"));
        QVERIFY(question.contains("NO NAME"));
        QVERIFY(question.contains(dir.path()));
        QTest::qWait(100);
        QVERIFY(commands.commands.isEmpty());
        QVERIFY(!window->isProgressShown());
    }

    void endings_data()
    {
        QTest::addColumn<QList<FakeVolume>>("volumes");
        QTest::addColumn<int>("failure"); // the format command's error number, 0 for success
        QTest::addColumn<bool>("comesBack");
        QTest::addColumn<QString>("alert");
        const QString display = "[7.4 GB] NO NAME <Card Reader>";
        const QString cannot = tvk::text("msg.cannot_format") + '|' + display + '\n';
        const QList<FakeVolume> card{volume(dir.path())};
        QTest::newRow("no volume")
            << QList<FakeVolume>{} << 0 << true
            << tvk::text("format.alert.no_card") + '|' + tvk::text("format.no_drive");
        QTest::newRow("write-protected on formatting")
            << card << 1 << true << cannot + tvk::text("msg.write_protected_disk");
        QTest::newRow("password refused")
            << card << 2 << true << cannot + tvk::text("format.error") + "not authorized";
        QTest::newRow("card gone afterwards") << card << 0 << false << "config.bin copy fail|";
    }

    void endings()
    {
        QFETCH(QList<FakeVolume>, volumes);
        QFETCH(int, failure);
        QFETCH(bool, comesBack);
        QFETCH(QString, alert);
        auto window = open(volumes);
        QVERIFY(window);
        if (failure)
            commands.formatResult =
                tvk::Failure{"msg.cannot_format", {}, "not authorized", {}, failure};
        commands.jsonAfterMount = comesBack ? lsblkJsonFor(volumes) : lsblkJsonFor({});
        QSignalSpy finished(window.get(), &FormatWindow::formatFinished);
        window->onFormat();
        if (!answer(*window, true).isEmpty())
            QVERIFY(finished.wait(10000));
        QVERIFY2(dismissAlert(*window).startsWith(alert), qPrintable(alert));
    }

    // The user closes the window (which deletes itself on closing, as the settings window makes
    // it) while the sequence runs: before the erase the sequence stops and the window goes;
    // from the erase on the window stays, Cancel is disabled, and the sequence ends normally.
    void closeAtEachStep_data()
    {
        QTest::addColumn<QString>("step"); // "lsblk" or the start of a command
        QTest::addColumn<bool>("stops");
        QTest::newRow("device check") << "lsblk" << true;
        QTest::newRow("unmount") << "udisksctl unmount" << false;
        QTest::newRow("erase") << "mkfs.fat" << false;
        QTest::newRow("mount again") << "udisksctl mount" << false;
    }

    void closeAtEachStep()
    {
        QFETCH(QString, step);
        QFETCH(bool, stops);
        auto opened = open({volume(dir.path())});
        QVERIFY(opened);
        QPointer<FormatWindow> window = opened.release();
        window->setAttribute(Qt::WA_DeleteOnClose);
        commands.jsonAfterMount = lsblkJsonFor({volume(dir.path())});
        bool stayed = false, cancelEnabled = true;
        // The sequence waits on its thread while the window is closed on the interface thread.
        const auto closeWindow = [&] {
            QMetaObject::invokeMethod(
                window,
                [&] {
                    window->close();
                    stayed = window->isVisible();
                    cancelEnabled = window->findChild<QPushButton *>("cancelButton")->isEnabled();
                },
                Qt::BlockingQueuedConnection);
        };
        if (step == "lsblk")
            source.reached = closeWindow;
        else
            commands.watched = step, commands.reached = closeWindow;
        QSignalSpy finished(window.data(), &FormatWindow::formatFinished);
        window->onFormat();
        QVERIFY(!answer(*window, true).isEmpty());
        QVERIFY(finished.wait(10000));
        QVERIFY(stayed);
        QVERIFY(!cancelEnabled);
        if (stops) {
            QVERIFY(commands.commands.isEmpty());
        } else {
            QCOMPARE(commands.commands.size(), 3);
            QVERIFY(window);
            QCOMPARE(dismissAlert(*window).section('|', 0, 0), tvk::text("msg.format_complete"));
        }
        QTRY_VERIFY(!window);
    }

    // The whole sequence on a sparse disk image through the real mkfs.fat.
    void formatsAnImage()
    {
        const QString image = dir.filePath("card.img");
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(2) << 30));
        file.close();
        const QString mount = dir.filePath("mnt");
        QDir().mkpath(mount);
        FakeVolume before = volume(mount, quint64(2) << 30);
        before.path = image;
        FakeVolume after = before;
        after.label = "TAVIK";
        auto window = open({before});
        QVERIFY(window);
        commands.realFormat = true;
        commands.jsonAfterMount = lsblkJsonFor({after});
        auto *formatter = window->findChild<CardFormatter *>();
        formatter->setBackupRoot(dir.filePath("backup"));
        QSignalSpy steps(formatter, &CardFormatter::stepMessage);
        QSignalSpy finished(window.get(), &FormatWindow::formatFinished);
        window->onFormat();
        QVERIFY(!answer(*window, true).isEmpty());
        QVERIFY(finished.wait(180000));
        QStringList messages;
        for (const QList<QVariant> &step : std::as_const(steps))
            messages << step.first().toString();
        QCOMPARE(messages, QStringList({"Formatting...", "unmount disk...", "formatting...",
                                        "try mount...", "Format completed!", "Disk searching..."}));
        QCOMPARE(dismissAlert(*window).section('|', 0, 0), tvk::text("msg.format_complete"));
        QVERIFY(!window->isVisible());
        QCOMPARE(readFile(mount + "/config.bin"), factoryDefaultRecord().encode());
        const ProcessRun fsck = runProgram("fsck.fat", {"-n", image});
        QVERIFY2(fsck.status == 0, (fsck.out + fsck.err).constData());
    }
};

QTEST_MAIN(TestFormatWindow)
#include "test_formatwindow.moc"
