// Folders an attacker or an unlucky user gives the catalogue: link mazes, the kernel's own
// file systems, pipes named like recordings, folders that cannot be read, a walk stopped.
#include "core/catalogue/MediaList.h"
#include "core/testsupport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestHostileFolders : public QObject
{
    Q_OBJECT
    static void touch(const QString &path) { QVERIFY(writeFile(path, "RIFF")); }

private slots:
    void eachFolderOnce()
    {
        // Twenty folders, each linking twice to the next: 2^20 paths to one recording.
        QTemporaryDir dir;
        for (int i = 0; i < 20; ++i)
            QVERIFY(QDir().mkpath(dir.filePath(QString::number(i))));
        for (int i = 0; i + 1 < 20; ++i) {
            const QString next = dir.filePath(QString::number(i + 1));
            QVERIFY(QFile::link(next, dir.filePath(QStringLiteral("%1/a").arg(i))));
            QVERIFY(QFile::link(next, dir.filePath(QStringLiteral("%1/b").arg(i))));
        }
        touch(dir.filePath("19/alwa_20240131_120000_F.avi"));
        const QList<MediaFile> found = walkFolder(dir.filePath("0")).found;
        QCOMPARE(found.size(), 1);
    }

    void kernelFileSystemsAreNotWalked_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("proc") << "/proc";
        QTest::newRow("sys") << "/sys";
        QTest::newRow("root") << "/"; // crosses into /proc, /sys and /dev
    }

    void kernelFileSystemsAreNotWalked()
    {
        QFETCH(QString, folder);
        const auto [found, report] = walkFolder(folder);
        QVERIFY(!report.cancelled);
        for (const MediaFile &media : std::as_const(found))
            QVERIFY2(!media.path().startsWith("/proc/") && !media.path().startsWith("/sys/"),
                     qPrintable(media.path()));
    }

    void onlyRegularFilesAreRecordings()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("alwa_20240131_120000_F.avi");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QVERIFY(QDir().mkpath(dir.filePath("alwa_20240131_130000_F.avi")));
        touch(dir.filePath("alwa_20240131_140000_F.avi"));
        QVERIFY(QFile::link(fifo, dir.filePath("alwa_20240131_150000_F.avi")));
        const QList<MediaFile> found = walkFolder(dir.path()).found;
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().fileName(), "alwa_20240131_140000_F.avi");
    }

    void missingFolderIsSaid()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath("gone");
        const MediaList::Contents contents = MediaList::walk(missing);
        QCOMPARE(contents.report.unreadableFolders.size(), 1);
        QCOMPARE(contents.report.unreadableFolders.first().subject, missing);
        const ProcessRun run = runTool({"list", missing});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("The folder could not be read: No such file or directory"),
                 run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
    }

    // Qt names files as UTF-8 text: a name in another encoding is said and left out, in the
    // walk and on the command line, never mistaken for a missing or unreadable file.
    void namesNotInUtf8AreSaid()
    {
        QTemporaryDir dir;
        const QByteArray latin1Folder = QFile::encodeName(dir.path()) + "/d\xe9j\xe0";
        QVERIFY(::mkdir(latin1Folder.constData(), 0700) == 0);
        const QByteArray path = latin1Folder + "/alwa_20240131_120000_F.avi";
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(fd >= 0 && ::close(fd) == 0);
        touch(dir.filePath("alwa_20240131_130000_F.avi"));

        const MediaList::Contents contents = MediaList::walk(dir.path());
        QCOMPARE(contents.medias.size(), 1);
        QCOMPARE(contents.report.unnamedRecordings.size(), 1);
        QProcessEnvironment plainC = QProcessEnvironment::systemEnvironment();
        plainC.insert("LC_ALL", "C");
        const ProcessRun list = runTool({"list", dir.path()}, plainC);
        QCOMPARE(list.status, 0);
        QVERIFY2(list.err.contains("not valid UTF-8"), list.err.constData());

        // The raw bytes reach the tool only through a shell.
        const ProcessRun telemetry =
            runProgram("/bin/sh", {"-c", "exec \"$0\" telemetry \"$1\"$(printf '\\351').avi",
                                   qEnvironmentVariable("TAVIK_TOOL"), dir.filePath("caf")});
        QCOMPARE(telemetry.status, 1);
        QVERIFY2(telemetry.err.contains("not valid UTF-8"), telemetry.err.constData());
    }

    // A folder name that is a terminal command is shown, not obeyed, by every text listing.
    void terminalSequencesInNames_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("list") << "list";
        QTest::newRow("trips") << "trips";
        QTest::newRow("clock") << "clock";
    }
    void terminalSequencesInNames()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString folder = dir.filePath("x\x1b]0;owned\x07\x1b[2J");
        QVERIFY(QDir().mkpath(folder));
        touch(folder + "/alwa_20240131_120000_F.avi");
        const ProcessRun run = runTool({command, dir.path()});
        QVERIFY2(run.out.contains("x\\x1b]0;owned\\x07\\x1b[2J"), run.out.constData());
        QVERIFY(!run.out.contains('\x1b') && !run.out.contains('\x07'));
        QVERIFY(!run.err.contains('\x1b') && !run.err.contains('\x07'));
    }

    void walkIsCancelled()
    {
        const std::atomic<bool> cancel = true;
        const MediaList::Contents contents = MediaList::walk("/", &cancel);
        QVERIFY(contents.report.cancelled);
        QVERIFY(contents.medias.isEmpty());

        // A newer folder stops the walk of the older one; only the newer is published.
        QTemporaryDir dir;
        touch(dir.filePath("alwa_20240131_120000_F.avi"));
        MediaList list;
        list.setDirectoryPath("/");
        list.setDirectoryPath(dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(!list.isWalking(), 10000);
        QCOMPARE(list.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHostileFolders)
#include "test_hostilefolders.moc"
