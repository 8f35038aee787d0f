#pragma once

#include "core/capture/PrintJob.h"

// The print service of the desktop: the CUPS server that libcups finds (CUPS_SERVER,
// client.conf or the local scheduler).
class CupsPrintService : public PrintService
{
public:
    tvk::Result<void> findPrinter(const QString &printer) override;
    std::optional<QStringList> documentFormats(const QString &printer) override;
    tvk::Result<int> submitFile(const QString &printer, const QString &path, const QString &title,
                                const QString &format, const Options &options) override;
};
