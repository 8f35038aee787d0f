// The clip dialog on the sample card: it starts with the pair's whole length, writes the clip
// with the chosen layout in the background and then offers to play it or show its folder; marks
// on the position slider give the range; a cancel leaves no file.
#include "app/apptestsetup.h"
#include "app/clip/ClipExportDialog.h"
#include "core/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>

#include <cmath>

class TestClipExportDialog : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_event;
    QList<QUrl> m_shown;

public slots:
    void show(const QUrl &url) { m_shown.append(url); }

private slots:
    void initTestCase()
    {
        initApplicationTest();
        QDesktopServices::setUrlHandler("file", this, "show");
        const QString card = m_dir.filePath("card");
        QCOMPARE(runTool({"demo-card", card, "--seconds", "4"}).status, 0);
        m_event = card + "/DCIM/200EVENT/event_20261017_083012_F.avi";
    }

    void starts_with_the_pair()
    {
        ClipExportDialog dialog(m_event);
        QCOMPARE(dialog.findChild<QDateTimeEdit *>("clipFrom")->dateTime(),
                 QDateTime(QDate(2026, 10, 17), QTime(8, 30, 12), Qt::UTC));
        // The end as the recordings' headers give it: whole frames.
        const QDateTime end(QDate(2026, 10, 17), QTime(8, 30, 16), Qt::UTC);
        QVERIFY(std::abs(dialog.findChild<QDateTimeEdit *>("clipTo")->dateTime().msecsTo(end)) <
                1000 / 30);
    }

    void starts_at_the_marks_data()
    {
        QTest::addColumn<double>("in"); // negative: not set
        QTest::addColumn<double>("out");
        QTest::addColumn<int>("fromMs"); // from 08:30:12
        QTest::addColumn<int>("toMs");
        QTest::addColumn<bool>("noted");
        QTest::newRow("both") << 0.25 << 0.75 << 1000 << 3000 << true;
        QTest::newRow("in only") << 0.5 << -1.0 << 2000 << 4000 << true;
        QTest::newRow("none") << -1.0 << -1.0 << 0 << 4000 << false;
    }
    void starts_at_the_marks()
    {
        QFETCH(double, in);
        QFETCH(double, out);
        QFETCH(int, fromMs);
        QFETCH(int, toMs);
        QFETCH(bool, noted);
        clip::Marks marks;
        if (in >= 0)
            marks.setIn(in);
        if (out >= 0)
            marks.setOut(out);
        ClipExportDialog dialog(m_event);
        dialog.useMarks(marks);
        const QDateTime start(QDate(2026, 10, 17), QTime(8, 30, 12), Qt::UTC);
        // The pair is 4 s in whole frames of 1/30 s, so marks fall within a frame of the second.
        const auto near = [](const QDateTime &a, const QDateTime &b) {
            return std::abs(a.msecsTo(b)) < 1000 / 30;
        };
        QVERIFY(near(dialog.findChild<QDateTimeEdit *>("clipFrom")->dateTime(),
                     start.addMSecs(fromMs)));
        QVERIFY(
            near(dialog.findChild<QDateTimeEdit *>("clipTo")->dateTime(), start.addMSecs(toMs)));
        QCOMPARE(dialog.findChild<QWidget *>("clipMarksNote")->isVisibleTo(&dialog), noted);
    }

    void writes_then_plays_or_shows_the_folder_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("size");
        QTest::newRow("rear only") << 3 << "640x360";
        QTest::newRow("front with inset") << 1 << "960x540";
    }
    void writes_then_plays_or_shows_the_folder()
    {
        QFETCH(int, layout);
        QFETCH(QString, size);
        m_shown.clear();
        ClipExportDialog dialog(m_event);
        dialog.show();
        const int formHeight = dialog.height();
        dialog.findChild<QComboBox *>("clipLayout")->setCurrentIndex(layout);
        // Two seconds keep the test short; the range is then taken from the whole card.
        dialog.findChild<QDateTimeEdit *>("clipTo")->setDateTime(
            QDateTime(QDate(2026, 10, 17), QTime(8, 30, 14), Qt::UTC));
        QSignalSpy finished(&dialog, &ClipExportDialog::finished);
        const QString out = m_dir.filePath("clip.mp4");
        dialog.start(out);
        QVERIFY(dialog.isRunning());
        QVERIFY(finished.wait(300000));
        QVERIFY(finished.first().at(1).value<tvk::Result<void>>().ok());
        const ProcessRun probe =
            runProgram("ffprobe", {"-v", "error", "-select_streams", "v", "-show_entries",
                                   "stream=width,height,nb_frames", "-of", "csv=p=0", out});
        QCOMPARE(QString::fromUtf8(probe.out).trimmed(), QString(size).replace('x', ',') + ",60");
        // Nothing is opened unasked; each button opens its own.
        QVERIFY(m_shown.isEmpty());
        QVERIFY(dialog.findChild<QWidget *>("clipWritten")->isVisibleTo(&dialog));
        // The short last page is not left in the form's empty space.
        QVERIFY2(dialog.height() < formHeight * 2 / 3,
                 qPrintable(QStringLiteral("%1 of %2").arg(dialog.height()).arg(formHeight)));
        dialog.findChild<QPushButton *>("clipPlay")->click();
        dialog.findChild<QPushButton *>("clipShowFolder")->click();
        QCOMPARE(m_shown,
                 (QList<QUrl>{QUrl::fromLocalFile(out), QUrl::fromLocalFile(m_dir.path())}));
        QFile::remove(out);
    }

    void cancel_leaves_nothing()
    {
        m_shown.clear();
        ClipExportDialog dialog(m_event);
        QSignalSpy finished(&dialog, &ClipExportDialog::finished);
        dialog.start(m_dir.filePath("cancelled.mp4"));
        dialog.cancel();
        QVERIFY(finished.wait(300000));
        const auto result = finished.first().at(1).value<tvk::Result<void>>();
        QVERIFY(!result.ok());
        QCOMPARE(QByteArray(result.failure().key), QByteArray("msg.clip_cancelled"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(m_shown.isEmpty());
    }
};

QTEST_MAIN(TestClipExportDialog)
#include "test_clipexportdialog.moc"
