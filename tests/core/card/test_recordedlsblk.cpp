// A recorded lsblk output is read only from a regular file of a sane size: a device, a pipe or
// a folder in its place is refused at once, never read until memory runs out.
#include "core/card/recordedlsblk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestRecordedLsblk : public QObject
{
    Q_OBJECT

private slots:
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
};

QTEST_APPLESS_MAIN(TestRecordedLsblk)
#include "test_recordedlsblk.moc"
