// Where the settings window's files come from: the card copy open in the player when no card
// is inserted, the driving log of whichever settings file is shown, and the log's map window,
// which goes with the settings window.
#include "app/records/DrivingRecordModel.h"
#include "app/records/DrivingRecordPage.h"
#include "app/records/RecordMap.h"
#include "core/records/drivingrecordfile.h"
#include "settingswindowfixture.h"
#include "writers/cardfiles/drivingrecordwriter.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>

namespace {

struct MapStandIn : RecordMap
{
    bool *alive;
    explicit MapStandIn(bool *a) : alive(a) { *alive = true; }
    ~MapStandIn() override { *alive = false; }
    void showBeside(const QRect &) override {}
    void setRoute(const QList<QPointF> &) override {}
    void showPosition(double, double) override {}
};

// A copy of a card in `folder`: its settings and, when `logRows` >= 0, its driving log.
void copyOfACard(const QString &folder, quint32 bitrate, int logRows)
{
    QDir().mkpath(folder);
    writeFile(QDir(folder).filePath("config.bin"),
              recordBytes([bitrate](SettingsRecord &r) { r.vid_enc_bitrate = bitrate; }));
    if (logRows >= 0) {
        QDir(folder).mkpath("DrvInfo");
        writeFile(QDir(folder).filePath(kDrivingRecordFilePath),
                  drivingRecordFileBytes(sampleDrivingRecords(logRows)));
    }
}

DrivingRecordPage *logPage(SettingsWindow &window)
{
    window.showPage(SettingsWindow::kDriveInfoPage);
    return qobject_cast<DrivingRecordPage *>(window.targetController());
}

// The log page once its file has been read (or found missing).
bool logShown(SettingsWindow &window, int rows)
{
    return QTest::qWaitFor(
        [&] {
            auto *page = qobject_cast<DrivingRecordPage *>(window.targetController());
            return page && page->model()->rowCount() == rows;
        },
        5000);
}

} // namespace

class TestSettingsSources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplicationTest(); }

    // No card inserted: the player's folder (or the card root above it) stands in.
    void playerFolderWithoutACard_data()
    {
        QTest::addColumn<QString>("shown"); // the player's folder, below the copy
        QTest::addColumn<bool>("offered");
        QTest::newRow("card root") << "" << true;
        QTest::newRow("recordings folder") << "DCIM/100DRIVE" << true;
        QTest::newRow("no settings there") << "" << false;
    }

    void playerFolderWithoutACard()
    {
        QFETCH(QString, shown);
        QFETCH(bool, offered);
        SettingsCard card({});
        card.volumes.setJson(recordedLsblk("lsblk-vm.json"));
        const QString copy = card.dir.filePath("copy");
        if (offered)
            copyOfACard(copy, 2, 4);
        const QString player = QDir(copy).filePath(shown);
        QDir().mkpath(player);
        SettingsEnvironment environment;
        environment.volumes = &card.volumes;
        environment.labeller = &card.labeller;
        environment.documentsFolder = card.dir.path();
        environment.playerFolder = player;
        SettingsWindow window(environment);
        window.showWindow();
        QVERIFY(firstPageShown(window));
        if (offered) {
            QCOMPARE(window.settingFilePath(), QDir(copy).filePath("config.bin"));
            QCOMPARE(window.filedata()->vid_enc_bitrate, 2u);
            QVERIFY(logPage(window));
            QVERIFY(logShown(window, 4));
        } else {
            QVERIFY(window.settingFilePath().isEmpty());
        }
        window.onOpen();
        auto *panel = window.findChild<QFileDialog *>("openPanel");
        QVERIFY(panel);
        QCOMPARE(QDir(panel->directory()).canonicalPath(), QDir(player).canonicalPath());
        panel->reject();
    }

    // Another settings file brings its own log, or none; the two buttons say what they open.
    void openedFileBringsItsLog()
    {
        SettingsCard card({});
        copyOfACard(card.dir.path(), 1, 3);
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        auto *page = logPage(*window);
        QVERIFY(page);
        QVERIFY(logShown(*window, 3));
        const QString other = card.dir.filePath("other");
        copyOfACard(other, 1, 5);
        QVERIFY(window->openSettingFile(other));
        QVERIFY(logShown(*window, 5));
        const QString bare = card.dir.filePath("bare");
        copyOfACard(bare, 1, -1);
        QVERIFY(window->openSettingFile(bare));
        QCOMPARE(dismissAlert(*window), "Alarm|" + tvk::text("setting.flashdata.warning"));
        QVERIFY(logShown(*window, 0));

        const QString settingsOpen = window->findChild<QPushButton *>("openButton")->text();
        const QString logOpen =
            window->targetController()->findChild<QPushButton *>("openButton")->text();
        QCOMPARE(settingsOpen, tvk::text("setting.open_settings"));
        QCOMPARE(logOpen, tvk::text("records.open_log"));
        QVERIFY(settingsOpen != logOpen);
    }

    // Closing the settings window closes the log's map, which would keep the program running.
    void mapGoesWithTheWindow()
    {
        SettingsCard card({});
        copyOfACard(card.dir.path(), 1, 3);
        auto window = card.open();
        QVERIFY(firstPageShown(*window));
        auto *page = logPage(*window);
        QVERIFY(page);
        bool mapAlive = false;
        page->setMapFactory([&mapAlive] { return std::make_unique<MapStandIn>(&mapAlive); });
        QVERIFY(logShown(*window, 3));
        page->doubleClickTableRow(1);
        QVERIFY(mapAlive);
        window->onCloseCmd();
        QVERIFY(!window->isVisible());
        QVERIFY(!mapAlive);
    }
};

QTEST_MAIN(TestSettingsSources)
#include "test_settingssources.moc"
