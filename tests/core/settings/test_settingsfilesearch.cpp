// The settings window's card search: which card's config.bin is taken, and the renaming of a
// card that holds one to TAVIK.
#include "card/VolumeLabeller.h"
#include "common/log.h"
#include "core/card/volumefixtures.h"
#include "settings/settingsfilesearch.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

class FakeLabeller : public VolumeLabeller
{
public:
    FakeVolumeSource *source = nullptr;
    QList<FakeVolume> volumesAfter; // what the source shows after a successful rename
    bool fail = false;
    QStringList calls;

    bool setLabel(const TKUSBDiskEntity &volume, const QString &label, QString *error) override
    {
        calls << volume.deviceFilePath() + u'=' + label;
        if (fail) {
            *error = QStringLiteral("Not authorized to perform operation");
            return false;
        }
        source->setJson(lsblkJsonFor(volumesAfter));
        return true;
    }
};

} // namespace

class TestSettingsFileSearch : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QStringList m_log;

    QString card(const QString &name, int configSize)
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(path);
        QFile::remove(QDir(path).filePath(QStringLiteral("config.bin")));
        if (configSize >= 0) {
            QFile file(QDir(path).filePath(QStringLiteral("config.bin")));
            file.open(QIODevice::WriteOnly);
            file.write(QByteArray(configSize, '\x01'));
        }
        return path;
    }

private slots:
    void init()
    {
        m_log.clear();
        tvk::setLogSink([this](const QString &line) { m_log << line; });
    }
    void cleanup() { tvk::setLogSink({}); }

    void noUsbVolumeLeavesTheSelection()
    {
        FakeVolumeSource source(recordedLsblk(QStringLiteral("lsblk-vm.json")));
        FakeLabeller labeller;
        SettingsCardSelection selection{QStringLiteral("/old/config.bin"), std::nullopt};
        findUSBVolume(source, labeller, selection);
        QCOMPARE(selection.settingFilePath, QStringLiteral("/old/config.bin"));
        QVERIFY(m_log.contains(QStringLiteral("no removable devices")));
    }

    void cardWithSettingsFile()
    {
        const QString root = card(QStringLiteral("a"), 428);
        FakeVolumeSource source(
            lsblkJsonFor({{QStringLiteral("sdb1"), QStringLiteral("TAVIK"), root}}));
        FakeLabeller labeller;
        SettingsCardSelection selection;
        findUSBVolume(source, labeller, selection);
        QCOMPARE(selection.settingFilePath, QDir(root).filePath(QStringLiteral("config.bin")));
        QVERIFY(selection.selectedUSBDisk);
        QCOMPARE(selection.selectedUSBDisk->deviceFilePath(), QStringLiteral("sdb1"));
        QVERIFY(labeller.calls.isEmpty());
    }

    void settingsFileOfAnotherSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("427") << 427;
        QTest::newRow("429") << 429;
        QTest::newRow("missing") << -1;
    }

    void settingsFileOfAnotherSize()
    {
        QFETCH(int, size);
        const QString root = card(QStringLiteral("b"), size);
        FakeVolumeSource source(
            lsblkJsonFor({{QStringLiteral("sdb1"), QStringLiteral("CARD"), root}}));
        FakeLabeller labeller;
        SettingsCardSelection selection{QStringLiteral("/old/config.bin"), std::nullopt};
        findUSBVolume(source, labeller, selection);
        QVERIFY(selection.settingFilePath.isEmpty());
        QVERIFY(!selection.selectedUSBDisk);
        QVERIFY(labeller.calls.isEmpty());
    }

    void cardIsRenamedTavik()
    {
        const QString root = card(QStringLiteral("c"), 428);
        FakeVolumeSource source(
            lsblkJsonFor({{QStringLiteral("sdc1"), QStringLiteral("NO NAME"), root}}));
        FakeLabeller labeller;
        labeller.source = &source;
        labeller.volumesAfter = {{QStringLiteral("sdc1"), QStringLiteral("TAVIK"), root}};
        SettingsCardSelection selection;
        findUSBVolume(source, labeller, selection);
        QCOMPARE(labeller.calls, QStringList{QStringLiteral("sdc1=TAVIK")});
        QVERIFY(selection.selectedUSBDisk);
        QCOMPARE(selection.selectedUSBDisk->volumeName(), QStringLiteral("TAVIK"));
        QCOMPARE(selection.settingFilePath, QDir(root).filePath(QStringLiteral("config.bin")));
    }

    void failedRenameKeepsTheCardUnderItsName()
    {
        const QString root = card(QStringLiteral("d"), 428);
        FakeVolumeSource source(
            lsblkJsonFor({{QStringLiteral("sdc1"), QStringLiteral("NO NAME"), root}}));
        FakeLabeller labeller;
        labeller.fail = true;
        SettingsCardSelection selection;
        findUSBVolume(source, labeller, selection);
        QVERIFY(m_log.contains(QStringLiteral("error=Not authorized to perform operation")));
        QVERIFY(selection.selectedUSBDisk);
        QCOMPARE(selection.selectedUSBDisk->volumeName(), QStringLiteral("NO NAME"));
        QCOMPARE(selection.settingFilePath, QDir(root).filePath(QStringLiteral("config.bin")));
    }

    void readOnlyTavikCardComesBeforeAWritableOne()
    {
        const QString stick = card(QStringLiteral("e"), 428);
        const QString camera = card(QStringLiteral("f"), 428);
        FakeVolumeSource source(
            lsblkJsonFor({{QStringLiteral("sdb1"), QStringLiteral("STICK"), stick},
                          {QStringLiteral("sdc1"), QStringLiteral("TAVIK"), camera, true}}));
        FakeLabeller labeller;
        SettingsCardSelection selection;
        findUSBVolume(source, labeller, selection);
        QVERIFY(selection.selectedUSBDisk);
        QCOMPARE(selection.selectedUSBDisk->deviceFilePath(), QStringLiteral("sdc1"));
        QVERIFY(labeller.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFileSearch)
#include "test_settingsfilesearch.moc"
