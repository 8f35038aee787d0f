// Saving the main player's picture through the real libVLC on the sample card.
#include "SampleCardPlayer.h"
#include "app/player/FrameCapture.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <sys/stat.h>

// Mean difference of two pictures' channels, 0 to 255; -1 when their sizes differ.
static double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

class TestFrameCapture : public QObject
{
    Q_OBJECT
public:
    static void initMain() { SampleCardPlayer::prepare(); }

public slots:
    void openUrl(const QUrl &url) { m_opened << url.toLocalFile(); }

private:
    SampleCardPlayer m_card;
    std::unique_ptr<FrameCapture> m_capture;
    QTemporaryDir m_out;
    QStringList m_opened;

    // Runs a capture, answering its save panel with `target`, on a full disk when asked; the
    // panel's title comes back.
    QString captureTo(const QString &target, bool diskFull = false)
    {
        QString title;
        std::unique_ptr<FileSizeLimit> limit;
        QTimer::singleShot(300, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *panel = qobject_cast<QFileDialog *>(w);
                if (!panel || w->objectName() != QLatin1String("captureSavePanel"))
                    continue;
                title = panel->windowTitle();
                panel->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(target);
                if (diskFull)
                    limit = std::make_unique<FileSizeLimit>(2000);
                // The panel asks before it replaces a file.
                QTimer::singleShot(300, this, [] {
                    for (QWidget *v : QApplication::topLevelWidgets())
                        if (auto *question = qobject_cast<QMessageBox *>(v))
                            if (QAbstractButton *yes = question->button(QMessageBox::Yes))
                                yes->click();
                });
                static_cast<QDialog *>(panel)->accept();
            }
        });
        m_capture->captureVideo();
        return title;
    }

    // The alert's informative text, dismissing it; empty when none is shown.
    static QString takeAlert()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                const QString text = box->informativeText();
                box->accept();
                return text;
            }
        return {};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_card.open());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        m_capture = std::make_unique<FrameCapture>(m_card.app.get(), m_card.app->player1());
    }

    void captureOnlyWhilePlaying()
    {
        QVERIFY(!m_card.app->player1()->isPlaying());
        m_capture->captureVideo();
        QVERIFY(QDir(m_capture->captureFile().folder()).isEmpty());
        QVERIFY(m_card.playFirstFront());
    }

    void savesThePictureShown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("png by default") << "frame.png" << QByteArray("png") << 0.0;
        QTest::newRow("jpeg") << "frame.JPG" << QByteArray("jpeg") << 3.0;
    }

    void savesThePictureShown()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(double, tolerance);
        const QImage shown = m_card.app->video1View()->frame().copy();
        const QString target = m_out.filePath(name);
        m_opened.clear();
        QCOMPARE(captureTo(target), tvk::text("capture.save_title"));
        QCOMPARE(m_opened, QStringList{target});

        QImageReader reader(target);
        QCOMPARE(reader.format(), format);
        const QImage saved = reader.read();
        QCOMPARE(saved.size(), m_card.app->player1()->videoSize());
        const double difference = meanDifference(saved, shown);
        QVERIFY2(difference >= 0 && difference <= tolerance,
                 qPrintable(QString::number(difference)));

        // The snapshot is the user's alone, in a folder only the user can enter.
        const QFileInfo folder(m_capture->captureFile().folder());
        QCOMPARE(int(folder.permissions() & 0x7077), 0x7000);
        const QFileInfo snapshot(folder.filePath() + QStringLiteral("/tavik_capture.png"));
        QCOMPARE(int(snapshot.permissions() & 0x7077), 0x6000);
    }

    void failedSaveIsAlerted_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<bool>("pipe"); // a pipe in the way, left as it is
        QTest::newRow("no image format") << "frame.txt" << false << false;
        QTest::newRow("disk full, the old file kept") << "old.png" << true << false;
        QTest::newRow("a pipe in the way") << "pipe.png" << false << true;
    }

    void failedSaveIsAlerted()
    {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QFETCH(bool, pipe);
        const QString target = m_out.filePath(name);
        QVERIFY(writeFile(m_out.filePath(QStringLiteral("old.png")), "old picture"));
        if (pipe)
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        m_opened.clear();
        captureTo(target, diskFull);
        QString alert;
        QTRY_VERIFY(!(alert += takeAlert()).isEmpty());
        QVERIFY2(alert.startsWith(tvk::text("capture.save_failed")), qPrintable(alert));
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(readFile(m_out.filePath(QStringLiteral("old.png"))), QByteArray("old picture"));
        if (pipe)
            QVERIFY(!QFileInfo(target).isFile());
    }

    void snapshotGoneWithTheProgram()
    {
        const QString folder = m_capture->captureFile().folder();
        QVERIFY(QFileInfo::exists(folder));
        m_capture.reset();
        QVERIFY(!QFileInfo::exists(folder));
    }

    void cleanupTestCase() { m_card.app.reset(); }
};

QTEST_MAIN(TestFrameCapture)
#include "test_framecapture.moc"
