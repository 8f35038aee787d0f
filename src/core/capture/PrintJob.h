#pragma once

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
    struct Submission
    {
        int jobId = 0; // 0 when the job was refused
        int error = 0;
        QString message;
    };

    // 0 when the queue exists, else the service's error code.
    virtual int findPrinter(const QString &printer) = 0;
    // The MIME types the queue takes; nothing when it cannot say.
    virtual std::optional<QStringList> documentFormats(const QString &printer) = 0;
    virtual Submission submitFile(const QString &printer, const QString &path, const QString &title,
                                  const QString &format, const Options &options) = 0;
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
    QString message; // why it failed
};

// The steps of a confirmed print: fit to page, the destination must be a printer that takes
// JPEG, then the file goes to it. Each refusal writes its log line.
PrintResult printCapturedFrame(PrintService &service, PrintRequest request);
