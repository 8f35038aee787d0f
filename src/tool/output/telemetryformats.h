#pragma once

#include "core/telemetry/RecordedTelemetry.h"

#include <QList>
#include <QString>

#include <memory>

class QIODevice;

// One output format of `tavik-tool telemetry`. The writer gets the recordings in the order of
// the arguments and writes each as it comes; `finish` closes the document.
class TelemetryWriter
{
public:
    virtual ~TelemetryWriter() = default;
    // `ok`: the file was a recording; the telemetry is empty otherwise.
    virtual void recording(const QString &path, bool ok, const RecordedTelemetry &telemetry) = 0;
    virtual void finish() {}
};

struct TelemetryFormat
{
    QString option; // the option that chooses it, without dashes
    QString description;
    // `many`: more than one recording goes into the document.
    std::unique_ptr<TelemetryWriter> (*make)(QIODevice *out, bool many);
};

// Every format, the default first. A new format is a writer and a line in this table.
const QList<TelemetryFormat> &telemetryFormats();

std::unique_ptr<TelemetryWriter> makeTelemetryJsonWriter(QIODevice *out, bool many);
std::unique_ptr<TelemetryWriter> makeTelemetryCsvWriter(QIODevice *out, bool many);
std::unique_ptr<TelemetryWriter> makeTelemetryGpxWriter(QIODevice *out, bool many);
std::unique_ptr<TelemetryWriter> makeTelemetryKmlWriter(QIODevice *out, bool many);
