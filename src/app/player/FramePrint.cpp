#include "app/player/FramePrint.h"

#include "app/controls/Alert.h"
#include "app/player/FrameCapture.h"
#include "core/capture/CaptureFile.h"
#include "core/common/strings.h"
#include "core/player/VideoPlayer.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

FramePrint::FramePrint(QWidget *window, VideoPlayer *player1, FrameCapture *capture,
                       std::unique_ptr<PrintService> service, QObject *parent)
    : QObject(parent), m_window(window), m_player1(player1), m_capture(capture),
      m_service(std::move(service))
{}

FramePrint::~FramePrint() = default;

QPrinter *FramePrint::loadPrintInfo()
{
    if (!m_printInfo)
        m_printInfo = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printInfo.get();
}

void FramePrint::print()
{
    if (!m_player1 || !m_player1->hasMedia())
        return;
    m_snapshotPath = m_capture->snapshot(kPrintSnapshotName);
    if (m_snapshotPath.isEmpty()) {
        showAlert(m_window, tvk::text("alert.warning"), tvk::text("capture.no_frame"));
        return;
    }
    auto *dialog = new QPrintDialog(loadPrintInfo(), m_window);
    dialog->setObjectName(QStringLiteral("printPanel"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    connect(dialog, &QDialog::finished, this, &FramePrint::printPanelDidEnd);
    dialog->open();
}

void FramePrint::printPanelDidEnd(int returnCode)
{
    if (returnCode != QDialog::Accepted || m_snapshotPath.isEmpty())
        return;
    QPrinter *printer = loadPrintInfo();
    PrintRequest request;
    request.toPrinter =
        printer->outputFormat() == QPrinter::NativeFormat && printer->outputFileName().isEmpty();
    request.printer = printer->printerName();
    request.filePath = m_snapshotPath;
    request.title = QFileInfo(m_player1 ? m_player1->media() : QString()).fileName();
    printer->setDocName(request.title);
    request.options = {
        {QStringLiteral("copies"), QString::number(printer->copyCount())},
        {QStringLiteral("media"), printer->pageLayout().pageSize().key()},
        {QStringLiteral("orientation-requested"),
         printer->pageLayout().orientation() == QPageLayout::Landscape ? QStringLiteral("4")
                                                                       : QStringLiteral("3")},
    };
    PrintResult result = printCapturedFrame(*m_service, request);
    if (result.outcome == PrintResult::RenderOnPage) {
        QImageReader reader(m_snapshotPath);
        if (!renderOnPage(printer, reader.read())) {
            result.outcome = PrintResult::Failed;
            result.failure = tvk::Failure{QT_TRID_NOOP("print.failed"), {}, reader.errorString()};
        }
    }
    if (result.outcome == PrintResult::Failed && result.failure) {
        // The service's own words, or what it could not find.
        const tvk::Failure &f = *result.failure;
        showAlert(m_window, tvk::text("alert.warning"),
                  tvk::text("print.failed") + QLatin1Char('\n') +
                      (f.reason.isEmpty() ? f.subject : f.reason));
    }
    emit printFinished(result);
}

bool FramePrint::renderOnPage(QPrinter *printer, const QImage &image)
{
    if (image.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - size.width()) / 2,
                       page.y() + (page.height() - size.height()) / 2, size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return painter.end();
}
