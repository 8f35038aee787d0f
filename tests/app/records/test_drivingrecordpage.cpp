// The driving-record page on files written by the camera's file writer: the cells, damaged and
// empty files, the map of a record and the export against the command line's.
#include "app/apptestsetup.h"
#include "app/records/DrivingRecordModel.h"
#include "app/records/DrivingRecordPage.h"
#include "app/records/RecordMap.h"
#include "app/settings/settingswindowfixture.h"
#include "core/common/cformat.h"
#include "core/records/drivingrecordtable.h"
#include "writers/cardfiles/drivingrecordwriter.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

namespace {

struct MapStandIn : RecordMap
{
    QStringList *calls;
    explicit MapStandIn(QStringList *c) : calls(c) {}
    void showBeside(const QRect &) override { calls->append("show"); }
    void setRoute(const QList<QPointF> &points) override
    {
        calls->append(QStringLiteral("route %1").arg(points.size()));
    }
    void showPosition(double latitude, double longitude) override
    {
        calls->append(tvk::cformat("at %.5f %.5f", latitude, longitude));
    }
};

} // namespace

class TestDrivingRecordPage : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList mapCalls;

    // The page on a file, as the settings window shows it the first time.
    std::unique_ptr<DrivingRecordPage> open(const QByteArray &bytes)
    {
        const QString path = dir.filePath("tavik_000.drv");
        writeFile(path, bytes);
        auto page = std::make_unique<DrivingRecordPage>();
        page->setMapFactory([this] { return std::make_unique<MapStandIn>(&mapCalls); });
        page->setFlashDataFilePath(path);
        QSignalSpy published(page.get(), &DrivingRecordPage::recordsPublished);
        SettingsRecord settings{};
        page->setFileData(&settings);
        if (!published.wait(5000))
            return {};
        return page;
    }

