// A card mounted while the window is open: the watcher fed a mount table that changes, and the
// bar that offers the card without opening it unasked.
#include "app/apptestsetup.h"
#include "app/card/CardMountWatcher.h"
#include "app/player/CardOfferBar.h"
#include "core/testsupport.h"

#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QToolButton>

Q_DECLARE_METATYPE(CardMount)

namespace {

QByteArray line(int id, const QString &device, const QString &point, const char *type)
{
    QByteArray escaped = QFile::encodeName(point);
    escaped.replace(' ', "\\040");
    return QByteArray::number(id) + " 1 " + device.toLatin1() + " / " + escaped +
           " rw,nosuid shared:5 - " + type + " /dev/sdx1 rw\n";
}

void makeCard(const QString &top, const QString &file, int size = 0)
{
    QVERIFY(QDir().mkpath(QFileInfo(top + '/' + file).path()));
    QVERIFY(writeFile(top + '/' + file, QByteArray(size, '\0')));
}

} // namespace

class TestCardOffer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initApplicationTest(); }

    void watcherReportsCardsMountedLater()
    {
        QTemporaryDir dir;
        const QString table = dir.filePath("mountinfo");
        const QString card = dir.filePath("media/TAVIK CARD"), settings = dir.filePath("media/S");
        const QString open = dir.filePath("media/OPEN"), empty = dir.filePath("media/EMPTY");
        makeCard(card, "DCIM/100ALWAY/alwa_20240131_235959_F.avi");
        makeCard(settings, "config.bin", 428);
        makeCard(open, "DCIM/100ALWAY/alwa_20240131_235959_R.avi");
        QVERIFY(QDir().mkpath(empty));
        const QByteArray root = line(1, "8:1", "/", "ext4");
        QVERIFY(writeFile(table, root + line(2, "8:49", open, "vfat")));

        CardMountWatcher watcher([open] { return open + "/DCIM"; }, table);
        QSignalSpy mounted(&watcher, &CardMountWatcher::cardMounted);
        QSignalSpy unmounted(&watcher, &CardMountWatcher::unmounted);
        watcher.rescan();
        QTest::qWait(50);
        QCOMPARE(mounted.count(), 0); // nothing changed: nothing reported

        QVERIFY(writeFile(table, root + line(2, "8:49", open, "vfat") +
                                     line(3, "0:60", card, "proc") + line(4, "8:17", card, "vfat") +
                                     line(5, "8:33", empty, "vfat") +
                                     line(6, "8:65", settings, "exfat") +
                                     line(7, "8:49", dir.filePath("bind"), "vfat")));
        watcher.rescan();
        QTRY_COMPARE(mounted.count(), 2);
        QCOMPARE(mounted[0], (QVariantList{card, QVariant::fromValue(CardMount::Recordings)}));
        QCOMPARE(mounted[1],
                 (QVariantList{settings, QVariant::fromValue(CardMount::SettingsFile)}));

        // The card pulled out; the folder open in the window stays on its volume.
        QVERIFY(writeFile(table, root + line(2, "8:49", open, "vfat")));
        watcher.rescan();
        QCOMPARE(unmounted.count(), 4);
        QCOMPARE(unmounted[0].first().toString(), card);
        QTest::qWait(50);
        QCOMPARE(mounted.count(), 2);
    }

    // The kernel's own notice, where this machine lets us mount: a card's folder on a memory
    // file system bound to a new mount point, then unmounted.
    void kernelNoticeOfARealMount()
    {
        QTemporaryDir dir;
        const QString volume = dir.filePath("volume"), point = dir.filePath("point");
        QVERIFY(QDir().mkpath(volume) && QDir().mkpath(point));
        if (runProgram("mount", {"-t", "tmpfs", "-o", "size=1m", "tavik-test", volume}).status)
            QSKIP("mounting is not allowed here");
        const auto unmountAll = qScopeGuard([&] {
            runProgram("umount", {point});
            runProgram("umount", {volume});
        });
        makeCard(volume, "card/DCIM/100ALWAY/alwa_20240131_235959_F.avi");
        CardMountWatcher watcher({});
        QSignalSpy mounted(&watcher, &CardMountWatcher::cardMounted);
        QSignalSpy unmounted(&watcher, &CardMountWatcher::unmounted);
        QCOMPARE(runProgram("mount", {"--bind", volume + "/card", point}).status, 0);
        QTRY_COMPARE(mounted.count(), 1);
        QCOMPARE(mounted[0].first().toString(), point);
        QCOMPARE(runProgram("umount", {point}).status, 0);
        QTRY_COMPARE(unmounted.count(), 1);
        QCOMPARE(unmounted[0].first().toString(), point);
    }

    void barOffersTheLatestCardAndOpensOnlyOnAClick()
    {
        QWidget window;
        CardOfferBar &bar = *new CardOfferBar(&window);
        QSignalSpy opened(&bar, &CardOfferBar::openRequested);
        QSignalSpy settings(&bar, &CardOfferBar::settingsRequested);
        window.show();
        QVERIFY(!bar.isVisible());
        bar.offer("/media/ann/FIRST", CardMount::Recordings);
        bar.offer("/media/ann/SECOND", CardMount::SettingsFile);
        QVERIFY(bar.isVisible());
        // A card with settings and no recordings offers its settings, not an empty list.
        QCOMPARE(bar.openButton()->text(),
                 tvk::text("player.open_card_settings").arg("/media/ann/SECOND"));

        bar.setSuppressed(true); // full screen
        QVERIFY(!bar.isVisible());
        bar.setSuppressed(false);
        QVERIFY(bar.isVisible());
        QCOMPARE(opened.count(), 0);

        bar.openButton()->click();
        QCOMPARE(opened.count(), 0);
        QCOMPARE(settings.count(), 1);
        QCOMPARE(settings[0].first().toString(), "/media/ann/SECOND");
        QCOMPARE(bar.offeredMountPoint(), "/media/ann/FIRST");
        QCOMPARE(bar.openButton()->text(), tvk::text("player.open_card").arg("/media/ann/FIRST"));
        bar.offer("/media/ann/FIRST", CardMount::Recordings);
        bar.openButton()->click();
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened[0].first().toString(), "/media/ann/FIRST");
        bar.offer("/media/ann/FIRST", CardMount::Recordings);

        bar.offer("/media/ann/THIRD", CardMount::Recordings);
        bar.withdraw("/media/ann/THIRD"); // pulled out before the click
        bar.dismissButton()->click();
        QVERIFY(bar.offeredMountPoint().isEmpty());
        QVERIFY(!bar.isVisible());
        QCOMPARE(opened.count(), 1);
    }
};

QTEST_MAIN(TestCardOffer)
#include "test_cardoffer.moc"
