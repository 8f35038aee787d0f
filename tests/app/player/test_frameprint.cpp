// Printing the main player's picture through the print dialog to a print server of the test's
// own, and to a PDF file.
#include "PrivateCupsd.h"
#include "SampleCardPlayer.h"
#include "app/player/CupsPrintService.h"
#include "app/player/FrameCapture.h"
#include "app/player/FramePrint.h"
#include "core/common/log.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

class TestFramePrint : public QObject
{
    Q_OBJECT
public:
    static void initMain() { SampleCardPlayer::prepare(); }

private:
    SampleCardPlayer m_card;
    PrivateCupsd m_cupsd;
    std::unique_ptr<FrameCapture> m_capture;
    std::unique_ptr<FramePrint> m_print;
    QTemporaryDir m_out;
    QStringList m_log;

    // Prints through the dialog, choosing a PDF file when given one, as a user does; the
    // outcome comes back.
    int printThroughDialog(const QString &pdfFile = {})
    {
        QSignalSpy finished(m_print.get(), &FramePrint::printFinished);
        m_print->print();
        QPrintDialog *dialog = nullptr;
        for (auto *open : m_card.app->findChildren<QPrintDialog *>())
            dialog = open->isVisible() ? open : dialog;
        if (!dialog || dialog->windowModality() != Qt::WindowModal)
            return -1;
        if (!pdfFile.isEmpty()) {
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->count() - 1);
            dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdfFile);
        }
        dialog->accept();
        return finished.count() == 1 ? finished.at(0).at(0).value<PrintResult>().outcome : -1;
    }

private slots:
    void initTestCase()
    {
        if (PrivateCupsd::program().isEmpty())
            QSKIP("cupsd (package cups-daemon) is not installed: printing is not tested");
        const QString failure = m_cupsd.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(m_card.open());
        QVERIFY(m_card.playFirstFront());
        m_capture = std::make_unique<FrameCapture>(m_card.app.get(), m_card.app->player1());
        m_print =
            std::make_unique<FramePrint>(m_card.app.get(), m_card.app->player1(), m_capture.get(),
                                         std::make_unique<CupsPrintService>());
        tvk::setLogSink([this](const QString &line) { m_log << line; });
        // The paused picture is printed.
        m_card.app->playback()->togglePause();
        QTRY_VERIFY(!m_card.app->player1()->isPlaying());
    }

    void stepsAgainstTheServer_data()
    {
        QTest::addColumn<bool>("toPrinter");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("takes jpeg") << true << "photo" << int(PrintResult::Submitted) << "";
        QTest::newRow("no jpeg") << true << "document" << int(PrintResult::RenderOnPage)
                                 << "MIME type image/jpeg isn't supported by the printer";
        QTest::newRow("no such queue") << true << "missing" << int(PrintResult::Failed)
                                       << "Got an error from PMSessionGetCurrentPrinter (1030)";
        QTest::newRow("a file") << false << "" << int(PrintResult::RenderOnPage)
                                << "Either got an error from PMSessionGetDestinationType or the "
                                   "print destination wasn't kPMDestinationPrinter";
    }

    void stepsAgainstTheServer()
    {
        QFETCH(bool, toPrinter);
        QFETCH(QString, printer);
        QFETCH(int, outcome);
        QFETCH(QString, logLine);
        CupsPrintService service;
        const QString jpeg = m_out.filePath(QStringLiteral("steps.jpg"));
        QVERIFY(m_card.app->video1View()->frame().save(jpeg));
        m_log.clear();
        const PrintResult result =
            printCapturedFrame(service, {toPrinter, printer, jpeg, QStringLiteral("steps"), {}});
        QCOMPARE(int(result.outcome), outcome);
        // A failure names the queue it could not find.
        QCOMPARE(result.failure ? result.failure->subject : QString(),
                 outcome == PrintResult::Failed ? printer : QString());
        QCOMPARE(m_log, logLine.isEmpty() ? QStringList() : QStringList{logLine});
        QFile::remove(m_cupsd.output(QStringLiteral("photo")));
    }

    void jpegPrinterGetsTheSnapshot()
    {
        m_print->loadPrintInfo()->setPrinterName(QStringLiteral("photo"));
        QCOMPARE(printThroughDialog(), int(PrintResult::Submitted));
        const QString received = m_cupsd.output(QStringLiteral("photo"));
        const QByteArray sent = readFile(m_capture->captureFile().folder() + "/tavik_capture.jpg");
        QTRY_COMPARE_WITH_TIMEOUT(readFile(received).size(), sent.size(), 10000);
        QCOMPARE(readFile(received), sent);
        QVERIFY(sent.startsWith("\xff\xd8\xff"));
        QImage picture;
        QVERIFY(picture.loadFromData(sent, "JPEG"));
        QCOMPARE(picture.size(), m_card.app->player1()->videoSize());
        qInfo("queue photo received %lld bytes of image/jpeg", qlonglong(sent.size()));
    }

    void pagesForPdfFilesAndOtherPrinters_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::newRow("printer without jpeg") << "document";
        QTest::newRow("pdf file") << "";
    }

    void pagesForPdfFilesAndOtherPrinters()
    {
        QFETCH(QString, printer);
        const QString file = m_out.filePath(QStringLiteral("frame.pdf"));
        m_print->loadPrintInfo()->setPrinterName(printer.isEmpty() ? QStringLiteral("photo")
                                                                   : printer);
        const QString received = printer.isEmpty() ? file : m_cupsd.output(printer);
        QCOMPARE(printThroughDialog(printer.isEmpty() ? file : QString()),
                 int(PrintResult::RenderOnPage));
        QTRY_VERIFY_WITH_TIMEOUT(readFile(received).trimmed().endsWith("%%EOF"), 10000);
        const QByteArray pdf = readFile(received);
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(
            pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
        QVERIFY(pdf.contains("/Subtype /Image"));
        qInfo("%s received %lld bytes of application/pdf", qPrintable(received),
              qlonglong(pdf.size()));
    }

    void cleanupTestCase()
    {
        tvk::setLogSink({});
        m_print.reset();
        m_capture.reset();
        m_card.app.reset();
    }
};

QTEST_MAIN(TestFramePrint)
#include "test_frameprint.moc"
