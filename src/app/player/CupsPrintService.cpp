#include "app/player/CupsPrintService.h"

#include <QByteArray>
#include <QFile>

#include <cups/cups.h>

namespace {

// Qt names a queue's instance as "queue/instance"; the server knows the queue.
QByteArray queueName(const QString &printer)
{
    return printer.section(QLatin1Char('/'), 0, 0).toUtf8();
}

int lastError()
{
    const int error = cupsLastError();
    return error == IPP_STATUS_OK ? IPP_STATUS_ERROR_INTERNAL : error;
}

} // namespace

tvk::Result<void> CupsPrintService::findPrinter(const QString &printer)
{
    cups_dest_t *dest =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queueName(printer).constData(), nullptr);
    if (!dest)
        return tvk::Failure{QT_TRID_NOOP("print.no_queue"), printer, {}, {}, lastError()};
    cupsFreeDests(1, dest);
    return {};
}

std::optional<QStringList> CupsPrintService::documentFormats(const QString &printer)
{
    char uri[HTTP_MAX_URI];
    if (httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                         "/printers/%s", queueName(printer).constData()) != HTTP_URI_STATUS_OK)
        return std::nullopt;
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "document-format-supported");
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (!response)
        return std::nullopt;
    std::optional<QStringList> formats;
    if (ippGetStatusCode(response) <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        formats.emplace();
        ipp_attribute_t *attr =
            ippFindAttribute(response, "document-format-supported", IPP_TAG_MIMETYPE);
        for (int i = 0; attr && i < ippGetCount(attr); ++i)
            formats->append(QString::fromUtf8(ippGetString(attr, i, nullptr)));
    }
    ippDelete(response);
    return formats;
}

tvk::Result<int> CupsPrintService::submitFile(const QString &printer, const QString &path,
                                              const QString &title, const QString &format,
                                              const Options &options)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tvk::Failure{QT_TRID_NOOP("print.not_submitted"),
                            path,
                            file.errorString(),
                            {},
                            IPP_STATUS_ERROR_DOCUMENT_ACCESS};
    const QByteArray data = file.readAll();
    const QByteArray queue = queueName(printer);
    const QByteArray name = title.toUtf8();
    const QByteArray type = format.toUtf8();

    cups_option_t *cupsOptions = nullptr;
    int count = 0;
    for (const auto &[key, value] : options)
        count = cupsAddOption(key.toUtf8().constData(), value.toUtf8().constData(), count,
                              &cupsOptions);
    // The type is stated, not left to the server's guess.
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, queue.constData(), name.constData(), count, cupsOptions);
    bool sent = false;
    if (job > 0 && cupsStartDocument(CUPS_HTTP_DEFAULT, queue.constData(), job, name.constData(),
                                     type.constData(), 1) == HTTP_STATUS_CONTINUE) {
        const bool written =
            cupsWriteRequestData(CUPS_HTTP_DEFAULT, data.constData(),
                                 static_cast<size_t>(data.size())) == HTTP_STATUS_CONTINUE;
        sent = cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData()) == IPP_STATUS_OK && written;
    }
    cupsFreeOptions(count, cupsOptions);
    if (job > 0 && sent)
        return job;
    // Taken before the cancel, which would put its own status in its place.
    const tvk::Failure failure{QT_TRID_NOOP("print.not_submitted"),
                               printer,
                               QString::fromUtf8(cupsLastErrorString()),
                               {},
                               lastError()};
    if (job > 0)
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.constData(), job, 0);
    return failure;
}
