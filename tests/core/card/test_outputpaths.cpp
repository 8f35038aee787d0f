// What the command line writes to: only a regular file or nothing. Devices, pipes and folders
// at the output path are refused and left alone, an output never replaces its own input, and
// a replaced file keeps its mode and owner. Recordings and settings that are pipes are
// refused without waiting for a writer.
#include "core/common/replacefile.h"
#include "core/testsupport.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
// The kind of node at a path, without following a last link.
mode_t kindOf(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}
} // namespace

class TestOutputPaths : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_drv;

    // A node of the kind at a fresh path; empty when this user may not make one.
    QString node(const QString &kind)
    {
        const QString path = m_dir.filePath(kind + QString::number(m_nodes++));
        const QByteArray name = QFile::encodeName(path);
        if (kind == "fifo")
            return ::mkfifo(name.constData(), 0600) == 0 ? path : QString();
        if (kind == "device") // a second /dev/null: replacing it would break the system
            return ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? path : QString();
        if (kind == "folder")
            return QDir().mkpath(path) ? path : QString();
        const QString fifo = node("fifo");
        return QFile::link(fifo, path) ? path : QString();
    }
    int m_nodes = 0;

private slots:
    void initTestCase()
    {
        m_drv = m_dir.filePath("tavik_000.drv");
        QByteArray drv(12 + 40, '\0');
        drv[0] = 1;
        QVERIFY(writeFile(m_drv, drv));
    }

    void nonRegularOutputsAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("command");
        for (const char *kind : {"fifo", "device", "folder", "link to a fifo"}) {
            for (const char *command : {"timeset", "drv --csv", "config defaults", "config set",
                                        "telemetry", "drv", "trips --gpx", "trips --kml"})
                QTest::addRow("%s, %s", command, kind) << kind << command;
        }
    }

    void nonRegularOutputsAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, command);
        const QString path = node(kind);
        if (path.isEmpty())
            QSKIP("this user cannot make such a node");
        const mode_t before = kindOf(path);
        QStringList args = command.split(' ');
        if (command == "drv --csv")
            args = {"drv", m_drv, "--csv", path};
        else if (command == "config set")
            args << path << "vid_brightness=2";
        else if (command.startsWith("trips"))
            args = {"trips", m_dir.path(), args[1], path};
        else
            args << path;
        const ProcessRun run = runTool(args);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.toLower().contains("not a regular file") ||
                     run.err.contains("Is a directory"),
                 run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(kindOf(path), before);
    }

    // A writer's own failure comes back as it is; a device cut short (a size limit, a full
    // card) fails with the system's reason. Either way the old file stays whole.
    void failedWritesKeepTheOldFile_data()
    {
        QTest::addColumn<bool>("writerGivesUp");
        QTest::addColumn<QString>("reason");
        QTest::newRow("writer gives up") << true << "mine";
        QTest::newRow("file too large") << false << "File too large";
    }

    void failedWritesKeepTheOldFile()
    {
        QFETCH(bool, writerGivesUp);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath("kept.txt");
        QVERIFY(writeFile(path, "old"));
        const FileSizeLimit limit(100000);
        const tvk::Result<void> written =
            replaceFile(path, [writerGivesUp](QIODevice &out) -> tvk::Result<void> {
                // Small writes, as an XML writer makes them; past the limit unless it gives up.
                for (int i = 0; i < (writerGivesUp ? 1000 : 30000); ++i)
                    out.write("line\n");
                if (writerGivesUp)
                    return tvk::Failure{"msg.write_fail", {}, QStringLiteral("mine")};
                return {};
            });
        QVERIFY(!written);
        QCOMPARE(written.failure().reason, reason);
        QCOMPARE(readFile(path), "old");
    }

    void outputIsNotTheInput()
    {
        const QByteArray before = readFile(m_drv);
        const ProcessRun run = runTool({"drv", m_drv, "--csv", m_drv});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("would replace the input"), run.err.constData());
        QCOMPARE(readFile(m_drv), before);
    }

    void replacedFileKeepsModeAndOwner()
    {
        const QString path = m_dir.filePath("kept.cfg");
        QVERIFY(writeFile(path, "old"));
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(::chmod(name.constData(), 0640), 0);
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(name.constData(), 4321, 4322), 0);
        QVERIFY(replaceFileContents(path, "new"));
        QCOMPARE(readFile(path), "new");
        struct stat info = {};
        QCOMPARE(::stat(name.constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
        if (root)
            QCOMPARE(QList<uint>({info.st_uid, info.st_gid}), QList<uint>({4321, 4322}));
    }
};

QTEST_GUILESS_MAIN(TestOutputPaths)
#include "test_outputpaths.moc"
