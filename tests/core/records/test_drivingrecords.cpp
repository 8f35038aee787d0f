// The driving-record file: reading it safely, the fifteen cell texts, the export, the map
// position, and `tavik-tool drv` on a real file.
#include "core/common/log.h"
#include "core/common/strings.h"
#include "core/records/drivingrecordfile.h"
#include "core/records/drivingrecordtable.h"
#include "core/testsupport.h"
#include "writers/cardfiles/drivingrecordwriter.h"

#include <QStandardPaths>

namespace {

// Record 517 of Tuesday 2024/03/05 08:04:09, with a fix at 3723.0045 N 12701.5000 E, as the
// camera writes it: the cell texts below read each field back from its place.
const QByteArray kSampleImage = QByteArray::fromHex("050202017c0305080409"
                                                    "8b0e2d009d3188133e00"
                                                    "39300000000000006200"
                                                    "000080fe000000017c00");

DrivingRecordImage sampleRecord()
{
    return DrivingRecordImage::decode(reinterpret_cast<const uchar *>(kSampleImage.data()));
}

} // namespace

class TestDrivingRecords : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        tvk::initApplicationIdentity();
        QVERIFY(tvk::installStringTable());
        tvk::setLogSink([](const QString &) {});
    }

    void byteImage() { QCOMPARE(sampleRecord().encode(), kSampleImage); }

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
        DrivingRecordImage r{};
        r.weekDay = 7;
        QCOMPARE(drivingRecordCellText(r, 0, 4), "-");
        r.gpsValid = 2;
        QCOMPARE(drivingRecordCellText(r, 0, 10), "V");
        r.battery = 5;
        QCOMPARE(drivingRecordCellText(r, 0, 14), " 0.5");
        r.battery = -15;
        QCOMPARE(drivingRecordCellText(r, 0, 14), "-1.-5");
        r.gsensorX = 32; // 0.125: C rounds the tie to even
        QCOMPARE(drivingRecordCellText(r, 0, 11), "+0.12");
        r.gsensorX = -32768;
        QCOMPARE(drivingRecordCellText(r, 0, 11), "-128.00");
        r.yearSince1900 = 255;
        r.month = 13;
        QCOMPARE(drivingRecordCellText(r, 0, 2), "2155/13/00");
        r.drivingDistance = 0xFFFFFFFF;
        QCOMPARE(drivingRecordCellText(r, 0, 7), "429496729.5");
        r.seq = 65535;
        QCOMPARE(drivingRecordCellText(r, 0, 1), "65535");
        QCOMPARE(drivingRecordCellText(r, 99999, 0), "100000");
    }

    void readsTheWholeFile()
    {
        const QList<DrivingRecordImage> records = sampleDrivingRecords(50);
        const QString path = m_dir.filePath("tavik_000.drv");
        QVERIFY(writeDrivingRecordFile(path, records));
        QCOMPARE(readFile(path).size(), 12 + 50 * 40);
        const tvk::Result<DrivingRecordFile> read = readDrivingRecordFile(path);
        QVERIFY(read);
        const DrivingRecordFile &file = *read;
        QVERIFY(!file.truncated());
        QCOMPARE(file.recordCount, 50u);
        QCOMPARE(file.records.size(), 50);
        for (qsizetype i = 0; i < records.size(); ++i)
            QCOMPARE(file.records.at(i).encode(), records.at(i).encode());
    }

    void damagedFiles_data()
    {
        const QList<DrivingRecordImage> three = sampleDrivingRecords(3);
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("outcome"); // "ok", "truncated" or the failure's key
        QTest::addColumn<int>("records");
        QTest::newRow("no records") << drivingRecordFileBytes({}) << "ok" << 0;
        QTest::newRow("half a record missing")
            << drivingRecordFileBytes(three).chopped(20) << "truncated" << 2;
        QTest::newRow("header promises more")
            << drivingRecordFileBytes(three, 1000) << "truncated" << 3;
        QTest::newRow("header promises fewer") << drivingRecordFileBytes(three, 2) << "ok" << 2;
        QTest::newRow("count no card file could hold")
            << drivingRecordFileBytes(three, 0xFFFFFFFF) << "msg.drv_refused" << 0;
        QTest::newRow("largest count a card file could hold")
            << drivingRecordFileBytes(three, kMaxDrivingRecords) << "truncated" << 3;
        QTest::newRow("short header")
            << QByteArray("\x03\0\0\0\0\0", 6) << "msg.drv_no_header" << 0;
        QTest::newRow("empty file") << QByteArray() << "msg.drv_no_header" << 0;
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, outcome);
        QFETCH(int, records);
        const QString path = m_dir.filePath("damaged.drv");
        QVERIFY(writeFile(path, bytes));
        for (const tvk::Result<DrivingRecordFile> &file :
             {readDrivingRecordFile(path), parseDrivingRecords(bytes)}) {
            if (!file) {
                QCOMPARE(QString::fromLatin1(file.failure().key), outcome);
                continue;
            }
            QCOMPARE(QString::fromLatin1(file->truncated() ? "truncated" : "ok"), outcome);
            QCOMPARE(int(file->records.size()), records);
        }
    }

    void unopenableFileNamesItself()
    {
        const QString path = m_dir.filePath("missing.drv");
        const tvk::Result<DrivingRecordFile> file = readDrivingRecordFile(path);
        QVERIFY(!file);
        QCOMPARE(file.failure().subject, path);
    }

    void exportText()
    {
        DrivingRecordImage second = sampleRecord();
        second.seq = 518;
        second.gpsValid = 0;
        second.weekDay = 9;
        QCOMPARE(drivingRecordCsv({sampleRecord(), second}, {"No", "Séq"}),
                 QByteArray(
                     "No,S\xc3\xa9q\n"
                     "1,517,2024/03/"
                     "05,08:04:09,TUE,3723.0045,12701.5000,1234.5,62,98,A,-1.50,+0.00,+1.00,12.4\n"
                     "2,518,2024/03/"
                     "05,08:04:09,-,3723.0045,12701.5000,1234.5,62,98,V,-1.50,+0.00,+1.00,12.4\n"));
    }

    // Titles come from a translation anyone may write: one a spreadsheet would run as a formula
    // stays text, while the signed numbers below it stay numbers.
    void exportTitlesStayText()
    {
        const QList<QByteArray> lines =
            drivingRecordCsv({sampleRecord()}, {"=HYPERLINK(1)", "+x", "a,b"}).split('\n');
        QCOMPARE(lines[0], QByteArray("'=HYPERLINK(1),'+x,\"a,b\""));
        QVERIFY(lines[1].contains(",-1.50,+0.00,+1.00,"));
    }

    void exportReplacesTheOldFile()
    {
        const QString path = m_dir.filePath("export.csv");
        QVERIFY(writeFile(path, QByteArray(100000, 'z')));
        const QStringList titles = drivingRecordColumnTitles();
        QVERIFY(writeDrivingRecordCsv(path, {sampleRecord()}, titles));
        const QByteArray written = readFile(path);
        QCOMPARE(written, drivingRecordCsv({sampleRecord()}, titles));
        QVERIFY(!written.startsWith("\xef\xbb\xbf") && !written.contains('\r'));
    }

    void failedExportIsReportedAndKeepsTheOldFile()
    {
        const QString path = m_dir.filePath("kept.csv");
        QVERIFY(writeFile(path, "old\n"));
        tvk::Result<void> written;
        {
            FileSizeLimit limit(200);
            written =
                writeDrivingRecordCsv(path, sampleDrivingRecords(20), drivingRecordColumnTitles());
        }
        QVERIFY(!written);
        QCOMPARE(readFile(path), "old\n");
    }

    void mapPosition()
    {
        const DrivingRecordPosition position = drivingRecordPosition(sampleRecord());
        QVERIFY(qAbs(position.latitude - 37.38341) < 0.000005);
        QVERIFY(qAbs(position.longitude - (127 + 1.5 / 60)) < 0.000005);
        const DrivingRecordPosition zero = drivingRecordPosition(DrivingRecordImage{});
        QVERIFY(zero.latitude == 0 && zero.longitude == 0);
    }

    void commandLine()
    {
        const QList<DrivingRecordImage> records = sampleDrivingRecords(30, 5);
        const QString path = m_dir.filePath("tool.drv"), csv = m_dir.filePath("tool.csv");
        QVERIFY(writeDrivingRecordFile(path, records));
        QCOMPARE(runTool({"drv", path, "--csv", csv}).status, 0);
        QCOMPARE(readFile(csv), drivingRecordCsv(records, drivingRecordColumnTitles()));
        const ProcessRun shown = runTool({"drv", path});
        QCOMPARE(shown.status, 0);
        const QList<QByteArray> lines = shown.out.split('\n');
        QCOMPARE(lines.size(), 32); // titles, 30 rows, the empty rest after the last line end
        QVERIFY(lines.at(1).contains("2024/03/05"));
        QVERIFY(writeFile(path, drivingRecordFileBytes(records, 0xFFFFFFF0)));
        QCOMPARE(runTool({"drv", path}).status, 1);
    }
};

QTEST_GUILESS_MAIN(TestDrivingRecords)
#include "test_drivingrecords.moc"