private slots:
    void initTestCase() { initApplicationTest(); }

    // A file that promises more than it holds shows its complete records; one with none
    // cannot be exported, and the button says so.
    void damagedAndEmptyFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rows");
        const QList<DrivingRecordImage> six = sampleDrivingRecords(6);
        QTest::newRow("short") << drivingRecordFileBytes(six, 9).left(12 + 40 * 4 + 17) << 4;
        QTest::newRow("no records") << drivingRecordFileBytes({}) << 0;
        QTest::newRow("whole") << drivingRecordFileBytes(six) << 6;
    }

    void damagedAndEmptyFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rows);
        auto page = open(bytes);
        QVERIFY(page);
        QCOMPARE(page->model()->rowCount(), rows);
        QCOMPARE(page->findChild<QPushButton *>("exportButton")->isEnabled(), rows > 0);
        // Each cell as the table of the command line writes it, right-aligned.
        const QList<DrivingRecordImage> written = sampleDrivingRecords(6);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < 15; ++column) {
                const QModelIndex cell = page->model()->index(row, column);
                QCOMPARE(cell.data().toString(), drivingRecordCellText(written[row], row, column));
                QCOMPARE(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                         Qt::AlignRight | Qt::AlignVCenter);
            }
        }
    }

    // A refused file empties the table and says why in the command line's words; a short one
    // says that records are missing.
    void refusedAndShortFilesSaySo_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("refused");
        const QList<DrivingRecordImage> six = sampleDrivingRecords(6);
        QTest::newRow("shorter than a header") << QByteArray(7, '\0') << 0 << true;
        QTest::newRow("impossible count") << drivingRecordFileBytes(six, 0xFFFFFFFF) << 0 << true;
        QTest::newRow("records missing")
            << drivingRecordFileBytes(six, 9).left(12 + 40 * 4 + 17) << 4 << false;
    }

    void refusedAndShortFilesSaySo()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, refused);
        auto page = open(drivingRecordFileBytes(sampleDrivingRecords(3)));
        QVERIFY(page);
        QCOMPARE(page->model()->rowCount(), 3);
        QVERIFY(page->note().isEmpty());
        const QString path = dir.filePath("other.drv");
        writeFile(path, bytes);
        QSignalSpy published(page.get(), &DrivingRecordPage::recordsPublished);
        page->setFlashDataFilePath(path);
        page->loadFlashDataFile();
        QVERIFY(published.wait(5000));
        QTEST(int(page->model()->rowCount()), "rows");
        const ProcessRun tool = runTool({"drv", path});
        QCOMPARE(tool.status, refused ? 1 : 0);
        // What the tool says after its name, or its numbers for missing records.
        const QString said = QString::fromUtf8(tool.err).section(u'\n', 0, 0);
        if (refused) {
            QCOMPARE("tavik-tool: " + page->note(), said);
            QCOMPARE(dismissAlert(*page), "Warn|" + page->note());
        } else {
            QVERIFY2(page->note().contains(said.section(": ", 2)), qPrintable(page->note()));
        }
    }

    void mapOfARecord()
    {
        QList<DrivingRecordImage> records = sampleDrivingRecords(3);
        records[1].latitudeInt = 3723;
        records[1].latitudeFrac = 45;
        records[2].latitudeInt = records[2].latitudeFrac = 0;
        records[2].longitudeInt = records[2].longitudeFrac = 0;
        auto page = open(drivingRecordFileBytes(records));
        QVERIFY(page);
        mapCalls.clear();
        page->doubleClickTableRow(1);
        QCOMPARE(mapCalls.size(), 3);
        QVERIFY(mapCalls[0].startsWith("route "));
        QCOMPARE(mapCalls[1], "show");
        QVERIFY2(mapCalls[2].startsWith("at 37.38341 "), qPrintable(mapCalls[2]));
        mapCalls.clear();
        page->doubleClickTableRow(2); // no position: the window only
        page->doubleClickTableRow(3); // no such row
        QCOMPARE(mapCalls, QStringList{"show"});
    }

    void exportLikeTheTool()
    {
        auto page = open(drivingRecordFileBytes(sampleDrivingRecords(50)));
        QVERIFY(page);
        const QString csv = dir.filePath("export.csv");
        writeFile(csv, QByteArray(100000, 'x')); // a longer old file leaves nothing behind
        QSignalSpy done(page.get(), &DrivingRecordPage::exportFinished);
        page->doWriteCSVFile(csv);
        QVERIFY(done.wait(5000));
        QVERIFY(done.first().first().value<tvk::Result<void>>().ok());
        const QString reference = dir.filePath("reference.csv");
        const ProcessRun tool = runTool({"drv", dir.filePath("tavik_000.drv"), "--csv", reference});
        QVERIFY2(tool.status == 0, tool.err.constData());
        QCOMPARE(readFile(csv), readFile(reference));
    }

    // An export that cannot be written says why, and the page's signal carries the same failure.
    void exportRefused()
    {
        auto page = open(drivingRecordFileBytes(sampleDrivingRecords(3)));
        QVERIFY(page);
        const QString csv = dir.filePath("no folder/export.csv");
        QSignalSpy done(page.get(), &DrivingRecordPage::exportFinished);
        page->doWriteCSVFile(csv);
        QVERIFY(done.wait(5000));
        const auto written = done.first().first().value<tvk::Result<void>>();
        QVERIFY(!written);
        QVERIFY2(written.failure().text().contains(csv), qPrintable(written.failure().text()));
        QCOMPARE(dismissAlert(*page), "Warn|" + written.failure().text());
        QVERIFY(!QFile::exists(csv));
    }

    void noFileOnTheCard()
    {
        DrivingRecordPage page;
        page.show();
        SettingsRecord settings{};
        page.setFileData(&settings);
        QCOMPARE(dismissAlert(page), "Alarm|" + tvk::text("setting.flashdata.warning"));
        QCOMPARE(page.model()->rowCount(), 0);
    }
};

QTEST_MAIN(TestDrivingRecordPage)
#include "test_drivingrecordpage.moc"
