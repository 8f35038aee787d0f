#pragma once

#include "core/common/result.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

// What printing needs of the system's print service: find a queue, ask it which document
// types it takes, hand it a file. The Linux service is CUPS (CupsPrintService).
class PrintService
{
public:
    virtual ~PrintService() = default;

    using Options = QList<QPair<QString, QString>>;

    // Whether the queue exists; a failure's `code` is the service's status.
    virtual tvk::Result<void> findPrinter(const QString &printer) = 0;
    // The MIME types the queue takes; nothing when it cannot say.
    virtual std::optional<QStringList> documentFormats(const QString &printer) = 0;
    // The job's number; a failure's `code` is the service's status, `reason` its words.
    virtual tvk::Result<int> submitFile(const QString &printer, const QString &path,
                                        const QString &title, const QString &format,
                                        const Options &options) = 0;
};

inline constexpr char kPrintFileType[] = "image/jpeg";

// One confirmed print of the captured frame.
struct PrintRequest
{
    bool toPrinter = false; // false for a file (PDF) destination
    QString printer;
    QString filePath;
    QString title;
    PrintService::Options options;
};

struct PrintResult
{
    enum Outcome {
        Submitted,    // the JPEG went to the queue
        RenderOnPage, // the destination takes no JPEG file: draw the frame on a page instead
        Failed,
    };
    Outcome outcome = Failed;
    int jobId = 0;
    std::optional<tvk::Failure> failure; // why it failed
};

// The steps of a confirmed print: fit to page, the destination must be a printer that takes
// JPEG, then the file goes to it. Each refusal writes its log line.
PrintResult printCapturedFrame(PrintService &service, PrintRequest request);
