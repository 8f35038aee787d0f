// The driving-record file: reading it safely, the fifteen cell texts, the export, the map
// position, and `tavik-tool drv` on a real file.
#include "cardfiles/drivingrecordwriter.h"
#include "common/log.h"
#include "common/strings.h"
#include "records/drivingrecordfile.h"
#include "records/drivingrecordtable.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

_FLASH_SAVE_VALUE_STRUCT sampleRecord()
{
    _FLASH_SAVE_VALUE_STRUCT r{};
    r.seq = 517;
    r.weekDay = 2;
    r.gpsValid = 1;
    r.yearSince1900 = 124;
    r.month = 3;
    r.day = 5;
    r.hour = 8;
    r.minute = 4;
    r.second = 9;
    r.latitudeInt = 3723;
    r.latitudeFrac = 45;
    r.longitudeInt = 12701;
    r.longitudeFrac = 5000;
    r.curSpeed = 62;
    r.drivingDistance = 12345;
    r.maxSpeed = 98;
    r.gsensorX = -384;
    r.gsensorY = 0;
    r.gsensorZ = 256;
    r.battery = 124;
    return r;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestDrivingRecords : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QStringList m_log;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        tvk::initApplicationIdentity();
        QVERIFY(tvk::installStringTable());
        tvk::setLogSink([this](const QString &line) { m_log << line; });
    }

    void byteImage()
    {
        const QByteArray image = sampleRecord().encode();
        QCOMPARE(image.size(), 40);
        QCOMPARE(image.toHex(), QByteArray("050202017c0305080409") + "8b0e2d00" + "9d318813" +
                                    "3e00" + "39300000" + "00000000" + "6200" + "0000" + "80fe" +
                                    "0000" + "0001" + "7c00");
        const auto back =
            _FLASH_SAVE_VALUE_STRUCT::decode(reinterpret_cast<const uchar *>(image.constData()));
        QCOMPARE(back.encode(), image);
        QCOMPARE(back.gsensorX, qint16(-384));
    }

    void cells_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("index") << 0 << "8";
        QTest::newRow("seq") << 1 << "517";
        QTest::newRow("date") << 2 << "2024/03/05";
        QTest::newRow("time") << 3 << "08:04:09";
        QTest::newRow("weekday") << 4 << "TUE";
        QTest::newRow("latitude") << 5 << "3723.0045";
        QTest::newRow("longitude") << 6 << "12701.5000";
        QTest::newRow("distance") << 7 << "1234.5";
        QTest::newRow("speed") << 8 << "62";
        QTest::newRow("max speed") << 9 << "98";
        QTest::newRow("valid") << 10 << "A";
        QTest::newRow("X") << 11 << "-1.50";
        QTest::newRow("Y") << 12 << "+0.00";
        QTest::newRow("Z") << 13 << "+1.00";
        QTest::newRow("battery") << 14 << "12.4";
        QTest::newRow("beyond") << 15 << "X";
    }

    void cells()
    {
        QFETCH(int, column);
        QTEST(drivingRecordCellText(sampleRecord(), 7, column), "text");
    }

    void cellEdges()
    {
        _FLASH_SAVE_VALUE_STRUCT r{};
        r.weekDay = 7;
        QCOMPARE(drivingRecordCellText(r, 0, 4), QStringLiteral("-"));
        r.gpsValid = 2;
        QCOMPARE(drivingRecordCellText(r, 0, 10), QStringLiteral("V"));
        r.battery = 5;
        QCOMPARE(drivingRecordCellText(r, 0, 14), QStringLiteral(" 0.5"));
        r.battery = -15;
        QCOMPARE(drivingRecordCellText(r, 0, 14), QStringLiteral("-1.-5"));
        r.gsensorX = 32; // 0.125: C rounds the tie to even
        QCOMPARE(drivingRecordCellText(r, 0, 11), QStringLiteral("+0.12"));
        r.gsensorX = -32768;
        QCOMPARE(drivingRecordCellText(r, 0, 11), QStringLiteral("-128.00"));
        r.yearSince1900 = 255;
        r.month = 13;
        QCOMPARE(drivingRecordCellText(r, 0, 2), QStringLiteral("2155/13/00"));
        r.drivingDistance = 0xFFFFFFFF;
        QCOMPARE(drivingRecordCellText(r, 0, 7), QStringLiteral("429496729.5"));
        r.seq = 65535;
        QCOMPARE(drivingRecordCellText(r, 0, 1), QStringLiteral("65535"));
        QCOMPARE(drivingRecordCellText(r, 99999, 0), QStringLiteral("100000"));
    }

    void titles()
    {
        const QStringList titles = drivingRecordColumnTitles();
        QCOMPARE(titles.size(), 15);
        QCOMPARE(titles.mid(11, 3),
                 (QStringList{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")}));
        QCOMPARE(titles.at(0), tvk::text("setting.flashdata.index"));
        QCOMPARE(titles.at(14), tvk::text("setting.flashdata.battery"));
        for (const QString &title : titles)
            QVERIFY2(!title.startsWith(QLatin1String("setting.")), qPrintable(title));
    }

    void readsTheWholeFile()
    {
        const QList<_FLASH_SAVE_VALUE_STRUCT> records = sampleDrivingRecords(50);
        const QString path = m_dir.filePath(QStringLiteral("tavik_000.drv"));
        QVERIFY(writeDrivingRecordFile(path, records));
        QCOMPARE(fileBytes(path).size(), 12 + 50 * 40);
        const DrivingRecordFile file = readDrivingRecordFile(path);
        QCOMPARE(file.status, DrivingRecordFile::Status::Ok);
        QCOMPARE(file.recordCount, 50u);
        QCOMPARE(file.records.size(), 50);
        for (qsizetype i = 0; i < records.size(); ++i)
            QCOMPARE(file.records.at(i).encode(), records.at(i).encode());
    }

    void damagedFiles_data()
    {
        const QList<_FLASH_SAVE_VALUE_STRUCT> three = sampleDrivingRecords(3);
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("records");
        const auto status = [](DrivingRecordFile::Status s) {
            return int(s);
        };
        QTest::newRow("no records")
            << drivingRecordFileBytes({}) << status(DrivingRecordFile::Status::Ok) << 0;
        QTest::newRow("half a record missing") << drivingRecordFileBytes(three).chopped(20)
                                               << status(DrivingRecordFile::Status::Truncated) << 2;
        QTest::newRow("header promises more") << drivingRecordFileBytes(three, 1000)
                                              << status(DrivingRecordFile::Status::Truncated) << 3;
        QTest::newRow("header promises fewer")
            << drivingRecordFileBytes(three, 2) << status(DrivingRecordFile::Status::Ok) << 2;
        QTest::newRow("count no card file could hold")
            << drivingRecordFileBytes(three, 0xFFFFFFFF)
            << status(DrivingRecordFile::Status::Refused) << 0;
        QTest::newRow("largest count a card file could hold")
            << drivingRecordFileBytes(three, kMaxDrivingRecords)
            << status(DrivingRecordFile::Status::Truncated) << 3;
        QTest::newRow("short header")
            << QByteArray("\x03\0\0\0\0\0", 6) << status(DrivingRecordFile::Status::Refused) << 0;
        QTest::newRow("empty file")
            << QByteArray() << status(DrivingRecordFile::Status::Refused) << 0;
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(int, records);
        const QString path = m_dir.filePath(QStringLiteral("damaged.drv"));
        writeBytes(path, bytes);
        for (const DrivingRecordFile &file :
             {readDrivingRecordFile(path), parseDrivingRecords(bytes)}) {
            QCOMPARE(int(file.status), status);
            QCOMPARE(int(file.records.size()), records);
            QCOMPARE(file.usable(), status <= int(DrivingRecordFile::Status::Truncated));
        }
    }

    void unopenableFileIsLogged()
    {
        m_log.clear();
        const QString path = m_dir.filePath(QStringLiteral("missing.drv"));
        const DrivingRecordFile file = readDrivingRecordFile(path);
        QCOMPARE(file.status, DrivingRecordFile::Status::Unopenable);
        QVERIFY(!file.usable());
        QCOMPARE(m_log, QStringList{QStringLiteral("fopen fail:") + path});
    }

    void exportText()
    {
        _FLASH_SAVE_VALUE_STRUCT second = sampleRecord();
        second.seq = 518;
        second.gpsValid = 0;
        second.weekDay = 9;
        const QStringList titles{QStringLiteral("No"), QStringLiteral("Séq")};
        const QByteArray csv = drivingRecordCsv({sampleRecord(), second}, titles);
        QCOMPARE(csv,
                 QByteArray(
                     "No,S\xc3\xa9q\n"
                     "1,517,2024/03/"
                     "05,08:04:09,TUE,3723.0045,12701.5000,1234.5,62,98,A,-1.50,+0.00,+1.00,12.4\n"
                     "2,518,2024/03/"
                     "05,08:04:09,-,3723.0045,12701.5000,1234.5,62,98,V,-1.50,+0.00,+1.00,12.4\n"));
    }

    void exportReplacesTheOldFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("export.csv"));
        writeBytes(path, QByteArray(100000, 'z'));
        QCOMPARE(writeDrivingRecordCsv(path, {sampleRecord()}, drivingRecordColumnTitles()),
                 std::nullopt);
        const QByteArray written = fileBytes(path);
        QCOMPARE(written, drivingRecordCsv({sampleRecord()}, drivingRecordColumnTitles()));
        QVERIFY(!written.startsWith("\xef\xbb\xbf"));
        QVERIFY(!written.contains('\r'));
        QVERIFY(!written.contains('z'));
    }

    void failedExportIsReportedAndKeepsTheOldFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("kept.csv"));
        writeBytes(path, QByteArray("old\n"));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 200;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto error =
            writeDrivingRecordCsv(path, sampleDrivingRecords(20), drivingRecordColumnTitles());
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        QVERIFY(error);
        QCOMPARE(fileBytes(path), QByteArray("old\n"));
    }

    void mapPosition()
    {
        const DrivingRecordPosition position = drivingRecordPosition(sampleRecord());
        QVERIFY(qAbs(position.latitude - 37.38341) < 0.000005);
        QVERIFY(qAbs(position.longitude - (127 + 1.5 / 60)) < 0.000005);
        const DrivingRecordPosition zero = drivingRecordPosition(_FLASH_SAVE_VALUE_STRUCT{});
        QCOMPARE(zero.latitude, 0.0);
        QCOMPARE(zero.longitude, 0.0);
    }

    void commandLine()
    {
        const QList<_FLASH_SAVE_VALUE_STRUCT> records = sampleDrivingRecords(30, 5);
        const QString path = m_dir.filePath(QStringLiteral("tool.drv"));
        const QString csv = m_dir.filePath(QStringLiteral("tool.csv"));
        QVERIFY(writeDrivingRecordFile(path, records));
        QProcess tool;
        tool.start(qEnvironmentVariable("TAVIK_TOOL"),
                   {QStringLiteral("drv"), path, QStringLiteral("--csv"), csv});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(fileBytes(csv), drivingRecordCsv(records, drivingRecordColumnTitles()));

        tool.start(qEnvironmentVariable("TAVIK_TOOL"), {QStringLiteral("drv"), path});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        const QList<QByteArray> lines = tool.readAllStandardOutput().split('\n');
        QCOMPARE(lines.size(), 32); // titles, 30 rows, the empty rest after the last line end
        QVERIFY(lines.at(1).contains("2024/03/05"));

        writeBytes(path, drivingRecordFileBytes(records, 0xFFFFFFF0));
        tool.start(qEnvironmentVariable("TAVIK_TOOL"), {QStringLiteral("drv"), path});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDrivingRecords)
#include "test_drivingrecords.moc"
