#include "core/capture/PrintJob.h"

#include "core/common/log.h"

PrintResult printCapturedFrame(PrintService &service, PrintRequest request)
{
    request.options.append({QStringLiteral("fit-to-page"), QStringLiteral("true")});
    const QString type = QLatin1String(kPrintFileType);
    if (!request.toPrinter || request.printer.isEmpty()) {
        tvk::log(QStringLiteral("Either got an error from PMSessionGetDestinationType or the print "
                                "destination wasn't kPMDestinationPrinter"));
        return {PrintResult::RenderOnPage, 0, {}};
    }
    if (const tvk::Result<void> found = service.findPrinter(request.printer); !found) {
        tvk::log(QStringLiteral("Got an error from PMSessionGetCurrentPrinter (%1)")
                     .arg(found.failure().code));
        return {PrintResult::Failed, 0, found.failure()};
    }
    // A queue that cannot list its types is still a printer: Qt's own output reaches it.
    const std::optional<QStringList> formats = service.documentFormats(request.printer);
    if (!formats || formats->isEmpty())
        return {PrintResult::RenderOnPage, 0, {}};
    if (!formats->contains(type, Qt::CaseInsensitive)) {
        tvk::log(QStringLiteral("MIME type %1 isn't supported by the printer").arg(type));
        return {PrintResult::RenderOnPage, 0, {}};
    }
    const tvk::Result<int> job =
        service.submitFile(request.printer, request.filePath, request.title, type, request.options);
    if (!job) {
        tvk::log(
            QStringLiteral("PMPrinterPrintWithFile returned error %1").arg(job.failure().code));
        return {PrintResult::Failed, 0, job.failure()};
    }
    return {PrintResult::Submitted, *job, {}};
}
